#pragma once

#include "Clipboard.h"

// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetImage(const QImage& image) override;
    QImage Image() const override;
};
