#include "CWavePlay.h"
#include "CZelkData.h"
#include "DeferredSoundBackend.h"
#include "ModelNotice.h"
#include "QtSoundBackend.h"
#include "QtUserDialogs.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"
#include "TestPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(CWavePlay, OnlyTheTwoUpperCaseModesPlay) {
    RecordingSoundBackend backend;
    CWavePlay player(backend);
    player.Play("/p/sound/Turn.wav", "ASYNC");
    player.Play("/p/sound/Fin.wav", "SYNC");
    player.Play("/p/sound/Turn.wav", "async");
    player.Play("/p/sound/Turn.wav", "");
    player.Play("/p/sound/Turn.wav", "SYNCHRONOUS");
    EXPECT_EQ(backend.cues, (QList<RecordingSoundBackend::Cue>{{"/p/sound/Turn.wav", "ASYNC"},
                                                               {"/p/sound/Fin.wav", "SYNC"}}));
}

TEST(QtSoundBackend, ReadsCueLengthsAndNeverHangs) {
    // The program's own cues, as the build makes them.
    QTemporaryDir dir;
    const QString wav = QStringLiteral(ZELK_PROGRAM_DIR "/sound/Splash.wav");
    EXPECT_EQ(QtSoundBackend::WavDurationMs(wav), 1100);
    EXPECT_LT(QtSoundBackend::WavDurationMs(QStringLiteral(ZELK_PROGRAM_DIR "/sound/Turn.wav")),
              100);
    EXPECT_EQ(QtSoundBackend::WavDurationMs(dir.filePath("missing.wav")), 0);

    // "SYNC" returns when the cue has played; without an audio device when its time has
    // passed, so that a splash shown meanwhile stays on screen (a hang would end this test
    // by its time limit).
    QtSoundBackend backend;
    CWavePlay player(backend);
    QElapsedTimer clock;
    clock.start();
    player.Play(wav, "SYNC");
    EXPECT_GE(clock.elapsed(), 1100 - 20) << "the cue's time passed";
    player.Play(wav, "ASYNC");
    player.Play(wav, "ASYNC");
    // Without a device (as on a build machine) the cue is not even read.
    const QString played = QtSoundBackend::HasAudioOutput() ? wav : QString();
    EXPECT_EQ(backend.CurrentSource(), played) << "the cue went to the sound effect";
    player.Play(dir.filePath("missing.wav"), "SYNC");
    player.Play(dir.filePath("missing.wav"), "ASYNC");
    EXPECT_EQ(backend.CurrentSource(), played) << "a missing file is silent";
}

// The sound library opens on a thread of its own; a cue asked for before it is open waits
// for it, and without the library every cue is silent (the program goes on).
TEST(DeferredSoundBackend, PlaysThroughTheLibraryOnceOpenOrStaysSilent) {
    const QString wav = QStringLiteral(ZELK_PROGRAM_DIR "/sound/Turn.wav");
    DeferredSoundBackend library(QStringLiteral(ZELK_PROGRAM_DIR "/libzelkSound.so"));
    library.PlayAsync(wav);
    SoundBackend* backend = library.Backend();
    ASSERT_NE(backend, nullptr) << "the library built beside the program opens";
    library.PlaySync(wav);
    EXPECT_EQ(library.Backend(), backend) << "opened once";
    library.Release();
    EXPECT_EQ(library.Backend(), nullptr) << "no cue after the end";
    library.PlayAsync(wav);

    DeferredSoundBackend missing(QStringLiteral("/nonexistent/libzelkSound.so"));
    missing.PlaySync(wav);
    missing.PlayAsync(wav);
    EXPECT_EQ(missing.Backend(), nullptr);
    // Ended before the first cue: the opening is waited for, not left running.
    DeferredSoundBackend unused(QStringLiteral(ZELK_PROGRAM_DIR "/libzelkSound.so"));
}

