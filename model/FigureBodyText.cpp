#include "FigureBodyText.h"

#include "CZelkDataFileIOStratety_Ver100.h"
#include "IFigureStore.h"
#include "NumberText.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace {

constexpr int kZoneWidth = CZelkDataFileIOStratety_Ver100::kZoneWidth;

static_assert(sizeof(CLine) == 6 * sizeof(float), "a line is its six numbers, nothing between");

bool Same(const CLine& a, const CLine& b) {
    return std::memcmp(&a, &b, sizeof(CLine)) == 0;
}

} // namespace

bool FigureBodyText::Whole() const {
    return starts_.size() == lines_.size() + 1 &&
           static_cast<qsizetype>(starts_.back()) == text_.size();
}

const QByteArray& FigureBodyText::Make(const IFigureStore& data) {
    if (current_ && Whole()) {
        return text_;
    }
    const QByteArray header =
        CZelkDataFileIOStratety_Ver100::FormatHeader(data.GetMaxSize(), data.NumberOfLines())
            .toLatin1() +
        "\r\n";
    const std::vector<CLine>& lines = data.Lines();
    const size_t kept = Whole() ? lines_.size() : 0;
    // A number takes at most kMaxChars and its padding at most a zone: room for the
    // longest line, written straight into the buffer.
    constexpr qsizetype kLongestLine = 6 * (NumberText::kMaxChars + kZoneWidth) + 2;
    QByteArray out(header.size() + static_cast<qsizetype>(lines.size()) * kLongestLine,
                   Qt::Uninitialized);
    std::vector<uint32_t> starts(lines.size() + 1);
    char* p = out.data();
    std::memcpy(p, header.constData(), static_cast<size_t>(header.size()));
    p += header.size();
    // A figure's numbers repeat (end points are shared, coordinates lie on a few grid
    // values), so each text is kept in a small table by its value's bits and copied.
    struct Remembered {
        // Every slot starts as the text of +0, which is right for its bits.
        uint32_t bits = 0;
        int length = 1;
        char text[NumberText::kMaxChars] = {'0'};
    };
    std::array<Remembered, 256> remembered{};
    // i walks the lines, j the lines of the last text. A figure holds no line twice, so
    // one edit shows as one line that is not where it was: written anew (an insertion or
    // an overwrite) or passed over in the old text (a deletion); the rest is copied.
    size_t j = 0;
    for (size_t i = 0; i < lines.size();) {
        if (j < kept && Same(lines[i], lines_[j])) {
            // A run of lines as they were: one copy.
            size_t run = 1;
            while (i + run < lines.size() && j + run < kept &&
                   Same(lines[i + run], lines_[j + run])) {
                ++run;
            }
            const auto at = static_cast<uint32_t>(p - out.constData());
            for (size_t k = 0; k < run; ++k) {
                starts[i + k] = starts_[j + k] - starts_[j] + at;
            }
            const size_t length = starts_[j + run] - starts_[j];
            std::memcpy(p, text_.constData() + starts_[j], length);
            p += length;
            i += run;
            j += run;
            continue;
        }
        if (j + 1 < kept && Same(lines[i], lines_[j + 1])) {
            ++j;
            continue;
        }
        starts[i] = static_cast<uint32_t>(p - out.constData());
        const CLine& l = lines[i];
        char* lineStart = p;
        const float v[6] = {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ};
        for (int n = 0; n < 6; ++n) {
            const auto bits = std::bit_cast<uint32_t>(v[n]);
            Remembered& slot = remembered[(bits * 2654435761U) >> 24];
            if (slot.bits != bits) {
                slot.length = NumberText::FromSingle(v[n], slot.text);
                slot.bits = bits;
            }
            std::memcpy(p, slot.text, NumberText::kMaxChars);
            p += slot.length;
            if (n < 5) {
                // Print zones of 14 columns, always at least one blank.
                const auto column = static_cast<int>(p - lineStart);
                const int pad = (column / kZoneWidth + 1) * kZoneWidth - column;
                // A fixed-size fill is one store, where a fill of `pad` is a library call;
                // the line's room (kLongestLine) takes the blanks past the pad.
                static_assert(kZoneWidth <= 16);
                std::memset(p, ' ', 16);
                p += pad;
            }
        }
        *p++ = '\r';
        *p++ = '\n';
        ++i;
        // An overwritten line takes the old one's place; an inserted one takes none.
        if (!(i < lines.size() && j < kept && Same(lines[i], lines_[j]))) {
            ++j;
        }
    }
    starts.back() = static_cast<uint32_t>(p - out.constData());
    out.truncate(p - out.constData());
    text_ = std::move(out);
    lines_ = lines;
    starts_ = std::move(starts);
    current_ = true;
    return text_;
}

QByteArray FigureBodyText::Take() {
    return std::exchange(text_, QByteArray());
}

void FigureBodyText::Keep(QByteArray text) {
    text_ = std::move(text);
}

void FigureBodyText::Clear() {
    text_.clear();
    lines_.clear();
    starts_.clear();
    current_ = false;
}
