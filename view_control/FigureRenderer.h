#pragma once

#include "ctlZelkViewExport.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPaintDevice;

// Draws a figure as a parallel projection from a longitude and a latitude, with axes,
// two pointer marks and their read-outs, two temporary lines and a highlighted line,
// onto any image or paint device. Everything is in numbers; it needs no widget, so
// pictures for files, thumbnails and animations are made without a window.
class CTLZELKVIEW_EXPORT FigureRenderer {
public:
    using Segment = std::array<float, 6>;
    using Point = std::array<float, 3>;

    // What is drawn besides the figure, and how. Colours are &HBBGGRR.
    struct Style {
        int32_t backColor = 0xFFFFFF;
        int32_t figColor = 0;
        int32_t figLineSize = 1;
        bool viewAxis = true;
        bool viewSubAxis = true;
        int32_t axisLineSize = 1;
        int32_t subAxisLineSize = 1;
        std::array<int32_t, 3> axisColors{0xFFCC00, 0x00FFFF, 0x00FF00};
        bool viewPointerFrom = true;
        bool viewPointerTo = true;
        bool viewCoordinates = true;
        Point pointerFrom{};
        Point pointerTo{};
        int32_t pointerFromColor = 255;
        int32_t pointerToColor = 0xFF00FF;
        int32_t pointerSize = 10;
        int16_t pointerLineSize = 2;
        bool viewTempLine = true;
        Segment tempLine{};
        int32_t tempLineSize = 1;
        int32_t tempLineColor = 255;
        bool viewTempLine2 = true;
        Segment tempLine2{};
        int32_t tempLine2Size = 1;
        int32_t tempLine2Color = 0xFF0000;
        int32_t highlightedLine = 0; // from 1; 0 for none
        int32_t highlightColor = 0x0080FF;
    };

    FigureRenderer();

    // A picture of the figure alone, black on white, seen in the isometric view and
    // fitted to size: the set-up of every picture made for a file or a thumbnail.
    static FigureRenderer Plain(QSize size);
    // The zoom that shows a figure whose largest extent is largest in a view scale of
    // scale units (an extent of 0 counts as 1 mm).
    static float FitRatio(float largest, float scale);

    // The read-out printed beside a pointer mark: "　x= 13, y= -3, z= 0".
    static QString CoordinateText(const Point& p);

    // The figure: its segments in order, and its extents and bounds (the view turns about
    // the middle of the bounds).
    void ClearFigure();
    void Reserve(size_t count) { segments_.reserve(count); }
    void AddSegment(const Segment& s) {
        segments_.push_back(s);
        segmentsRotated_ = false;
    }
    // All segments at once, in place of those there were.
    void AdoptSegments(std::vector<Segment>&& segments) {
        segments_ = std::move(segments);
        segmentsRotated_ = false;
    }
    const std::vector<Segment>& Segments() const { return segments_; }
    void SetBounds(const Point& size, const Point& min, const Point& max);
    const Point& Size() const { return maxSize_; }
    void SetSize(const Point& size) { maxSize_ = size; }
    void SetMinPos(const Point& p) { minPos_ = p; }
    void SetMaxPos(const Point& p) { maxPos_ = p; }
    // The zoom that fits the figure's extents into the view's scale height.
    float FittingRatio() const;

    int32_t Longitude() const { return longitude_; }
    int32_t Latitude() const { return latitude_; }
    void SetAngles(int32_t longitude, int32_t latitude);
    float Ratio() const { return ratio_; }
    void SetRatio(float ratio) { ratio_ = ratio; }
    // The user units across the picture at ratio 1.
    int32_t ScaleWidth() const { return scaleWidth_; }
    int32_t ScaleHeight() const { return scaleHeight_; }
    void SetScale(int32_t width, int32_t height);
    int32_t AxisLength() const { return axisLength_; }
    void SetAxisLength(int32_t length) { axisLength_ = length; }
    int32_t SubAxisLength() const { return subAxisLength_; }
    void SetSubAxisLength(int32_t length) { subAxisLength_ = length; }
    // The picture's size in pixels of the control (an image of another device pixel ratio
    // has more of its own).
    QSize PictureSize() const { return pictureSize_; }
    void SetPictureSize(QSize size) { pictureSize_ = size; }

    Style& GetStyle() { return style_; }
    const Style& GetStyle() const { return style_; }

    // Draws on image, background first, in its device-independent size; thin figure lines
    // go straight into its pixels when it has one pixel to one of the control's.
    void Render(QImage& image);
    // Draws over what image holds (no background): one figure laid over another.
    void Overlay(QImage& image);
    // A new picture of PictureSize at scale times as many pixels each way (lines, marks and
    // text drawn at that size, not enlarged).
    QImage Picture(int scale = 1);
    // The same picture on any device (an SVG generator: vector lines).
    void PaintVector(QPaintDevice& device);

    // Picking on the picture last rendered, in the control's pixels. NearestLine: the
    // number (from 1) of the line passing within radius, the nearest; 0 for none.
    // NearestCorner: the end point within radius, the nearest (the one in front on a tie).
    int32_t NearestLine(int x, int y, int radius) const;
    std::optional<Point> NearestCorner(int x, int y, int radius) const;

private:
    struct Mapping {
        bool valid = false;
        float left = 0, top = 0;
        double sx = 0, sy = 0;
    };
    void Transform();
    Mapping Paint(QPaintDevice& device, QSize size, QImage* raster, bool fillBackground);

    std::vector<Segment> segments_;
    std::vector<Segment> rotated_;
    // rotated_ holds segments_ at the current angles: a redraw that changes neither (a
    // pointer step, a colour, a new size) does not turn 32767 segments again.
    bool segmentsRotated_ = false;
    Point maxSize_{};
    Point minPos_{};
    Point maxPos_{};
    int32_t longitude_ = -45;
    int32_t latitude_ = 30;
    float ratio_ = 1.0F;
    int32_t scaleWidth_ = 200;
    int32_t scaleHeight_ = 200;
    int32_t axisLength_ = 200;
    int32_t subAxisLength_ = 32767;
    QSize pictureSize_{200, 200};
    Style style_;

    // Filled by Transform for the picture being drawn.
    Point rotatedCentre_{};
    std::array<Segment, 3> rotatedAxes_{};
    std::array<Segment, 3> rotatedSubAxes_{};
    Segment rotatedPointer_{};
    Segment rotatedTempLine_{};
    Segment rotatedTempLine2_{};
    Mapping mapping_;
};
