#include "FigureRenderer.h"

#include "LineRasterizer.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.1415; // the view's own constant, kept for identical pictures

QColor ToQColor(int32_t bgr) {
    const auto c = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QPen PixelPen(int32_t colour, int32_t width) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width < 1 ? 1 : width);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// "###0": the value rounded to a whole number, "-" when negative.
QString WholeNumber(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 0);
}

struct Rotation {
    double sinA, cosA, sinB, cosB;
};

// Kept local so that the loop over every segment inlines it.
inline FigureRenderer::Segment Rotate(const FigureRenderer::Segment& s, const Rotation& r) {
    FigureRenderer::Segment out{};
    for (int end = 0; end < 2; ++end) {
        const double x = s[end * 3];
        const double y = s[end * 3 + 1];
        const double z = s[end * 3 + 2];
        const auto xr = static_cast<float>(z * r.sinA + x * r.cosA);
        const auto zr = static_cast<float>(-x * r.sinA + z * r.cosA);
        out[end * 3] = xr;
        out[end * 3 + 1] = static_cast<float>(y * r.cosB + zr * r.sinB);
        out[end * 3 + 2] = static_cast<float>(-y * r.sinB + zr * r.cosB);
    }
    return out;
}

FigureRenderer::Segment Axis(int axis, int32_t length) {
    FigureRenderer::Segment s{};
    s[static_cast<size_t>(axis)] = static_cast<float>(length);
    return s;
}

} // namespace

FigureRenderer::FigureRenderer() = default;

QString FigureRenderer::CoordinateText(const Point& p) {
    return QStringLiteral("\u3000x= ") + WholeNumber(p[0]) + QStringLiteral(", y= ") +
           WholeNumber(p[1]) + QStringLiteral(", z= ") + WholeNumber(p[2]);
}

FigureRenderer FigureRenderer::Plain(QSize size) {
    FigureRenderer renderer;
    renderer.SetPictureSize(size);
    renderer.SetScale(size.width(), size.height());
    Style& style = renderer.style_;
    style.viewAxis = false;
    style.viewSubAxis = false;
    style.viewPointerFrom = false;
    style.viewPointerTo = false;
    style.viewCoordinates = false;
    style.viewTempLine = false;
    style.viewTempLine2 = false;
    renderer.SetAngles(-45, 35);
    return renderer;
}

float FigureRenderer::FitRatio(float largest, float scale) {
    if (largest == 0.0F) {
        largest = 1.0F;
    }
    return scale / (largest * 1.8F);
}

float FigureRenderer::FittingRatio() const {
    return FitRatio(std::max({maxSize_[0], maxSize_[1], maxSize_[2]}),
                    static_cast<float>(scaleHeight_));
}

void FigureRenderer::ClearFigure() {
    segments_.clear();
    segmentsRotated_ = false;
    maxSize_ = {0.0F, 0.0F, 0.0F};
    // The last picture shows lines that are gone: nothing is picked until the next one.
    mapping_ = Mapping{};
}

void FigureRenderer::SetBounds(const Point& size, const Point& min, const Point& max) {
    maxSize_ = size;
    minPos_ = min;
    maxPos_ = max;
}

void FigureRenderer::SetAngles(int32_t longitude, int32_t latitude) {
    if (longitude != longitude_ || latitude != latitude_) {
        segmentsRotated_ = false;
    }
    longitude_ = longitude;
    latitude_ = latitude;
}

void FigureRenderer::SetScale(int32_t width, int32_t height) {
    scaleWidth_ = width;
    scaleHeight_ = height;
}

void FigureRenderer::Transform() {
    // Angles and every result are kept in single precision, as the pictures always were.
    const auto alpha = static_cast<float>(longitude_ / 180.0 * kPi);
    const auto beta = static_cast<float>(-latitude_ / 180.0 * kPi);
    const Rotation r{std::sin(static_cast<double>(alpha)), std::cos(static_cast<double>(alpha)),
                     std::sin(static_cast<double>(beta)), std::cos(static_cast<double>(beta))};
    for (int i = 0; i < 3; ++i) {
        rotatedAxes_[i] = Rotate(Axis(i, axisLength_), r);
        rotatedSubAxes_[i] = Rotate(Axis(i, subAxisLength_), r);
    }
    if (!segmentsRotated_) {
        rotated_.resize(segments_.size());
        for (size_t i = 0; i < segments_.size(); ++i) {
            rotated_[i] = Rotate(segments_[i], r);
        }
        segmentsRotated_ = true;
    }
    const Segment centre{(minPos_[0] + maxPos_[0]) / 2,
                         (minPos_[1] + maxPos_[1]) / 2,
                         (minPos_[2] + maxPos_[2]) / 2,
                         0,
                         0,
                         0};
    const Segment rc = Rotate(centre, r);
    rotatedCentre_ = {rc[0], rc[1], rc[2]};
    const Point& from = style_.pointerFrom;
    const Point& to = style_.pointerTo;
    rotatedPointer_ = Rotate(Segment{from[0], from[1], from[2], to[0], to[1], to[2]}, r);
    rotatedTempLine_ = Rotate(style_.tempLine, r);
    rotatedTempLine2_ = Rotate(style_.tempLine2, r);
}

