#pragma once

#include "CLine.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// What the figure file format reads into and writes from: the figure's lines, comment and
// what a load found. The figure implements it; the format knows nothing more of the figure,
// so that the figure may use the format without the two depending on each other.
class IFigureStore {
public:
    virtual ~IFigureStore() = default;

    virtual bool ClearData() = 0;
    // The same rules as the figure's own: zero-length and repeated segments are refused.
    virtual bool AddLine(const CLine& line) = 0;
    // The same for a line whose numbers are already as a file keeps them (read from one).
    virtual bool AddCanonicalLine(const CLine& line) = 0;
    // Room for n lines (a load knows how many come).
    virtual void Reserve(int32_t n) = 0;
    virtual QString Comment() const = 0;
    virtual void SetComment(const QString& comment) = 0;
    virtual int32_t NumberOfLines() const = 0;
    virtual const std::vector<CLine>& Lines() const = 0;
    virtual QString GetMaxSize() const = 0;
    virtual void SetSkippedLines(int32_t count) = 0;
    virtual void SetMoreAfterComment(bool more) = 0;
    virtual void SetRestored(bool restored) = 0;
    // The header and segment lines, handed out for one write and given back after it.
    virtual QByteArray TakeFileBody() const = 0;
    virtual void KeepFileBody(QByteArray body) const = 0;
    virtual bool IsDirty() const = 0;
    virtual QString FileName() const = 0;
};
