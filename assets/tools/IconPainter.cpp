#include "IconPainter.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kToolSize = 32;
const QColor kInk(40, 40, 40);
// The axis colours of the view: x cyan-blue, y yellow, z green.
const QColor kAxis[3] = {QColor(0, 204, 255), QColor(230, 200, 0), QColor(0, 190, 0)};

// A transparent picture of w × h logical pixels at the given scale, painted in logical
// units so that the 2x picture is the same drawing, sharper.
QImage Canvas(int w, int h, int scale) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(width * 2.6);
    a.setAngle(line.angle() + 35);
    QLineF b = line;
    b.setLength(width * 2.6);
    b.setAngle(line.angle() - 35);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({to, a.p2(), b.p2()}));
}

// A small cube in isometric view; face 0 front, 1 top, 2 right is filled.
void Cube(QPainter& p, int shaded) {
    const QPointF c(16, 17);
    const double s = 9;
    const QPointF top(c.x(), c.y() - s);
    const QPointF left(c.x() - s * 0.87, c.y() - s / 2);
    const QPointF right(c.x() + s * 0.87, c.y() - s / 2);
    const QPointF down(c.x(), c.y() + s);
    const QPointF downLeft(left.x(), left.y() + s);
    const QPointF downRight(right.x(), right.y() + s);
    const QPolygonF faces[3] = {QPolygonF({left, c, down, downLeft}),
                                QPolygonF({left, top, right, c}),
                                QPolygonF({c, right, downRight, down})};
    p.setPen(QPen(kInk, 1.5));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == shaded ? QColor(255, 120, 60) : QColor(250, 250, 250));
        p.drawPolygon(faces[i]);
    }
}

