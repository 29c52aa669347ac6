// Shift-JIS and UTF-8 texts of figure files, one row per kind of text.
#include "TextEncoding.h"

#include "TestPrinters.h"
#include <gtest/gtest.h>

namespace {

struct EncodingRow {
    const char* name;
    QString text;
    // The bytes a figure file holds for it; empty: not Shift-JIS (UTF-8 with a mark).
    QByteArray shiftJis;
};

void PrintTo(const EncodingRow& row, std::ostream* os) {
    *os << row.name;
}

class FigureText : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(FigureText, IsWrittenInItsEncodingAndReadBackUnchanged) {
    const EncodingRow& row = GetParam();
    bool marked = true;
    const QByteArray bytes = TextEncoding::ToFigureBytes(row.text, marked);
    if (row.shiftJis.isEmpty()) {
        EXPECT_TRUE(marked);
        EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF") + row.text.toUtf8());
        EXPECT_EQ(TextEncoding::FromFigureBytes(bytes.constData() + 3, bytes.size() - 3, true),
                  row.text);
    } else {
        EXPECT_FALSE(marked);
        EXPECT_EQ(bytes, row.shiftJis);
        EXPECT_EQ(TextEncoding::FromFigureBytes(bytes.constData(), bytes.size(), false), row.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FigureText,
    ::testing::Values(
        EncodingRow{"ascii", QStringLiteral("box 80mm"), QByteArray("box 80mm")},
        EncodingRow{"kanji", QStringLiteral("立方体"), QByteArray("\x97\xA7\x95\xFB\x91\xCC")},
        EncodingRow{"half-width katakana", QStringLiteral("ﾊｺ"), QByteArray("\xCA\xBA")},
        EncodingRow{"mixed", QStringLiteral("箱ﾊｺa"),
                    QByteArray("\x94\xA0\xCA\xBA"
                               "a")},
        EncodingRow{"second byte 0x5C", QStringLiteral("ソ表"), QByteArray("\x83\x5C\x95\x5C")},
        EncodingRow{"not in Shift-JIS", QStringLiteral("é😀"), QByteArray()}),
    [](const ::testing::TestParamInfo<EncodingRow>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

struct ReadRow {
    const char* name;
    QByteArray bytes;
    QString text;
};

void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << row.name;
}

class ForeignText : public ::testing::TestWithParam<ReadRow> {};

// Texts the program did not write: hand-written UTF-8 still reads as UTF-8, bytes that
// could be either read as Shift-JIS, broken bytes never stop the reading.
TEST_P(ForeignText, ReadsAsTheWriterMeant) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(TextEncoding::FromFigureBytes(row.bytes.constData(), row.bytes.size(), false),
              row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ForeignText,
    ::testing::Values(ReadRow{"utf8_kanji", QByteArray("\xE7\xAB\x8B\xE6\x96\xB9\xE4\xBD\x93"),
                              QStringLiteral("立方体")},
                      ReadRow{"utf8_two_kanji", QByteArray("\xE7\xAB\x8B\xE6\x96\xB9"),
                              QStringLiteral("立方")},
                      ReadRow{"ambiguous_pair", QByteArray("\xCA\xBA"), QStringLiteral("ﾊｺ")},
                      ReadRow{"broken",
                              QByteArray("a\x80"
                                         "b"),
                              QStringLiteral("a?b")}),
    [](const ::testing::TestParamInfo<ReadRow>& info) { return std::string(info.param.name); });

TEST(SettingsText, Utf8WinsAndShiftJisIsStillRead) {
    const QByteArray utf8 = QStringLiteral("/home/é/図").toUtf8();
    EXPECT_EQ(TextEncoding::FromUtf8OrCp932(utf8.constData(), utf8.size()),
              QStringLiteral("/home/é/図"));
    const QByteArray sjis("\x90\x7D");
    EXPECT_EQ(TextEncoding::FromUtf8OrCp932(sjis.constData(), sjis.size()), QStringLiteral("図"));
}

// A character Shift-JIS cannot hold becomes one "?", whatever its length in UTF-8 (two,
// three or four bytes); the characters around it stay as they are.
TEST(ShiftJisText, EachCharacterItCannotHoldIsOneQuestionMark) {
    const struct {
        QString text;
        QByteArray bytes;
    } rows[] = {
        {QStringLiteral("aéb"), "a?b"},
        {QStringLiteral("aøñb"), "a??b"},
        {QStringLiteral("a\u2603b"), "a?b"},
        {QString::fromUtf8("a\xF0\x9F\x98\x80"
                           "b"),
         "a?b"},
        {QStringLiteral("é図é"), QByteArray("?\x90\x7D?")},
        {QStringLiteral("図"), QByteArray("\x90\x7D")},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TextEncoding::ToCp932(row.text), row.bytes) << row.text.toStdString();
    }
}

} // namespace
