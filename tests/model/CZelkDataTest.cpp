#include "CZelkData.h"

#include "TestPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList AllLines(CZelkData& data) {
    QStringList out;
    for (int32_t i = 1; i <= data.NumberOfLines(); ++i) {
        out << data.GetLine(i);
    }
    return out;
}

TEST(CZelkData, RefusesDegenerateDuplicateAndMalformedTexts) {
    CZelkData data;
    EXPECT_TRUE(data.AddLine(QStringLiteral("0,0,0,80,0,0")));
    EXPECT_FALSE(data.AddLine(QStringLiteral("0,0,0,80,0,0")));
    EXPECT_FALSE(data.AddLine(QStringLiteral("80,0,0,0,0,0"))) << "reverse direction";
    EXPECT_FALSE(data.AddLine(QStringLiteral("5,5,5,5,5,5"))) << "zero length";
    EXPECT_FALSE(data.AddLine(QStringLiteral("1,2,3,4,5")));
    EXPECT_FALSE(data.AddLine(QStringLiteral("1,2,3,4,5,6,7")));
    EXPECT_FALSE(data.AddLine(QStringLiteral("1,2,,4,5,6")));
    EXPECT_FALSE(data.AddLine(QStringLiteral("1,2,x,4,5,6")));
    EXPECT_FALSE(data.AddLine(QString()));
    EXPECT_FALSE(data.AddLine(QStringLiteral("-0,0,0,80,0,0"))) << "-0 equals 0";
    EXPECT_TRUE(data.AddLine(QStringLiteral(" 1, 2,3,  4,5,6")));
    EXPECT_EQ(data.NumberOfLines(), 2);
    EXPECT_EQ(data.GetLine(2), QStringLiteral("1,2,3,4,5,6"));
    EXPECT_FALSE(data.OverWriteLine(1, data.GetLine(1))) << "a line repeats itself";
    EXPECT_EQ(data.GetLine(0), QStringLiteral("0,0,0,0,0,0"));
    EXPECT_EQ(data.GetLine(3), QStringLiteral("0,0,0,0,0,0"));
}

TEST(CZelkData, InsertOverwriteAndDeleteRenumberAndKeepTheDuplicateIndex) {
    CZelkData data;
    data.AddLine(QStringLiteral("0,0,0,1,0,0"));
    data.AddLine(QStringLiteral("0,0,0,2,0,0"));
    data.AddLine(QStringLiteral("0,0,0,3,0,0"));
    EXPECT_TRUE(data.AddLineTo(2, QStringLiteral("0,0,0,9,0,0")));
    EXPECT_EQ(AllLines(data),
              (QStringList{"0,0,0,1,0,0", "0,0,0,9,0,0", "0,0,0,2,0,0", "0,0,0,3,0,0"}));
    EXPECT_TRUE(data.AddLineTo(99, QStringLiteral("0,0,0,4,0,0")));
    EXPECT_EQ(data.GetLine(5), QStringLiteral("0,0,0,4,0,0"));
    EXPECT_FALSE(data.AddLineTo(0, QStringLiteral("0,0,0,5,0,0")));
    EXPECT_FALSE(data.AddLineTo(1, QStringLiteral("2,0,0,0,0,0")));
    EXPECT_EQ(data.NumberOfLines(), 5);

    EXPECT_TRUE(data.OverWriteLine(2, QStringLiteral("0,0,0,7,0,0")));
    EXPECT_EQ(data.GetLine(2), QStringLiteral("0,0,0,7,0,0"));
    EXPECT_TRUE(data.AddLine(QStringLiteral("9,0,0,0,0,0"))) << "overwritten segment is free again";
    EXPECT_FALSE(data.AddLine(QStringLiteral("7,0,0,0,0,0")));
    EXPECT_TRUE(data.OverWriteLine(50, QStringLiteral("0,0,0,8,0,0"))) << "appends";
    EXPECT_EQ(data.NumberOfLines(), 7);
    EXPECT_FALSE(data.OverWriteLine(0, QStringLiteral("0,0,0,6,0,0")));
    EXPECT_EQ(data.NumberOfLines(), 7);

    EXPECT_TRUE(data.DelLine(1));
    EXPECT_EQ(data.GetLine(1), QStringLiteral("0,0,0,7,0,0"));
    EXPECT_TRUE(data.AddLine(QStringLiteral("1,0,0,0,0,0"))) << "deleted segment is free again";
    EXPECT_FALSE(data.DelLine(0));
    EXPECT_FALSE(data.DelLine(data.NumberOfLines() + 1));

    CZelkData empty;
    EXPECT_TRUE(empty.OverWriteLine(-3, QStringLiteral("0,0,0,1,1,1")));
    EXPECT_EQ(empty.NumberOfLines(), 1);
    EXPECT_TRUE(empty.DelLine(1));
    EXPECT_EQ(empty.NumberOfLines(), 0);
    EXPECT_EQ(empty.GetMaxSize(), QStringLiteral("0,0,0"));
    EXPECT_EQ(empty.GetMaxPos(), QStringLiteral("0,0,0"));
    EXPECT_EQ(empty.GetMinPos(), QStringLiteral("0,0,0"));
    EXPECT_FALSE(empty.HasMore());

    empty.AddLine(QStringLiteral("1,1,1,2,2,2"));
    empty.ClearData();
    EXPECT_TRUE(empty.AddLine(QStringLiteral("1,1,1,2,2,2"))) << "clearing empties the index";
}

