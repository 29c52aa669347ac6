#include "ExerciseViews.h"

#include "CZelkData.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

const QColor kHintColour(0xE0, 0, 0);
const QColor kMirrorColour(0, 0x60, 0xD0);

// The same three views, in the same order.
HiddenLines::View Seen(ExerciseViews::View view) {
    return StandardViews::kAll[static_cast<size_t>(view)];
}

// The smallest and largest corner of a figure's lines as a view sees them.
struct Box {
    double left = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double top = std::numeric_limits<double>::lowest();
    bool Empty() const { return left > right; }
    void Add(const std::array<double, 2>& xy) {
        left = std::min(left, xy[0]);
        right = std::max(right, xy[0]);
        bottom = std::min(bottom, xy[1]);
        top = std::max(top, xy[1]);
    }
};

Box ViewBox(const CZelkData& figure, HiddenLines::View view) {
    Box box;
    for (const CLine& l : figure.Lines()) {
        for (const HiddenLines::Point& p : {HiddenLines::Point{l.FromX, l.FromY, l.FromZ},
                                            HiddenLines::Point{l.ToX, l.ToY, l.ToZ}}) {
            box.Add(HiddenLines::Project(p, view));
        }
    }
    return box;
}

// The largest extent along any axis: all three views share one scale.
double Largest(const CZelkData& figure) {
    double largest = 1.0;
    for (const HiddenLines::View view : {HiddenLines::Front, HiddenLines::Top}) {
        const Box box = ViewBox(figure, view);
        if (!box.Empty()) {
            largest = std::max({largest, box.right - box.left, box.top - box.bottom});
        }
    }
    return largest;
}

// How far the mirror plane stands off the solid and reaches past it: a part of its largest
// extent.
double MirrorMargin(const CZelkData& figure) {
    return Largest(figure) * 0.15;
}

// The mirror plane as the view sees it: across axis, just past the solid's largest corner,
// a little larger than the solid. Edge-on it is a line; face-on it is a box (not drawn).
Box MirrorBox(const CZelkData& figure, int axis, HiddenLines::View view) {
    Box box;
    const CZelkData::Point& low = figure.MinPos();
    const CZelkData::Point& high = figure.MaxPos();
    const double margin = MirrorMargin(figure);
    for (int corner = 0; corner < 4; ++corner) {
        HiddenLines::Point p{};
        int other = 0;
        for (int i = 0; i < 3; ++i) {
            const auto at = static_cast<size_t>(i);
            if (i == axis) {
                p[at] = high[at] + margin;
            } else {
                p[at] = ((corner >> other) & 1) != 0 ? high[at] + margin : low[at] - margin;
                ++other;
            }
        }
        box.Add(HiddenLines::Project(p, view));
    }
    return box;
}

bool EdgeOn(const Box& plane) {
    return plane.right - plane.left < 1e-6 || plane.top - plane.bottom < 1e-6;
}

// A pane's picture: white, the view's painting in a font that suits its size.
QImage Picture(QSize size, int scale, const std::function<void(QPainter&, const QRectF&)>& paint) {
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::clamp(std::min(size.width(), size.height()) / 18, 10, 14));
    painter.setFont(font);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QString Millimetres(double value) {
    return NumberText::FromSingle(static_cast<float>(value));
}

// A dimension line between a and b with arrowheads, its value beside it.
void Dimension(QPainter& painter, QPointF a, QPointF b, const QString& text, bool vertical) {
    painter.drawLine(a, b);
    const double arrow = 5.0;
    const QPointF along = (b - a) / std::max(1e-9, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF across(-along.y(), along.x());
    for (const auto& [tip, direction] : {std::pair{a, along}, std::pair{b, -along}}) {
        QPainterPath head;
        head.moveTo(tip);
        head.lineTo(tip + direction * arrow + across * arrow * 0.35);
        head.lineTo(tip + direction * arrow - across * arrow * 0.35);
        head.closeSubpath();
        painter.fillPath(head, painter.pen().color());
    }
    const QFontMetricsF metrics(painter.font());
    const QPointF middle = (a + b) / 2;
    if (vertical) {
        painter.drawText(QPointF(middle.x() + 4, middle.y() + metrics.ascent() / 2 - 1), text);
    } else {
        painter.drawText(QPointF(middle.x() - metrics.horizontalAdvance(text) / 2,
                                 middle.y() + metrics.ascent() + 2),
                         text);
    }
}

} // namespace

