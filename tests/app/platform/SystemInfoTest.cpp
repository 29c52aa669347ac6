#include "CSystemInfo.h"
#include "TestPrinters.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(CSystemInfo, TextForms) {
    EXPECT_EQ(CSystemInfo::ProcessorText(0, 1, 586, 6, 0x80A),
              QStringLiteral("Architecture=INTEL,NumberOfProcessors=1,Type Pentium,"
                             "Level Pentium Pro/Pentium II,Revision 80A"));
    EXPECT_EQ(CSystemInfo::ProcessorText(9, 2, 8664, 25, 0x1),
              QStringLiteral("Architecture=Unknown( 9 ),NumberOfProcessors=2,Type Unknown( 8664 ),"
                             "Level Unknown( 25 ),Revision 1"));
    EXPECT_TRUE(CSystemInfo::MemoryText(42, 536870912, 123456789)
                    .contains(QRegularExpression(QStringLiteral(
                        "^MemoryLoad=42\\[%\\],TotalPhysicalMemory=536.870.912\\[byte\\],"
                        "AvailablePhysicalMemory=123.456.789\\[byte\\]$"))));
}

TEST(CSystemInfo, ReadsThisMachine) {
    const CSystemInfo info;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+ \\(\\d+\\)$"))
                    .match(info.GetOSVersionNumber())
                    .hasMatch())
        << info.GetOSVersionNumber().toStdString();
    EXPECT_TRUE(info.GetMemoryInfo().startsWith(QStringLiteral("MemoryLoad=")));
    EXPECT_TRUE(info.GetProcessorInfo().startsWith(QStringLiteral("Architecture=")));

    QStringList lines;
    ASSERT_TRUE(info.GetProcessList(lines));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.last().isEmpty()) << "one empty element at the end";
    const QString mine = QString::number(QCoreApplication::applicationPid(), 16).toUpper() + u',';
    bool found = false;
    for (const QString& line : lines) {
        found = found || line.startsWith(mine);
    }
    EXPECT_TRUE(found) << "this process is listed";
}

} // namespace
