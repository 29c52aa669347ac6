#pragma once

#include "FigureRenderer.h"
#include "ctlZelkViewExport.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

// The 3D view control: the widget that shows what its FigureRenderer draws. Everything
// crossing its own surface is a number, a colour (&HBBGGRR), a Boolean or a text. Draw
// renders into picBuffer and hands it to picView in one block; painting the widget
// only shows picView.
class CTLZELKVIEW_EXPORT ctlZelkView : public QWidget {
    Q_OBJECT

public:
    // The identifier hosts create the control by.
    static QString CreationIdentifier() {
        return QStringLiteral("DevZelkViewControlProject.ctlZelkView");
    }
    // A new control for the creation identifier; nullptr for any other identifier.
    static ctlZelkView* CreateControl(const QString& identifier, QWidget* parent = nullptr);

    explicit ctlZelkView(QWidget* parent = nullptr);

    // Members in interface order.
    bool SetLine(const QString& a_line);
    // The same as SetLine for a line already in numbers (from, to), without the text.
    void SetLineValues(float fromX, float fromY, float fromZ, float toX, float toY, float toZ);
    bool Draw();
    bool ClearData();
    bool SetMaxSize(const QString& size);
    bool SetComment(const QString& Comment);
    int32_t BackColor() const { return style().backColor; }
    void SetBackColor(int32_t colour) { style().backColor = colour; }
    int32_t FigColor() const { return style().figColor; }
    void SetFigColor(int32_t colour) { style().figColor = colour; }
    void SetLongitude(int32_t& val);
    void SetLatitude(int32_t& val);
    float Ratio() const { return renderer_.Ratio(); }
    void SetRatio(float ratio) { renderer_.SetRatio(ratio); }
    int32_t ControlWidth() const { return width(); }
    void SetControlWidth(int32_t w);
    int32_t ControlHeight() const { return height(); }
    void SetControlHeight(int32_t h);
    int32_t FigLineSize() const { return style().figLineSize; }
    void SetFigLineSize(int32_t size) { style().figLineSize = size; }
    int32_t AxisLineSize() const { return style().axisLineSize; }
    void SetAxisLineSize(int32_t size) { style().axisLineSize = size; }
    int32_t SubAxisLineSize() const { return style().subAxisLineSize; }
    void SetSubAxisLineSize(int32_t size) { style().subAxisLineSize = size; }
    // The pointers and the line between them: texts as the control's users of old give
    // them, numbers as the program does.
    QString PointerFrom() const;
    void SetPointerFrom(const QString& point);
    void SetPointerFrom(const FigureRenderer::Point& point) { style().pointerFrom = point; }
    QString PointerTo() const;
    void SetPointerTo(const QString& point);
    void SetPointerTo(const FigureRenderer::Point& point) { style().pointerTo = point; }
    QString TempLine() const;
    void SetTempLine(const QString& line);
    void SetTempLine(const FigureRenderer::Segment& line) { style().tempLine = line; }
    // The line from the "from" pointer to the "to" pointer as they are now set.
    FigureRenderer::Segment PointerLine() const {
        const FigureRenderer::Point& a = style().pointerFrom;
        const FigureRenderer::Point& b = style().pointerTo;
        return {a[0], a[1], a[2], b[0], b[1], b[2]};
    }
    bool ViewTempLine(bool mode);
    void TempLineSize(int32_t size) { style().tempLineSize = size; }
    bool PointerSize(int32_t size);
    QString TempLine2() const;
    void SetTempLine2(const QString& line);
    void ViewTempLine2(bool mode) { style().viewTempLine2 = mode; }
    int32_t ControlScaleWidth() const { return renderer_.ScaleWidth(); }
    void SetControlScaleWidth(int32_t value);
    int32_t ControlScaleHeight() const { return renderer_.ScaleHeight(); }
    void SetControlScaleHeight(int32_t value);
    bool ViewAxis() const { return style().viewAxis; }
    void SetViewAxis(bool on) { style().viewAxis = on; }
    bool ViewsubAxis() const { return style().viewSubAxis; }
    void SetViewsubAxis(bool on) { style().viewSubAxis = on; }
    bool ViewPointerFrom() const { return style().viewPointerFrom; }
    void SetViewPointerFrom(bool on) { style().viewPointerFrom = on; }
    bool ViewPointerTo() const { return style().viewPointerTo; }
    void SetViewPointerTo(bool on) { style().viewPointerTo = on; }
    int32_t PointerFromColor() const { return style().pointerFromColor; }
    void SetPointerFromColor(int32_t colour) { style().pointerFromColor = colour; }
    int32_t PointerToColor() const { return style().pointerToColor; }
    void SetPointerToColor(int32_t colour) { style().pointerToColor = colour; }
    int16_t PointerLineSize() const { return style().pointerLineSize; }
    void SetPointerLineSize(int16_t size) { style().pointerLineSize = size; }
    int16_t AxisLineLength() const { return static_cast<int16_t>(renderer_.AxisLength()); }
    void SetAxisLineLength(int16_t length) { renderer_.SetAxisLength(length); }
    int16_t SubAxisLineLength() const { return static_cast<int16_t>(renderer_.SubAxisLength()); }
    void SetSubAxisLineLength(int16_t length) { renderer_.SetSubAxisLength(length); }
    void CopyToClipboard();
    // The picture CopyToClipboard puts on the clipboard, without touching the clipboard.
    QImage CopyPicture();
    bool ViewCoordinates() const { return style().viewCoordinates; }
    void SetViewCoordinates(bool on) { style().viewCoordinates = on; }
    bool SetMaxPos(const QString& size);
    bool SetMinPos(const QString& size);
    bool SetMaxSize(const FigureRenderer::Point& size);
    void SetMaxPos(const FigureRenderer::Point& position) { renderer_.SetMaxPos(position); }
    void SetMinPos(const FigureRenderer::Point& position) { renderer_.SetMinPos(position); }

