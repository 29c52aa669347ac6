#include "CZelkData.h"

#include <QString>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

QString Text(const CLine& l) {
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(l.FromX)
        .arg(l.FromY)
        .arg(l.FromZ)
        .arg(l.ToX)
        .arg(l.ToY)
        .arg(l.ToZ);
}

bool SameSegment(const CLine& a, const CLine& b) {
    const auto same = [](const CLine& p, const CLine& q) {
        return p.FromX == q.FromX && p.FromY == q.FromY && p.FromZ == q.FromZ && p.ToX == q.ToX &&
               p.ToY == q.ToY && p.ToZ == q.ToZ;
    };
    return same(a, b) || same(a, CLine{b.ToX, b.ToY, b.ToZ, b.FromX, b.FromY, b.FromZ});
}

// The reference: a plain list, searched from the start.
bool Refused(const std::vector<CLine>& lines, const CLine& line) {
    if (line.FromX == line.ToX && line.FromY == line.ToY && line.FromZ == line.ToZ) {
        return true;
    }
    for (const CLine& l : lines) {
        if (SameSegment(l, line)) {
            return true;
        }
    }
    return false;
}

} // namespace

// Lines put in, overwritten and taken out anywhere in the list (each moving every line
// behind it) are still found at their places, either way round, and refused twice.
TEST(LineIndex, EveryLineIsFoundAtItsPlaceThroughAnyMixOfEdits) {
    std::mt19937 random(11);
    auto value = [&random] { return static_cast<float>(random() % 4); };
    for (const bool reserved : {false, true}) {
        CZelkData figure;
        if (reserved) {
            figure.Reserve(300);
        }
        std::vector<CLine> reference;
        for (int step = 0; step < 3000; ++step) {
            const CLine line{value(), value(), value(), value(), value(), value()};
            const int n = static_cast<int>(reference.size());
            const int place = 1 + static_cast<int>(random() % static_cast<unsigned>(n + 2));
            switch (random() % 6) {
            case 0:
            case 1: {
                const bool ok = !Refused(reference, line);
                ASSERT_EQ(figure.AddLineTo(place, Text(line)), ok) << step;
                if (ok) {
                    reference.insert(reference.begin() + std::min(place, n + 1) - 1, line);
                }
                break;
            }
            case 2: {
                const bool ok = !Refused(reference, line);
                ASSERT_EQ(figure.AddLine(Text(line)), ok) << step;
                if (ok) {
                    reference.push_back(line);
                }
                break;
            }
            case 3:
                if (place <= n) {
                    const bool ok = !Refused(reference, line);
                    ASSERT_EQ(figure.OverWriteLine(place, Text(line)), ok) << step;
                    if (ok) {
                        reference[static_cast<size_t>(place - 1)] = line;
                    }
                }
                break;
            default:
                ASSERT_EQ(figure.DelLine(place), place <= n) << step;
                if (place <= n) {
                    reference.erase(reference.begin() + place - 1);
                }
                break;
            }
            ASSERT_EQ(figure.NumberOfLines(), static_cast<int32_t>(reference.size())) << step;
            for (size_t i = 0; i < reference.size(); ++i) {
                const CLine& l = reference[i];
                ASSERT_EQ(figure.IndexOf(l), static_cast<int32_t>(i + 1)) << step;
                ASSERT_EQ(figure.IndexOf(CLine{l.ToX, l.ToY, l.ToZ, l.FromX, l.FromY, l.FromZ}),
                          static_cast<int32_t>(i + 1))
                    << step;
            }
            if (!Refused(reference, line)) {
                ASSERT_EQ(figure.IndexOf(line), 0) << step;
                ASSERT_FALSE(figure.Contains(line)) << step;
            }
        }
        EXPECT_GT(reference.size(), 50U);
    }
}