void Text(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int pixelSize,
          bool outline) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    if (outline) {
        QPainterPath path;
        path.addText(0, 0, font, text);
        const QRectF b = path.boundingRect();
        path.translate(r.center() - b.center());
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(colour);
        p.drawPath(path);
        return;
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

QImage PaintToolBar(const QString& key, int scale) {
    QImage pixmap = Canvas(kToolSize, kToolSize, scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("cmdFin")) {
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(7, 8, 18, 18), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 5), QPointF(16, 16));
    } else if (key == QLatin1String("cmdFigLoad")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(245, 200, 80));
        p.drawPolygon(QPolygonF({QPointF(4, 9), QPointF(12, 9), QPointF(14, 12), QPointF(28, 12),
                                 QPointF(28, 26), QPointF(4, 26)}));
        Arrow(p, QPointF(16, 7), QPointF(16, 22), QColor(30, 110, 200), 2.5);
    } else if (key == QLatin1String("cmdFigSave")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(60, 100, 190));
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 6, 14, 8));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(10, 18, 12, 8));
    } else if (key == QLatin1String("cmdDrawFig")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(250, 210, 60));
        p.drawPolygon(QPolygonF(
            {QPointF(22, 4), QPointF(28, 10), QPointF(11, 27), QPointF(5, 27), QPointF(5, 21)}));
        p.drawLine(QPointF(18, 8), QPointF(24, 14));
    } else if (key == QLatin1String("cmdNewFig")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF(
            {QPointF(7, 4), QPointF(20, 4), QPointF(26, 10), QPointF(26, 28), QPointF(7, 28)}));
        p.setPen(QPen(QColor(30, 150, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 12), QPointF(16, 22));
        p.drawLine(QPointF(11, 17), QPointF(21, 17));
    } else if (key == QLatin1String("cmdMagnify") || key == QLatin1String("cmdReduce")) {
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(QColor(220, 240, 255));
        p.drawEllipse(QRectF(4, 4, 18, 18));
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 20), QPointF(28, 28));
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 13), QPointF(17, 13));
        if (key == QLatin1String("cmdMagnify")) {
            p.drawLine(QPointF(13, 9), QPointF(13, 17));
        }
    } else if (key == QLatin1String("cmdContinuousTurn")) {
        p.setPen(QPen(QColor(30, 120, 200), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 280 * 16);
        Arrow(p, QPointF(22, 8), QPointF(25.5, 11), QColor(30, 120, 200), 2.5);
    } else if (key == QLatin1String("cmdESC")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(210, 40, 40));
        p.drawRoundedRect(QRectF(7, 7, 18, 18), 3, 3);
    } else if (key == QLatin1String("cmdFrontView")) {
        Cube(p, 0);
    } else if (key == QLatin1String("cmdTopView")) {
        Cube(p, 1);
    } else if (key == QLatin1String("cmdSideView")) {
        Cube(p, 2);
    } else if (key == QLatin1String("cmdEqualAngleView")) {
        Cube(p, -1);
        // Three equal axes at 120°: the isometric view, in any language.
        const QPointF o(25, 25);
        p.setPen(QPen(QColor(200, 60, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(o, o + QPointF(0, -6));
        p.drawLine(o, o + QPointF(-5.2, 3));
        p.drawLine(o, o + QPointF(5.2, 3));
    } else if (key == QLatin1String("cmdThirdAngleProjectionMethod")) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::white);
        for (int i = 0; i < 4; ++i) {
            p.drawRect(QRectF(4 + (i % 2) * 12.5, 4 + (i / 2) * 12.5, 11, 11));
        }
        p.setBrush(QColor(255, 120, 60));
        p.drawRect(QRectF(16.5, 4, 11, 11));
    } else if (key == QLatin1String("cmdCheckAnswer")) {
        // A drawing sheet with a check mark: checking an exercise's answer.
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 4, 20, 24));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(8, 10), QPointF(22, 10));
        p.drawLine(QPointF(8, 15), QPointF(18, 15));
        p.setPen(QPen(QColor(210, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 20), QPointF(17, 26));
        p.drawLine(QPointF(17, 26), QPointF(29, 11));
    } else if (key == QLatin1String("cmdUndo") || key == QLatin1String("cmdRedo")) {
        // A hooked arrow, back (undo) or forth (redo).
        const bool undo = key == QLatin1String("cmdUndo");
        p.save();
        if (!undo) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        const QColor colour(40, 130, 60);
        p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8, 9, 18, 16), 90 * 16, -200 * 16);
        Arrow(p, QPointF(17, 9), QPointF(7, 9), colour, 3);
        p.restore();
    }
    return pixmap;
}

} // namespace

QImage IconPainter::ToolBar(const QString& key, int scale) {
    return PaintToolBar(key, scale);
}

QImage IconPainter::Turn(int direction, int scale) {
    QImage pixmap = Canvas(64, 32, scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour(30, 110, 200);
    const QPointF c(32, 16);
    switch (direction) {
    case 0:
        Arrow(p, c + QPointF(0, 11), c + QPointF(0, -11), colour, 4);
        break;
    case 1:
        Arrow(p, c + QPointF(14, 0), c + QPointF(-14, 0), colour, 4);
        break;
    case 2:
        Arrow(p, c + QPointF(-14, 0), c + QPointF(14, 0), colour, 4);
        break;
    default:
        Arrow(p, c + QPointF(0, -11), c + QPointF(0, 11), colour, 4);
        break;
    }
    return pixmap;
}

QImage IconPainter::MenuExtension(int scale) {
    QImage pixmap = Canvas(16, 16, scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (double x : {4.5, 9.0}) {
        p.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12)}));
    }
    return pixmap;
}

