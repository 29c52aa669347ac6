#include "SegmentSet.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

// Any mix of inserts and erases (gone slots reused, the table grown and cleaned) answers
// exactly as an ordinary set does.
TEST(SegmentSet, AnswersAsAnOrdinarySetThroughInsertsAndErases) {
    std::mt19937 random(7);
    for (const int keys : {3, 40, 5000}) {
        SegmentSet set;
        std::set<SegmentSet::Key> reference;
        if (keys == 5000) {
            set.Reserve(100);
        }
        for (int step = 0; step < 40000; ++step) {
            const auto k = static_cast<float>(random() % static_cast<unsigned>(keys));
            const SegmentSet::Key key{k, k * 0.5F, -k, 1, 2, static_cast<float>(step % 3)};
            switch (random() % 3) {
            case 0:
            case 1:
                ASSERT_EQ(set.Insert(key), reference.insert(key).second) << step;
                break;
            default:
                ASSERT_EQ(set.Erase(key), reference.erase(key) == 1) << step;
                break;
            }
            ASSERT_EQ(set.Size(), reference.size()) << step;
            const auto probe = static_cast<float>(random() % static_cast<unsigned>(keys));
            const SegmentSet::Key other{
                probe, probe * 0.5F, -probe, 1, 2, static_cast<float>(random() % 3)};
            ASSERT_EQ(set.Contains(other), reference.count(other) == 1) << step;
        }
        set.Clear();
        EXPECT_EQ(set.Size(), 0U);
        EXPECT_FALSE(set.Contains(*reference.begin()));
    }
}

} // namespace
