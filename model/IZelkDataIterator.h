#pragma once

#include <QString>

// Walks the lines of a figure as line texts: Reset, then More while HasMore.
class IZelkDataIterator {
public:
    virtual ~IZelkDataIterator() = default;
    virtual void Reset() = 0;
    virtual QString More() = 0;
    virtual bool HasMore() const = 0;
};