void FigureRenderer::Render(QImage& image) {
    Transform();
    image.fill(ToQColor(style_.backColor));
    // The own rasteriser draws one-pixel lines: at another scale QPainter draws them as
    // wide as one pixel of the control.
    const bool onePixel = image.devicePixelRatio() == 1.0;
    mapping_ =
        Paint(image, image.deviceIndependentSize().toSize(), onePixel ? &image : nullptr, false);
}

void FigureRenderer::Overlay(QImage& image) {
    Transform();
    Paint(image, image.deviceIndependentSize().toSize(), nullptr, false);
}

QImage FigureRenderer::Picture(int scale) {
    scale = std::clamp(scale, 1, 16);
    const QSize size(std::max(pictureSize_.width(), 1), std::max(pictureSize_.height(), 1));
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(ToQColor(style_.backColor));
    Transform();
    // Picking stays with the picture last rendered.
    Paint(picture, size, scale == 1 ? &picture : nullptr, false);
    picture.setDevicePixelRatio(1);
    return picture;
}

void FigureRenderer::PaintVector(QPaintDevice& device) {
    Transform();
    // One painter for the whole picture: each painter begun on an SVG generator writes
    // a document of its own, and two would make one malformed file.
    Paint(device, pictureSize_, nullptr, true);
}

FigureRenderer::Mapping FigureRenderer::Paint(QPaintDevice& device, QSize size, QImage* raster,
                                              bool fillBackground) {
    const Style& st = style_;
    const auto paintBackground = [&](QPainter& painter) {
        if (fillBackground) {
            painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), ToQColor(st.backColor));
        }
    };
    // A zoom of zero (or a scale of zero) maps the figure nowhere: only the background shows.
    if (!(ratio_ > 0.0F) || !std::isfinite(ratio_) || scaleWidth_ == 0 || scaleHeight_ == 0) {
        if (fillBackground) {
            QPainter painter(&device);
            paintBackground(painter);
        }
        return Mapping{};
    }

    // User coordinates: the rotated centre in the middle, y growing upwards.
    const float unitsWide = static_cast<float>(scaleWidth_) / ratio_;
    const float unitsHigh = -static_cast<float>(scaleHeight_) / ratio_;
    const float left = -static_cast<float>(scaleWidth_) / (2 * ratio_) + rotatedCentre_[0];
    const float top = static_cast<float>(scaleHeight_) / (2 * ratio_) + rotatedCentre_[1];
    const double sx = size.width() / static_cast<double>(unitsWide);
    const double sy = size.height() / static_cast<double>(unitsHigh);
    auto px = [&](float x) { return (x - left) * sx; };
    auto py = [&](float y) { return (y - top) * sy; };

    // Lines of a wider pen are clipped to the image grown by the pen first: QPainter
    // loses a wide line whose far end is huge.
    auto clipped = [&](const Segment& s, int penWidth, QLineF& line) {
        double x0 = px(s[0]);
        double y0 = py(s[1]);
        double x1 = px(s[3]);
        double y1 = py(s[4]);
        const double grow = std::max(penWidth, 1) + 1.0;
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-grow, -grow, grow, grow);
        if (!LineRasterizer::Clip(x0, y0, x1, y1, box)) {
            return false;
        }
        line = QLineF(x0, y0, x1, y1);
        return true;
    };
    QPainter painter(&device);
    paintBackground(painter);
    auto drawLine = [&](const Segment& s, int32_t colour, int32_t penWidth) {
        QLineF line;
        if (clipped(s, penWidth, line)) {
            painter.setPen(PixelPen(colour, penWidth));
            painter.drawLine(line);
        }
    };
    if (st.viewAxis) {
        for (int i = 0; i < 3; ++i) {
            drawLine(rotatedAxes_[i], st.axisColors[i], st.axisLineSize);
        }
    }
    if (st.viewSubAxis) {
        for (int i = 0; i < 3; ++i) {
            drawLine(rotatedSubAxes_[i], st.axisColors[i], st.subAxisLineSize);
        }
    }

    if (st.figLineSize <= 1 && raster != nullptr) {
        // Thin lines, the usual case, go straight into the image.
        painter.end();
        LineRasterizer rasterizer(*raster);
        rasterizer.SetColour(ToQColor(st.figColor).rgb());
        for (const Segment& s : rotated_) {
            const double x0 = px(s[0]);
            const double y0 = py(s[1]);
            const double x1 = px(s[3]);
            const double y1 = py(s[4]);
            // A segment seen end-on is shorter than a pixel; it shows as a dot.
            if (std::fabs(x1 - x0) < 1.0 && std::fabs(y1 - y0) < 1.0) {
                rasterizer.DrawDot(x0, y0);
            } else {
                rasterizer.DrawLine(x0, y0, x1, y1);
            }
        }
        painter.begin(&device);
    } else {
        std::vector<QLineF> lines;
        std::vector<QPointF> dots;
        lines.reserve(rotated_.size());
        for (const Segment& s : rotated_) {
            QLineF line;
            if (!clipped(s, st.figLineSize, line)) {
                continue;
            }
            if (std::fabs(line.dx()) < 1.0 && std::fabs(line.dy()) < 1.0) {
                dots.push_back(line.p1());
            } else {
                lines.push_back(line);
            }
        }
        painter.setPen(PixelPen(st.figColor, st.figLineSize));
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
    }
    if (st.highlightedLine >= 1 && static_cast<size_t>(st.highlightedLine) <= rotated_.size()) {
        drawLine(rotated_[static_cast<size_t>(st.highlightedLine - 1)], st.highlightColor, 3);
    }

    // Pointer marks keep their size on screen: the radius shrinks with the view extent.
    const double radius = st.pointerSize / static_cast<double>(ratio_) * std::fabs(sx);
    const QColor textColour = ToQColor(st.backColor).lightness() < 128 ? Qt::white : Qt::black;
    auto drawPointer = [&](float rx, float ry, const Point& own, int32_t colour) {
        const QPointF at(px(rx), py(ry));
        painter.setPen(PixelPen(colour, st.pointerLineSize));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, radius, radius);
        painter.drawPoint(at);
        if (st.viewCoordinates) {
            painter.setPen(textColour);
            painter.drawText(QRectF(at, QSizeF(10000, 1000)), Qt::AlignLeft | Qt::AlignTop,
                             CoordinateText(own));
        }
    };
    if (st.viewPointerFrom) {
        drawPointer(rotatedPointer_[0], rotatedPointer_[1], st.pointerFrom, st.pointerFromColor);
    }
    if (st.viewPointerTo) {
        drawPointer(rotatedPointer_[3], rotatedPointer_[4], st.pointerTo, st.pointerToColor);
    }

    if (st.viewTempLine) {
        drawLine(rotatedTempLine_, st.tempLineColor, st.tempLineSize);
    }
    if (st.viewTempLine2) {
        drawLine(rotatedTempLine2_, st.tempLine2Color, st.tempLine2Size);
    }
    return Mapping{true, left, top, sx, sy};
}

