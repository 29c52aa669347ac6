#include "AppFixture.h"
#include "CZelkIniFileHandler.h"
#include "SystemError.h"

#include "FileSizeLimit.h"
#include <QFile>

namespace {

class IniFile : public AppFixture {
protected:
    void WriteIni(const QString& text) {
        QFile f(programDir.filePath("ZelkWin33.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    void Read() { CZelkIniFileHandler(Ctx()).ReadSetting(); }
    static QByteArray Lines(const QStringList& lines) {
        return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    }
    QStringList History() {
        QStringList list;
        for (int16_t i = 0; i < 5; ++i) {
            list << AppData().GetHistory(i);
        }
        return list;
    }
};

TEST_F(IniFile, WithoutAFileTheDefaultsStay) {
    EXPECT_FALSE(QFile::exists(programDir.filePath("ZelkWin33.ini")));
    EXPECT_TRUE(AppData().DataPathFixed());
    EXPECT_EQ(AppData().DataPath(), Folder() + "/data");
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_MIDIUM"));
    EXPECT_EQ(AppData().FormSize(), QStringLiteral("800x400"));
}

TEST_F(IniFile, ReadsPinningFolderLevelSizeAndHistory) {
    WriteIni("[DataFolderPathFixed]\r\nDataFolderPathFixed=False\r\n[DataFolderPath]\r\n"
             "DataFolderPath=/home/u/figs\r\n[Difficulty]\r\nDifficulty=DIFFICULTY_BEGINER\r\n"
             "[FromSize]\r\nFormSize=640x480\r\n[History]\r\nHistory0=/a.zlk\r\n"
             "History3=/d.zlk\r\nHistory7=/x.zlk\r\nVersion=ignored\r\nHistoryX=/bad.zlk\r\n");
    Read();
    EXPECT_FALSE(AppData().DataPathFixed());
    EXPECT_EQ(AppData().DataPath(), QStringLiteral("/home/u/figs"));
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_MIDIUM"));
    EXPECT_EQ(AppData().FormSize(), QStringLiteral("640x480"));
    EXPECT_EQ(History(), (QStringList{"/a.zlk", "", "", "/d.zlk", ""}));
    Controller().UpdateRecentMenu();
    EXPECT_TRUE(Window().RecentItem(0)->isVisible());
    EXPECT_FALSE(Window().RecentItem(1)->isVisible());
    EXPECT_TRUE(Window().RecentItem(3)->isVisible());

    // Pinned: the folder is restored and stays pinned. A value that is not a Boolean
    // is ignored rather than stopping the start.
    WriteIni("DataFolderPathFixed=True\nDataFolderPath=/pinned/here\n"
             "DataFolderPathFixed=maybe\nDifficulty=DIFFICULTY_SENIOR\n");
    Read();
    EXPECT_TRUE(AppData().DataPathFixed());
    EXPECT_EQ(AppData().DataPath(), QStringLiteral("/pinned/here"));
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_SENIOR"));
}

TEST_F(IniFile, WritesTheLayoutAndTheReport) {
    AppData().SetHistory(0, QStringLiteral("/a.zlk"));
    AppData().SetHistory(2, QStringLiteral("/c.zlk"));
    const QStringList lines = CZelkIniFileHandler(Ctx()).Lines();
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(
        lines.mid(0, 3),
        (QStringList{"[Version]", "Version=超簡易3D editor 立体ゼルク Version 3.3", "[Last]"}));
    EXPECT_EQ(lines[3],
              QStringLiteral("Last=") +
                  QLocale(QLocale::English).toString(QDate(2026, 12, 7), QLocale::ShortFormat) +
                  u' ' + QLocale(QLocale::English).toString(QTime(14, 5, 9), QLocale::LongFormat));
    EXPECT_EQ(
        lines.mid(4, 17),
        (QStringList{"", "[DataFolderPathFixed]", "DataFolderPathFixed=True", "[DataFolderPath]",
                     "DataFolderPath=" + Folder() + "/data", "", "[Difficulty]",
                     "Difficulty=DIFFICULTY_MIDIUM", "", "[FromSize]", "FormSize=800x400", "",
                     "[History]", "History0=/a.zlk", "History2=/c.zlk", "", "[Miscellaneous]"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("[MemoryInfo]")));
    EXPECT_EQ(lines[lines.indexOf(QStringLiteral("[MemoryInfo]")) + 1].left(11),
              QStringLiteral("MemoryInof="));
    EXPECT_TRUE(lines.contains(QStringLiteral("ZelkPath=") + Folder()));
    const qsizetype processes = lines.indexOf(QStringLiteral("[Processes]"));
    ASSERT_GT(processes, 0);
    ASSERT_GT(lines.size(), processes + 1);
    EXPECT_TRUE(lines[processes + 1].startsWith(QStringLiteral("Process( 0 )=")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Process(")));
}

TEST_F(IniFile, UnwritableSettingsDoNotStopTheEnd) {
    QDir(programDir.path()).mkdir("ZelkWin33.ini"); // a folder where the file should be
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    EXPECT_TRUE(Send("FIN"));
    EXPECT_EQ(quitCalls, 1);
    EXPECT_TRUE(dialogs.MessageTexts().join("|").contains(
        QStringLiteral("設定ファイルに書き込めませんでした")));
}

// Under a file-size limit the settings file is either wholly new or wholly old, and a
// failure is told at the end.
TEST_F(IniFile, AFileSizeLimitLeavesTheOldSettingsFile) {
    const QString path = programDir.filePath("ZelkWin33.ini");
    const QByteArray old = "[Difficulty]\r\nDifficulty=DIFFICULTY_SENIOR\r\n";
    const QByteArray complete = Lines(CZelkIniFileHandler(Ctx()).Lines());
    for (const rlim_t limit : {rlim_t(1024), rlim_t(4096), rlim_t(65536)}) {
        SCOPED_TRACE(limit);
        WriteIni(QString::fromUtf8(old));
        CZelkIniFileHandler handler(Ctx());
        bool written = false;
        {
            const FileSizeLimit full(limit);
            written = handler.WriteSetting();
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        if (static_cast<rlim_t>(complete.size()) > limit) {
            EXPECT_FALSE(written);
        }
        if (written) {
            EXPECT_TRUE(now.startsWith("[Version]\r\n"));
            EXPECT_TRUE(now.endsWith("\r\n"));
            EXPECT_TRUE(now.contains("[Processes]\r\n"));
        } else {
            EXPECT_EQ(now, old);
            EXPECT_EQ(handler.LastError(), SystemError::Reason(EFBIG));
        }
        EXPECT_EQ(QDir(Folder()).entryList({"ZelkWin33.ini*"}, QDir::Files),
                  QStringList{"ZelkWin33.ini"});
    }
    // At shut-down the notice names the reason.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    {
        const FileSizeLimit full(512);
        Send("FIN");
    }
    EXPECT_EQ(quitCalls, 1);
    EXPECT_TRUE(dialogs.MessageTexts().join("|").contains(SystemError::Reason(EFBIG)));
}

// Nothing written into a value can become a setting of the next start.
TEST_F(IniFile, LineBreaksInValuesCannotPoseAsSettings) {
    AppData().SetDataPathFixed(false);
    AppData().SetDataPath(QStringLiteral("/figs\r\nDifficulty=DIFFICULTY_SENIOR"));
    AppData().SetHistory(1, QStringLiteral("/a\nHistory0=/evil.zlk"));
    AppData().SetHistory(2, QStringLiteral("/fine.zlk"));
    const QStringList lines = CZelkIniFileHandler(Ctx()).Lines();
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n')) << line.toStdString();
    }
    EXPECT_FALSE(lines.contains(QStringLiteral("History0=/evil.zlk")));
    ASSERT_TRUE(CZelkIniFileHandler(Ctx()).WriteSetting());
    AppData().SetHistory(2, QStringLiteral("/other.zlk"));
    CZelkIniFileHandler(Ctx()).ReadSetting();
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_MIDIUM"));
    EXPECT_EQ(AppData().GetHistory(0), QString());
    EXPECT_EQ(AppData().GetHistory(2), QStringLiteral("/fine.zlk"));

    // Settings found in other sections (the machine report) are not taken.
    WriteIni("[Difficulty]\r\nDifficulty=DIFFICULTY_BEGINNER\r\n[History]\r\nHistory0=/ok.zlk\r\n"
             "[Processes]\r\nProcess( 0 )=x\r\nHistory1=/evil.zlk\r\n"
             "Difficulty=DIFFICULTY_SENIOR\r\n[ZelkPath]\r\nFormSize=1024x768\r\n");
    Read();
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_BEGINNER"));
    EXPECT_EQ(AppData().GetHistory(0), QStringLiteral("/ok.zlk"));
    EXPECT_NE(AppData().GetHistory(1), QStringLiteral("/evil.zlk"));
    EXPECT_EQ(AppData().FormSize(), QStringLiteral("800x400"));
}

TEST_F(IniFile, SettingsSurviveARestart) {
    Send("DATA_PATH_FIXED");
    AppData().SetDataPath(QStringLiteral("/somewhere/figs"));
    Send("DIFFICULTY_SENIOR");
    Send("800x600");
    AppData().SetHistory(0, QStringLiteral("/f/one.zlk"));
    AppData().SetHistory(1, QStringLiteral("/f/two.zlk"));
    AppData().SetHistory(4, QStringLiteral("/f/five.zlk"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("FIN");
    ASSERT_EQ(quitCalls, 1);
    app.reset();

    Boot();
    EXPECT_FALSE(AppData().DataPathFixed());
    EXPECT_EQ(AppData().DataPath(), QStringLiteral("/somewhere/figs"));
    EXPECT_EQ(AppData().Difficulty(), QStringLiteral("DIFFICULTY_SENIOR"));
    EXPECT_EQ(AppData().FormSize(), QStringLiteral("800x600"));
    EXPECT_EQ(Window().GetFormSize(), QStringLiteral("800x600"));
    EXPECT_EQ(History(), (QStringList{"/f/one.zlk", "/f/two.zlk", "", "", "/f/five.zlk"}));
    EXPECT_TRUE(Window().RecentItem(4)->isVisible());
    EXPECT_FALSE(Window().RecentItem(2)->isVisible());
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuSenior"))->isChecked());
}

} // namespace
