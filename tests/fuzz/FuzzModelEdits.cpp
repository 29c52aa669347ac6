// The figure's edits against a plain reference: a list with a linear duplicate test.
#include "CZelkData.h"
#include "NumberText.h"

#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Segment = std::array<float, 6>;

// A few values, so that duplicates, reversals and zero lengths happen often.
constexpr float kValues[] = {0.0F, 80.0F, -20.0F, 1.0000001F, 1.0F, 2.5F, 1e30F, -0.0F};

bool Same(const Segment& a, const Segment& b) {
    const bool forward = a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3] &&
                         a[4] == b[4] && a[5] == b[5];
    const bool reverse = a[0] == b[3] && a[1] == b[4] && a[2] == b[5] && a[3] == b[0] &&
                         a[4] == b[1] && a[5] == b[2];
    return forward || reverse;
}

class Reference {
public:
    bool Valid(const Segment& s, int skip = -1) const {
        if (s[0] == s[3] && s[1] == s[4] && s[2] == s[5]) {
            return false;
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            if (static_cast<int>(i) != skip && Same(lines[i], s)) {
                return false;
            }
        }
        // The figure compares a line with itself too when overwriting.
        return skip < 0 || !Same(lines[static_cast<size_t>(skip)], s);
    }
    std::vector<Segment> lines;
};

QString Text(const Segment& s) {
    QStringList parts;
    for (const float v : s) {
        parts << NumberText::FromSingle(v);
    }
    return parts.join(u',');
}

Segment Canonical(Segment s) {
    for (float& v : s) {
        v = NumberText::Canonical(v);
    }
    return s;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CZelkData figure;
    Reference reference;
    size_t p = 0;
    const auto next = [&]() -> uint8_t { return p < size ? data[p++] : 0; };
    while (p + 7 <= size) {
        const uint8_t op = next() % 4;
        Segment s{};
        for (float& v : s) {
            v = kValues[next() % std::size(kValues)];
        }
        const Segment c = Canonical(s);
        const int n = static_cast<int>(reference.lines.size());
        const int index = n == 0 ? 1 : 1 + next() % (n + 1);
        bool got = false;
        bool want = false;
        switch (op) {
        case 0:
            got = figure.AddLine(CLine{s[0], s[1], s[2], s[3], s[4], s[5]});
            want = reference.Valid(c);
            if (want) {
                reference.lines.push_back(c);
            }
            break;
        case 1:
            got = figure.AddLineTo(index, Text(s));
            want = reference.Valid(c);
            if (want) {
                reference.lines.insert(reference.lines.begin() + std::min(index - 1, n), c);
            }
            break;
        case 2:
            got = figure.OverWriteLine(index, Text(s));
            if (index > n) {
                want = reference.Valid(c);
                if (want) {
                    reference.lines.push_back(c);
                }
            } else {
                want = reference.Valid(c, index - 1);
                if (want) {
                    reference.lines[static_cast<size_t>(index - 1)] = c;
                }
            }
            break;
        default:
            got = figure.DelLine(index);
            want = index <= n;
            if (want) {
                reference.lines.erase(reference.lines.begin() + (index - 1));
            }
            break;
        }
        if (got != want) {
            Fail("the figure and the reference disagree on an edit");
        }
        if (figure.NumberOfLines() != static_cast<int32_t>(reference.lines.size())) {
            Fail("line counts differ");
        }
    }
    for (size_t i = 0; i < reference.lines.size(); ++i) {
        if (figure.GetLine(static_cast<int32_t>(i + 1)) != Text(reference.lines[i])) {
            Fail("a line differs from the reference");
        }
    }
    return 0;
}
