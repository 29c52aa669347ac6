#include "DrawingSheet.h"

#include "CZelkData.h"

#include "ExchangeText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr double kMargin = 10.0;
constexpr double kTitleHeight = 14.0;
constexpr double kLabelHeight = 8.0;
constexpr double kPadding = 4.0;
constexpr std::array<DrawingSheet::View, 4> kViews{
    DrawingSheet::View::Front, DrawingSheet::View::Top, DrawingSheet::View::RightSide,
    DrawingSheet::View::Isometric};

HiddenLines::View Seen(DrawingSheet::View view) {
    return view == DrawingSheet::View::Top         ? HiddenLines::Top
           : view == DrawingSheet::View::RightSide ? HiddenLines::Side
                                                   : HiddenLines::Front;
}

// Where the lines of a view may go: its cell without the label strip and a padding.
QRectF DrawingArea(DrawingSheet::View view) {
    return DrawingSheet::Cell(view).adjusted(kPadding, kPadding, -kPadding,
                                             -kPadding - kLabelHeight);
}

QRectF Extent(const CZelkData& figure, DrawingSheet::View view) {
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double bottom = left;
    double top = right;
    for (const CLine& l : figure.Lines()) {
        for (const QPointF p : {DrawingSheet::Project(view, l.FromX, l.FromY, l.FromZ),
                                DrawingSheet::Project(view, l.ToX, l.ToY, l.ToZ)}) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            bottom = std::min(bottom, p.y());
            top = std::max(top, p.y());
        }
    }
    if (figure.NumberOfLines() == 0) {
        return QRectF();
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

// An orthographic view of a solid: hidden edges dashed and thin, visible ones solid, the
// overall width below and height to the right as dimensions whose values are text.
template <typename OnSheet>
void DrawAsReadingDrawing(QPainter& painter, const CZelkData& figure,
                          const std::vector<HiddenLines::Face>& faces, DrawingSheet::View view,
                          const QRectF& extent, const OnSheet& onSheet) {
    const std::vector<HiddenLines::Piece> pieces = HiddenLines::Pieces(figure, faces, Seen(view));
    QPen hidden(Qt::black, 0.18, Qt::CustomDashLine, Qt::FlatCap);
    hidden.setDashPattern({12.0, 8.0});
    QPen visible(Qt::black, 0.35, Qt::SolidLine, Qt::RoundCap);
    for (const bool drawHidden : {true, false}) {
        painter.setPen(drawHidden ? hidden : visible);
        for (const HiddenLines::Piece& piece : pieces) {
            if (piece.hidden == drawHidden) {
                painter.drawLine(onSheet(QPointF(piece.from[0], piece.from[1])),
                                 onSheet(QPointF(piece.to[0], piece.to[1])));
            }
        }
    }
    const QPointF low = onSheet(extent.topLeft());      // smallest x, smallest y
    const QPointF high = onSheet(extent.bottomRight()); // largest x, largest y
    QPen thin(Qt::black, 0.13);
    painter.setPen(thin);
    const double below = low.y() + 3.0;
    const double right = high.x() + 4.0;
    const auto arrow = [&painter](QPointF tip, QPointF towards) {
        const QLineF line(tip, towards);
        const QPointF along = (towards - tip) / std::max(line.length(), 1e-9);
        const QPointF across(-along.y(), along.x());
        const QPointF a = tip + along * 1.6 + across * 0.5;
        const QPointF b = tip + along * 1.6 - across * 0.5;
        painter.drawLine(tip, a);
        painter.drawLine(tip, b);
    };
    const auto number = [](double value) { return QString::number(value, 'g', 7); };
    if (extent.width() > 0) {
        painter.drawLine(QPointF(low.x(), low.y() + 1), QPointF(low.x(), below + 1));
        painter.drawLine(QPointF(high.x(), low.y() + 1), QPointF(high.x(), below + 1));
        painter.drawLine(QPointF(low.x(), below), QPointF(high.x(), below));
        arrow(QPointF(low.x(), below), QPointF(high.x(), below));
        arrow(QPointF(high.x(), below), QPointF(low.x(), below));
        painter.drawText(QRectF(low.x(), below + 0.4, high.x() - low.x(), 4.4),
                         Qt::AlignHCenter | Qt::AlignTop, number(extent.width()));
    }
    if (extent.height() > 0) {
        painter.drawLine(QPointF(high.x() + 1, high.y()), QPointF(right + 1, high.y()));
        painter.drawLine(QPointF(high.x() + 1, low.y()), QPointF(right + 1, low.y()));
        painter.drawLine(QPointF(right, low.y()), QPointF(right, high.y()));
        arrow(QPointF(right, low.y()), QPointF(right, high.y()));
        arrow(QPointF(right, high.y()), QPointF(right, low.y()));
        painter.drawText(QRectF(right + 0.8, (low.y() + high.y()) / 2 - 2.2, 20, 4.4),
                         Qt::AlignLeft | Qt::AlignVCenter, number(extent.height()));
    }
}

} // namespace

QRectF DrawingSheet::Cell(View view) {
    const double width = (kWidth - 2 * kMargin) / 2;
    const double height = (kHeight - 2 * kMargin - kTitleHeight) / 2;
    const bool right = view == View::RightSide || view == View::Isometric;
    const bool upper = view == View::Top || view == View::Isometric;
    return QRectF(kMargin + (right ? width : 0.0), kMargin + (upper ? 0.0 : height), width, height);
}