TEST(CZelkData, ExtentsFollowEveryChange) {
    CZelkData data;
    data.AddLine(QStringLiteral("-10,5,0,-30,7,1"));
    EXPECT_EQ(data.GetMaxPos(), QStringLiteral("0,7,1"));
    EXPECT_EQ(data.GetMinPos(), QStringLiteral("-30,5,0"));
    EXPECT_EQ(data.GetMaxSize(), QStringLiteral("30,2,1"));

    CZelkData inside;
    inside.AddLine(QStringLiteral("10,10,10,50,50,50"));
    inside.AddLine(QStringLiteral("20,30,40,10,50,10"));
    EXPECT_EQ(inside.GetMinPos(), QStringLiteral("10,10,10"));
    EXPECT_EQ(inside.GetMaxPos(), QStringLiteral("50,50,50"));
    EXPECT_EQ(inside.GetMaxSize(), QStringLiteral("40,40,40"));
    inside.AddLine(QStringLiteral("5,60,10,10,10,10"));
    EXPECT_EQ(inside.GetMinPos(), QStringLiteral("5,10,10"));
    EXPECT_EQ(inside.GetMaxPos(), QStringLiteral("50,60,50"));
    inside.DelLine(3);
    EXPECT_EQ(inside.GetMinPos(), QStringLiteral("10,10,10"));
    inside.OverWriteLine(1, QStringLiteral("10,10,10,12,12,12"));
    EXPECT_EQ(inside.GetMaxPos(), QStringLiteral("20,50,40"));
    inside.AddLineTo(1, QStringLiteral("0,0,0,100,0,0"));
    EXPECT_EQ(inside.GetMaxSize(), QStringLiteral("100,50,40"));

    // A figure lying wholly beyond 99999 mm: MinPos is still where its points are, and
    // the size is its own, however the lines arrive.
    CZelkData far;
    far.AddLine(QStringLiteral("200000,300000,150000,250000,310000,160000"));
    EXPECT_EQ(far.GetMinPos(), QStringLiteral("200000,300000,150000"));
    far.AddLine(QStringLiteral("210000,305000,155000,220000,320000,170000"));
    EXPECT_EQ(far.GetMinPos(), QStringLiteral("200000,300000,150000"));
    EXPECT_EQ(far.GetMaxSize(), QStringLiteral("50000,20000,20000"));
    far.DelLine(1);
    EXPECT_EQ(far.GetMinPos(), QStringLiteral("210000,305000,155000"));
    EXPECT_EQ(far.GetMaxPos(), QStringLiteral("220000,320000,170000"));
    EXPECT_EQ(far.GetMaxSize(), QStringLiteral("10000,15000,15000"));
}

TEST(CZelkData, IteratorCursorDirtyFlagAndComment) {
    CZelkData data;
    EXPECT_FALSE(data.HasMore());
    EXPECT_EQ(data.More(), QStringLiteral("0,0,0,0,0,0"));
    data.Reset();
    EXPECT_FALSE(data.HasMore());

    data.SetComment(QString());
    EXPECT_FALSE(data.IsDirty()) << "unchanged comment";
    data.AddLine(QStringLiteral("0,0,0,1,0,0"));
    EXPECT_TRUE(data.IsDirty());
    EXPECT_TRUE(data.HasMore());
    data.AddLine(QStringLiteral("0,0,0,2,0,0"));
    EXPECT_EQ(data.More(), QStringLiteral("0,0,0,2,0,0")) << "cursor sits on the new last line";
    EXPECT_FALSE(data.HasMore());
    data.AddLine(QStringLiteral("0,0,0,2,0,0"));
    EXPECT_TRUE(data.HasMore()) << "a refused add still puts the cursor on the last line";

    data.Reset();
    QStringList walked;
    while (data.HasMore()) {
        walked << data.More();
    }
    EXPECT_EQ(walked, (QStringList{"0,0,0,1,0,0", "0,0,0,2,0,0"}));

    data.ClearData();
    EXPECT_FALSE(data.IsDirty());
    data.SetComment(QStringLiteral("x"));
    EXPECT_TRUE(data.IsDirty());
    data.SetDirty(false);
    EXPECT_FALSE(data.IsDirty());
    data.SetDirty(true);
    EXPECT_TRUE(data.IsDirty());
}

} // namespace