    // The read-out printed beside a pointer mark: "　x= 13, y= -3, z= 0".
    static QString CoordinateText(float x, float y, float z);

    // Picking on the picture last drawn, in the control's pixels. NearestLine: the number
    // (from 1, in SetLine order) of the line passing within radius of (x, y), the nearest
    // one; 0 for none. NearestCorner: the point text of the end point within radius, the
    // nearest (the one in front on a tie); "" for none.
    int32_t NearestLine(int x, int y, int radius) const;
    QString NearestCorner(int x, int y, int radius) const;
    std::optional<FigureRenderer::Point> NearestCornerPoint(int x, int y, int radius) const;
    // A line drawn in the highlight colour and three pixels wide; 0 for none.
    int32_t HighlightedLine() const { return style().highlightedLine; }
    void SetHighlightedLine(int32_t index) { style().highlightedLine = index; }
    void SetHighlightColor(int32_t colour) { style().highlightColor = colour; }

    // The picture as Draw makes it, at scale times its pixel size (lines, marks and text
    // drawn at that size, not enlarged).
    QImage PictureAtScale(int scale);
    // The same picture painted on any device (an SVG generator: vector lines), in the
    // control's pixels.
    void PaintVector(QPaintDevice& device);

    // The visible picture as last shown, in the screen's pixels (its device pixel ratio
    // says how many to one of the control's).
    const QImage& ViewImage() const;
    // Assigns a picture to the visible surface (shown until the next Draw).
    void SetViewPicture(const QImage& picture);

    // How many pictures Draw has made: a caller can tell whether one was drawn meanwhile.
    int64_t DrawCount() const { return drawCount_; }

    // What draws the pictures: the figure, angles, zoom and style in numbers.
    FigureRenderer& Renderer() { return renderer_; }
    const FigureRenderer& Renderer() const { return renderer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FigureRenderer::Style& style() { return renderer_.GetStyle(); }
    const FigureRenderer::Style& style() const { return renderer_.GetStyle(); }
    void ShowBuffer();
    void ResizeSurfaces(int w, int h);
    // The surfaces' size in the control's pixels.
    QSize LogicalSize() const;

    FigureRenderer renderer_;
    QString comment_;
    // The visible surface, and the buffer each picture is drawn on before it is shown.
    // Makes the surfaces a new size asked for while they were blank.
    void Materialize() const;
    qreal SurfaceRatio() const;

    // Made when first needed: a control that is sized several times before it is shown
    // touches no picture's memory until then.
    mutable QImage picView_;
    mutable QImage picBuffer_;
    // Both surfaces hold nothing but this colour (nothing drawn or assigned since they
    // were made): a new size need not copy them.
    mutable std::optional<QRgb> blank_;
    // Blank surfaces of this size (in device pixels), scale and colour, not yet made.
    struct BlankSurfaces {
        QSize pixels;
        qreal ratio = 1.0;
        QRgb colour = 0;
    };
    mutable std::optional<BlankSurfaces> pending_;
    int64_t drawCount_ = 0;
};
