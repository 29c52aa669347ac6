#include "AppFixture.h"
#include "CZelkIniFileHandler.h"
#include "HelpWindow.h"
#include "Languages.h"
#include "QtUserDialogs.h"
#include "SystemError.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cerrno>
#include <sys/stat.h>

namespace {

using Language = AppFixture;

// Hiragana, katakana, CJK ideographs and symbols, full-width forms.
bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

// Every text the window shows from its tables: menu titles, item texts, tool tips and
// button texts, by object name.
std::map<QString, QString> WindowTexts(frmZelkWin& window) {
    std::map<QString, QString> texts;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (!menu->objectName().isEmpty()) {
            texts[QStringLiteral("menu ") + menu->objectName()] = menu->title();
        }
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        // Recent files show file names, the user's own.
        if (!action->objectName().isEmpty() && !action->isSeparator() &&
            !action->objectName().startsWith(QStringLiteral("mnuFileRecent"))) {
            texts[QStringLiteral("item ") + action->objectName()] = action->text();
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->objectName().isEmpty()) {
            texts[QStringLiteral("tip ") + button->objectName()] = button->toolTip();
            texts[QStringLiteral("text ") + button->objectName()] = button->text();
        }
    }
    return texts;
}

// English is chosen from the menu and takes effect at once: no Japanese is left in the
// menus, items, tool tips and buttons, nor in the status texts and messages of the
// drawing and exercise commands, and the settings keep the choice; Japanese again
// gives back exactly the texts of before, and a settings file without the choice.
TEST_F(Language, EnglishAtOnceAndJapaneseExactlyAsBefore) {
    const std::map<QString, QString> japanese = WindowTexts(Window());
    ASSERT_EQ(japanese.at(QStringLiteral("menu mnuFile")), QStringLiteral("ファイル(&F)"));
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuLanguageJapanese"))->isChecked());

    Window().Action(QStringLiteral("mnuLanguageEnglish"))->trigger();
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuLanguageEnglish"))->isChecked());
    EXPECT_FALSE(Window().Action(QStringLiteral("mnuLanguageJapanese"))->isChecked());
    const std::map<QString, QString> english = WindowTexts(Window());
    ASSERT_EQ(english.size(), japanese.size());
    for (const auto& [where, text] : english) {
        EXPECT_FALSE(HasJapanese(text)) << where.toStdString() << ": " << text.toStdString();
    }
    EXPECT_EQ(english.at(QStringLiteral("menu mnuFile")), QStringLiteral("&File"));
    EXPECT_EQ(english.at(QStringLiteral("item mnuExerciseCheck")),
              QStringLiteral("Check the Answer"));
    EXPECT_TRUE(CZelkIniFileHandler(Ctx()).Lines().join(u'\n').contains(
        QStringLiteral("[Language]\nLanguage=en")));

    // Status texts and messages of the commands follow.
    Send("VIEW_MODE");
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("Viewing mode."));
    Send("DRAW_MODE");
    EXPECT_FALSE(HasJapanese(Window().StatusText(1))) << Window().StatusText(1).toStdString();
    EXPECT_FALSE(HasJapanese(Window().StatusText(2))) << Window().StatusText(2).toStdString();
    Send("EXERCISE_CHECK");
    Send("EXERCISE_HINT");
    Send("EXERCISE_ANSWER");
    dialogs.PickExercise(0);
    Send("EXERCISE_CHOOSE");
    Send("EXERCISE_CHECK");
    for (const ScriptedUserDialogs::Call& call : dialogs.calls) {
        EXPECT_FALSE(HasJapanese(call.text)) << call.text.toStdString();
        EXPECT_FALSE(HasJapanese(call.caption)) << call.caption.toStdString();
    }
    EXPECT_FALSE(HasJapanese(Window().windowTitle())) << Window().windowTitle().toStdString();
    ASSERT_FALSE(dialogs.offeredExercises.empty());
    for (const UserDialogs::ExerciseCard& card : dialogs.offeredExercises) {
        EXPECT_FALSE(HasJapanese(card.heading + card.title)) << card.title.toStdString();
    }

    // The model reader, a process of its own, says why in English too.
    WriteFigure(Data(QStringLiteral("points.obj")), "v 0 0 0\nv 1 0 0\n");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseImport(
        UserDialogs::ImportChoice{Data(QStringLiteral("points.obj")), 1, false, false});
    Send("IMPORT");
    ASSERT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::Message);
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("points only")))
        << dialogs.calls.last().text.toStdString();
    EXPECT_FALSE(HasJapanese(dialogs.calls.last().text)) << dialogs.calls.last().text.toStdString();

    // The help page in English.
    Send("SHOW_HELP");
    EXPECT_TRUE(HelpWindow::Instance()->ShownFile().endsWith(QStringLiteral("/help/ZW33_en.html")))
        << HelpWindow::Instance()->ShownFile().toStdString();
    HelpWindow::Instance()->close();

    Send("LANGUAGE_JAPANESE");
    EXPECT_EQ(WindowTexts(Window()), japanese);
    // Japanese inside too: the settings, the translator in use, the help page.
    EXPECT_EQ(AppData().Language(), QStringLiteral("ja"));
    EXPECT_EQ(Ctx().languages->Current(), QStringLiteral("ja"));
    EXPECT_EQ(QCoreApplication::translate("MenuTable", "ファイル(&F)"),
              QStringLiteral("ファイル(&F)"));
    Send("SHOW_HELP");
    EXPECT_TRUE(HelpWindow::Instance()->ShownFile().endsWith(QStringLiteral("/help/ZW33.html")));
    HelpWindow::Instance()->close();
    EXPECT_FALSE(
        CZelkIniFileHandler(Ctx()).Lines().join(u'\n').contains(QStringLiteral("Language")));
}

