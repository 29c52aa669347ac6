#pragma once

#include "ctlZelkViewExport.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

// The 3D view control: draws a figure as a parallel projection from a longitude and a
// latitude, with axes, two pointer marks, their coordinate read-outs and two temporary
// lines. Everything crossing its surface is a number, a colour (&HBBGGRR), a Boolean
// or a text. Draw renders off-screen into picBuffer and copies it to picView in one
// block; painting the widget only shows picView.
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
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t colour);
    int32_t FigColor() const { return figColor_; }
    void SetFigColor(int32_t colour) { figColor_ = colour; }
    void SetLongitude(int32_t& val);
    void SetLatitude(int32_t& val);
    float Ratio() const { return ratio_; }
    void SetRatio(float ratio) { ratio_ = ratio; }
    int32_t ControlWidth() const { return width(); }
    void SetControlWidth(int32_t w);
    int32_t ControlHeight() const { return height(); }
    void SetControlHeight(int32_t h);
    int32_t FigLineSize() const { return figLineSize_; }
    void SetFigLineSize(int32_t size) { figLineSize_ = size; }
    int32_t AxisLineSize() const { return axisLineSize_; }
    void SetAxisLineSize(int32_t size) { axisLineSize_ = size; }
    int32_t SubAxisLineSize() const { return subAxisLineSize_; }
    void SetSubAxisLineSize(int32_t size) { subAxisLineSize_ = size; }
    QString PointerFrom() const;
    void SetPointerFrom(const QString& point);
    QString PointerTo() const;
    void SetPointerTo(const QString& point);
    QString TempLine() const;
    void SetTempLine(const QString& line);
    bool ViewTempLine(bool mode);
    void TempLineSize(int32_t size) { tempLineSize_ = size; }
    bool PointerSize(int32_t size);
    QString TempLine2() const;
    void SetTempLine2(const QString& line);
    void ViewTempLine2(bool mode) { viewTempLine2_ = mode; }
    int32_t ControlScaleWidth() const { return controlScaleWidth_; }
    void SetControlScaleWidth(int32_t value);
    int32_t ControlScaleHeight() const { return controlScaleHeight_; }
    void SetControlScaleHeight(int32_t value);
    bool ViewAxis() const { return viewAxis_; }
    void SetViewAxis(bool on) { viewAxis_ = on; }
    bool ViewsubAxis() const { return viewSubAxis_; }
    void SetViewsubAxis(bool on) { viewSubAxis_ = on; }
    bool ViewPointerFrom() const { return viewPointerFrom_; }
    void SetViewPointerFrom(bool on) { viewPointerFrom_ = on; }
    bool ViewPointerTo() const { return viewPointerTo_; }
    void SetViewPointerTo(bool on) { viewPointerTo_ = on; }
    int32_t PointerFromColor() const { return pointerFromColor_; }
    void SetPointerFromColor(int32_t colour) { pointerFromColor_ = colour; }
    int32_t PointerToColor() const { return pointerToColor_; }
    void SetPointerToColor(int32_t colour) { pointerToColor_ = colour; }
    int16_t PointerLineSize() const { return pointerLineSize_; }
    void SetPointerLineSize(int16_t size) { pointerLineSize_ = size; }
    int16_t AxisLineLength() const { return static_cast<int16_t>(axisLineLength_); }
    void SetAxisLineLength(int16_t length);
    int16_t SubAxisLineLength() const { return static_cast<int16_t>(subAxisLineLength_); }
    void SetSubAxisLineLength(int16_t length);
    void CopyToClipboard();
    // The picture CopyToClipboard puts on the clipboard, without touching the clipboard.
    QImage CopyPicture();
    bool ViewCoordinates() const { return viewCoordinates_; }
    void SetViewCoordinates(bool on) { viewCoordinates_ = on; }
    bool SetMaxPos(const QString& size);
    bool SetMinPos(const QString& size);

    // The read-out printed beside a pointer mark: "　x= 13, y= -3, z= 0".
    static QString CoordinateText(float x, float y, float z);

    // Picking on the picture last drawn, in the control's pixels. NearestLine: the number
    // (from 1, in SetLine order) of the line passing within radius of (x, y), the nearest
    // one; 0 for none. NearestCorner: the point text of the end point within radius, the
    // nearest (the one in front on a tie); "" for none.
    int32_t NearestLine(int x, int y, int radius) const;
    QString NearestCorner(int x, int y, int radius) const;
    // A line drawn in the highlight colour and three pixels wide; 0 for none.
    int32_t HighlightedLine() const { return highlightedLine_; }
    void SetHighlightedLine(int32_t index) { highlightedLine_ = index; }
    void SetHighlightColor(int32_t colour) { highlightColor_ = colour; }

    // The picture as Draw makes it, at scale times its pixel size (lines, marks and text
    // drawn at that size, not enlarged).
    QImage PictureAtScale(int scale);
    // The same picture painted on any device (an SVG generator: vector lines), in the
    // control's pixels.
    void PaintVector(QPaintDevice& device);

    // The visible picture as last shown, in the screen's pixels (its device pixel ratio
    // says how many to one of the control's).
    const QImage& ViewImage() const { return picView_; }
    // Assigns a picture to the visible surface (shown until the next Draw).
    void SetViewPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    using Segment = std::array<float, 6>;
    using Point = std::array<float, 3>;

    struct Rotation {
        double sinA, cosA, sinB, cosB;
    };
    Rotation CurrentRotation() const;
    static Segment RotateLine(const Segment& s, const Rotation& r);
    void TransformAll();
    void RenderBuffer();
    struct Mapping;
    // Paints the picture of the rotated figure on device, of size pixels; thin figure
    // lines go through the rasteriser when raster (the same image) is given.
    Mapping Paint(QPaintDevice& device, QSize size, QImage* raster, bool fillBackground = false);
    void ShowBuffer();
    void ResizeSurfaces(int w, int h);
    // The surfaces' size in the control's pixels.
    QSize LogicalSize() const;
    // Stores the numbers of a point or line text; a malformed text changes nothing.
    template <size_t N> static void Assign(const QString& text, std::array<float, N>& target);
    static QString PointText(const Point& p);
    static QString SegmentText(const Segment& s);

    QString comment_;

    // Every default is set by the constructor, in the listed order.
    std::vector<Segment> segments_;
    std::vector<Segment> rotated_;
    int32_t longitude_{};
    int32_t latitude_{};
    float ratio_{};
    int32_t controlScaleWidth_{};
    int32_t controlScaleHeight_{};
    Point maxPos_{};
    Point minPos_{};
    Point maxSize_{};
    Point rotatedCentre_{};
    int32_t figColor_{};
    int32_t backColor_{};
    int32_t figLineSize_{};

    std::array<Segment, 3> axes_{};
    std::array<Segment, 3> subAxes_{};
    std::array<Segment, 3> rotatedAxes_{};
    std::array<Segment, 3> rotatedSubAxes_{};
    int32_t axisLineLength_{};
    int32_t subAxisLineLength_{};
    std::array<int32_t, 3> axisColors_{};
    bool viewAxis_{};
    bool viewSubAxis_{};
    int32_t axisLineSize_{};
    int32_t subAxisLineSize_{};
    Point pointerFrom_{};
    Point pointerTo_{};
    Segment rotatedPointer_{};
    bool viewPointerFrom_{};
    bool viewPointerTo_{};
    int32_t pointerFromColor_{};
    int32_t pointerToColor_{};
    int32_t pointerSize_{};
    int16_t pointerLineSize_{};
    bool viewCoordinates_{};
    Segment tempLine_{};
    Segment rotatedTempLine_{};
    bool viewTempLine_{};
    int32_t tempLineSize_{};
    int32_t tempLineColor_{};
    Segment tempLine2_{};
    Segment rotatedTempLine2_{};
    bool viewTempLine2_{};
    int32_t tempLine2Size_{};
    int32_t tempLine2Color_{};

    // Where the last picture put the rotated figure: pixel = (x - left) * sx, (y - top) * sy.
    struct Mapping {
        bool valid = false;
        float left = 0, top = 0;
        double sx = 0, sy = 0;
    };
    Mapping mapping_;
    int32_t highlightedLine_ = 0;
    int32_t highlightColor_ = 0x0080FF;

    // The two surfaces and the buffer's user scale.
    QImage picView_;
    QImage picBuffer_;
    float bufferScaleWidth_ = 0.0F;
    float bufferScaleHeight_ = 0.0F;
};
