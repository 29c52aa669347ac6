#include "ctlZelkView.h"

#include "LineRasterizer.h"
#include "NumberText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultSize = 200;
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

// Kept local so that the loop over every segment inlines it.
template <typename Segment, typename Rotation>
inline Segment Rotate(const Segment& s, const Rotation& r) {
    Segment out{};
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

} // namespace

ctlZelkView* ctlZelkView::CreateControl(const QString& identifier, QWidget* parent) {
    if (identifier != CreationIdentifier()) {
        return nullptr;
    }
    return new ctlZelkView(parent);
}

ctlZelkView::ctlZelkView(QWidget* parent) : QWidget(parent) {
    resize(kDefaultSize, kDefaultSize);
    segments_.clear();
    longitude_ = -45;
    latitude_ = 30;
    ratio_ = 1.0F;
    figColor_ = 0;
    SetBackColor(0xFFFFFF);
    bufferScaleWidth_ = static_cast<float>(width());
    bufferScaleHeight_ = static_cast<float>(height());
    ResizeSurfaces(width(), height());
    figLineSize_ = 1;
    pointerLineSize_ = 2;
    axisLineSize_ = 1;
    subAxisLineSize_ = 1;
    SetAxisLineLength(200);
    SetSubAxisLineLength(32767);
    viewAxis_ = true;
    viewSubAxis_ = true;
    axisColors_ = {0xFFCC00, 0x00FFFF, 0x00FF00};
    viewCoordinates_ = true;
    viewPointerFrom_ = true;
    viewPointerTo_ = true;
    pointerSize_ = 10;
    pointerFromColor_ = 255;
    pointerToColor_ = 0xFF00FF;
    tempLineSize_ = 1;
    tempLine2Size_ = 1;
    viewTempLine_ = true;
    viewTempLine2_ = true;
    tempLineColor_ = 255;
    tempLine2Color_ = 0xFF0000;
    SetControlScaleWidth(200);
    SetControlScaleHeight(200);
}

template <size_t N> void ctlZelkView::Assign(const QString& text, std::array<float, N>& target) {
    std::array<float, N> values{};
    if (NumberText::ToSingles(text, values.data(), static_cast<int>(N))) {
        target = values;
    }
}

QString ctlZelkView::PointText(const Point& p) {
    return NumberText::FromSingle(p[0]) + u',' + NumberText::FromSingle(p[1]) + u',' +
           NumberText::FromSingle(p[2]);
}

QString ctlZelkView::SegmentText(const Segment& s) {
    QString out = NumberText::FromSingle(s[0]);
    for (int i = 1; i < 6; ++i) {
        out += u',' + NumberText::FromSingle(s[i]);
    }
    return out;
}

// A malformed text is ignored: the host never sends one, and a half-read segment
// would draw something that is not in the figure. Every redraw of the host sends the
// whole figure through here, so the six fields are read in place, without making a
// text for each (the pieces and the result are those of the splitter).
void ctlZelkView::SetLineValues(float fromX, float fromY, float fromZ, float toX, float toY,
                                float toZ) {
    segments_.push_back(Segment{fromX, fromY, fromZ, toX, toY, toZ});
}

bool ctlZelkView::SetLine(const QString& a_line) {
    Segment s{};
    const QStringView text(a_line);
    qsizetype start = 0;
    int field = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u',') {
            continue;
        }
        if (field == 6 || !NumberText::ToSingle(text.mid(start, i - start), s[field])) {
            return true;
        }
        ++field;
        start = i + 1;
    }
    if (field == 6) {
        segments_.push_back(s);
    }
    return true;
}

bool ctlZelkView::ClearData() {
    segments_.clear();
    maxSize_ = {0.0F, 0.0F, 0.0F};
    return false;
}

bool ctlZelkView::SetMaxSize(const QString& size) {
    Assign(size, maxSize_);
    return true;
}

bool ctlZelkView::SetMaxPos(const QString& size) {
    Assign(size, maxPos_);
    return true;
}

bool ctlZelkView::SetMinPos(const QString& size) {
    Assign(size, minPos_);
    return true;
}

bool ctlZelkView::SetComment(const QString& Comment) {
    comment_ = Comment;
    return true;
}

void ctlZelkView::SetBackColor(int32_t colour) {
    backColor_ = colour;
}

void ctlZelkView::SetLongitude(int32_t& val) {
    if (val > 360) {
        val %= 360;
    }
    longitude_ = val;
}

void ctlZelkView::SetLatitude(int32_t& val) {
    if (val > 360) {
        val %= 360;
    }
    latitude_ = val;
}

