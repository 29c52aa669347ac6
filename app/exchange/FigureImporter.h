#pragma once

#include <QString>

class CZelkData;

// Reads a model of another 3D program through the Open Asset Import Library (OBJ, STL,
// PLY, glTF, DXF and whatever else it reads) as a figure: every line primitive becomes
// a segment and every polygon gives its edges; a segment met again (in either
// direction) is taken once and zero-length ones are dropped. Coordinates are
// millimetres, times a scale; the figure may be moved so that its smallest corner is
// the origin. The library reads in a child process, so that a file that crashes it or
// keeps it busy for ever cannot take the editor with it.
class FigureImporter {
public:
    struct Options {
        double scale = 1.0;
        bool toOrigin = false;
        // A reader that takes longer is stopped (a broken file can send it round for ever).
        int timeoutMs = 60000;
    };
    struct Report {
        int taken = 0;
        int duplicates = 0;
        int zeroLength = 0;
    };
    static constexpr int kMaxSegments = 32767;

    // Fills figure (cleared first) from the file; false, with a message for the user
    // in error, when the file cannot be read, holds no segment or more than the limit.
    static bool Read(const QString& path, const Options& options, CZelkData& figure, Report& report,
                     QString& error);
    // "12 本の線分を取り込みました（重複 3 本をまとめ、長さ 0 の 1 本を除きました）".
    static QString ReportText(const Report& report);
};
