#pragma once

#include "CLine.h"
#include "FigureBodyText.h"
#include "FileResult.h"
#include "IFigureStore.h"
#include "IZelkDataFileIO.h"
#include "IZelkDataIterator.h"
#include "LineIndex.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// A figure: an ordered list of segments numbered from 1, and a comment. Refuses
// zero-length and repeated segments, keeps its extents and its unsaved-changes mark.
// Load and Save hand the reason of a failure to the caller; LoadData and SaveData also
// tell it through ModelNotice.
class CZelkData : public IZelkDataIterator, public IZelkDataFileIO, public IFigureStore {
public:
    // The most lines a figure holds: the file's line count is a 16-bit number, so a
    // larger figure could never be saved again.
    static constexpr int32_t kMaxLines = 32767;

    CZelkData();

    QString GetLine(int32_t index) const;
    bool OverWriteLine(int32_t index, const QString& NewLine);
    bool AddLine(const QString& A_Line);
    // The same rules as AddLine(text), for a segment already read as numbers.
    bool AddLine(const CLine& line) override;
    // A line whose numbers are as a file keeps them already (read from one).
    bool AddCanonicalLine(const CLine& line) override;
    bool AddLineTo(int32_t index, const QString& A_Line);
    bool DelLine(int32_t index);

    QString Comment() const override { return comment_; }
    void SetComment(const QString& NewComment) override;
    int32_t NumberOfLines() const override { return static_cast<int32_t>(lines_.size()); }

    // The extents as texts ("x,y,z"), and as numbers for the program's own use.
    QString GetMaxSize() const override;
    QString GetMaxPos() const;
    QString GetMinPos() const;
    using Point = std::array<float, 3>;
    const Point& MaxSize() const;
    const Point& MaxPos() const;
    const Point& MinPos() const;

    bool ClearData() override;

    // IZelkDataIterator
    void Reset() override;
    QString More() override;
    bool HasMore() const override;

    // Reading and writing with the reason of a failure, shown to nobody: the caller decides.
    FileResult Load(const QString& FileName);
    FileResult Save(const QString& FileName);

    // IZelkDataFileIO: the same, a failure shown through ModelNotice.
    bool LoadData(const QString& FileName) override;
    bool SaveData(const QString& FileName) override;
    bool IsDirty() const override { return dirty_; }
    QString FileName() const override { return fileName_; }

    // Puts the unsaved-changes mark back, e.g. after a safety copy was saved.
    void SetDirty(bool dirty) { dirty_ = dirty; }
    // True when the figure holds this segment (either way round), as a file keeps it.
    bool Contains(const CLine& line) const { return IsDuplicateLine(Canonical(line)); }
    // The number (from 1) of the line that is the same segment as line, in either
    // direction; 0 for none.
    int32_t IndexOf(const CLine& line) const;
    // Moves every line by offset (each coordinate as the file keeps it); lines that become
    // one with another, or a point, go. The number of lines that went.
    int32_t MoveBy(const Point& offset);
    // Room for n lines at once, for a figure about to be filled with many.
    void Reserve(int32_t n) override;
    // True when no more lines fit.
    bool IsFull() const { return NumberOfLines() >= kMaxLines; }
    // Segment lines the last load left out (zero length, repeated, not six numbers).
    int32_t SkippedLines() const { return skippedLines_; }
    void SetSkippedLines(int32_t count) override { skippedLines_ = count; }
    // The last load found lines after the comment line: what a rewrite cut short leaves
    // (the new figure's start, the old one's tail), so the figure may be a mix.
    bool MoreAfterComment() const { return moreAfterComment_; }
    void SetMoreAfterComment(bool more) override { moreAfterComment_ = more; }
    // The last load first put the file's old bytes back: a rewrite had been cut short.
    bool Restored() const { return restored_; }
    void SetRestored(bool restored) override { restored_ = restored; }
    // Exchanges everything with another figure: a figure read aside takes the place of
    // this one in one step.
    void Swap(CZelkData& other) noexcept;
    // The same lines in the same order (comments aside).
    bool SameLines(const CZelkData& other) const;

    static QString LineText(const CLine& line);
    // The segments in order (line k is element k - 1).
    const std::vector<CLine>& Lines() const override { return lines_; }
    // The file's header and segment lines, formatted once after each change of the lines
    // (the several files of one save share them), unchanged lines copied from the last.
    QByteArray FileBody() const;
    // The same bytes handed out for one write and given back after it, so that the
    // comment can be put behind them without copying the whole body.
    QByteArray TakeFileBody() const override;
    void KeepFileBody(QByteArray body) const override;

private:
    // A segment without direction: its two end points in a fixed order, so that a
    // segment and its reverse have the same key.
    using SegmentKey = LineIndex::Key;
    static SegmentKey KeyOf(const CLine& line) { return LineIndex::KeyOf(line); }

    FileResult Done(FileResult result, const QString& FileName);
    bool ParseLine(const QString& text, CLine& line) const;
    static CLine Canonical(const CLine& line);
    bool IsValidLine(const CLine& line) const;
    static bool IsZeroLengthLine(const CLine& line);
    bool IsDuplicateLine(const CLine& line) const;
    void Changed();
    void RecalcExtents() const;
    static QString PointText(const std::array<float, 3>& p);

    std::vector<CLine> lines_;
    QString comment_;
    bool dirty_ = false;
    QString fileName_;
    // Extents are recomputed on demand after changes that can shrink them, so that
    // appending many segments stays linear.
    mutable bool extentsValid_ = true;
    mutable std::array<float, 3> maxSize_{};
    mutable std::array<float, 3> maxPos_{};
    mutable std::array<float, 3> minPos_{};
    int32_t cursor_ = 0;
    int32_t skippedLines_ = 0;
    bool moreAfterComment_ = false;
    bool restored_ = false;
    mutable FigureBodyText body_;
    LineIndex index_;
};
