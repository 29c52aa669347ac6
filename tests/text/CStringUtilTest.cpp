#include "CStringUtil.h"

#include "TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CStringUtil, EmptyTextLeavesArrayUntouchedAndMissingDelimiterGivesWholeText) {
    CStringUtil util;
    QList<QString> parts{QStringLiteral("keep"), QStringLiteral("me")};
    EXPECT_EQ(util.StringSprit(QString(), QStringLiteral(","), parts, 0, 255), 0);
    EXPECT_EQ(parts, (QList<QString>{QStringLiteral("keep"), QStringLiteral("me")}));

    EXPECT_EQ(util.StringSprit(QStringLiteral("abc"), QStringLiteral(","), parts, 0, 255), 1);
    EXPECT_EQ(parts, QList<QString>{QStringLiteral("abc")});

    EXPECT_EQ(util.StringSprit(QStringLiteral("a,b"), QString(), parts, 0, 255), 1);
    EXPECT_EQ(parts, QList<QString>{QStringLiteral("a,b")});
}

TEST(CStringUtil, EmptyPiecesAtEdgesAndBetweenDelimiters) {
    CStringUtil util;
    QList<QString> parts;
    EXPECT_EQ(util.StringSprit(QStringLiteral("0,0,0,0,0,0"), QStringLiteral(","), parts, 0, 255),
              6);
    EXPECT_EQ(parts.size(), 6);

    EXPECT_EQ(util.StringSprit(QStringLiteral("a,b,"), QStringLiteral(","), parts, 0, 255), 3);
    EXPECT_EQ(parts, (QList<QString>{"a", "b", ""}));

    EXPECT_EQ(util.StringSprit(QStringLiteral("a,,b"), QStringLiteral(","), parts, 0, 255), 3);
    EXPECT_EQ(parts, (QList<QString>{"a", "", "b"}));

    EXPECT_EQ(util.StringSprit(QStringLiteral(",a"), QStringLiteral(","), parts, 0, 255), 2);
    EXPECT_EQ(parts, (QList<QString>{"", "a"}));

    EXPECT_EQ(util.StringSprit(QStringLiteral(","), QStringLiteral(","), parts, 0, 255), 2);
    EXPECT_EQ(parts, (QList<QString>{"", ""}));
}

TEST(CStringUtil, GrowsPastItsStepAndMatchesLongDelimitersWhole) {
    CStringUtil util;
    QList<QString> parts;
    QStringList many;
    for (int i = 0; i < 1000; ++i) {
        many << QString::number(i);
    }
    EXPECT_EQ(util.StringSprit(many.join(u','), QStringLiteral(","), parts, 0, 255), 1000);
    ASSERT_EQ(parts.size(), 1000);
    EXPECT_EQ(parts[256], QStringLiteral("256"));
    EXPECT_EQ(parts[999], QStringLiteral("999"));

    EXPECT_EQ(util.StringSprit(many.join(u','), QStringLiteral(","), parts, 0, 3), 1000);
    EXPECT_EQ(parts[998], QStringLiteral("998"));

    EXPECT_EQ(util.StringSprit(QStringLiteral("a<>b<c>d<>e"), QStringLiteral("<>"), parts, 0, 255),
              3);
    EXPECT_EQ(parts, (QList<QString>{"a", "b<c>d", "e"}));
}

TEST(CStringUtil, ComparisonModeOneIgnoresCase) {
    CStringUtil util;
    QList<QString> parts;
    EXPECT_EQ(util.StringSprit(QStringLiteral("aXbxc"), QStringLiteral("x"), parts, 0, 255), 2);
    EXPECT_EQ(util.StringSprit(QStringLiteral("aXbxc"), QStringLiteral("x"), parts, 1, 255), 3);
    EXPECT_EQ(parts, (QList<QString>{"a", "b", "c"}));
}

} // namespace