QImage IconPainter::ToolBox(int index, int scale) {
    if (index >= 0 && index <= 3) {
        return Turn(index, scale);
    }
    if (index >= 4 && index <= 9) {
        // One step along an axis: the axis letter with its sign, in the axis colour.
        const int axis = (index - 4) / 2;
        const bool minus = (index - 4) % 2 == 1;
        QImage pixmap = Canvas(64, 32, scale);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QString text =
            QString(minus ? QStringLiteral("−") : QStringLiteral("+")) + QChar(u'X' + axis);
        Text(p, QRectF(0, 0, 64, 32), text, kAxis[axis], 24, true);
        return pixmap;
    }
    if (index >= 13 && index <= 18) {
        // Ten steps: a narrow bar in the axis colour with a double chevron.
        const int axis = (index - 13) % 3;
        const bool minus = index >= 16;
        QImage pixmap = Canvas(12, 36, scale);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kAxis[axis]);
        p.drawRoundedRect(QRectF(1, 1, 10, 34), 3, 3);
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (double y : {9.0, 17.0, 25.0}) {
            if (minus) {
                p.drawLine(QPointF(8, y - 3), QPointF(4, y));
                p.drawLine(QPointF(4, y), QPointF(8, y + 3));
            } else {
                p.drawLine(QPointF(4, y - 3), QPointF(8, y));
                p.drawLine(QPointF(8, y), QPointF(4, y + 3));
            }
        }
        return pixmap;
    }
    // The three actions, their words beside them (translated): back to the origin, take
    // back the last line, fix the point.
    QImage pixmap = Canvas(32, 32, scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 10) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 8, 8);
        p.drawPoint(QPointF(16, 16));
    } else if (index == 11) {
        Arrow(p, QPointF(27, 16), QPointF(6, 16), QColor(200, 60, 40), 3);
    } else {
        p.setPen(QPen(QColor(30, 150, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 16), QPointF(13, 24));
        p.drawLine(QPointF(13, 24), QPointF(26, 8));
    }
    return pixmap;
}

QStringList IconPainter::ToolBarKeys() {
    return {QStringLiteral("cmdFin"),
            QStringLiteral("cmdFigLoad"),
            QStringLiteral("cmdFigSave"),
            QStringLiteral("cmdDrawFig"),
            QStringLiteral("cmdNewFig"),
            QStringLiteral("cmdMagnify"),
            QStringLiteral("cmdReduce"),
            QStringLiteral("cmdContinuousTurn"),
            QStringLiteral("cmdESC"),
            QStringLiteral("cmdFrontView"),
            QStringLiteral("cmdTopView"),
            QStringLiteral("cmdSideView"),
            QStringLiteral("cmdEqualAngleView"),
            QStringLiteral("cmdThirdAngleProjectionMethod"),
            QStringLiteral("cmdUndo"),
            QStringLiteral("cmdRedo"),
            QStringLiteral("cmdCheckAnswer")};
}

bool IconPainter::WriteAll(const QString& folder) {
    std::vector<std::pair<QString, std::function<QImage(int)>>> pictures;
    for (const QString& key : ToolBarKeys()) {
        pictures.emplace_back(key, [key](int scale) { return ToolBar(key, scale); });
    }
    for (int i = 0; i <= 18; ++i) {
        pictures.emplace_back(QStringLiteral("cmdToolBox%1").arg(i),
                              [i](int scale) { return ToolBox(i, scale); });
    }
    for (int i = 0; i < 4; ++i) {
        pictures.emplace_back(QStringLiteral("turn%1").arg(i),
                              [i](int scale) { return Turn(i, scale); });
    }
    pictures.emplace_back(QStringLiteral("menuExtension"), &MenuExtension);
    QDir().mkpath(folder);
    QString list = QStringLiteral("<RCC>\n  <qresource prefix=\"/toolicons\">\n");
    bool ok = true;
    for (const auto& [name, paint] : pictures) {
        for (const int scale : {1, 2}) {
            const QString file =
                name + (scale == 1 ? QString() : QStringLiteral("@2x")) + QStringLiteral(".png");
            ok = paint(scale).save(folder + u'/' + file, "PNG") && ok;
            list += QStringLiteral("    <file>%1</file>\n").arg(file);
        }
    }
    list += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile qrc(folder + QStringLiteral("/toolicons.qrc"));
    return ok && qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           qrc.write(list.toUtf8()) == list.toUtf8().size();
}
