#include "CZelkData.h"
#include "CZelkDataFileIOStratety_Ver100.h"
#include "CZelkInitialData_zelk01.h"
#include "FileSizeLimit.h"
#include "NoticeRecorder.h"

#include "TestPrinters.h"
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <csignal>
#include <functional>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kLoadTitle = QStringLiteral("データ読み込みエラー");
const QString kSaveTitle = QStringLiteral("データ書き込みエラー");

void FillBuiltIn(CZelkData& data) {
    CZelkInitialData_zelk01 source;
    while (source.HasMore()) {
        data.AddLine(source.More());
    }
    data.SetComment(source.Comment());
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class FileFormat : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    NoticeRecorder recorder;
};

TEST_F(FileFormat, WritesTheBuiltInFigureByteExactInShiftJisWithCrLf) {
    CZelkData data;
    FillBuiltIn(data);
    ASSERT_TRUE(data.SaveData(Path("zelk01.zlk")));
    const QByteArray bytes = ReadBytes(Path("zelk01.zlk"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 18) << "header, 15 segments, comment, and nothing after the last CR LF";
    EXPECT_EQ(lines[0], QByteArray("80            80            40             15 \r"));
    EXPECT_EQ(
        lines[1],
        QByteArray("0             0             0             80            0             0\r"));
    EXPECT_EQ(lines[16], QByteArray::fromHex(
                             "97a791cc835b838b834e8140836683748348838b8367907d8c608366815b835e") +
                             '\r');
    EXPECT_TRUE(lines[17].isEmpty());
    EXPECT_FALSE(data.IsDirty());
    EXPECT_EQ(data.FileName(), Path("zelk01.zlk"));

    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("zelk01.zlk")));
    ASSERT_EQ(back.NumberOfLines(), 15);
    for (int32_t i = 1; i <= 15; ++i) {
        EXPECT_EQ(back.GetLine(i), data.GetLine(i));
    }
    EXPECT_EQ(back.Comment(), data.Comment());
    EXPECT_FALSE(back.IsDirty());
    EXPECT_EQ(back.FileName(), Path("zelk01.zlk"));
    EXPECT_TRUE(back.HasMore()) << "cursor on line 1 after a load";
    EXPECT_EQ(back.More(), QStringLiteral("0,0,0,80,0,0"));
    EXPECT_TRUE(recorder.notices.empty());
}

TEST_F(FileFormat, FallbackLinesForTextsThatDoNotSplit) {
    EXPECT_EQ(CZelkDataFileIOStratety_Ver100::FormatHeader(QStringLiteral("1,2"), 7),
              QStringLiteral("0     0     0     7"));
    EXPECT_EQ(CZelkDataFileIOStratety_Ver100::FormatSegment(QStringLiteral("0,5,1,0,0")),
              QStringLiteral("0  0  0  0  0  0"));
    EXPECT_EQ(
        CZelkDataFileIOStratety_Ver100::FormatSegment(QStringLiteral("-1234.567,1,2,3,4,5")),
        QStringLiteral("-1234.567     1             2             3             4             5"));
}