QString ExerciseViews::Name(View view) {
    return StandardViews::Name(Seen(view));
}

QString ExerciseViews::NoFacesNote() {
    return QCoreApplication::translate("ExerciseViews",
                                       "面がわからないため、隠れた線も実線で描いています。");
}

std::array<double, 2> ExerciseViews::Extent(const CZelkData& figure, View view) {
    const Box box = ViewBox(figure, Seen(view));
    return box.Empty() ? std::array<double, 2>{0, 0}
                       : std::array<double, 2>{box.right - box.left, box.top - box.bottom};
}

void ExerciseViews::Draw(QPainter& painter, const Solid& target, const CZelkData* learner,
                         View view, QRectF area, double millimetre, bool annotated) {
    const HiddenLines::View seen = Seen(view);
    const Box box = ViewBox(target.figure, seen);
    if (box.Empty()) {
        return;
    }
    // The view in the middle of its area.
    const QPointF centre = area.center();
    const double midX = (box.left + box.right) / 2;
    const double midY = (box.bottom + box.top) / 2;
    const auto at = [&](const std::array<double, 2>& xy) {
        return QPointF(centre.x() + (xy[0] - midX) * millimetre,
                       centre.y() - (xy[1] - midY) * millimetre);
    };
    const double wide = annotated ? 2.0 : 1.5;
    // Hidden pieces first: a visible edge in the same place covers its dashes.
    const std::vector<HiddenLines::Piece> pieces =
        HiddenLines::Pieces(target.figure, target.faces, seen);
    QPen hidden(Qt::black, wide / 2, Qt::CustomDashLine, Qt::FlatCap);
    hidden.setDashPattern({6.0 / (wide / 2), 4.0 / (wide / 2)});
    painter.setPen(hidden);
    for (const HiddenLines::Piece& piece : pieces) {
        if (piece.hidden) {
            painter.drawLine(at(piece.from), at(piece.to));
        }
    }
    painter.setPen(QPen(Qt::black, wide, Qt::SolidLine, Qt::RoundCap));
    for (const HiddenLines::Piece& piece : pieces) {
        if (!piece.hidden) {
            painter.drawLine(at(piece.from), at(piece.to));
        }
    }
    if (learner != nullptr && learner->NumberOfLines() > 0) {
        // The learner's lines moved so that both smallest corners meet, in red, as wide
        // as the target's: where they agree the red covers the black.
        const CZelkData::Point& to = target.figure.MinPos();
        const CZelkData::Point& from = learner->MinPos();
        const auto shift = HiddenLines::Project(HiddenLines::Point{double(to[0]) - from[0],
                                                                   double(to[1]) - from[1],
                                                                   double(to[2]) - from[2]},
                                                seen);
        painter.setPen(QPen(kHintColour, wide, Qt::SolidLine, Qt::RoundCap));
        const auto moved = [&](const HiddenLines::Point& p) {
            const auto xy = HiddenLines::Project(p, seen);
            return at(std::array<double, 2>{xy[0] + shift[0], xy[1] + shift[1]});
        };
        // A line seen end-on shows as a dot: the learner sees where it went.
        for (const CLine& l : learner->Lines()) {
            const QPointF a = moved({l.FromX, l.FromY, l.FromZ});
            const QPointF b = moved({l.ToX, l.ToY, l.ToZ});
            if (a == b) {
                painter.drawPoint(a);
            } else {
                painter.drawLine(a, b);
            }
        }
    }
    // The dimensions stand outside the mirror plane too.
    Box outer = box;
    if (target.mirror >= 0 && target.figure.NumberOfLines() > 0) {
        const Box plane = MirrorBox(target.figure, target.mirror, seen);
        if (EdgeOn(plane)) {
            QPen chain(kMirrorColour, wide, Qt::CustomDashLine, Qt::FlatCap);
            chain.setDashPattern({12.0 / wide, 3.0 / wide, 2.0 / wide, 3.0 / wide});
            painter.setPen(chain);
            const QPointF from = at({plane.left, plane.bottom});
            const QPointF to = at({plane.right, plane.top});
            painter.drawLine(from, to);
            if (annotated) {
                painter.setPen(kMirrorColour);
                painter.drawText(
                    QPointF(to.x() + 3, to.y() + QFontMetricsF(painter.font()).ascent()),
                    QCoreApplication::translate("ExerciseViews", "鏡"));
            }
            outer.Add({plane.left, plane.bottom});
            outer.Add({plane.right, plane.top});
        }
    }
    if (!annotated) {
        return;
    }
    // The view's name above it, its width below and its height to its right.
    const QFontMetricsF metrics(painter.font());
    const QPointF lowLeft = at({box.left, box.bottom});
    const QPointF highRight = at({box.right, box.top});
    const QPointF outerLowLeft = at({outer.left, outer.bottom});
    const QPointF outerHighRight = at({outer.right, outer.top});
    painter.setPen(QPen(Qt::black, 1));
    painter.drawText(QPointF(area.left(), area.top() - metrics.descent() - 2), Name(view));
    const double gap = metrics.height() * 0.6;
    QPen thin(QColor(60, 60, 60), 1);
    painter.setPen(thin);
    const double below = outerLowLeft.y() + gap;
    painter.drawLine(QPointF(lowLeft.x(), lowLeft.y() + 2), QPointF(lowLeft.x(), below + 3));
    painter.drawLine(QPointF(highRight.x(), lowLeft.y() + 2), QPointF(highRight.x(), below + 3));
    if (box.right - box.left > 0) {
        Dimension(painter, QPointF(lowLeft.x(), below), QPointF(highRight.x(), below),
                  Millimetres(box.right - box.left), false);
    }
    const double right = outerHighRight.x() + gap;
    painter.drawLine(QPointF(highRight.x() + 2, highRight.y()), QPointF(right + 3, highRight.y()));
    painter.drawLine(QPointF(highRight.x() + 2, lowLeft.y()), QPointF(right + 3, lowLeft.y()));
    if (box.top - box.bottom > 0) {
        Dimension(painter, QPointF(right, lowLeft.y()), QPointF(right, highRight.y()),
                  Millimetres(box.top - box.bottom), true);
    }
}

