#include "PictureReadAhead.h"

PictureReadAhead::~PictureReadAhead() {
    if (read_.valid()) {
        read_.wait();
    }
}

void PictureReadAhead::Start(const QString& path, QImage (*read)(const QString&)) {
    path_ = path;
    read_ = std::async(std::launch::async, read, path);
}

QImage PictureReadAhead::Take(const QString& path) {
    if (!read_.valid() || path != path_) {
        return {};
    }
    return read_.get();
}