QPointF DrawingSheet::Project(View view, float x, float y, float z) {
    // The angles of the standard view commands: front (0°, 0°), top (0°, 90°), right
    // side (-90°, 0°), isometric (-45°, 35°), turned as the view control turns them.
    double longitude = 0;
    double latitude = 0;
    if (view != View::Isometric) {
        const auto xy = StandardViews::Project(std::array<double, 3>{x, y, z}, Seen(view));
        return QPointF(xy[0], xy[1]);
    }
    longitude = -45;
    latitude = 35;
    const double a = longitude * M_PI / 180.0;
    const double b = -latitude * M_PI / 180.0;
    const double xr = z * std::sin(a) + x * std::cos(a);
    const double zr = -x * std::sin(a) + z * std::cos(a);
    return QPointF(xr, y * std::cos(b) + zr * std::sin(b));
}

double DrawingSheet::Scale(const CZelkData& figure) {
    double fit = std::numeric_limits<double>::max();
    for (const View view : kViews) {
        const QRectF extent = Extent(figure, view);
        const QRectF area = DrawingArea(view);
        if (extent.width() > 0) {
            fit = std::min(fit, area.width() / extent.width());
        }
        if (extent.height() > 0) {
            fit = std::min(fit, area.height() / extent.height());
        }
    }
    if (fit == std::numeric_limits<double>::max()) {
        return 1.0;
    }
    // The largest standard scale (1, 2 or 5 times a power of ten) that still fits.
    double best = 0;
    for (int power = -9; power <= 6; ++power) {
        for (const double step : {1.0, 2.0, 5.0}) {
            const double candidate = step * std::pow(10.0, power);
            if (candidate <= fit * (1 + 1e-12)) {
                best = std::max(best, candidate);
            }
        }
    }
    return best > 0 ? best : fit;
}

QString DrawingSheet::ScaleText(double scale) {
    if (scale >= 1.0) {
        return QString::number(scale, 'g', 12) + QStringLiteral(":1");
    }
    return QStringLiteral("1:") + QString::number(1.0 / scale, 'g', 12);
}

QString DrawingSheet::Label(View view) {
    if (view == View::Isometric) {
        return QCoreApplication::translate("DrawingSheet", "等角図");
    }
    return StandardViews::Name(Seen(view));
}

QByteArray DrawingSheet::Svg(const CZelkData& figure, const QString& fileName, const QString& date,
                             const std::vector<HiddenLines::Face>* faces) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // Painted in millimetres (the view box); the page is 297 mm × 210 mm wide and high.
    generator.setResolution(254);
    generator.setSize(QSize(static_cast<int>(kWidth * 10), static_cast<int>(kHeight * 10)));
    generator.setViewBox(QRectF(0, 0, kWidth, kHeight));
    generator.setTitle(ExchangeText::SvgMetaText(fileName));
    generator.setDescription(QStringLiteral("zelk drawing sheet, third-angle projection"));

    const double scale = Scale(figure);
    QPainter painter(&generator);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    QFont font = painter.font();
    font.setPixelSize(4);
    painter.setFont(font);

    // The frame, the cells and the title block.
    QPen frame(Qt::black, 0.5);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    const QRectF border(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin);
    painter.drawRect(border);
    QPen thin(Qt::black, 0.18);
    painter.setPen(thin);
    for (const View view : kViews) {
        painter.drawRect(Cell(view));
        painter.drawText(Cell(view).adjusted(0, 0, 0, -1.5), Qt::AlignHCenter | Qt::AlignBottom,
                         Label(view));
    }
    const QRectF title(kMargin, kHeight - kMargin - kTitleHeight, border.width(), kTitleHeight);
    const double column = title.width() / 4;
    const QStringList fields{
        QCoreApplication::translate("DrawingSheet", "ファイル名：") +
            (fileName.isEmpty() ? QCoreApplication::translate("DrawingSheet", "（無題）")
                                : fileName),
        QCoreApplication::translate("DrawingSheet", "日付：") + date,
        QCoreApplication::translate("DrawingSheet", "尺度 ") + ScaleText(scale) +
            QCoreApplication::translate("DrawingSheet", "（単位 mm）"),
        QCoreApplication::translate("DrawingSheet", "第三角法　立体ゼルク")};
    for (int i = 0; i < fields.size(); ++i) {
        const QRectF box(title.left() + i * column, title.top(), column, title.height());
        painter.drawRect(box);
        painter.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, fields[i]);
    }

    // The views: each centred in its drawing area, all at the same scale.
    QPen lines(Qt::black, 0.35);
    lines.setCapStyle(Qt::RoundCap);
    painter.setPen(lines);
    for (const View view : kViews) {
        const QRectF extent = Extent(figure, view);
        const QPointF centre = DrawingArea(view).center();
        auto onSheet = [&](const QPointF& p) {
            return QPointF(centre.x() + (p.x() - extent.center().x()) * scale,
                           centre.y() - (p.y() - extent.center().y()) * scale);
        };
        if (faces != nullptr && view != View::Isometric) {
            DrawAsReadingDrawing(painter, figure, *faces, view, extent, onSheet);
            painter.setPen(lines);
            continue;
        }
        std::vector<QLineF> drawn;
        drawn.reserve(figure.Lines().size());
        for (const CLine& l : figure.Lines()) {
            const QPointF a = onSheet(Project(view, l.FromX, l.FromY, l.FromZ));
            const QPointF b = onSheet(Project(view, l.ToX, l.ToY, l.ToZ));
            // An edge seen end-on is a point of other edges: nothing to draw.
            if (QLineF(a, b).length() > 1e-6) {
                drawn.emplace_back(a, b);
            }
        }
        painter.drawLines(drawn.data(), static_cast<int>(drawn.size()));
    }
    painter.end();
    return buffer.data();
}