// A settings file that names English starts the program in English; one from before the
// choice existed (no such section) starts it in Japanese, whatever the system's locale.
// In English every window title the program shows reads English, also of windows opened
// before the switch, and the default caption of a message box.
TEST_F(Language, EveryWindowTitleSpeaksEnglish) {
    Window().show();
    Send("SHOW_HELP");
    Send("VIEW_THUMBNAIL");
    Send("SHOW_VERSION_DIALOG");
    QApplication::processEvents();
    ASSERT_TRUE(HasJapanese(HelpWindow::Instance()->windowTitle()));
    Window().Action(QStringLiteral("mnuLanguageEnglish"))->trigger();
    QApplication::processEvents();
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            ++windows;
            EXPECT_FALSE(HasJapanese(window->windowTitle()))
                << window->objectName().toStdString() << ": "
                << window->windowTitle().toStdString();
        }
    }
    EXPECT_GE(windows, 4) << "main, help, thumbnails, version";
    QString caption;
    QTimer::singleShot(0, [&caption] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = box->windowTitle();
            box->close();
        }
    });
    QtUserDialogs(&Window()).Message(QStringLiteral("x"), QString(), UserDialogs::Buttons::Ok);
    EXPECT_EQ(caption, QStringLiteral("Zelk"));
    HelpWindow::Instance()->close();
}

