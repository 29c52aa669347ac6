#include "FileBlockReader.h"
#include "SystemCalls.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Reading {
    std::vector<std::string> fields;
    bool utf8Marked = false;
    bool moreLines = false;
    bool operator==(const Reading&) const = default;
};

void PrintTo(const Reading& r, std::ostream* out) {
    for (const std::string& f : r.fields) {
        *out << '[' << f.substr(0, 20) << ']';
    }
    *out << (r.utf8Marked ? " marked" : "") << (r.moreLines ? " more" : "");
}

// Every third field is read as text, the others as numbers; after `upTo` fields the rest
// of the file is looked at once, then the remaining fields are read as well.
Reading ReadAll(const QString& path, size_t block, size_t upTo) {
    Reading reading;
    FileBlockReader reader(block);
    QString why;
    EXPECT_EQ(reader.Open(path, 1 << 20, why), SafeFile::ReadResult::Ok);
    reading.utf8Marked = reader.Utf8Marked();
    const char* b = nullptr;
    const char* e = nullptr;
    while (reader.Next(reading.fields.size() % 3 != 2, b, e)) {
        reading.fields.emplace_back(b, e);
        if (reading.fields.size() == upTo) {
            reading.moreLines = reader.MoreLinesAfterLastField();
            break;
        }
    }
    EXPECT_FALSE(reader.Failed());
    return reading;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class FailingRead : public SystemCalls {
public:
    int failAt = 0;
    int reads = 0;
    ssize_t Read(int fd, void* data, size_t size) override {
        if (++reads == failAt) {
            errno = EIO;
            return -1;
        }
        return SystemCalls::Read(fd, data, size);
    }
};

} // namespace

TEST(FileBlockReader, FieldsAreTheSameWhereverTheBlocksSplitThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.zlk"));

    // What free-format reading makes of one text, read in one block.
    Write(path, "1, 2 ,\"x,y\"\r\n\r\n\t-3.5\t7\nlast line, rest\r\n  \r\n");
    const Reading known = ReadAll(path, 1 << 20, 0);
    EXPECT_EQ(known.fields, (std::vector<std::string>{"1", "2", "x,y", "", "-3.5", "7", "last",
                                                      "line", "rest", ""}));

    const std::string longText(3000, 'w');
    const std::vector<QByteArray> texts{
        "3 4 5 2\r\n1,2,3,4,5,6\r\n  7\t8  9 10 11 12\r\n\"a, quoted\" comment\r\n",
        "1 2 3\n4 5 6\n\"lf only\"\n",
        "1 2 3\r4 5 6\r\"cr only\"\r\rmore\r",
        "\xEF\xBB\xBF"
        "10 20 30 1\r\n1 2 3 4 5 6\r\n\xE3\x81\x82 marked\r\n",
        "\xEF\xBB",
        "0 0 0 0\r\n" + QByteArray::fromStdString(longText) + ", after\r\n\r\n x\r\n",
        "1 1\r\n\"" + QByteArray::fromStdString(longText) + "\"  \r\n\t \r\n",
        "1 2 3 4 5 6 no newline at the end",
        "\"unterminated\r\nnext\r\n",
        "",
        "   \r\n\r\n",
    };
    for (const QByteArray& text : texts) {
        Write(path, text);
        for (const size_t upTo : {size_t{0}, size_t{3}, size_t{5}}) {
            const Reading whole = ReadAll(path, 1 << 20, upTo);
            for (const size_t block : {1, 2, 3, 4, 5, 7, 9, 13, 64, 4096}) {
                EXPECT_EQ(ReadAll(path, block, upTo), whole)
                    << text.left(40).toStdString() << " block " << block << " up to " << upTo;
            }
        }
    }
    Write(path, texts[3]);
    EXPECT_TRUE(ReadAll(path, 2, 0).utf8Marked);
    EXPECT_EQ(ReadAll(path, 2, 0).fields.front(), "10");
    Write(path, texts[5]);
    EXPECT_EQ(ReadAll(path, 5, 0).fields[3], longText);
    EXPECT_TRUE(ReadAll(path, 5, 4).moreLines);
    Write(path, texts[6]);
    EXPECT_EQ(ReadAll(path, 3, 0).fields[2], longText);
    EXPECT_FALSE(ReadAll(path, 3, 3).moreLines);
}

TEST(FileBlockReader, AFailedReadOrAFileGrownPastItsLimitEndsTheFieldsWithTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.zlk"));
    Write(path, "1 2 3 4 5 6 7 8 9 10 11 12\r\n");
    for (int failAt = 1; failAt <= 4; ++failAt) {
        FailingRead calls;
        calls.failAt = failAt;
        FileBlockReader reader(8, calls);
        QString why;
        ASSERT_EQ(reader.Open(path, 1 << 20, why), SafeFile::ReadResult::Ok);
        const char* b = nullptr;
        const char* e = nullptr;
        while (reader.Next(true, b, e)) {
        }
        EXPECT_EQ(reader.Failure(), SafeFile::ReadResult::Failed) << failAt;
        EXPECT_FALSE(reader.FailureReason().isEmpty()) << failAt;
    }

    // Opened within its limit, then written on while being read.
    FileBlockReader reader(4);
    QString why;
    ASSERT_EQ(reader.Open(path, 28, why), SafeFile::ReadResult::Ok);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("13 14\r\n");
    }
    const char* b = nullptr;
    const char* e = nullptr;
    while (reader.Next(true, b, e)) {
    }
    EXPECT_EQ(reader.Failure(), SafeFile::ReadResult::TooLarge);

    FileBlockReader refused;
    EXPECT_EQ(refused.Open(path, 10, why), SafeFile::ReadResult::TooLarge);
    EXPECT_FALSE(refused.Next(true, b, e));
    FileBlockReader folder;
    EXPECT_EQ(folder.Open(dir.path(), 10, why), SafeFile::ReadResult::NotRegular);
}