TEST(ScriptedUserDialogs, RecordsEveryCallAndAnswersFromItsScript) {
    ScriptedUserDialogs dialogs;
    QStringList failures;
    dialogs.SetFailureHandler([&failures](const QString& m) { failures << m; });
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(QStringLiteral("/d/a.zlk"));
    dialogs.ChooseFile(std::nullopt);
    dialogs.ChoosePrint(UserDialogs::PrintChoice{3, QString(), QStringLiteral("/tmp/x.pdf")});

    EXPECT_EQ(dialogs.Message("notice", "", UserDialogs::Buttons::Ok), UserDialogs::Answer::Ok);
    EXPECT_EQ(dialogs.Message("q?", UserDialogs::ProgramTitle(), UserDialogs::Buttons::YesNo),
              UserDialogs::Answer::Yes);
    EXPECT_EQ(dialogs.OpenFile("/d"), std::optional<QString>("/d/a.zlk"));
    EXPECT_EQ(dialogs.SaveFile("/d"), std::nullopt);
    const auto print = dialogs.Print();
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(print->copies, 3);
    EXPECT_EQ(print->outputFile, QStringLiteral("/tmp/x.pdf"));
    EXPECT_TRUE(dialogs.ScriptUsedUp());
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(dialogs.MessageTexts(), (QStringList{"notice", "q?"}));
    ASSERT_EQ(dialogs.calls.size(), 5);
    EXPECT_EQ(dialogs.calls[1].caption, UserDialogs::ProgramTitle());
    EXPECT_EQ(dialogs.calls[2].text, QStringLiteral("/d"));

    EXPECT_EQ(dialogs.Message("again?", "", UserDialogs::Buttons::YesNo), UserDialogs::Answer::No);
    EXPECT_EQ(dialogs.OpenFile("/d"), std::nullopt);
    EXPECT_EQ(failures.size(), 2) << "unscripted questions are reported";
}

TEST(UserDialogs, ModelNoticesBecomeOkBoxes) {
    ScriptedUserDialogs dialogs;
    dialogs.RouteModelNoticesHere();
    CZelkData figure;
    EXPECT_FALSE(figure.LoadData(QStringLiteral("/no/such/file.zlk")));
    ModelNotice::SetHandler({});
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].caption, QStringLiteral("データ読み込みエラー"));
    EXPECT_EQ(dialogs.calls[0].buttons, UserDialogs::Buttons::Ok);
}

TEST(QtUserDialogs, MessageBoxIsShownAndAnswered) {
    QtUserDialogs dialogs;
    QString seenText;
    QString seenTitle;
    auto answer = [&](QMessageBox::StandardButton which) {
        QTimer::singleShot(0, [&, which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->text();
            seenTitle = box->windowTitle();
            box->button(which)->click();
        });
    };
    answer(QMessageBox::No);
    EXPECT_EQ(
        dialogs.Message("続けますか？", UserDialogs::ProgramTitle(), UserDialogs::Buttons::YesNo),
        UserDialogs::Answer::No);
    EXPECT_EQ(seenText, QStringLiteral("続けますか？"));
    EXPECT_EQ(seenTitle, UserDialogs::ProgramTitle());
    answer(QMessageBox::Yes);
    EXPECT_EQ(dialogs.Message("q", "", UserDialogs::Buttons::YesNo), UserDialogs::Answer::Yes);
    answer(QMessageBox::Ok);
    EXPECT_EQ(dialogs.Message("n", "", UserDialogs::Buttons::Ok), UserDialogs::Answer::Ok);
}

// The exercise chooser: headings say how many of their group are solved and are never
// the choice (Home, Down, End pass them by); Enter takes the exercise at hand.
TEST(QtUserDialogs, TheChooserPassesHeadingsByAndEnterTakesTheExercise) {
    QtUserDialogs dialogs;
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const std::vector<UserDialogs::ExerciseCard> cards{
        {QStringLiteral("初級"), QStringLiteral("初級 第1問"), picture,
         QStringLiteral("解けた 0:48"), true},
        {QStringLiteral("初級"), QStringLiteral("初級 第2問"), picture, QString(), false},
        {QStringLiteral("中級"), QStringLiteral("中級 第1問"), picture, QString(), false}};
    QStringList headings;
    std::vector<int> seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->count(); ++row) {
            if (!(list->item(row)->flags() & Qt::ItemIsSelectable)) {
                headings << list->item(row)->text();
            }
        }
        const auto at = [list] {
            return list->currentItem() == nullptr ? -1
                                                  : list->currentItem()->data(Qt::UserRole).toInt();
        };
        seen.push_back(at()); // the first not solved
        for (const Qt::Key key :
             {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_End}) {
            QTest::keyClick(list, key);
            seen.push_back(at());
        }
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    });
    const std::optional<int> chosen = dialogs.ChooseExercise(cards);
    EXPECT_EQ(headings, (QStringList{QStringLiteral("初級\u3000解けた数 1 / 2"),
                                     QStringLiteral("中級\u3000解けた数 0 / 1")}));
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 2, 1, 0, 2}));
    ASSERT_TRUE(chosen.has_value()) << "Enter starts the exercise";
    EXPECT_EQ(*chosen, 1);
}

} // namespace
