#pragma once

#include "IZelkDataIterator.h"

#include <QString>
#include <cstdint>

// The built-in figure shown when the program starts without a figure: a pentagonal
// prism of fifteen edges. Read-only; iteration starts at line 1 without a Reset.
class CZelkInitialData_zelk01 : public IZelkDataIterator {
public:
    static constexpr int32_t kLineCount = 15;

    QString GetLine(int16_t index) const;
    bool OverWriteLine(int16_t index, const QString& NewValue);
    QString Comment() const;
    void SetComment(const QString& NewValue);

    void Reset() override;
    QString More() override;
    bool HasMore() const override;

private:
    int32_t cursor_ = 1;
};
