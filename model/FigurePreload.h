#pragma once

#include "CLine.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <future>
#include <memory>
#include <vector>

class CZelkData;

// Reads the figure named at start on a thread of its own while the window is being built,
// so that a large figure costs the start-up little. The figure is taken once, by the name
// it was read for, and only when the read succeeded and the file has not changed since;
// otherwise the caller reads it the usual way (with its messages).
class FigurePreload {
public:
    FigurePreload() = default;
    ~FigurePreload();
    FigurePreload(const FigurePreload&) = delete;
    FigurePreload& operator=(const FigurePreload&) = delete;

    // A figure's segments as a view draws them (from x, y, z, to x, y, z).
    using Segments = std::vector<std::array<float, 6>>;

    void Start(const QString& path);
    bool Take(const QString& path, CZelkData& into);
    // The segments of the figure taken, copied for its view on the same thread (new
    // memory is slow on a fresh process, and the window waits for nothing of this), handed
    // over once, to the very lines taken and unchanged; empty for any others.
    Segments TakeSegments(const std::vector<CLine>& lines);

private:
    struct Read {
        std::unique_ptr<CZelkData> figure;
        Segments segments;
    };

    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::future<Read> read_;
    Segments segments_;
    const CLine* taken_ = nullptr;
};