TEST_F(Language, TheSettingsNameTheLanguageAtStart) {
    app.reset();
    QFile ini(programDir.filePath(QStringLiteral("ZelkWin33.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadWrite | QIODevice::Append));
    ini.write("\r\n[Language]\r\nLanguage=en\r\n");
    ini.close();
    EXPECT_EQ(CZelkIniFileHandler::KeptLanguage(ini.fileName()), QStringLiteral("en"))
        << "what the command line speaks";
    Boot();
    EXPECT_EQ(Window().findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(),
              QStringLiteral("&Help"));
    EXPECT_EQ(AppData().Language(), QStringLiteral("en"));
    EXPECT_FALSE(HasJapanese(Window().StatusText(1))) << "the greeting, said after the choice";

    app.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Difficulty]\r\nDifficulty=DIFFICULTY_SENIOR\r\n");
    ini.close();
    EXPECT_EQ(CZelkIniFileHandler::KeptLanguage(ini.fileName()), QStringLiteral("ja"));
    Boot();
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(Window().findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(),
              QStringLiteral("ヘルプ(&H)"));
    EXPECT_EQ(AppData().Language(), QStringLiteral("ja"));
}

} // namespace

namespace {

// With English chosen, every command of the table (each dialog declined or cancelled) says
// nothing in Japanese: messages and their captions, the status bar, the title. The figure's
// own comment is the user's text, not the program's.
TEST_F(Language, EveryCommandSpeaksEnglish) {
    dialogs.SetFailureHandler([](const QString&) {});
    Send("LANGUAGE_ENGLISH");
    const QString comment = Figure().Comment();
    const auto own = [&comment](QString text) { return text.replace(comment, QString()); };
    QStringList shown;
    for (int i = 0; i <= static_cast<int>(CommandId::LanguageEnglish); ++i) {
        const auto id = static_cast<CommandId>(i);
        if (id == CommandId::BootZelk || id == CommandId::LanguageJapanese) {
            continue;
        }
        const QString command = CZelkController::CommandText(id);
        Controller().SetCommand(command);
        Send("CONTINUOUS_TURN_STOP");
        shown << command + QStringLiteral(" title: ") + Window().windowTitle()
              << command + QStringLiteral(" status: ") + Window().StatusText(1)
              << command + QStringLiteral(" angle: ") + Window().StatusText(2);
    }
    for (const ScriptedUserDialogs::Call& call : dialogs.calls) {
        shown << QStringLiteral("dialog: ") + call.text
              << QStringLiteral("caption: ") + call.caption;
    }
    for (const QString& text : shown) {
        EXPECT_FALSE(HasJapanese(own(text))) << text.toStdString();
    }
    dialogs.ClearScript();
}

// The system's reasons for a failed save or load are in the chosen language, whole:
// no English beside a Japanese message, no Japanese beside an English one.
TEST_F(Language, ReasonsOfFailedSavesAndLoadsSpeakTheChosenLanguage) {
    WriteFigure(Data("plain.zlk"), "0 0 0 0\r\nplain\r\n");
    QDir().mkpath(Data("folder.zlk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Data("pipe.zlk")).constData(), 0600), 0);
    // Each a save that fails: a name under a file, a folder, a FIFO, a missing folder.
    const QStringList targets{Data("plain.zlk/inside.zlk"), Data("folder.zlk"), Data("pipe.zlk"),
                              Data("missing/fig.zlk")};
    for (const bool english : {false, true}) {
        if (english) {
            Window().Action(QStringLiteral("mnuLanguageEnglish"))->trigger();
        }
        for (const QString& target : targets) {
            dialogs.calls.clear();
            dialogs.ChooseFile(target);
            dialogs.AnswerQuestion(UserDialogs::Answer::Yes); // overwrite, where asked
            Send("SAVE");
            const QStringList texts = dialogs.MessageTexts();
            ASSERT_FALSE(texts.isEmpty()) << target.toStdString();
            // The reason follows the path on the first message's last line.
            const QString reason = texts.first().section(target, 1).trimmed();
            ASSERT_FALSE(reason.isEmpty()) << texts.first().toStdString();
            if (english) {
                EXPECT_FALSE(HasJapanese(reason)) << reason.toStdString();
            } else {
                bool latin = false;
                for (const QChar c : reason) {
                    latin = latin || (c >= u'a' && c <= u'z');
                }
                EXPECT_FALSE(latin) << reason.toStdString();
                EXPECT_TRUE(HasJapanese(reason)) << reason.toStdString();
            }
        }
    }
    EXPECT_EQ(SystemError::Reason(ENOENT), QStringLiteral("No such file or folder"));
    EXPECT_EQ(SystemError::Reason(EROFS), QStringLiteral("Read-only file system"));
    Send("LANGUAGE_JAPANESE");
    EXPECT_EQ(SystemError::Reason(EROFS), QStringLiteral("読み取り専用のファイルシステムです"));
}

} // namespace
