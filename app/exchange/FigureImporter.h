#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

class CZelkData;
class ImportJob;

// Reads a model of another 3D program as a figure: every line becomes a segment and
// every polygon gives its edges; a segment met again (either way round) is taken once
// and zero-length ones are dropped. Coordinates are millimetres, times a scale; a model
// drawn with Z up can be turned to the figure's Y up; the figure may be moved so that its
// smallest corner is the origin. The reading runs in a process of its own (ImportJob).
class FigureImporter {
public:
    struct Options {
        double scale = 1.0;
        bool toOrigin = false;
        // The model's Z axis points up (CAD, Blender): it becomes the figure's Y.
        bool zUp = false;
        // A reader that takes longer is stopped (a broken file can send it round for ever).
        int timeoutMs = 60000;
    };
    struct Report {
        int taken = 0;
        int duplicates = 0;
        int zeroLength = 0;
        // What the model holds that a wire-frame figure cannot (e.g. "TEXT": 3).
        std::map<QString, int> leftOut;
    };
    static constexpr int kMaxSegments = 32767;

    enum class Outcome { Read, Failed, Cancelled, Interrupted };
    // What the caller shows while the reader runs (a progress window with its Cancel),
    // made once the reader has started and kept until it ends.
    using Waiting = std::function<std::shared_ptr<void>(ImportJob& job)>;

    // Fills figure (cleared first) from the file, waiting for the reader; Failed or
    // Cancelled with a message for the user in error when the file cannot be read, holds
    // no segment or more than the limit; Interrupted when the program is ending meanwhile
    // (the reader goes with it).
    static Outcome Read(const QString& path, const Options& options, CZelkData& figure,
                        Report& report, QString& error, const Waiting& waiting);
    // The same, waiting without a word; true when the figure was read.
    static bool Read(const QString& path, const Options& options, CZelkData& figure, Report& report,
                     QString& error) {
        return Read(path, options, figure, report, error, {}) == Outcome::Read;
    }
    // "12 本の線分を取り込みました（重複 3 本をまとめ、長さ 0 の 1 本を除きました）", and
    // what was left out, by kind.
    static QString ReportText(const Report& report);
};
