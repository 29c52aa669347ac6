#include "CZelkData.h"

#include "CZelkDataFileIOStratety_Ver100.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

CZelkData::CZelkData() {
    ClearData();
}

QString CZelkData::LineText(const CLine& l) {
    // Written into one buffer, without a text of its own for each number.
    char buffer[6 * (NumberText::kMaxChars + 1)];
    int n = 0;
    for (const float v : {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ}) {
        if (n > 0) {
            buffer[n++] = ',';
        }
        n += NumberText::FromSingle(v, buffer + n);
    }
    return QString::fromLatin1(buffer, n);
}

QString CZelkData::GetLine(int32_t index) const {
    if (index < 1 || index > NumberOfLines()) {
        return QStringLiteral("0,0,0,0,0,0");
    }
    return LineText(lines_[static_cast<size_t>(index - 1)]);
}

bool CZelkData::ParseLine(const QString& text, CLine& line) const {
    float v[6];
    if (!NumberText::ToSingles(text, v, 6)) {
        return false;
    }
    line = Canonical(CLine{v[0], v[1], v[2], v[3], v[4], v[5]});
    return true;
}

CLine CZelkData::Canonical(const CLine& l) {
    return CLine{NumberText::Canonical(l.FromX), NumberText::Canonical(l.FromY),
                 NumberText::Canonical(l.FromZ), NumberText::Canonical(l.ToX),
                 NumberText::Canonical(l.ToY),   NumberText::Canonical(l.ToZ)};
}

bool CZelkData::IsZeroLengthLine(const CLine& l) {
    return l.FromX == l.ToX && l.FromY == l.ToY && l.FromZ == l.ToZ;
}

bool CZelkData::IsDuplicateLine(const CLine& line) const {
    return index_.Find(KeyOf(line), lines_) >= 0;
}

int32_t CZelkData::IndexOf(const CLine& given) const {
    return index_.Find(KeyOf(Canonical(given)), lines_) + 1;
}

bool CZelkData::IsValidLine(const CLine& line) const {
    return !IsZeroLengthLine(line) && !IsDuplicateLine(line);
}

void CZelkData::Changed() {
    dirty_ = true;
    extentsValid_ = false;
    body_.Changed();
}

QByteArray CZelkData::FileBody() const {
    return body_.Make(*this);
}

QByteArray CZelkData::TakeFileBody() const {
    body_.Make(*this);
    return body_.Take();
}

void CZelkData::KeepFileBody(QByteArray body) const {
    body_.Keep(std::move(body));
}

bool CZelkData::AddLine(const CLine& given) {
    // Stored as the file will keep it, so that lines differing only beyond the seventh
    // digit are refused now rather than merged silently by the next load.
    return AddCanonicalLine(Canonical(given));
}

bool CZelkData::AddCanonicalLine(const CLine& line) {
    cursor_ = NumberOfLines();
    // The index's insertion is its duplicate check: one probe a line (a load adds 32767).
    if (IsFull() || IsZeroLengthLine(line) ||
        !index_.Insert(KeyOf(line), static_cast<uint32_t>(lines_.size()), lines_)) {
        return false;
    }
    lines_.push_back(line);
    cursor_ = NumberOfLines();
    const bool wasValid = extentsValid_;
    Changed();
    if (wasValid && lines_.size() > 1) {
        // Appending can only widen the box: update it without a full walk.
        for (int axis = 0; axis < 3; ++axis) {
            const float from = axis == 0 ? line.FromX : axis == 1 ? line.FromY : line.FromZ;
            const float to = axis == 0 ? line.ToX : axis == 1 ? line.ToY : line.ToZ;
            maxPos_[axis] = std::max({maxPos_[axis], from, to});
            minPos_[axis] = std::min({minPos_[axis], from, to});
            maxSize_[axis] = std::fabs(maxPos_[axis] - minPos_[axis]);
        }
        extentsValid_ = true;
    }
    return true;
}

int32_t CZelkData::MoveBy(const Point& offset) {
    std::vector<CLine> lines;
    lines.swap(lines_);
    index_.Clear();
    index_.Reserve(lines.size(), lines_);
    lines_.reserve(lines.size());
    extentsValid_ = false;
    int32_t dropped = 0;
    for (const CLine& l : lines) {
        const CLine moved{l.FromX + offset[0], l.FromY + offset[1], l.FromZ + offset[2],
                          l.ToX + offset[0],   l.ToY + offset[1],   l.ToZ + offset[2]};
        dropped += AddLine(moved) ? 0 : 1;
    }
    Changed();
    return dropped;
}

bool CZelkData::AddLine(const QString& A_Line) {
    CLine line;
    if (!ParseLine(A_Line, line)) {
        cursor_ = NumberOfLines();
        return false;
    }
    return AddLine(line);
}

bool CZelkData::AddLineTo(int32_t index, const QString& A_Line) {
    CLine line;
    const bool ok = index >= 1 && !IsFull() && ParseLine(A_Line, line) && IsValidLine(line);
    if (ok) {
        const int32_t n = NumberOfLines();
        const int32_t at = index > n ? n + 1 : index;
        lines_.insert(lines_.begin() + (at - 1), line);
        index_.Shift(static_cast<uint32_t>(at - 1), 1);
        index_.Insert(KeyOf(line), static_cast<uint32_t>(at - 1), lines_);
        Changed();
    }
    cursor_ = NumberOfLines();
    return ok;
}

