#pragma once

#include "Clipboard.h"

// A clipboard of the test's own, so that tests neither see nor change the system's.
class MemoryClipboard : public Clipboard {
public:
    void Clear() override {
        image = QImage();
        ++clears;
    }
    void SetImage(const QImage& picture) override { image = picture; }
    QImage Image() const override { return image; }

    QImage image;
    int clears = 0;
};
