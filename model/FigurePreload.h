#pragma once

#include <QDateTime>
#include <QString>
#include <future>
#include <memory>

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

    void Start(const QString& path);
    bool Take(const QString& path, CZelkData& into);

private:
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::future<std::unique_ptr<CZelkData>> read_;
};