QImage ExerciseViews::Pane(const Solid& target, const CZelkData* learner, View view, QSize size,
                           int scale) {
    return Picture(size, scale, [&](QPainter& painter, const QRectF& frame) {
        PaintPane(painter, target, learner, view, frame);
    });
}

void ExerciseViews::PaintPane(QPainter& painter, const Solid& target, const CZelkData* learner,
                              View view, const QRectF& frame) {
    const QFontMetricsF metrics(painter.font());
    // Room for the name above, the width below, the height (a number) to the right and
    // the note at the foot.
    const QString widest = Millimetres(Largest(target.figure)) + QStringLiteral("00");
    const double side = metrics.horizontalAdvance(widest) + metrics.height();
    // The note's line is kept free with faces too: a drawing does not move when its
    // faces are known.
    QRectF area(frame.left() + metrics.height() * 0.8, frame.top() + metrics.height() * 1.6,
                frame.width() - metrics.height() * 0.8 - side,
                frame.height() - metrics.height() * 1.6 - metrics.height() * 3.4);
    if (area.width() < 8 || area.height() < 8) {
        area = frame;
    }
    // Room for the mirror plane beside the solid.
    const double reach =
        Largest(target.figure) + (target.mirror >= 0 ? 2.2 * MirrorMargin(target.figure) : 0.0);
    const double millimetre = std::min(area.width(), area.height()) / reach;
    Draw(painter, target, learner, view, area, millimetre, true);
    const bool faceOn = target.mirror >= 0 && target.figure.NumberOfLines() > 0 &&
                        !EdgeOn(MirrorBox(target.figure, target.mirror, Seen(view)));
    if ((target.faces.empty() || faceOn) && target.figure.NumberOfLines() > 0) {
        painter.save();
        painter.setPen(faceOn ? kMirrorColour : QColor(90, 90, 90));
        painter.drawText(QRectF(frame.left() + 4, frame.bottom() - metrics.height() - 2,
                                frame.width() - 8, metrics.height() + 2),
                         Qt::AlignLeft | Qt::AlignVCenter, faceOn ? MirrorNote() : NoFacesNote());
        painter.restore();
    }
}

