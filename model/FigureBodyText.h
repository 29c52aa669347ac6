#pragma once

#include "CLine.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

class IFigureStore;

// The figure file's body (its header line and one line a segment, each ending in CR LF)
// kept from one save to the next. A segment's text depends on its six numbers alone, so
// where they are bit for bit what the last text was made from, its text is copied from
// there rather than written again: saving a large figure after a small edit costs little
// more than the write itself.
class FigureBodyText {
public:
    // The body of the figure's lines as they are now.
    const QByteArray& Make(const IFigureStore& data);
    // The lines changed: the next Make writes the body again (copying what it can).
    void Changed() { current_ = false; }
    // Hands the text out for one write (so that the comment can go behind it without a
    // copy); Keep gives the same bytes back. Until then nothing of it is reused.
    QByteArray Take();
    void Keep(QByteArray text);
    void Clear();

private:
    // The text, its lines and where each line starts agree.
    bool Whole() const;

    QByteArray text_;
    // The numbers the text was made from, and where each line's text starts (one more:
    // where the last one ends).
    std::vector<CLine> lines_;
    std::vector<uint32_t> starts_;
    bool current_ = false;
};
