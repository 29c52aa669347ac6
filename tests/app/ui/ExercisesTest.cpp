#include "AppFixture.h"
#include "ExerciseLibrary.h"
#include "ExerciseTask.h"
#include "ExerciseViews.h"
#include "FigureTurner.h"
#include "FigureView.h"
#include "ThirdAngleCheck.h"
#include "ZelkStates.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <map>

namespace {

using Exercises = AppFixture;

// Whether a picture holds a pixel of the colour (within a little), e.g. the hint's red.
bool Holds(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) <
                60) {
                return true;
            }
        }
    }
    return false;
}

// How many pixels of a picture are (within a little) of the colour.
int Count(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            count += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                                 std::abs(qBlue(p) - qBlue(colour)) <
                             60
                         ? 1
                         : 0;
        }
    }
    return count;
}

QImage PaneImage(QLabel* pane) {
    return pane->pixmap().toImage();
}

// Moves the current pointer to `to` with the axis keys (Shift for minus), one step of
// `step` millimetres a key.
void WalkWithKeys(QWidget* target, const CAppData& app, const std::array<int, 3>& to, int step) {
    const Qt::Key keys[3] = {Qt::Key_X, Qt::Key_Y, Qt::Key_Z};
    const auto at = [&app](int axis) {
        const bool from = app.Pointer() == DrawingPointer::From;
        return axis == 0   ? (from ? app.PointerFromX() : app.PointerToX())
               : axis == 1 ? (from ? app.PointerFromY() : app.PointerToY())
                           : (from ? app.PointerFromZ() : app.PointerToZ());
    };
    for (int axis = 0; axis < 3; ++axis) {
        for (int guard = 0; at(axis) != to[static_cast<size_t>(axis)] && guard < 100; ++guard) {
            const bool minus = to[static_cast<size_t>(axis)] < at(axis);
            QTest::keyClick(target, keys[axis], minus ? Qt::ShiftModifier : Qt::NoModifier);
        }
        ASSERT_EQ(at(axis), to[static_cast<size_t>(axis)]) << step;
    }
}

// Draws every line of figure with the keys: the "from" pointer to one end, Enter, the "to"
// pointer to the other, Enter. A "to" pointer left active is first brought home (a line of
// no length is refused).
void DrawWithKeys(QWidget* target, const CAppData& app, const CZelkData& figure, int step) {
    if (app.Pointer() == DrawingPointer::To) {
        WalkWithKeys(target, app, {app.PointerFromX(), app.PointerFromY(), app.PointerFromZ()},
                     step);
        QTest::keyClick(target, Qt::Key_Return);
    }
    for (const CLine& l : figure.Lines()) {
        WalkWithKeys(target, app, {int(l.FromX), int(l.FromY), int(l.FromZ)}, step);
        QTest::keyClick(target, Qt::Key_Return);
        WalkWithKeys(target, app, {int(l.ToX), int(l.ToY), int(l.ToZ)}, step);
        QTest::keyClick(target, Qt::Key_Return);
    }
}