bool CZelkData::OverWriteLine(int32_t index, const QString& NewLine) {
    const int32_t n = NumberOfLines();
    if (n == 0 || index > n) {
        return AddLine(NewLine);
    }
    CLine line;
    const bool ok = index >= 1 && ParseLine(NewLine, line) && IsValidLine(line);
    if (ok) {
        CLine& stored = lines_[static_cast<size_t>(index - 1)];
        index_.Erase(KeyOf(stored), lines_);
        stored = line;
        index_.Insert(KeyOf(line), static_cast<uint32_t>(index - 1), lines_);
        Changed();
    }
    cursor_ = NumberOfLines();
    return ok;
}

bool CZelkData::DelLine(int32_t index) {
    const bool ok = index >= 1 && index <= NumberOfLines();
    if (ok) {
        const auto it = lines_.begin() + (index - 1);
        index_.Erase(KeyOf(*it), lines_);
        lines_.erase(it);
        index_.Shift(static_cast<uint32_t>(index), -1);
        Changed();
    }
    cursor_ = NumberOfLines();
    return ok;
}

void CZelkData::SetComment(const QString& NewComment) {
    if (NewComment != comment_) {
        comment_ = NewComment;
        dirty_ = true;
    }
}

void CZelkData::RecalcExtents() const {
    extentsValid_ = true;
    if (lines_.empty()) {
        maxSize_ = maxPos_ = minPos_ = {0.0F, 0.0F, 0.0F};
        return;
    }
    // MaxPos never goes below 0; MinPos is the true minimum, so it starts from a point
    // of the figure (a fixed start such as 99999 would be wrong for figures beyond it).
    std::array<float, 3> mx{0.0F, 0.0F, 0.0F};
    const CLine& first = lines_.front();
    std::array<float, 3> mn{first.FromX, first.FromY, first.FromZ};
    for (const CLine& l : lines_) {
        const float values[2][3] = {{l.FromX, l.FromY, l.FromZ}, {l.ToX, l.ToY, l.ToZ}};
        for (const auto& point : values) {
            for (int axis = 0; axis < 3; ++axis) {
                if (point[axis] >= mx[axis]) {
                    mx[axis] = point[axis];
                }
                if (point[axis] <= mn[axis]) {
                    mn[axis] = point[axis];
                }
            }
        }
    }
    maxPos_ = mx;
    minPos_ = mn;
    for (int axis = 0; axis < 3; ++axis) {
        maxSize_[axis] = std::fabs(mx[axis] - mn[axis]);
    }
}

QString CZelkData::PointText(const std::array<float, 3>& p) {
    return NumberText::FromSingle(p[0]) + u',' + NumberText::FromSingle(p[1]) + u',' +
           NumberText::FromSingle(p[2]);
}

const CZelkData::Point& CZelkData::MaxSize() const {
    if (!extentsValid_) {
        RecalcExtents();
    }
    return maxSize_;
}

const CZelkData::Point& CZelkData::MaxPos() const {
    if (!extentsValid_) {
        RecalcExtents();
    }
    return maxPos_;
}

const CZelkData::Point& CZelkData::MinPos() const {
    if (!extentsValid_) {
        RecalcExtents();
    }
    return minPos_;
}

QString CZelkData::GetMaxSize() const {
    return PointText(MaxSize());
}

QString CZelkData::GetMaxPos() const {
    return PointText(MaxPos());
}

QString CZelkData::GetMinPos() const {
    return PointText(MinPos());
}

void CZelkData::Reserve(int32_t n) {
    const auto count = static_cast<size_t>(std::clamp(n, 0, kMaxLines));
    lines_.reserve(count);
    index_.Reserve(count, lines_);
}

void CZelkData::Swap(CZelkData& other) noexcept {
    std::swap(*this, other);
}

bool CZelkData::SameLines(const CZelkData& other) const {
    if (lines_.size() != other.lines_.size()) {
        return false;
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
        const CLine& a = lines_[i];
        const CLine& b = other.lines_[i];
        if (a.FromX != b.FromX || a.FromY != b.FromY || a.FromZ != b.FromZ || a.ToX != b.ToX ||
            a.ToY != b.ToY || a.ToZ != b.ToZ) {
            return false;
        }
    }
    return true;
}

bool CZelkData::ClearData() {
    skippedLines_ = 0;
    moreAfterComment_ = false;
    restored_ = false;
    comment_.clear();
    fileName_.clear();
    dirty_ = false;
    lines_.clear();
    index_.Clear();
    body_.Clear();
    RecalcExtents();
    cursor_ = 0;
    return true;
}

void CZelkData::Reset() {
    cursor_ = cursor_ >= 1 ? 1 : 0;
}

bool CZelkData::HasMore() const {
    return cursor_ >= 1 && cursor_ <= NumberOfLines();
}

QString CZelkData::More() {
    if (!HasMore()) {
        return QStringLiteral("0,0,0,0,0,0");
    }
    return GetLine(cursor_++);
}

FileResult CZelkData::Load(const QString& FileName) {
    CZelkDataFileIOStratety_Ver100 strategy;
    strategy.Create(this);
    return Done(strategy.Load(FileName), FileName);
}

FileResult CZelkData::Save(const QString& FileName) {
    CZelkDataFileIOStratety_Ver100 strategy;
    strategy.Create(this);
    return Done(strategy.Save(FileName), FileName);
}

// After a load or save that succeeded, the figure is that file's and unchanged.
FileResult CZelkData::Done(FileResult result, const QString& FileName) {
    if (result) {
        dirty_ = false;
        fileName_ = FileName;
        cursor_ = NumberOfLines() > 0 ? 1 : 0;
    }
    return result;
}

bool CZelkData::LoadData(const QString& FileName) {
    return CZelkDataFileIOStratety_Ver100::Told(Load(FileName));
}

bool CZelkData::SaveData(const QString& FileName) {
    return CZelkDataFileIOStratety_Ver100::Told(Save(FileName));
}
