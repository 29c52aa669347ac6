// The editor reads the reader's answer through one codec: a fake reader sends answers
// whole, cut short, malformed or too long, and the import either makes exactly the
// figure the answer holds or says why it made none.
#include "ImportAnswer.h"
#include "CZelkData.h"
#include "FigureImporter.h"
#include "SegmentCollector.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

// The answer a real reader gives for a model of three segments, one repeated, with text.
QByteArray ThreeSegments() {
    SegmentCollector collector(SegmentCollector::Options{});
    collector.Add(0, 0, 0, 10, 0, 0);
    collector.Add(0, 0, 0, 0, 20, 0);
    collector.Add(0, 20, 0, 0, 0, 0);
    collector.Add(0, 0, 0, 0, 0, 30.5);
    collector.Skip("TEXT");
    collector.Skip("3D FACE");
    return ImportAnswer::Header(collector) + ImportAnswer::SegmentBytes(collector);
}

struct FakeReader {
    QTemporaryDir dir;
    QByteArray previous = qgetenv("ZELK_IMPORT_WORKER");

    FakeReader() {
        const QString script = dir.filePath("reader.sh");
        QFile f(script);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\ncat \"$(dirname \"$0\")/answer\"\nexit 0\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("ZELK_IMPORT_WORKER", script.toLocal8Bit());
        QFile model(dir.filePath("model.obj"));
        model.open(QIODevice::WriteOnly);
        model.write("v 0 0 0\n");
    }
    ~FakeReader() { qputenv("ZELK_IMPORT_WORKER", previous); }

    bool Import(const QByteArray& answer, CZelkData& figure, FigureImporter::Report& report,
                QString& error) {
        QFile f(dir.filePath("answer"));
        f.open(QIODevice::WriteOnly);
        f.write(answer);
        f.close();
        return FigureImporter::Read(dir.filePath("model.obj"), {}, figure, report, error);
    }
};

TEST(ImportAnswer, OnlyAWholeAnswerMakesAFigure) {
    const QByteArray whole = ThreeSegments();
    QByteArray notANumber = whole;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(notANumber.data() + notANumber.size() - sizeof(float), &nan, sizeof(float));
    QByteArray tooMany = whole;
    tooMany.replace("ZELK-SEGMENTS 3 ", "ZELK-SEGMENTS 40000 ");

    struct Case {
        const char* what;
        QByteArray answer;
        const char* error; // empty: read
    };
    const Case cases[] = {
        {"whole", whole, ""},
        {"cut short by a byte", whole.left(whole.size() - 1), "壊れています"},
        {"a byte too many", whole + 'x', "壊れています"},
        {"no segment lines", whole.left(whole.indexOf('\n') + 1), "壊れています"},
        {"nothing", QByteArray(), "壊れています"},
        {"a count that is no number",
         QByteArray(whole).replace("ZELK-SEGMENTS 3", "ZELK-SEGMENTS x"), "壊れています"},
        {"more than a figure holds", tooMany, "壊れています"},
        {"a coordinate that is no number", notANumber, "壊れています"},
        {"the reader's own failure", ImportAnswer::Failure("nested", "入れ子が深すぎます"),
         "入れ子が深すぎます"},
        {"out of memory", ImportAnswer::Failure("memory", "x"), "メモリ"},
        {"longer than any answer", QByteArray(ImportAnswer::kLimit + 4096, 'z'), "異常終了"},
    };
    for (const Case& c : cases) {
        FakeReader reader;
        CZelkData figure;
        figure.AddLine(QStringLiteral("1,1,1,2,2,2"));
        FigureImporter::Report report;
        QString error;
        const bool read = reader.Import(c.answer, figure, report, error);
        if (*c.error == 0) {
            ASSERT_TRUE(read) << c.what << ": " << error.toStdString();
            ASSERT_EQ(figure.NumberOfLines(), 3) << c.what;
            EXPECT_EQ(figure.GetLine(3), QStringLiteral("0,0,0,0,0,30.5"));
            EXPECT_EQ(report.taken, 3);
            EXPECT_EQ(report.duplicates, 1);
            EXPECT_EQ(report.leftOut, (std::map<QString, int>{{QStringLiteral("3D FACE"), 1},
                                                              {QStringLiteral("TEXT"), 1}}));
        } else {
            EXPECT_FALSE(read) << c.what;
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.error)))
                << c.what << ": " << error.toStdString();
            EXPECT_EQ(figure.NumberOfLines(), 0) << c.what << ": no figure from a bad answer";
        }
    }
}

} // namespace
