#pragma once

#include <QImage>
#include <QString>
#include <future>

// A picture read on another thread while the program does something else: the splash's,
// while the main window is built (decoding it and its new memory would otherwise hold up
// the start). Taken once, by the name it was read for.
class PictureReadAhead {
public:
    PictureReadAhead() = default;
    ~PictureReadAhead();
    PictureReadAhead(const PictureReadAhead&) = delete;
    PictureReadAhead& operator=(const PictureReadAhead&) = delete;

    // read: how the picture is read (on the other thread).
    void Start(const QString& path, QImage (*read)(const QString&));
    // The picture read for path; null when none was read for it (the caller reads it).
    QImage Take(const QString& path);

private:
    QString path_;
    std::future<QImage> read_;
};
