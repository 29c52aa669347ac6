#include "CZelkData.h"
#include "CZelkInitialData_zelk01.h"

#include "TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CZelkInitialData, FillsAFigureWithTheFifteenEdgePrism) {
    CZelkInitialData_zelk01 source;
    CZelkData data;
    while (source.HasMore()) {
        EXPECT_TRUE(data.AddLine(source.More()));
    }
    data.SetComment(source.Comment());
    EXPECT_EQ(data.NumberOfLines(), 15);
    EXPECT_EQ(data.GetLine(1), QStringLiteral("0,0,0,80,0,0"));
    EXPECT_EQ(data.GetLine(15), QStringLiteral("80,40,0,80,40,40"));
    EXPECT_EQ(data.GetMaxSize(), QStringLiteral("80,80,40"));
    EXPECT_EQ(data.GetMaxPos(), QStringLiteral("80,80,40"));
    EXPECT_EQ(data.GetMinPos(), QStringLiteral("0,0,0"));
    EXPECT_EQ(data.Comment(), QStringLiteral("立体ゼルク\u3000デフォルト図形データ"));

    EXPECT_EQ(source.More(), QString());
    EXPECT_FALSE(source.HasMore());
    source.Reset();
    EXPECT_EQ(source.More(), QStringLiteral("0,0,0,80,0,0"));
    EXPECT_EQ(source.GetLine(0), QString());
    EXPECT_EQ(source.GetLine(16), QString());

    source.SetComment(QStringLiteral("other"));
    EXPECT_EQ(source.Comment(), QStringLiteral("立体ゼルク\u3000デフォルト図形データ"));
    EXPECT_FALSE(source.OverWriteLine(1, QStringLiteral("0,0,0,1,1,1")));
    EXPECT_EQ(source.GetLine(1), QStringLiteral("0,0,0,80,0,0"));
}

} // namespace
