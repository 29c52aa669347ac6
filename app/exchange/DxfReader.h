#pragma once

#include <QString>

class SegmentCollector;

// Reads a DXF drawing (text) into a collector: LINE, POLYLINE (2D and 3D), LWPOLYLINE at
// its elevation, the edges of 3DFACE and of polyface and polygon meshes (POLYLINE flags
// 64 and 16; a shared edge once), ARC and CIRCLE as chords (kChordsPerCircle to a full
// circle) and INSERT of blocks (scaled, turned and repeated in rows and columns). The
// other entities a drawing program writes (TEXT, DIMENSION, HATCH, SPLINE...) are counted
// as left out. The axes are the drawing's own: x, y and z as written.
class DxfReader {
public:
    static constexpr int kChordsPerCircle = 72;

    // True when the bytes look like a DXF file: group code 0 then SECTION, after any
    // comments (999) and blanks.
    static bool Recognises(const QString& path);
    static bool Read(const QString& path, SegmentCollector& collector, QString& error);
};
