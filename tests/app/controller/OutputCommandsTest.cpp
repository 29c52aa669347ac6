#include "AppFixture.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>

namespace {

class Output : public AppFixture {
protected:
    // The text of a PDF; the test fails (not passes) when it cannot be read.
    QString PdfText(const QString& path) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        if (!process.waitForStarted(10000)) {
            ADD_FAILURE() << "pdftotext (poppler-utils) is missing: install-deps installs it";
            return QString();
        }
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << path.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

TEST_F(Output, FileInfoOfAnUnnamedEmptyFigure) {
    Send("NEW_FIGURE");
    EXPECT_TRUE(Send("VIEW_DATA_FILE_INFO"));
    EXPECT_EQ(dialogs.calls.last().text,
              QStringLiteral(
                  "現在のデータに関する情報\r\n\r\nファイル名 \r\nコメント   \r\n線の本数   0"));
    EXPECT_EQ(dialogs.calls.last().caption, QString());
}

TEST_F(Output, TurningAnimationWritesThirtySixFrames) {
    AppData().SetFileName(Data("house.zlk"));
    Window().SetFormSize(AppData().FormSize());
    const int width = View().ControlWidth();
    EXPECT_TRUE(Send("PARA_PARA_ANIME"));
    EXPECT_TRUE(dialogs.MessageTexts().last().startsWith(
        QStringLiteral("データの保存されているフォルダにデータ名のフォルダを作り、\r\n")));
    QImage first;
    QImage tenth;
    for (int i = 1; i <= 36; ++i) {
        const QString frame =
            Data(QStringLiteral("house/house_ANIME%1.bmp").arg(i, 3, 10, QChar(u'0')));
        QImage image(frame);
        ASSERT_FALSE(image.isNull()) << frame.toStdString();
        EXPECT_EQ(image.size(), QSize(200, 150));
        if (i == 1) {
            first = image;
        } else if (i == 10) {
            tenth = image;
        }
    }
    EXPECT_NE(first, tenth);
    EXPECT_EQ(AppData().Longitude(), -45) << "one full turn";
    EXPECT_EQ(View().ControlWidth(), width) << "layout restored";
    EXPECT_GE(CountCues("Turn.wav"), 72) << "two turns per frame";

    // A second run overwrites the frames without complaint.
    const int messages = dialogs.calls.size();
    QFile::remove(Data("house/house_ANIME036.bmp"));
    Send("PARA_PARA_ANIME");
    EXPECT_EQ(dialogs.calls.size(), messages + 1) << "only the notice";
    EXPECT_TRUE(QFile::exists(Data("house/house_ANIME036.bmp")));
}

TEST_F(Output, UnnamedFigureAnimatesIntoTheDataFolder) {
    ASSERT_EQ(AppData().FileName(), QString());
    Send("PARA_PARA_ANIME");
    EXPECT_TRUE(QFile::exists(Data("_ANIME001.bmp")));
    EXPECT_TRUE(QFile::exists(Data("_ANIME036.bmp")));
}

TEST_F(Output, PrintingMakesOneJobPerCopy) {
    AppData().SetFileName(Data("house.zlk"));
    const QString pdf = programDir.filePath("print.pdf");
    dialogs.ChoosePrint(UserDialogs::PrintChoice{3, QString(), pdf});
    EXPECT_TRUE(Send("PRINT_MONOCHROME_PICTURE"));
    EXPECT_TRUE(dialogs.MessageTexts().contains(
        QStringLiteral("印刷機能は現在テスト段階のため正常に機能しないかもしれません。印刷枚数の設"
                       "定にはご注意ください。")));
    const QStringList jobs{pdf, programDir.filePath("print-2.pdf"),
                           programDir.filePath("print-3.pdf")};
    for (const QString& job : jobs) {
        QFile f(job);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << job.toStdString();
        EXPECT_TRUE(f.read(4) == "%PDF");
    }
    EXPECT_FALSE(QFile::exists(programDir.filePath("print-4.pdf")));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ファイル名"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("house.zlk")));
    EXPECT_EQ(AppData().Mode(), QStringLiteral("VIEW_MODE"));

    // A comment longer than the page is shortened with an ellipsis, not cut at the edge.
    Figure().SetComment(QStringLiteral("長いコメント").repeated(40) + QStringLiteral("END"));
    const QString longer = programDir.filePath("long.pdf");
    dialogs.ChoosePrint(UserDialogs::PrintChoice{1, QString(), longer});
    EXPECT_TRUE(Send("PRINT_MONOCHROME_PICTURE"));
    const QString longText = PdfText(longer);
    EXPECT_TRUE(longText.contains(QStringLiteral("長いコメント"))) << longText.toStdString();
    EXPECT_TRUE(longText.contains(QStringLiteral("…"))) << longText.toStdString();
    EXPECT_FALSE(longText.contains(QStringLiteral("END")));

    // Cancelled: nothing printed, no file made.
    const QStringList before = QDir(programDir.path()).entryList(QDir::Files);
    dialogs.ChoosePrint(std::nullopt);
    EXPECT_TRUE(Send("PRINT_ENTIRE_FORM"));
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files), before);
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::Print);
    dialogs.ChoosePrint(UserDialogs::PrintChoice{1, QString(), programDir.filePath("form.pdf")});
    EXPECT_TRUE(Send("PRINT_ENTIRE_FORM"));
    EXPECT_TRUE(QFile::exists(programDir.filePath("form.pdf")));
}

} // namespace
