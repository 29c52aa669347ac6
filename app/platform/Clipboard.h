#pragma once

#include <QImage>

// The clipboard as the copy commands use it. The program's is the system clipboard;
// tests use one in memory.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetImage(const QImage& image) = 0;
    virtual QImage Image() const = 0;
};