// A hidden widget gets its resize event only when shown; the surfaces follow at once.
void ctlZelkView::SetControlWidth(int32_t w) {
    resize(w, height());
    ResizeSurfaces(width(), height());
}

void ctlZelkView::SetControlHeight(int32_t h) {
    resize(width(), h);
    ResizeSurfaces(width(), height());
}

void ctlZelkView::resizeEvent(QResizeEvent* event) {
    ResizeSurfaces(event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

QSize ctlZelkView::LogicalSize() const {
    return picView_.deviceIndependentSize().toSize();
}

// Both surfaces follow the control's size, in the screen's pixels (twice as many each
// way at twice the scale, so that the picture is sharp); what was on them stays at the
// top left.
void ctlZelkView::ResizeSurfaces(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    const qreal ratio = std::max<qreal>(devicePixelRatioF(), 1.0);
    if (!picView_.isNull() && LogicalSize() == QSize(w, h) &&
        picView_.devicePixelRatio() == ratio) {
        return;
    }
    QImage view(qRound(w * ratio), qRound(h * ratio), QImage::Format_RGB32);
    view.setDevicePixelRatio(ratio);
    view.fill(ToQColor(backColor_));
    QImage buffer = view;
    if (!picView_.isNull()) {
        QPainter(&view).drawImage(0, 0, picView_);
        QPainter(&buffer).drawImage(0, 0, picBuffer_);
    }
    picView_ = view;
    picBuffer_ = buffer;
}

QString ctlZelkView::PointerFrom() const {
    return PointText(pointerFrom_);
}

void ctlZelkView::SetPointerFrom(const QString& point) {
    Assign(point, pointerFrom_);
}

QString ctlZelkView::PointerTo() const {
    return PointText(pointerTo_);
}

void ctlZelkView::SetPointerTo(const QString& point) {
    Assign(point, pointerTo_);
}

QString ctlZelkView::TempLine() const {
    return SegmentText(tempLine_);
}

void ctlZelkView::SetTempLine(const QString& line) {
    Assign(line, tempLine_);
}

QString ctlZelkView::TempLine2() const {
    return SegmentText(tempLine2_);
}

void ctlZelkView::SetTempLine2(const QString& line) {
    Assign(line, tempLine2_);
}

bool ctlZelkView::ViewTempLine(bool mode) {
    viewTempLine_ = mode;
    return false;
}

bool ctlZelkView::PointerSize(int32_t size) {
    pointerSize_ = size;
    return true;
}

void ctlZelkView::SetControlScaleWidth(int32_t value) {
    controlScaleWidth_ = value;
    bufferScaleWidth_ = static_cast<float>(value) / ratio_;
}

void ctlZelkView::SetControlScaleHeight(int32_t value) {
    controlScaleHeight_ = value;
    bufferScaleHeight_ = -static_cast<float>(value) / ratio_;
}

void ctlZelkView::SetAxisLineLength(int16_t length) {
    axisLineLength_ = length;
    const auto l = static_cast<float>(length);
    axes_ = {Segment{l, 0, 0, 0, 0, 0}, Segment{0, l, 0, 0, 0, 0}, Segment{0, 0, l, 0, 0, 0}};
}

void ctlZelkView::SetSubAxisLineLength(int16_t length) {
    subAxisLineLength_ = length;
    const auto l = static_cast<float>(length);
    subAxes_ = {Segment{l, 0, 0, 0, 0, 0}, Segment{0, l, 0, 0, 0, 0}, Segment{0, 0, l, 0, 0, 0}};
}

void ctlZelkView::SetViewPicture(const QImage& picture) {
    const qreal ratio = picView_.devicePixelRatio();
    picView_ = picture.convertToFormat(QImage::Format_RGB32)
                   .copy(0, 0, picView_.width(), picView_.height());
    picView_.setDevicePixelRatio(ratio);
    update();
}

QString ctlZelkView::CoordinateText(float x, float y, float z) {
    return QStringLiteral("\u3000x= ") + WholeNumber(x) + QStringLiteral(", y= ") + WholeNumber(y) +
           QStringLiteral(", z= ") + WholeNumber(z);
}

ctlZelkView::Rotation ctlZelkView::CurrentRotation() const {
    // Angles and every result are kept in single precision, as the pictures always were.
    const auto alpha = static_cast<float>(longitude_ / 180.0 * kPi);
    const auto beta = static_cast<float>(-latitude_ / 180.0 * kPi);
    return Rotation{std::sin(static_cast<double>(alpha)), std::cos(static_cast<double>(alpha)),
                    std::sin(static_cast<double>(beta)), std::cos(static_cast<double>(beta))};
}

ctlZelkView::Segment ctlZelkView::RotateLine(const Segment& s, const Rotation& r) {
    return Rotate(s, r);
}

void ctlZelkView::TransformAll() {
    const Rotation r = CurrentRotation();
    for (int i = 0; i < 3; ++i) {
        rotatedAxes_[i] = RotateLine(axes_[i], r);
    }
    for (int i = 0; i < 3; ++i) {
        rotatedSubAxes_[i] = RotateLine(subAxes_[i], r);
    }
    rotated_.resize(segments_.size());
    for (size_t i = 0; i < segments_.size(); ++i) {
        rotated_[i] = Rotate(segments_[i], r);
    }
    const Segment centre{(minPos_[0] + maxPos_[0]) / 2,
                         (minPos_[1] + maxPos_[1]) / 2,
                         (minPos_[2] + maxPos_[2]) / 2,
                         0,
                         0,
                         0};
    const Segment rc = RotateLine(centre, r);
    rotatedCentre_ = {rc[0], rc[1], rc[2]};
    rotatedPointer_ = RotateLine(Segment{pointerFrom_[0], pointerFrom_[1], pointerFrom_[2],
                                         pointerTo_[0], pointerTo_[1], pointerTo_[2]},
                                 r);
    if (viewTempLine_) {
        rotatedTempLine_ = RotateLine(tempLine_, r);
    }
    if (viewTempLine2_) {
        rotatedTempLine2_ = RotateLine(tempLine2_, r);
    }
}

void ctlZelkView::RenderBuffer() {
    picBuffer_.fill(ToQColor(backColor_));
    // The own rasteriser draws one-pixel lines: at another scale QPainter draws them as
    // wide as one pixel of the control.
    const bool onePixel = picBuffer_.devicePixelRatio() == 1.0;
    mapping_ = Paint(picBuffer_, LogicalSize(), onePixel ? &picBuffer_ : nullptr);
}

QImage ctlZelkView::PictureAtScale(int scale) {
    scale = std::clamp(scale, 1, 16);
    TransformAll();
    QImage picture(LogicalSize() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(ToQColor(backColor_));
    Paint(picture, LogicalSize(), nullptr);
    picture.setDevicePixelRatio(1);
    return picture;
}

void ctlZelkView::PaintVector(QPaintDevice& device) {
    TransformAll();
    // One painter for the whole picture: each painter begun on an SVG generator writes
    // a document of its own, and two would make one malformed file.
    Paint(device, LogicalSize(), nullptr, true);
}

ctlZelkView::Mapping ctlZelkView::Paint(QPaintDevice& device, QSize size, QImage* raster,
                                        bool fillBackground) {
    const auto paintBackground = [&](QPainter& painter) {
        if (fillBackground) {
            painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), ToQColor(backColor_));
        }
    };
    // A zoom of zero (or a scale of zero) maps the figure nowhere: only the background shows.
    if (!(ratio_ > 0.0F) || !std::isfinite(ratio_) || controlScaleWidth_ == 0 ||
        controlScaleHeight_ == 0) {
        if (fillBackground) {
            QPainter painter(&device);
            paintBackground(painter);
        }
        return Mapping{};
    }

    // User coordinates: the rotated centre in the middle, y growing upwards.
    bufferScaleWidth_ = static_cast<float>(controlScaleWidth_) / ratio_;
    bufferScaleHeight_ = -static_cast<float>(controlScaleHeight_) / ratio_;
    const float left = -static_cast<float>(controlScaleWidth_) / (2 * ratio_) + rotatedCentre_[0];
    const float top = static_cast<float>(controlScaleHeight_) / (2 * ratio_) + rotatedCentre_[1];
    const double sx = size.width() / static_cast<double>(bufferScaleWidth_);
    const double sy = size.height() / static_cast<double>(bufferScaleHeight_);
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
    if (viewAxis_) {
        for (int i = 0; i < 3; ++i) {
            drawLine(rotatedAxes_[i], axisColors_[i], axisLineSize_);
        }
    }
    if (viewSubAxis_) {
        for (int i = 0; i < 3; ++i) {
            drawLine(rotatedSubAxes_[i], axisColors_[i], subAxisLineSize_);
        }
    }

    if (figLineSize_ <= 1 && raster != nullptr) {
        // Thin lines, the usual case, go straight into the image.
        painter.end();
        LineRasterizer rasterizer(*raster);
        rasterizer.SetColour(ToQColor(figColor_).rgb());
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
            if (!clipped(s, figLineSize_, line)) {
                continue;
            }
            if (std::fabs(line.dx()) < 1.0 && std::fabs(line.dy()) < 1.0) {
                dots.push_back(line.p1());
            } else {
                lines.push_back(line);
            }
        }
        painter.setPen(PixelPen(figColor_, figLineSize_));
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
    }
    if (highlightedLine_ >= 1 && static_cast<size_t>(highlightedLine_) <= rotated_.size()) {
        drawLine(rotated_[static_cast<size_t>(highlightedLine_ - 1)], highlightColor_, 3);
    }

    // Pointer marks keep their size on screen: the radius shrinks with the view extent.
    const double radius = pointerSize_ / static_cast<double>(ratio_) * std::fabs(sx);
    const QColor textColour = ToQColor(backColor_).lightness() < 128 ? Qt::white : Qt::black;
    auto drawPointer = [&](float rx, float ry, const Point& own, int32_t colour) {
        const QPointF at(px(rx), py(ry));
        painter.setPen(PixelPen(colour, pointerLineSize_));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, radius, radius);
        painter.drawPoint(at);
        if (viewCoordinates_) {
            painter.setPen(textColour);
            painter.drawText(QRectF(at, QSizeF(10000, 1000)), Qt::AlignLeft | Qt::AlignTop,
                             CoordinateText(own[0], own[1], own[2]));
        }
    };
    if (viewPointerFrom_) {
        drawPointer(rotatedPointer_[0], rotatedPointer_[1], pointerFrom_, pointerFromColor_);
    }
    if (viewPointerTo_) {
        drawPointer(rotatedPointer_[3], rotatedPointer_[4], pointerTo_, pointerToColor_);
    }

    if (viewTempLine_) {
        drawLine(rotatedTempLine_, tempLineColor_, tempLineSize_);
    }
    if (viewTempLine2_) {
        drawLine(rotatedTempLine2_, tempLine2Color_, tempLine2Size_);
    }
    return Mapping{true, left, top, sx, sy};
}

