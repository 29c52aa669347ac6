#include "FigurePreload.h"

#include "CZelkData.h"

#include <QFileInfo>

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
        auto figure = std::make_unique<CZelkData>();
        // A figure that cannot be read whole is left to the usual way, which says why.
        if (!figure->Load(path)) {
            figure.reset();
        }
        return figure;
    });
}

bool FigurePreload::Take(const QString& path, CZelkData& into) {
    if (!read_.valid() || path != path_) {
        return false;
    }
    std::unique_ptr<CZelkData> figure = read_.get();
    const QFileInfo info(path);
    if (!figure || info.lastModified() != modified_ || info.size() != size_) {
        return false;
    }
    into.Swap(*figure);
    return true;
}