TEST_F(FileFormat, OnePassFormattingMatchesTheLineByLineFormAndFollowsEveryEdit) {
    CZelkData data;
    const QStringList texts = {
        QStringLiteral("0,0,0,80,0,0"),
        QStringLiteral("-1234.567,1.5,-0.25,3,4,5"),
        QStringLiteral("1E+30,-3.402823E+38,1E-07,-1E-30,0.1234567,9999999"),
        QStringLiteral("12345678,-12345678,0.5,1,2,3"),
        QStringLiteral("-9999999,-99999.99,-0.0000012,7,7,7"),
    };
    for (const QString& t : texts) {
        ASSERT_TRUE(data.AddLine(t)) << t.toStdString();
    }
    auto expected = [&] {
        QString body =
            CZelkDataFileIOStratety_Ver100::FormatHeader(data.GetMaxSize(), data.NumberOfLines()) +
            QStringLiteral("\r\n");
        for (int k = 1; k <= data.NumberOfLines(); ++k) {
            body += CZelkDataFileIOStratety_Ver100::FormatSegment(data.GetLine(k)) +
                    QStringLiteral("\r\n");
        }
        return body.toLatin1();
    };
    EXPECT_EQ(CZelkDataFileIOStratety_Ver100::FormatBody(data), expected());

    // The formatted lines are kept between saves; every edit must show in the next file.
    const QString path = Path("edits.zlk");
    auto savedLines = [&] {
        EXPECT_TRUE(data.SaveData(path));
        CZelkData back;
        EXPECT_TRUE(back.LoadData(path));
        QStringList lines;
        for (int k = 1; k <= back.NumberOfLines(); ++k) {
            lines << back.GetLine(k);
        }
        return lines;
    };
    auto currentLines = [&] {
        QStringList lines;
        for (int k = 1; k <= data.NumberOfLines(); ++k) {
            lines << data.GetLine(k);
        }
        return lines;
    };
    EXPECT_EQ(savedLines(), currentLines());
    ASSERT_TRUE(data.AddLine(QStringLiteral("1,1,1,2,2,2")));
    EXPECT_EQ(savedLines(), currentLines()) << "added";
    ASSERT_TRUE(data.OverWriteLine(2, QStringLiteral("5,5,5,6,6,6")));
    EXPECT_EQ(savedLines(), currentLines()) << "overwritten";
    ASSERT_TRUE(data.AddLineTo(1, QStringLiteral("9,9,9,8,8,8")));
    EXPECT_EQ(savedLines(), currentLines()) << "inserted";
    ASSERT_TRUE(data.DelLine(3));
    EXPECT_EQ(savedLines(), currentLines()) << "deleted";
    data.SetComment(QStringLiteral("新しい説明"));
    EXPECT_EQ(savedLines(), currentLines()) << "the comment changes alone";
    CZelkData commented;
    ASSERT_TRUE(commented.LoadData(path));
    EXPECT_EQ(commented.Comment(), QStringLiteral("新しい説明"));
    data.ClearData();
    ASSERT_TRUE(data.AddLine(QStringLiteral("0,0,0,1,0,0")));
    EXPECT_EQ(savedLines(), QStringList{QStringLiteral("0,0,0,1,0,0")}) << "cleared";
    EXPECT_TRUE(ReadBytes(path).startsWith("1             0             0              1 \r\n"));
    EXPECT_EQ(expected(), ReadBytes(path).left(expected().size()));

    // A larger figure: after each edit the lines as they were are copied from the last
    // text, each where it now stands, and the rest written anew.
    data.ClearData();
    for (int k = 0; k < 300; ++k) {
        ASSERT_TRUE(data.AddLine(QStringLiteral("%1.25,0.3,%2,1,2,3").arg(k).arg(k * 0.1)));
    }
    EXPECT_EQ(data.FileBody(), expected());
    const QString middle = data.GetLine(150);
    const std::pair<const char*, std::function<bool()>> edits[] = {
        {"overwritten",
         [&] { return data.OverWriteLine(150, QStringLiteral("7,7,7,0.1,0.2,0.3")); }},
        {"put back", [&] { return data.OverWriteLine(150, middle); }},
        {"inserted first", [&] { return data.AddLineTo(1, QStringLiteral("0.7,0,0,0,0,0.7")); }},
        {"inserted", [&] { return data.AddLineTo(100, QStringLiteral("0.9,0,0,0,0,0.9")); }},
        {"deleted first", [&] { return data.DelLine(1); }},
        {"deleted last", [&] { return data.DelLine(data.NumberOfLines()); }},
        {"two deleted apart", [&] { return data.DelLine(10) && data.DelLine(200); }},
        {"deleted and inserted",
         [&] { return data.DelLine(5) && data.AddLineTo(50, QStringLiteral("3,3,3,0,0,0.5")); }},
        {"added", [&] { return data.AddLine(QStringLiteral("-1,-1,-1,1,1,1")); }},
        {"all moved",
         [&] {
             return data.MoveBy({0.5F, 0, 0}) == 0;
         }},
        {"handed out and not given back", [&] { return !data.TakeFileBody().isEmpty(); }},
        {"emptied", [&] { return data.ClearData(); }},
    };
    for (const auto& [what, edit] : edits) {
        ASSERT_TRUE(edit()) << what;
        EXPECT_EQ(data.FileBody(), expected()) << what;
    }
}

