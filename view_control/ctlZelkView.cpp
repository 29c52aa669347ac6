#include "ctlZelkView.h"

#include "NumberText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr int kDefaultSize = 200;

QColor ToQColor(int32_t bgr) {
    const auto c = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// Stores the numbers of a point or line text; a malformed text changes nothing.
template <size_t N> void Assign(const QString& text, std::array<float, N>& target) {
    std::array<float, N> values{};
    if (NumberText::ToSingles(text, values.data(), static_cast<int>(N))) {
        target = values;
    }
}

template <size_t N> QString NumbersText(const std::array<float, N>& values) {
    QString out = NumberText::FromSingle(values[0]);
    for (size_t i = 1; i < N; ++i) {
        out += u',' + NumberText::FromSingle(values[i]);
    }
    return out;
}

// Angles beyond a whole turn come back into it; the caller's variable says so too.
void WrapAngle(int32_t& val) {
    if (val > 360) {
        val %= 360;
    }
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
    ResizeSurfaces(width(), height());
}

// A malformed text is ignored: the host never sends one, and a half-read segment
// would draw something that is not in the figure.
void ctlZelkView::SetLineValues(float fromX, float fromY, float fromZ, float toX, float toY,
                                float toZ) {
    renderer_.AddSegment({fromX, fromY, fromZ, toX, toY, toZ});
}

bool ctlZelkView::SetLine(const QString& a_line) {
    FigureRenderer::Segment s{};
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
        renderer_.AddSegment(s);
    }
    return true;
}

bool ctlZelkView::ClearData() {
    renderer_.ClearFigure();
    return false;
}

bool ctlZelkView::SetMaxSize(const QString& size) {
    FigureRenderer::Point p = renderer_.Size();
    Assign(size, p);
    renderer_.SetSize(p);
    return true;
}

bool ctlZelkView::SetMaxSize(const FigureRenderer::Point& size) {
    renderer_.SetSize(size);
    return true;
}

bool ctlZelkView::SetMaxPos(const QString& size) {
    FigureRenderer::Point p{};
    if (NumberText::ToSingles(size, p.data(), 3)) {
        SetMaxPos(p);
    }
    return true;
}

bool ctlZelkView::SetMinPos(const QString& size) {
    FigureRenderer::Point p{};
    if (NumberText::ToSingles(size, p.data(), 3)) {
        SetMinPos(p);
    }
    return true;
}

bool ctlZelkView::SetComment(const QString& Comment) {
    comment_ = Comment;
    return true;
}

void ctlZelkView::SetLongitude(int32_t& val) {
    WrapAngle(val);
    renderer_.SetAngles(val, renderer_.Latitude());
}

void ctlZelkView::SetLatitude(int32_t& val) {
    WrapAngle(val);
    renderer_.SetAngles(renderer_.Longitude(), val);
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
    if (pending_) {
        return (QSizeF(pending_->pixels) / pending_->ratio).toSize();
    }
    return picView_.deviceIndependentSize().toSize();
}

qreal ctlZelkView::SurfaceRatio() const {
    return pending_ ? pending_->ratio : picView_.devicePixelRatio();
}

void ctlZelkView::Materialize() const {
    if (!pending_) {
        return;
    }
    QImage view(pending_->pixels, QImage::Format_RGB32);
    view.setDevicePixelRatio(pending_->ratio);
    view.fill(pending_->colour);
    // Shared until one of them is drawn on.
    picView_ = view;
    picBuffer_ = view;
    blank_ = pending_->colour;
    pending_.reset();
}

const QImage& ctlZelkView::ViewImage() const {
    Materialize();
    return picView_;
}