QString ProgressText(const QString& settingsFile) {
    QFile file(QFileInfo(settingsFile).absolutePath() + QStringLiteral("/ZelkExercises.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The exercises made at build time load, keep to their level's step and space, show
// three non-empty views and differ from each other in their views.
TEST_F(Exercises, TheBuiltInOnesFitTheirLevelsAndDiffer) {
    const QDir folder(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises"));
    const QStringList names = folder.entryList({QStringLiteral("*.zlk")}, QDir::Files);
    ASSERT_GE(names.size(), 30);
    std::vector<std::unique_ptr<CZelkData>> figures;
    std::array<int, 5> perLevel{};
    for (const QString& name : names) {
        const int level = ExerciseLibrary::LevelOf(name);
        ASSERT_GE(level, 1) << name.toStdString();
        ++perLevel[static_cast<size_t>(level - 1)];
        const DifficultyEntry& entry = ZelkStates::Levels()[static_cast<size_t>(level - 1)];
        auto figure = std::make_unique<CZelkData>();
        ASSERT_TRUE(figure->Load(folder.filePath(name))) << name.toStdString();
        ASSERT_GT(figure->NumberOfLines(), 0) << name.toStdString();
        for (const CLine& l : figure->Lines()) {
            for (const float v : {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ}) {
                EXPECT_EQ(std::fmod(v, float(entry.step)), 0.0F) << name.toStdString();
                EXPECT_TRUE(v >= 0 && v <= entry.space) << name.toStdString();
            }
        }
        const ThirdAngleCheck::Result empty = ThirdAngleCheck::Compare(CZelkData(), *figure);
        for (const int missing : empty.missing) {
            EXPECT_GT(missing, 0) << name.toStdString() << ": a view without lines";
        }
        for (size_t i = 0; i < figures.size(); ++i) {
            EXPECT_FALSE(ThirdAngleCheck::Compare(*figure, *figures[i]).sameViews)
                << name.toStdString() << " reads like " << names[int(i)].toStdString();
        }
        figures.push_back(std::move(figure));
    }
    for (const int count : perLevel) {
        EXPECT_GE(count, 6) << "graded over the five levels";
    }
}

// Choose through the menu, draw the answer with the keys, check with the tool bar button:
// a wrong answer gets the counts per view, a right one is solved and recorded with its
// time, and the chooser shows it solved.
TEST_F(Exercises, ChooseDrawWithTheKeysAndCheck) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    dialogs.PickExercise(0);
    Window().Action(QStringLiteral("mnuExerciseChoose"))->trigger();

    ASSERT_GE(dialogs.offeredExercises.size(), 30u);
    // By kind, then level.
    EXPECT_EQ(dialogs.offeredExercises.front().heading, QStringLiteral("三面図から立体 初級"));
    EXPECT_EQ(dialogs.offeredExercises[35].heading, QStringLiteral("欠けた図 初級"));
    EXPECT_EQ(dialogs.offeredExercises.back().heading, QStringLiteral("鏡映 超特級"));
    for (const UserDialogs::ExerciseCard& card : dialogs.offeredExercises) {
        EXPECT_TRUE(Holds(card.picture, qRgb(0, 0, 0))) << card.title.toStdString();
        EXPECT_TRUE(card.note.isEmpty());
    }
    ASSERT_EQ(Controller().ExerciseId(), QStringLiteral("L1-01"));
    EXPECT_EQ(AppData().Level(), DifficultyLevel::Beginner);
    EXPECT_TRUE(AppData().Drawing());
    EXPECT_EQ(Figure().NumberOfLines(), 0);
    EXPECT_TRUE(AppData().ThirdAngleProjectionMethodMode());
    // The panes show the target (black lines on white) though the learner's figure is empty.
    for (QLabel* pane : {Window().FrontView(), Window().TopView(), Window().SideView()}) {
        EXPECT_TRUE(pane->isVisible());
        EXPECT_TRUE(Holds(PaneImage(pane), qRgb(0, 0, 0)));
        EXPECT_TRUE(Holds(PaneImage(pane), qRgb(255, 255, 255)));
    }

    QWidget* keys =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
    // One edge of the target, drawn with the keys: part of the answer, nothing extra.
    QTest::keyClick(keys, Qt::Key_Return);
    QTest::keyClick(keys, Qt::Key_X);
    QTest::keyClick(keys, Qt::Key_Return);
    ASSERT_EQ(Figure().NumberOfLines(), 1);
    Window().ToolBarButton(QStringLiteral("cmdCheckAnswer"))->click();
    const QString wrong = dialogs.calls.last().text;
    EXPECT_TRUE(wrong.startsWith(QStringLiteral("まだ違います。"))) << wrong.toStdString();
    const QRegularExpression counts(
        QStringLiteral("(正面図|平面図|右側面図)：足りない線 (\\d+) 本、余分な線 (\\d+) 本"));
    int views = 0;
    for (auto match = counts.globalMatch(wrong); match.hasNext(); ++views) {
        const QRegularExpressionMatch m = match.next();
        EXPECT_GT(m.captured(2).toInt(), 0) << m.captured(1).toStdString();
        EXPECT_EQ(m.captured(3).toInt(), 0) << m.captured(1).toStdString();
    }
    EXPECT_EQ(views, 3);
    EXPECT_EQ(ProgressText(Ctx().Folders().SettingsFile()), QStringLiteral("L1-01\t0\t1\t0\n"));

    // The whole answer, 83 seconds after the start.
    Send("UNDO");
    ASSERT_EQ(Figure().NumberOfLines(), 0);
    CZelkData target;
    ASSERT_TRUE(
        target.Load(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises/L1-01.zlk")));
    DrawWithKeys(keys, AppData(), target, 20);
    EXPECT_EQ(Figure().NumberOfLines(), target.NumberOfLines());
    clock.Advance(83000);
    Window().ToolBarButton(QStringLiteral("cmdCheckAnswer"))->click();
    EXPECT_EQ(
        dialogs.calls.last().text,
        QStringLiteral("正解です！　かかった時間 1:23\r\n三面図から立体 初級 1 / %1")
            .arg(std::count_if(dialogs.offeredExercises.begin(), dialogs.offeredExercises.end(),
                               [](const UserDialogs::ExerciseCard& card) {
                                   return card.heading == QStringLiteral("三面図から立体 初級");
                               })));
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("正解です！　かかった時間 1:23"));
    EXPECT_EQ(ProgressText(Ctx().Folders().SettingsFile()),
              QStringLiteral("L1-01\t1\t2\t83000\t2026-12-07\n"));

    dialogs.PickExercise(std::nullopt);
    Send("EXERCISE_CHOOSE");
    EXPECT_EQ(dialogs.offeredExercises.front().note, QStringLiteral("解けた 1:23"));
    EXPECT_EQ(Controller().ExerciseId(), QStringLiteral("L1-01")) << "cancelled: still solving";

    // A line drawn after the solve is the user's own change: leaving keeps it marked.
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY");
    ASSERT_TRUE(Figure().IsDirty());
    Send("EXERCISE_END");
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_TRUE(Window().windowTitle().endsWith(QStringLiteral("変更あり")));
}

// An exercise is a mode one leaves: it gives back the level, mode, layout and zoom of
// before; the learner's figure is fitted to the solid until the user zooms; a solved one
// is no unsaved work (moving on asks nothing) and its answer is kept.
TEST_F(Exercises, LeavingGivesBackWhatTheUserHadAndSolvedOnesMoveOnQuietly) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Send("DIFFICULTY_SENIOR");
    Send("MAGNIFY");
    const DifficultyLevel level = AppData().Level();
    const bool drawing = AppData().Drawing();
    const bool threeViews = AppData().ThirdAngleProjectionMethodMode();
    const float ratio = AppData().Ratio();
    ASSERT_EQ(level, DifficultyLevel::Senior);

    dialogs.PickExercise(0);
    Send("EXERCISE_CHOOSE");
    ASSERT_EQ(Controller().ExerciseId(), QStringLiteral("L1-01"));
    CZelkData target;
    ASSERT_TRUE(
        target.Load(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises/L1-01.zlk")));
    float size[3];
    ASSERT_TRUE(NumberText::ToSingles(target.GetMaxSize(), size, 3));
    const float largest = std::max({size[0], size[1], size[2]});
    // The solid's size takes a good part of the view, not a corner of the level's space.
    const float height = static_cast<float>(View().ControlScaleHeight());
    EXPECT_GT(AppData().Ratio() * largest, height * 0.4F);
    EXPECT_FLOAT_EQ(View().Ratio(), AppData().Ratio());

    QWidget* keys =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
    DrawWithKeys(keys, AppData(), target, 20);
    Send("EXERCISE_CHECK");
    ASSERT_TRUE(dialogs.calls.last().text.startsWith(QStringLiteral("正解です！")));
    EXPECT_FALSE(Figure().IsDirty()) << "a solved exercise is no unsaved work";
    EXPECT_FALSE(Window().windowTitle().endsWith(QStringLiteral("変更あり")));
    QFile kept(QFileInfo(Ctx().Folders().SettingsFile()).path() +
               QStringLiteral("/ZelkAnswers/L1-01.zlk"));
    EXPECT_TRUE(kept.exists()) << "the answer is kept with the progress";

    // A teacher's table of the record: a header, then every exercise; the one solved
    // with its checks and the day.
    const QString table = Ctx().Folders().Data() + QStringLiteral("/record");
    dialogs.ChooseExport(UserDialogs::ExportChoice{table, UserDialogs::ExportKind::Table});
    Send("EXERCISE_EXPORT_PROGRESS");
    ASSERT_EQ(dialogs.offeredKinds.size(), 1U);
    EXPECT_EQ(dialogs.offeredKinds[0].suffix, QStringLiteral("csv"));
    QFile record(table);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(record.readAll()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows.size(), static_cast<qsizetype>(dialogs.offeredExercises.size()) + 2)
        << "header, one row an exercise, the end of the last";
    const QStringList solved = rows.filter(QStringLiteral("L1-01,")).value(0).split(u',');
    ASSERT_EQ(solved.size(), 7) << rows.join(u'|').toStdString();
    EXPECT_EQ(solved.mid(0, 5),
              (QStringList{QStringLiteral("L1-01"), QStringLiteral("三面図から立体"),
                           QStringLiteral("初級"), QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(solved[6], clock.Now().date().toString(Qt::ISODate));
    EXPECT_TRUE(rows.contains(QStringLiteral("L1-02,三面図から立体,初級,0,0,,")));

    // On to the next one: no question.
    const qsizetype shown = dialogs.calls.size();
    dialogs.PickExercise(1);
    Send("EXERCISE_CHOOSE");
    ASSERT_EQ(Controller().ExerciseId(), QStringLiteral("L1-02"));
    for (qsizetype i = shown; i < dialogs.calls.size(); ++i) {
        EXPECT_NE(dialogs.calls[i].buttons, UserDialogs::Buttons::YesNo)
            << dialogs.calls[i].text.toStdString();
    }
    // The user's zoom stays theirs as the figure grows.
    Send("REDUCE");
    const float zoomed = AppData().Ratio();
    Send("APPLY");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    ASSERT_EQ(Figure().NumberOfLines(), 1);
    EXPECT_FLOAT_EQ(AppData().Ratio(), zoomed);

    // Leaving: everything as before the first exercise.
    Send("EXERCISE_END");
    EXPECT_EQ(Controller().ExerciseId(), QString());
    EXPECT_EQ(AppData().Level(), level);
    EXPECT_EQ(AppData().Drawing(), drawing);
    EXPECT_EQ(AppData().ThirdAngleProjectionMethodMode(), threeViews);
    EXPECT_FLOAT_EQ(AppData().Ratio(), ratio);
    EXPECT_FLOAT_EQ(View().Ratio(), ratio);
    EXPECT_EQ(Window().FrontView()->isVisible(), threeViews);
    // Once more: nothing to end, and it says so.
    Send("EXERCISE_END");
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("解いていません")));

    // The kept answer opens again from the chooser (after the unsaved line is let go).
    dialogs.PickExercise(std::nullopt);
    Send("EXERCISE_CHOOSE");
    const std::vector<UserDialogs::ExerciseCard> cards = dialogs.offeredExercises;
    ASSERT_GE(cards.size(), 2U);
    EXPECT_TRUE(cards[0].answerKept);
    EXPECT_FALSE(cards[1].answerKept);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.PickExercise(static_cast<int>(cards.size()));
    Send("EXERCISE_CHOOSE");
    EXPECT_EQ(Controller().ExerciseId(), QString());
    EXPECT_TRUE(ThirdAngleCheck::Compare(Figure(), target).sameFigure);
    EXPECT_TRUE(Window().windowTitle().contains(QStringLiteral("L1-01.zlk")));
}

// The output of a poppler tool, one entry a page for pdftotext's pages ("" when the tool
// is missing).
QString Poppler(const QStringList& arguments) {
    QProcess tool;
    tool.start(arguments.first(), arguments.mid(1));
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// A class's worksheet of the level chosen: two exercises a page with the three views,
// their names and overall sizes as text, room to sketch and no picture of the answer; the
// answer key on the pages after them, each solid as a picture.
TEST_F(Exercises, TheWorksheetAsksFirstAndAnswersAfter) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString pdf = Ctx().Folders().Data() + QStringLiteral("/sheet");
    dialogs.ChooseExport(UserDialogs::ExportChoice{pdf, UserDialogs::ExportKind::Pdf});
    Send("EXERCISE_WORKSHEET");
    ASSERT_EQ(dialogs.offeredKinds.size(), 1U);
    EXPECT_EQ(dialogs.offeredKinds[0].suffix, QStringLiteral("pdf"));
    ASSERT_TRUE(QFile::exists(pdf)) << Window().StatusText(1).toStdString();

    const QDir folder(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises"));
    // The level chosen in the menu.
    const QStringList ofLevel = folder.entryList(
        {QStringLiteral("L%1-*.zlk").arg(static_cast<int>(AppData().Level()) + 1)}, QDir::Files);
    ASSERT_GE(ofLevel.size(), 3);
    const int questionPages = (static_cast<int>(ofLevel.size()) + 1) / 2;
    const QStringList pages =
        Poppler({QStringLiteral("pdftotext"), QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(u'\f');
    // pdftotext ends every page with a form feed.
    ASSERT_EQ(pages.size(), 2 * questionPages + 1);
    CZelkData first;
    ASSERT_TRUE(first.Load(folder.filePath(ofLevel.first())).ok);
    const std::array<double, 2> front = ExerciseViews::Extent(first, ExerciseViews::View::Front);
    for (int p = 0; p < 2 * questionPages; ++p) {
        const QString& text = pages[p];
        const bool question = p < questionPages;
        for (const char* name : {"正面図", "平面図", "右側面図"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << p << ": " << name;
        }
        EXPECT_EQ(text.contains(QStringLiteral("見取り図")), question) << p;
        EXPECT_EQ(text.contains(QStringLiteral("解答")), !question) << p;
    }
    // Each kind says what to do there; a missing view is left blank, and the answers show it.
    std::map<ExerciseTask::Kind, int> kinds;
    for (const QString& name : ofLevel) {
        ++kinds[ExerciseTask::Of(folder.filePath(name)).value_or(ExerciseTask{}).kind];
    }
    const QString questions = pages.mid(0, questionPages).join(u'\f');
    const QString answers = pages.mid(questionPages).join(u'\f');
    EXPECT_EQ(questions.count(QStringLiteral("回した形を作りなさい")),
              kinds[ExerciseTask::Kind::Rotation]);
    EXPECT_EQ(questions.count(QStringLiteral("に映した形を作りなさい")),
              kinds[ExerciseTask::Kind::Reflection]);
    EXPECT_EQ(questions.count(QStringLiteral("この図は自分で考えます。")),
              kinds[ExerciseTask::Kind::MissingView]);
    EXPECT_GT(kinds[ExerciseTask::Kind::MissingView], 0);
    EXPECT_FALSE(answers.contains(QStringLiteral("この図は自分で考えます。")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("問題 1")));
    EXPECT_TRUE(pages[0].contains(QString::number(front[0])) &&
                pages[0].contains(QString::number(front[1])))
        << front[0] << " x " << front[1] << "\n"
        << pages[0].toStdString();

    // Pictures only on the answer pages: one solid for each exercise.
    const QStringList images = Poppler({QStringLiteral("pdfimages"), QStringLiteral("-list"), pdf})
                                   .split(u'\n', Qt::SkipEmptyParts)
                                   .mid(2);
    EXPECT_EQ(images.size(), ofLevel.size());
    for (const QString& image : images) {
        EXPECT_GT(image.simplified().section(u' ', 0, 0).toInt(), questionPages)
            << image.toStdString();
    }
}

// この図形を問題にする asks for a name, and refuses a figure too small to read or one whose
// drawings are an existing exercise's.
TEST_F(Exercises, MakingAnExerciseRefusesCopiesAndTooFewLines) {
    const auto figureOf = [this](const QString& name) {
        CZelkData source;
        EXPECT_TRUE(
            source.Load(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises/") + name));
        Figure().ClearData();
        for (const CLine& l : source.Lines()) {
            Figure().AddLine(l);
        }
    };
    figureOf(QStringLiteral("L5-06.zlk"));
    Send("EXERCISE_MAKE");
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("同じ問題があります：超特級 第6問"));
    // Moved elsewhere it still reads the same.
    CZelkData moved;
    for (const CLine& l : Figure().Lines()) {
        moved.AddLine(CLine{l.FromX + 5, l.FromY + 7, l.FromZ, l.ToX + 5, l.ToY + 7, l.ToZ});
    }
    Figure().ClearData();
    for (const CLine& l : moved.Lines()) {
        Figure().AddLine(l);
    }
    Send("EXERCISE_MAKE");
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("同じ問題があります：超特級 第6問"));
    Figure().ClearData();
    Figure().AddLine(CLine{0, 0, 0, 10, 0, 0});
    Figure().AddLine(CLine{0, 0, 0, 0, 10, 0});
    Send("EXERCISE_MAKE");
    EXPECT_TRUE(dialogs.calls.last().text.contains(QStringLiteral("3 本より少ない")));
    EXPECT_FALSE(QDir(Data(QStringLiteral("exercises"))).exists() &&
                 !QDir(Data(QStringLiteral("exercises"))).entryList(QDir::Files).isEmpty());
    // Cancelling the name keeps nothing.
    Figure().AddLine(CLine{0, 0, 0, 0, 0, 10});
    dialogs.TypeText(std::nullopt);
    Send("EXERCISE_MAKE");
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::AskText);
}

// Hints lay the learner's views over the target's in red and go again; after the answer is
// shown a right answer is not recorded; a figure made into an exercise is listed as the
// user's own, and a figure with the same views but another shape is 別解; opening a file
// ends the exercise.
TEST_F(Exercises, HintsAnswerOwnExercisesAndAnotherAnswer) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    dialogs.PickExercise(2);
    Send("EXERCISE_CHOOSE");
    const QString id = Controller().ExerciseId();
    ASSERT_EQ(id, QStringLiteral("L1-03"));
    Send("APPLY");
    Send("POINTER_MOVE_Y");
    Send("APPLY");
    Send("EXERCISE_HINT");
    const QRgb red = qRgb(224, 0, 0);
    for (QLabel* pane : {Window().FrontView(), Window().TopView(), Window().SideView()}) {
        EXPECT_TRUE(Holds(PaneImage(pane), red));
    }
    // The hint follows the figure as it changes.
    const QImage before = PaneImage(Window().FrontView());
    Send("APPLY");
    Send("POINTER_MOVE_X");
    Send("APPLY");
    ASSERT_EQ(Figure().NumberOfLines(), 2);
    EXPECT_NE(PaneImage(Window().FrontView()), before);
    Send("EXERCISE_HINT");
    EXPECT_FALSE(Holds(PaneImage(Window().FrontView()), red));
    Send("UNDO");

    Send("EXERCISE_ANSWER");
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::ShowFigure);
    EXPECT_TRUE(Holds(dialogs.shownPicture, qRgb(0, 0, 0)));
    // Beside the solid, the drawings it is read from.
    EXPECT_TRUE(Holds(dialogs.shownDrawings, qRgb(0, 0, 0)));
    CZelkData target;
    ASSERT_TRUE(
        target.Load(QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises/L1-03.zlk")));
    // On a 2x screen a pane's picture has twice the pixels and the pane's size.
    const QImage sharp =
        ExerciseViews::Pane({target, {}}, nullptr, ExerciseViews::View::Front, QSize(200, 150), 2);
    EXPECT_EQ(sharp.size(), QSize(400, 300));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(200, 150));
    Send("UNDO");
    ASSERT_EQ(Figure().NumberOfLines(), 0);
    DrawWithKeys(QApplication::focusWidget() ? QApplication::focusWidget() : &Window(), AppData(),
                 target, 20);
    ASSERT_EQ(Figure().NumberOfLines(), target.NumberOfLines());
    Send("EXERCISE_CHECK");
    EXPECT_TRUE(dialogs.calls.last().text.startsWith(QStringLiteral("正解です。（答えを見たので")));
    EXPECT_TRUE(
        ProgressText(Ctx().Folders().SettingsFile()).contains(id + QStringLiteral("\t0\t")));

    // A cube of 40 mm made into an exercise of the user's own.
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    Send("NEW_FIGURE");
    const auto cube = [](CZelkData& figure, bool withBackEdge) {
        const float s = 40;
        const CLine edges[12] = {{0, 0, 0, s, 0, 0}, {s, 0, 0, s, s, 0}, {s, s, 0, 0, s, 0},
                                 {0, s, 0, 0, 0, 0}, {0, 0, s, s, 0, s}, {s, 0, s, s, s, s},
                                 {s, s, s, 0, s, s}, {0, s, s, 0, 0, s}, {0, 0, 0, 0, 0, s},
                                 {s, 0, 0, s, 0, s}, {s, s, 0, s, s, s}, {0, s, 0, 0, s, s}};
        for (int i = 0; i < 12; ++i) {
            if (withBackEdge || i != 1) {
                figure.AddLine(edges[i]);
            }
        }
    };
    cube(Figure(), true);
    dialogs.TypeText(QStringLiteral("立方体"));
    Send("EXERCISE_MAKE");
    EXPECT_TRUE(dialogs.askedText.endsWith(QStringLiteral("自作1"))) << "the level and a number";
    EXPECT_TRUE(dialogs.calls.last().text.startsWith(QStringLiteral("この図形を問題にしました。")));
    const QStringList own =
        QDir(Data(QStringLiteral("exercises"))).entryList({QStringLiteral("*.zlk")}, QDir::Files);
    // A new figure ended the exercise: the level is the user's own again.
    const int level = static_cast<int>(AppData().Level()) + 1;
    ASSERT_EQ(own, QStringList{QStringLiteral("L%1-20261207-140509.zlk").arg(level)})
        << "named by the level and the time";

    dialogs.PickExercise(std::nullopt);
    Send("EXERCISE_CHOOSE");
    const std::vector<UserDialogs::ExerciseCard> cards = dialogs.offeredExercises;
    ASSERT_EQ(cards.back().heading, QStringLiteral("自分の問題"));
    EXPECT_EQ(cards.back().title, QStringLiteral("立方体"));

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes); // the cube is unsaved
    dialogs.PickExercise(static_cast<int>(cards.size()) - 1);
    Send("EXERCISE_CHOOSE");
    ASSERT_EQ(Controller().ExerciseId(), QStringLiteral("own/L%1-20261207-140509").arg(level));
    cube(Figure(), false); // a back edge left out: the views still agree
    Send("EXERCISE_CHECK");
    const QString another = dialogs.calls.last().text;
    EXPECT_TRUE(another.startsWith(QStringLiteral("正解です！"))) << another.toStdString();
    EXPECT_TRUE(another.contains(QStringLiteral("別解"))) << another.toStdString();

    // Another figure in place ends the exercise; the panes show the view again.
    const QString file = Data(QStringLiteral("other.zlk"));
    WriteFigure(file, "0 0 0 1\r\n0,0,0,10,0,0\r\nother\r\n");
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseFile(file);
    Send("LOAD");
    EXPECT_EQ(Controller().ExerciseId(), QString());
    dialogs.ClearScript();
}

} // namespace

namespace {

// The answer's figure turns with the arrow keys, 15° a key; the latitude stops at the
// pole and the longitude goes round.
TEST(FigureTurnerKeys, ArrowsTurnTheAnswer) {
    CZelkData figure;
    figure.AddLine(CLine{0, 0, 0, 40, 0, 0});
    figure.AddLine(CLine{0, 0, 0, 0, 40, 0});
    FigureTurner turner(FigureView::Plain(figure, QSize(160, 120)), nullptr);
    const int longitude = turner.Renderer().Longitude();
    QTest::keyClick(&turner, Qt::Key_Right);
    EXPECT_EQ(turner.Renderer().Longitude(), longitude + 15);
    QTest::keyClick(&turner, Qt::Key_Left);
    QTest::keyClick(&turner, Qt::Key_Left);
    EXPECT_EQ(turner.Renderer().Longitude(), longitude - 15);
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(&turner, Qt::Key_Up);
    }
    EXPECT_EQ(turner.Renderer().Latitude(), 90);
    QTest::keyClick(&turner, Qt::Key_Down);
    EXPECT_EQ(turner.Renderer().Latitude(), 75);
    turner.TurnBy(360 + 30, 0);
    EXPECT_EQ(turner.Renderer().Longitude(), longitude + 15) << "round, not beyond";
}

} // namespace

// The first exercise of each new kind through the real window, with the keys: what the
// panes show, a wrong answer, a right one with its summary, and the record of each kind.
// A missing view found another way is right, said so, and both side views are shown.
TEST_F(Exercises, EachNewKindFromTheChooserToASolve) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    const QString folder = QStringLiteral(ZELK_PROGRAM_DIR) + QStringLiteral("/exercises/");
    const QRgb black = qRgb(0, 0, 0);
    const QRgb red = qRgb(0xE0, 0, 0);
    for (const auto& [group, id] :
         {std::pair{"欠けた図 初級", "L1-S01"}, std::pair{"回転 初級", "L1-R01"},
          std::pair{"鏡映 初級", "L1-M01"}}) {
        SCOPED_TRACE(id);
        dialogs.PickExercise(std::nullopt);
        Send("EXERCISE_CHOOSE");
        const std::vector<UserDialogs::ExerciseCard> cards = dialogs.offeredExercises;
        const auto first = std::find_if(cards.begin(), cards.end(), [group](const auto& card) {
            return card.heading == QString::fromUtf8(group);
        });
        ASSERT_NE(first, cards.end());
        EXPECT_EQ(std::count_if(first, cards.end(),
                                [group](const auto& card) {
                                    return card.heading == QString::fromUtf8(group);
                                }),
                  4);
        const qsizetype before = dialogs.calls.size();
        dialogs.PickExercise(static_cast<int>(first - cards.begin()));
        Send("EXERCISE_CHOOSE");
        ASSERT_EQ(Controller().ExerciseId(), QString::fromUtf8(id));
        const std::optional<ExerciseTask> task = ExerciseTask::Of(folder + id + ".zlk");
        ASSERT_TRUE(task);
        CZelkData given;
        ASSERT_TRUE(given.Load(folder + id + ".zlk").ok);
        const CZelkData answer = task->Answer(given);
        EXPECT_TRUE(Window().StatusText(1).contains(task->Instruction()))
            << Window().StatusText(1).toStdString();
        // Only a turn shows its solid before drawing starts.
        const bool sampleShown =
            dialogs.calls.size() > before &&
            dialogs.calls.last().kind == ScriptedUserDialogs::Kind::ShowFigure &&
            dialogs.calls.last().caption == QStringLiteral("見本");
        EXPECT_EQ(sampleShown, task->kind == ExerciseTask::Kind::Rotation);
        const QImage front = PaneImage(Window().FrontView());
        const QImage side = PaneImage(Window().SideView());
        EXPECT_EQ(Holds(front, qRgb(0, 0x60, 0xD0)), task->kind == ExerciseTask::Kind::Reflection)
            << "the mirror plane, seen edge-on in the front view";
        if (task->kind == ExerciseTask::Kind::MissingView) {
            EXPECT_LT(Count(side, black) * 3, Count(front, black)) << "the side view is left out";
        } else {
            EXPECT_GT(Count(side, black) * 3, Count(front, black));
        }

        QWidget* keys =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
        // Wrong: the given solid as it stands (for a missing view, one line of it).
        CZelkData wrong;
        if (task->kind == ExerciseTask::Kind::MissingView) {
            wrong.AddLine(given.Lines().front());
        } else {
            wrong.Swap(given);
            ASSERT_TRUE(given.Load(folder + id + ".zlk").ok);
        }
        DrawWithKeys(keys, AppData(), wrong, 20);
        Send("EXERCISE_CHECK");
        const QString refused = dialogs.calls.last().text;
        EXPECT_TRUE(refused.startsWith(QStringLiteral("まだ違います。"))) << refused.toStdString();
        EXPECT_EQ(refused.contains(QStringLiteral("右側面図：")),
                  task->kind != ExerciseTask::Kind::MissingView)
            << "only the views asked for are counted";
        for (int i = 0; i < wrong.NumberOfLines(); ++i) {
            Send("UNDO");
        }
        ASSERT_EQ(Figure().NumberOfLines(), 0);

        // Right, after 42 seconds. A missing view's answer gets a line its front and top
        // views do not show: a diagonal in the plane x = 0 (on the edges there).
        CZelkData right;
        for (const CLine& line : answer.Lines()) {
            right.AddLine(line);
        }
        if (task->kind == ExerciseTask::Kind::MissingView) {
            const CZelkData::Point& size = answer.MaxPos();
            right.AddLine(CLine{0, 0, 0, 0, size[1], size[2]});
        }
        DrawWithKeys(keys, AppData(), right, 20);
        Send("EXERCISE_HINT");
        EXPECT_TRUE(Holds(PaneImage(Window().FrontView()), red)) << "the learner's lines, turned "
                                                                    "back onto the given views";
        Send("EXERCISE_HINT");
        clock.Advance(42000);
        Send("EXERCISE_CHECK");
        const QString solved = dialogs.calls.last().text;
        EXPECT_TRUE(solved.startsWith(QStringLiteral("正解です！　かかった時間 0:42\r\n%1 1 / 4")
                                          .arg(QString::fromUtf8(group))))
            << solved.toStdString();
        const bool otherSide = solved.contains(QStringLiteral("右側面図の欄に両方を示しました"));
        EXPECT_EQ(otherSide, task->kind == ExerciseTask::Kind::MissingView);
        EXPECT_EQ(Holds(PaneImage(Window().SideView()), red), otherSide)
            << "the learner's side view over the model answer's";
    }

    // Each group's line: solved of all, the best time, the checks.
    dialogs.PickExercise(std::nullopt);
    Send("EXERCISE_CHOOSE");
    const std::vector<UserDialogs::ExerciseCard>& cards = dialogs.offeredExercises;
    const auto begin = std::find_if(cards.begin(), cards.end(), [](const auto& card) {
        return card.heading == QStringLiteral("回転 初級");
    });
    ASSERT_NE(begin, cards.end());
    EXPECT_EQ(begin->groupLine,
              QStringLiteral("回転 初級\u3000解けた数 1 / 4\u3000最短 0:42\u3000答え合わせ 2 回"));
    EXPECT_EQ((begin + 3)->groupLine, begin->groupLine);
    const auto views = std::find_if(cards.begin(), cards.end(), [](const auto& card) {
        return card.heading == QStringLiteral("三面図から立体 中級");
    });
    ASSERT_NE(views, cards.end());
    EXPECT_EQ(views->groupLine, QStringLiteral("三面図から立体 中級\u3000解けた数 0 / 7"));

    // The teacher's table names each kind.
    const QString table = Ctx().Folders().Data() + QStringLiteral("/record.csv");
    dialogs.ChooseExport(UserDialogs::ExportChoice{table, UserDialogs::ExportKind::Table});
    Send("EXERCISE_EXPORT_PROGRESS");
    QFile record(table);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(record.readAll()).split(QStringLiteral("\r\n"));
    const QString day = clock.Now().date().toString(Qt::ISODate);
    for (const QString& row : {QStringLiteral("L1-S01,欠けた図,初級,1,2,42.0,") + day,
                               QStringLiteral("L1-R01,回転,初級,1,2,42.0,") + day,
                               QStringLiteral("L1-M01,鏡映,初級,1,2,42.0,") + day,
                               QStringLiteral("L5-M04,鏡映,超特級,0,0,,")}) {
        EXPECT_TRUE(rows.contains(row)) << row.toStdString();
    }
}