int32_t ctlZelkView::NearestLine(int x, int y, int radius) const {
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

QString ctlZelkView::NearestCorner(int x, int y, int radius) const {
    if (!mapping_.valid) {
        return QString();
    }
    bool found = false;
    Point best{};
    double bestDistance = radius + 0.5;
    float bestDepth = 0;
    for (size_t i = 0; i < rotated_.size(); ++i) {
        for (int end = 0; end < 2; ++end) {
            const float* r = rotated_[i].data() + end * 3;
            const double dx = (r[0] - mapping_.left) * mapping_.sx - x;
            const double dy = (r[1] - mapping_.top) * mapping_.sy - y;
            const double distance = std::hypot(dx, dy);
            // Nearest first; at the same distance, the corner nearer the viewer.
            const bool closer = distance < bestDistance - 1e-9;
            const bool tieInFront =
                found && std::fabs(distance - bestDistance) <= 1e-9 && r[2] > bestDepth;
            if (closer || tieInFront) {
                found = true;
                bestDistance = distance;
                bestDepth = r[2];
                const float* own = segments_[i].data() + end * 3;
                best = Point{own[0], own[1], own[2]};
            }
        }
    }
    return found ? PointText(best) : QString();
}

void ctlZelkView::ShowBuffer() {
    // The buffer is cleared before every render, so handing its pixels over is a copy.
    std::swap(picView_, picBuffer_);
    // Shown at once, not when events next run: every step of an animated turn is seen.
    if (isVisible()) {
        repaint();
    } else {
        update();
    }
}

bool ctlZelkView::Draw() {
    // Moved to a screen of another scale: the surfaces follow.
    if (picBuffer_.devicePixelRatio() != std::max<qreal>(devicePixelRatioF(), 1.0)) {
        ResizeSurfaces(width(), height());
    }
    TransformAll();
    RenderBuffer();
    ShowBuffer();
    return true;
}

void ctlZelkView::CopyToClipboard() {
    const QImage picture = CopyPicture();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}

QImage ctlZelkView::CopyPicture() {
    // Only what the control draws is copied, never an assigned picture.
    const qreal ratio = picView_.devicePixelRatio();
    picView_ = QImage(picView_.size(), QImage::Format_RGB32);
    picView_.setDevicePixelRatio(ratio);
    Draw();
    return picView_;
}

void ctlZelkView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, picView_);
}
