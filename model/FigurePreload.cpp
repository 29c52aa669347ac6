#include "FigurePreload.h"

#include "CZelkData.h"

#include <QFileInfo>
#include <cstring>

FigurePreload::~FigurePreload() {
    // A read still going is waited for: it owns nothing but its figure.
    if (read_.valid()) {
        read_.wait();
    }
}

void FigurePreload::Start(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return;
    }
    path_ = path;
    modified_ = info.lastModified();
    size_ = info.size();
    read_ = std::async(std::launch::async, [path] {
        Read read{std::make_unique<CZelkData>(), {}};
        // A figure that cannot be read whole is left to the usual way, which says why.
        if (!read.figure->Load(path)) {
            read.figure.reset();
            return read;
        }
        const std::vector<CLine>& lines = read.figure->Lines();
        read.segments.reserve(lines.size());
        for (const CLine& l : lines) {
            read.segments.push_back({l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ});
        }
        return read;
    });
}

bool FigurePreload::Take(const QString& path, CZelkData& into) {
    if (!read_.valid() || path != path_) {
        return false;
    }
    Read read = read_.get();
    const QFileInfo info(path);
    if (!read.figure || info.lastModified() != modified_ || info.size() != size_) {
        return false;
    }
    into.Swap(*read.figure);
    // The lines' storage moves with them from figure to figure: it names them.
    taken_ = into.Lines().data();
    segments_ = std::move(read.segments);
    return true;
}

FigurePreload::Segments FigurePreload::TakeSegments(const std::vector<CLine>& lines) {
    static_assert(sizeof(CLine) == sizeof(Segments::value_type));
    // Checked whole, too: a wrong picture would be worse than a slower one.
    if (lines.empty() || lines.data() != taken_ || lines.size() != segments_.size() ||
        std::memcmp(lines.data(), segments_.data(), lines.size() * sizeof(CLine)) != 0) {
        return {};
    }
    taken_ = nullptr;
    return std::move(segments_);
}