QString ExerciseViews::MirrorNote() {
    return QCoreApplication::translate("ExerciseViews", "鏡の面はこの図と平行です。");
}

QImage ExerciseViews::Blank(View view, QSize size, int scale) {
    return Picture(size, scale, [&](QPainter& painter, const QRectF& frame) {
        PaintBlank(painter, view, frame);
    });
}

void ExerciseViews::PaintBlank(QPainter& painter, View view, const QRectF& frame) {
    const QFontMetricsF metrics(painter.font());
    painter.save();
    painter.setPen(Qt::black);
    painter.drawText(QPointF(frame.left() + metrics.height() * 0.8,
                             frame.top() + metrics.height() * 1.6 - metrics.descent() - 2),
                     Name(view));
    QFont large = painter.font();
    large.setPixelSize(std::max(8, static_cast<int>(std::min(frame.width(), frame.height()) / 4)));
    painter.setFont(large);
    painter.setPen(QColor(150, 150, 150));
    painter.drawText(frame, Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
    painter.save();
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(frame.left() + 4, frame.bottom() - metrics.height() - 2,
                            frame.width() - 8, metrics.height() + 2),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("ExerciseViews", "この図は自分で考えます。"));
    painter.restore();
}

QImage ExerciseViews::Card(const Solid& figure, QSize size, int scale, bool withSide) {
    QImage card(size * scale, QImage::Format_RGB32);
    card.setDevicePixelRatio(scale);
    card.fill(Qt::white);
    const QSizeF pane(size.width() / 2.0, size.height() / 2.0);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(QPointF(0, pane.height()), QPointF(size.width(), pane.height()));
    painter.drawLine(QPointF(pane.width(), 0), QPointF(pane.width(), size.height()));
    const double margin = 4;
    const double millimetre =
        (std::min(pane.width(), pane.height()) - 2 * margin) / Largest(figure.figure);
    const auto area = [&](double x, double y) {
        return QRectF(x + margin, y + margin, pane.width() - 2 * margin,
                      pane.height() - 2 * margin);
    };
    Draw(painter, figure, nullptr, View::Top, area(0, 0), millimetre, false);
    Draw(painter, figure, nullptr, View::Front, area(0, pane.height()), millimetre, false);
    if (withSide) {
        Draw(painter, figure, nullptr, View::Side, area(pane.width(), pane.height()), millimetre,
             false);
    } else {
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(QRectF(pane.width(), pane.height(), pane.width(), pane.height()),
                         Qt::AlignCenter, QStringLiteral("?"));
    }
    return card;
}

QImage ExerciseViews::Pane(const CZelkData& target, const CZelkData* learner, View view, QSize size,
                           int scale) {
    const std::vector<HiddenLines::Face> faces = HiddenLines::FindFaces(target);
    return Pane(Solid{target, faces, -1}, learner, view, size, scale);
}

QImage ExerciseViews::Card(const CZelkData& figure, QSize size, int scale) {
    const std::vector<HiddenLines::Face> faces = HiddenLines::FindFaces(figure);
    return Card(Solid{figure, faces, -1}, size, scale);
}