void ctlZelkView::ResizeSurfaces(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    renderer_.SetPictureSize(QSize(w, h));
    const qreal ratio = std::max<qreal>(devicePixelRatioF(), 1.0);
    const bool made = pending_ || !picView_.isNull();
    if (made && LogicalSize() == QSize(w, h) && SurfaceRatio() == ratio) {
        return;
    }
    const QRgb back = ToQColor(BackColor()).rgb();
    const QSize pixels(qRound(w * ratio), qRound(h * ratio));
    // Nothing to keep (blank surfaces of the same colour): only the new size is noted.
    if (!made || (pending_ ? pending_->colour == back : blank_ == back)) {
        pending_ = BlankSurfaces{pixels, ratio, back};
        picView_ = QImage();
        picBuffer_ = QImage();
        blank_.reset();
        return;
    }
    Materialize();
    // What was there stays in the corner.
    QImage view(pixels, QImage::Format_RGB32);
    view.setDevicePixelRatio(ratio);
    view.fill(back);
    QImage buffer = view;
    QPainter(&view).drawImage(0, 0, picView_);
    QPainter(&buffer).drawImage(0, 0, picBuffer_);
    blank_.reset();
    picView_ = view;
    picBuffer_ = buffer;
}

QString ctlZelkView::PointerFrom() const {
    return NumbersText(style().pointerFrom);
}

void ctlZelkView::SetPointerFrom(const QString& point) {
    Assign(point, style().pointerFrom);
}

QString ctlZelkView::PointerTo() const {
    return NumbersText(style().pointerTo);
}

void ctlZelkView::SetPointerTo(const QString& point) {
    Assign(point, style().pointerTo);
}

QString ctlZelkView::TempLine() const {
    return NumbersText(style().tempLine);
}

void ctlZelkView::SetTempLine(const QString& line) {
    Assign(line, style().tempLine);
}

QString ctlZelkView::TempLine2() const {
    return NumbersText(style().tempLine2);
}

void ctlZelkView::SetTempLine2(const QString& line) {
    Assign(line, style().tempLine2);
}

bool ctlZelkView::ViewTempLine(bool mode) {
    style().viewTempLine = mode;
    return false;
}

bool ctlZelkView::PointerSize(int32_t size) {
    style().pointerSize = size;
    return true;
}

void ctlZelkView::SetControlScaleWidth(int32_t value) {
    renderer_.SetScale(value, renderer_.ScaleHeight());
}

void ctlZelkView::SetControlScaleHeight(int32_t value) {
    renderer_.SetScale(renderer_.ScaleWidth(), value);
}

void ctlZelkView::SetViewPicture(const QImage& picture) {
    Materialize();
    const qreal ratio = picView_.devicePixelRatio();
    picView_ = picture.convertToFormat(QImage::Format_RGB32)
                   .copy(0, 0, picView_.width(), picView_.height());
    blank_.reset();
    picView_.setDevicePixelRatio(ratio);
    update();
}

QString ctlZelkView::CoordinateText(float x, float y, float z) {
    return FigureRenderer::CoordinateText({x, y, z});
}

QImage ctlZelkView::PictureAtScale(int scale) {
    return renderer_.Picture(scale);
}

void ctlZelkView::PaintVector(QPaintDevice& device) {
    renderer_.PaintVector(device);
}

int32_t ctlZelkView::NearestLine(int x, int y, int radius) const {
    return renderer_.NearestLine(x, y, radius);
}

QString ctlZelkView::NearestCorner(int x, int y, int radius) const {
    const std::optional<FigureRenderer::Point> corner = NearestCornerPoint(x, y, radius);
    return corner ? NumbersText(*corner) : QString();
}

std::optional<FigureRenderer::Point> ctlZelkView::NearestCornerPoint(int x, int y,
                                                                     int radius) const {
    return renderer_.NearestCorner(x, y, radius);
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
    if (SurfaceRatio() != std::max<qreal>(devicePixelRatioF(), 1.0)) {
        ResizeSurfaces(width(), height());
    }
    Materialize();
    renderer_.Render(picBuffer_);
    blank_.reset();
    ++drawCount_;
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
    Materialize();
    const qreal ratio = picView_.devicePixelRatio();
    picView_ = QImage(picView_.size(), QImage::Format_RGB32);
    picView_.setDevicePixelRatio(ratio);
    blank_.reset();
    Draw();
    return picView_;
}

void ctlZelkView::paintEvent(QPaintEvent* /*event*/) {
    Materialize();
    QPainter painter(this);
    painter.drawImage(0, 0, picView_);
}