int32_t FigureRenderer::NearestLine(int x, int y, int radius) const {
    if (!mapping_.valid) {
        return 0;
    }
    const QPointF at(x, y);
    int32_t best = 0;
    double bestDistance = radius + 0.5;
    for (size_t i = 0; i < rotated_.size(); ++i) {
        const Segment& s = rotated_[i];
        const QPointF a((s[0] - mapping_.left) * mapping_.sx, (s[1] - mapping_.top) * mapping_.sy);
        const QPointF b((s[3] - mapping_.left) * mapping_.sx, (s[4] - mapping_.top) * mapping_.sy);
        // Distance from the point to the segment a-b.
        const QPointF ab = b - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        double t = length2 > 0 ? QPointF::dotProduct(at - a, ab) / length2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const QPointF nearest = a + t * ab;
        const double distance = std::hypot(at.x() - nearest.x(), at.y() - nearest.y());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int32_t>(i + 1);
        }
    }
    return best;
}

std::optional<FigureRenderer::Point> FigureRenderer::NearestCorner(int x, int y, int radius) const {
    if (!mapping_.valid) {
        return std::nullopt;
    }
    std::optional<Point> best;
    double bestDistance = radius + 0.5;
    float bestDepth = 0;
    // The rotated lines are those of the last picture; the figure may have grown since.
    const size_t count = std::min(rotated_.size(), segments_.size());
    for (size_t i = 0; i < count; ++i) {
        for (int end = 0; end < 2; ++end) {
            const float* r = rotated_[i].data() + end * 3;
            const double dx = (r[0] - mapping_.left) * mapping_.sx - x;
            const double dy = (r[1] - mapping_.top) * mapping_.sy - y;
            const double distance = std::hypot(dx, dy);
            // Nearest first; at the same distance, the corner nearer the viewer.
            const bool closer = distance < bestDistance - 1e-9;
            const bool tieInFront =
                best && std::fabs(distance - bestDistance) <= 1e-9 && r[2] > bestDepth;
            if (closer || tieInFront) {
                bestDistance = distance;
                bestDepth = r[2];
                const float* own = segments_[i].data() + end * 3;
                best = Point{own[0], own[1], own[2]};
            }
        }
    }
    return best;
}