// A large figure of typed decimals (whose numbers the remembered texts rarely hold) is the
// line-by-line text, in order, and reads back exactly.
TEST_F(FileFormat, ALargeFigureOfTypedDecimalsIsWrittenInOrderAndReadsBackExactly) {
    CZelkData data;
    uint32_t state = 2026;
    auto typed = [&state] {
        state = state * 1664525U + 1013904223U;
        const int places = int(state % 4); // 0 to 3 decimals
        const int whole = int((state >> 8) % 600) - 300;
        const int fraction = int((state >> 20) % 1000) / (places == 0   ? 1000
                                                          : places == 1 ? 100
                                                          : places == 2 ? 10
                                                                        : 1);
        return QStringLiteral("%1%2.%3")
            .arg(whole < 0 ? QStringLiteral("-") : QString())
            .arg(std::abs(whole))
            .arg(fraction, places, 10, QLatin1Char('0'));
    };
    // An odd count: the halves differ in length.
    while (data.NumberOfLines() < 20001) {
        QStringList six;
        for (int i = 0; i < 6; ++i) {
            six << typed();
        }
        data.AddLine(six.join(u','));
    }
    QString text =
        CZelkDataFileIOStratety_Ver100::FormatHeader(data.GetMaxSize(), data.NumberOfLines()) +
        QStringLiteral("\r\n");
    for (int k = 1; k <= data.NumberOfLines(); ++k) {
        text +=
            CZelkDataFileIOStratety_Ver100::FormatSegment(data.GetLine(k)) + QStringLiteral("\r\n");
    }
    EXPECT_EQ(CZelkDataFileIOStratety_Ver100::FormatBody(data), text.toLatin1());

    ASSERT_TRUE(data.SaveData(Path("decimals.zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("decimals.zlk")));
    ASSERT_EQ(back.NumberOfLines(), data.NumberOfLines());
    int differ = 0;
    for (int k = 1; k <= data.NumberOfLines(); ++k) {
        differ += back.GetLine(k) == data.GetLine(k) ? 0 : 1;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(back.GetLine(20001), data.GetLine(20001));
}

TEST_F(FileFormat, FreeFormatReadingOfHandWrittenFiles) {
    // Commas in the header, LF line ends, blanks, a zero-length and a repeated segment,
    // a UTF-8 comment with a comma; a line after the comment is never read.
    WriteBytes(Path("hand.zlk"), QByteArray("1,2,3,4\n"
                                            "0,0,0,10,0,0\n"
                                            "  0   0 0 0 20 0\n"
                                            "5 5 5 5 5 5\n"
                                            "10,0,0,0,0,0\n") +
                                     QStringLiteral("テスト, ignored\n").toUtf8() +
                                     QByteArray("junk junk\n"));
    CZelkData data;
    ASSERT_TRUE(data.LoadData(Path("hand.zlk")));
    EXPECT_EQ(data.NumberOfLines(), 2);
    EXPECT_EQ(data.GetLine(2), QStringLiteral("0,0,0,0,20,0"));
    EXPECT_EQ(data.Comment(), QStringLiteral("テスト"));
    EXPECT_EQ(data.GetMaxSize(), QStringLiteral("10,20,0"));

    // A CP932 comment, count 0, CR LF.
    WriteBytes(Path("zero.zlk"),
               QByteArray("0 0 0 0\r\n") + QByteArray::fromHex("836583588367") + "\r\n");
    ASSERT_TRUE(data.LoadData(Path("zero.zlk")));
    EXPECT_EQ(data.NumberOfLines(), 0);
    EXPECT_EQ(data.Comment(), QStringLiteral("テスト"));
    EXPECT_FALSE(data.HasMore());

    // An empty comment line.
    WriteBytes(Path("empty.zlk"), QByteArray("0 0 0 1\r\n0 0 0 1 1 1\r\n\r\n"));
    ASSERT_TRUE(data.LoadData(Path("empty.zlk")));
    EXPECT_EQ(data.NumberOfLines(), 1);
    EXPECT_EQ(data.Comment(), QString());
    EXPECT_TRUE(recorder.notices.empty());

    // A saved comment with a comma comes back up to the comma.
    data.SetComment(QStringLiteral("a,b"));
    ASSERT_TRUE(data.SaveData(Path("comma.zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("comma.zlk")));
    EXPECT_EQ(back.Comment(), QStringLiteral("a"));
}

TEST_F(FileFormat, ShortMissingAndOverlongFilesFailWithTheLoadMessage) {
    WriteBytes(Path("short.zlk"), QByteArray("80 0 0 3\r\n"
                                             "0 0 0 10 0 0\r\n"
                                             "0 0 0 20 0 0\r\n"
                                             "comment\r\n"));
    CZelkData data;
    data.AddLine(QStringLiteral("0,0,0,1,2,3"));
    EXPECT_FALSE(data.LoadData(Path("short.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_EQ(recorder.notices[0].title, kLoadTitle);
    EXPECT_FALSE(recorder.notices[0].text.isEmpty());
    EXPECT_EQ(data.NumberOfLines(), 2);
    EXPECT_EQ(data.GetLine(1), QStringLiteral("0,0,0,10,0,0"));
    EXPECT_EQ(data.Comment(), QString());
    EXPECT_EQ(data.FileName(), QString());
    EXPECT_TRUE(data.IsDirty());

    EXPECT_FALSE(data.LoadData(Path("missing.zlk")));
    EXPECT_EQ(recorder.notices.size(), 2U);
    EXPECT_EQ(data.NumberOfLines(), 0);
    EXPECT_FALSE(data.IsDirty());

    WriteBytes(Path("huge.zlk"), QByteArray("0 0 0 40000\r\n0 0 0 1 1 1\r\nx\r\n"));
    EXPECT_FALSE(data.LoadData(Path("huge.zlk")));
    ASSERT_EQ(recorder.notices.size(), 3U);
    EXPECT_EQ(recorder.notices[2].title, kLoadTitle);

    WriteBytes(Path("text.zlk"), QByteArray("this is not a figure\r\n"));
    EXPECT_FALSE(data.LoadData(Path("text.zlk")));
    EXPECT_EQ(recorder.notices.size(), 4U);
}

struct BrokenFile {
    const char* name;
    QByteArray bytes;
    int linesKept;
};

// Every broken file fails with the load message and keeps what was read before the fault.
TEST_F(FileFormat, BrokenCountsSpeakPlainly) {
    // Garbage where the count belongs: the text of the message, a short printable excerpt
    // of the field at most, the file name; never the raw bytes.
    WriteBytes(Path("garbage.zlk"),
               QByteArray("0 0 0 ab\x01\x02\xff\xfe\x1b[31mcdefghijklmnopqrstuvwxyz\r\nx\r\n"));
    CZelkData data;
    EXPECT_FALSE(data.LoadData(Path("garbage.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    const QString text = recorder.notices[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("型が一致しません。"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Path("garbage.zlk")));
    for (const QChar c : text) {
        EXPECT_TRUE(c.isPrint() || c == u'\r' || c == u'\n') << int(c.unicode());
    }
    EXPECT_FALSE(text.contains(QStringLiteral("cdefghijklmnopqrstuvwxyz")));

    recorder.notices.clear();
    WriteBytes(Path("many.zlk"), QByteArray("0 0 0 40000\r\n0 0 0 1 1 1\r\nx\r\n"));
    EXPECT_FALSE(data.LoadData(Path("many.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_TRUE(recorder.notices[0].text.contains(QStringLiteral("32767")));
    EXPECT_TRUE(recorder.notices[0].text.contains(QStringLiteral("40000")));
}

TEST_F(FileFormat, EachBrokenFileFailsWithTheLoadMessage) {
    const BrokenFile rows[] = {
        {"empty", "", 0},
        {"header only", "80 0 0 2\r\n", 0},
        {"one segment short", "80 0 0 2\r\n0 0 0 10 0 0\r\n", 1},
        {"count over the limit", "0 0 0 40000\r\n0 0 0 1 1 1\r\nx\r\n", 0},
        {"count not a number", "0 0 0 many\r\n0 0 0 1 1 1\r\nx\r\n", 0},
        {"plain text", "this is not a figure\r\n", 0},
    };
    for (const BrokenFile& row : rows) {
        SCOPED_TRACE(row.name);
        recorder.notices.clear();
        WriteBytes(Path("broken.zlk"), row.bytes);
        CZelkData data;
        EXPECT_FALSE(data.LoadData(Path("broken.zlk")));
        ASSERT_EQ(recorder.notices.size(), 1U);
        EXPECT_EQ(recorder.notices[0].title, kLoadTitle);
        EXPECT_FALSE(recorder.notices[0].text.isEmpty());
        EXPECT_EQ(data.NumberOfLines(), row.linesKept);
        EXPECT_EQ(data.FileName(), QString());
    }
}

// The reader at its boundaries: counts at and past the limits, a bad number in each of the
// six places of a segment (the segment is left out and counted), a missing comment, byte
// order marks, quotes, and the blanks, tabs and commas hand-written files use.
TEST_F(FileFormat, TheReaderAtItsBoundaries) {
    const auto segments = [](int n) {
        QByteArray out = "0 0 0 " + QByteArray::number(n) + "\r\n";
        for (int i = 1; i <= n; ++i) {
            out += "0 0 0 " + QByteArray::number(i) + " 0 0\r\n";
        }
        return out + "many\r\n";
    };
    struct Row {
        const char* name;
        QByteArray bytes;
        bool ok;
        int lines;
        int skipped;
        const char* comment;
    };
    const Row rows[] = {
        {"count -32769", "0 0 0 -32769\r\nc\r\n", false, 0, 0, ""},
        {"count -32768", "0 0 0 -32768\r\nc\r\n", true, 0, 0, "c"},
        {"count -1", "0 0 0 -1\r\nc\r\n", true, 0, 0, "c"},
        {"count 0", "0 0 0 0\r\nc\r\n", true, 0, 0, "c"},
        {"count 32767", segments(32767), true, 32767, 0, "many"},
        {"count 32768", segments(32768), false, 0, 0, ""},
        {"bad from x", "0 0 0 2\r\nX 0 0 1 1 1\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"bad from y", "0 0 0 2\r\n0 X 0 1 1 1\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"bad from z", "0 0 0 2\r\n0 0 X 1 1 1\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"bad to x", "0 0 0 2\r\n0 0 0 X 1 1\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"bad to y", "0 0 0 2\r\n0 0 0 1 X 1\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"bad to z", "0 0 0 2\r\n0 0 0 1 1 X\r\n0 0 0 2 2 2\r\nc\r\n", true, 1, 1, "c"},
        {"missing comment", "0 0 0 1\r\n0 0 0 1 1 1\r\n", false, 1, 0, ""},
        {"UTF-8 byte order mark",
         "\xEF\xBB\xBF"
         "0 0 0 1\r\n0 0 0 1 1 1\r\nc\r\n",
         true, 1, 0, "c"},
        {"UTF-16 byte order mark",
         QByteArray("\xFF\xFE"
                    "0\0 \0",
                    6),
         false, 0, 0, ""},
        {"comment with an open quote", "0 0 0 1\r\n0 0 0 1 1 1\r\n\"abc\r\n", true, 1, 0, "abc"},
        {"quoted comment with a comma", "0 0 0 1\r\n0 0 0 1 1 1\r\n\"a,b\"\r\n", true, 1, 0, "a,b"},
        {"segment with an open quote", "0 0 0 1\r\n\"0 0 0 1 1 1\r\nc\r\n", false, 0, 0, ""},
        {"tabs", "0\t0\t0\t1\r\n0\t0\t0\t1\t1\t1\r\nc\r\n", true, 1, 0, "c"},
        {"commas and blanks", "0, 0 ,0,1\r\n0 ,0, 0,1 , 1,1\r\nc\r\n", true, 1, 0, "c"},
    };
    for (const Row& row : rows) {
        WriteBytes(Path("edge.zlk"), row.bytes);
        CZelkData data;
        const FileResult read = data.Load(Path("edge.zlk"));
        EXPECT_EQ(read.ok, row.ok) << row.name;
        EXPECT_EQ(read.reason.isEmpty(), row.ok) << row.name;
        EXPECT_EQ(data.NumberOfLines(), row.lines) << row.name;
        EXPECT_EQ(data.SkippedLines(), row.skipped) << row.name;
        EXPECT_EQ(data.Comment(), QString::fromUtf8(row.comment)) << row.name;
    }
    // An empty figure's header: three zero extents and no lines, read back as it was.
    CZelkData empty;
    empty.SetComment(QStringLiteral("e"));
    ASSERT_TRUE(empty.SaveData(Path("empty.zlk")));
    QFile written(Path("empty.zlk"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray header = written.readLine().trimmed();
    EXPECT_EQ(header.simplified().split(' '), (QList<QByteArray>{"0", "0", "0", "0"}))
        << header.constData();
    CZelkData emptyBack;
    ASSERT_TRUE(emptyBack.LoadData(Path("empty.zlk")));
    EXPECT_EQ(emptyBack.NumberOfLines(), 0);
    EXPECT_EQ(emptyBack.Comment(), QStringLiteral("e"));
    // A comment that starts with U+FEFF (written in UTF-8: Shift-JIS cannot hold it) comes
    // back whole, not one character short.
    CZelkData marked;
    marked.AddLine(QStringLiteral("0,0,0,1,1,1"));
    marked.SetComment(QString(QChar(0xFEFF)) + QStringLiteral("abc"));
    ASSERT_TRUE(marked.SaveData(Path("marked.zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("marked.zlk")));
    EXPECT_EQ(back.Comment(), marked.Comment());
}

TEST_F(FileFormat, EmptyFileNameSavesNothingButClearsTheMark) {
    CZelkData data;
    FillBuiltIn(data);
    EXPECT_TRUE(data.SaveData(QString()));
    EXPECT_FALSE(data.IsDirty());
    EXPECT_EQ(data.FileName(), QString());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FileFormat, FractionsUseAPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh "
                        "generates it); the comma-decimal case was NOT tested";
    }
    ASSERT_EQ(std::string(localeconv()->decimal_point), ",") << "a comma locale is in force";
    const QLocale previousQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    CZelkData data;
    EXPECT_TRUE(data.AddLine(QStringLiteral("0.5,0,0,12.25,1,-3.75")));
    EXPECT_EQ(data.GetLine(1), QStringLiteral("0.5,0,0,12.25,1,-3.75"));
    EXPECT_FALSE(data.AddLine(QStringLiteral("0,5,0,0,12,25,1,-3,75")));
    EXPECT_TRUE(data.SaveData(Path("frac.zlk")));
    EXPECT_TRUE(
        ReadBytes(Path("frac.zlk")).contains("0.5           0             0             12.25"));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("frac.zlk")));
    EXPECT_EQ(back.GetLine(1), QStringLiteral("0.5,0,0,12.25,1,-3.75"));
    EXPECT_EQ(back.GetMaxSize(), QStringLiteral("11.75,1,3.75"));

    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST_F(FileFormat, AFailedSaveLeavesTheEarlierFileAsItWas) {
    CZelkData small;
    small.AddLine(QStringLiteral("0,0,0,1,0,0"));
    ASSERT_TRUE(small.SaveData(Path("keep.zlk")));
    const QByteArray before = ReadBytes(Path("keep.zlk"));

    // The format's count holds 32767 lines: no figure grows past them, however a line
    // is made, so every figure can be saved.
    CZelkData big;
    for (int i = 0; i < 32767; ++i) {
        big.AddLine(CLine{0, 0, 0, float(i % 200 + 1), float(i / 200), 0});
    }
    ASSERT_EQ(big.NumberOfLines(), 32767);
    EXPECT_TRUE(big.IsFull());
    EXPECT_FALSE(big.AddLine(QStringLiteral("5,5,5,6,6,6")));
    EXPECT_FALSE(big.AddLine(CLine{5, 5, 5, 6, 6, 6}));
    EXPECT_FALSE(big.AddLineTo(1, QStringLiteral("5,5,5,6,6,6")));
    EXPECT_FALSE(big.OverWriteLine(40000, QStringLiteral("5,5,5,6,6,6")));
    EXPECT_EQ(big.NumberOfLines(), 32767);
    // Overwriting a line in place still works.
    EXPECT_TRUE(big.OverWriteLine(1, QStringLiteral("5,5,5,6,6,6")));
    ASSERT_TRUE(big.SaveData(Path("big.zlk")));
    CZelkData back;
    ASSERT_TRUE(back.LoadData(Path("big.zlk")));
    EXPECT_EQ(back.NumberOfLines(), 32767);
    EXPECT_EQ(back.GetLine(1), QStringLiteral("5,5,5,6,6,6"));
    EXPECT_TRUE(recorder.notices.empty());
    QFile::remove(Path("big.zlk"));

    // A write that fails half-way (file size limit, like a full disk).
    CZelkData medium;
    for (int i = 1; i <= 400; ++i) {
        medium.AddLine(CLine{0, 0, 0, float(i), 1, 1});
    }
    bool saved = false;
    {
        const FileSizeLimit full(4096);
        saved = medium.SaveData(Path("keep.zlk"));
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_EQ(recorder.notices[0].title, kSaveTitle);
    EXPECT_EQ(ReadBytes(Path("keep.zlk")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.zlk"});

    // A folder that does not exist, and a read-only folder (where permissions apply).
    EXPECT_FALSE(medium.SaveData(Path("no/such/folder.zlk")));
    EXPECT_EQ(recorder.notices.size(), 2U);
    QDir(dir.path()).mkdir("ro");
    ASSERT_TRUE(small.SaveData(Path("ro/keep.zlk")));
    QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(Path("ro").toLocal8Bit().constData(), W_OK) != 0) {
        EXPECT_FALSE(medium.SaveData(Path("ro/keep.zlk")));
        EXPECT_EQ(recorder.notices.size(), 3U);
        EXPECT_EQ(ReadBytes(Path("ro/keep.zlk")), before);
    }
    QFile::setPermissions(Path("ro"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Load and Save hand the reason back and show nothing; the caller decides. LoadData and
// SaveData, the interface the Parts name, still show it.
TEST_F(FileFormat, LoadAndSaveReturnTheReasonAndShowNothing) {
    CZelkData figure;
    figure.AddLine(QStringLiteral("0,0,0,1,0,0"));
    const FileResult missing = figure.Load(Path("missing.zlk"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.title, kLoadTitle);
    EXPECT_TRUE(missing.reason.contains(QStringLiteral("missing.zlk")));
    figure.AddLine(QStringLiteral("0,0,0,1,0,0"));
    const FileResult onFolder = figure.Save(dir.path());
    EXPECT_FALSE(onFolder);
    EXPECT_EQ(onFolder.title, kSaveTitle);
    EXPECT_FALSE(onFolder.reason.isEmpty());
    EXPECT_TRUE(recorder.notices.empty());
    const FileResult saved = figure.Save(Path("ok.zlk"));
    EXPECT_TRUE(saved);
    EXPECT_EQ(figure.FileName(), Path("ok.zlk"));

    EXPECT_FALSE(figure.LoadData(Path("missing.zlk")));
    ASSERT_EQ(recorder.notices.size(), 1U);
    EXPECT_EQ(recorder.notices[0].title, kLoadTitle);
    EXPECT_EQ(recorder.notices[0].text, missing.reason);
}

} // namespace
