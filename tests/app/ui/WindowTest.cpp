#include "AppFixture.h"
#include "IconFactory.h"
#include "MenuTable.h"
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QToolButton>

namespace {

using MainWindow = AppFixture;

TEST_F(MainWindow, SidePanelLayoutAt1024x768) {
    Send("1024x768");
    EXPECT_EQ(Window().SecondaryTools()->geometry(),
              QRect(Window().ScaleWidth() - 150, Window().ToolBarHeight(), 150, 300));
    // R 30, M 8, X 22, B 105.
    EXPECT_EQ(Window().ToolBoxButton(0)->geometry(), QRect(22, 8, 105, 30));
    EXPECT_EQ(Window().ToolBoxButton(1)->geometry(), QRect(22, 38, 52, 30));
    EXPECT_EQ(Window().ToolBoxButton(2)->geometry(), QRect(74, 38, 52, 30));
    EXPECT_EQ(Window().ToolBoxButton(4)->geometry(), QRect(32, 106, 42, 30));
    EXPECT_EQ(Window().ToolBoxButton(9)->geometry(), QRect(74, 166, 42, 30));
    EXPECT_EQ(Window().ToolBoxButton(12)->geometry(), QRect(22, 264, 105, 30));
    EXPECT_EQ(Window().ToolBoxButton(15)->geometry(), QRect(22, 166, 10, 30));
    EXPECT_EQ(Window().ToolBoxButton(16)->geometry(), QRect(116, 106, 10, 30));

    Send("DRAW_MODE");
    Window().Action(QStringLiteral("mnuOptionProInterface"))->trigger();
    // R 27, M 7; the "新しい線" button is laid out but never shown.
    EXPECT_EQ(Window().ProInterfaceButton(0)->geometry(), QRect(22, 7, 105, 27));
    EXPECT_EQ(Window().ProInterfaceButton(6)->geometry().top(), 264);
    EXPECT_FALSE(Window().ProInterfaceButton(6)->isVisible());
    Send("800x600");
    EXPECT_FALSE(Window().ProInterfaceButton(6)->isVisible());
}

TEST_F(MainWindow, SizesAndTheSmallWindow) {
    Window().SetFormSize(QStringLiteral("1280x1024"));
    EXPECT_EQ(Window().GetFormSize(), QStringLiteral("800x400"));
    EXPECT_TRUE(Window().Action(QStringLiteral("mnuVAIOC1Size"))->isChecked());
    EXPECT_EQ(Window().frameGeometry().size(), QSize(800, 400));

    // The panel takes what is left between tool bar and status bar, at most 300, and
    // the buttons follow its height.
    const int p = std::min(Window().ScaleHeight() - Window().ToolBarHeight() - 20, 300);
    EXPECT_EQ(Window().SecondaryTools()->height(), p);
    const int r = static_cast<int>(std::nearbyint(p / 10.0));
    EXPECT_EQ(Window().ToolBoxButton(0)->height(), r);
    EXPECT_EQ(View().ControlScaleHeight(), 400 - Window().ToolBarHeight() - 20);

    Send("640x480");
    EXPECT_EQ(Window().frameGeometry().size(), QSize(640, 480));
    EXPECT_EQ(View().ControlScaleWidth(), 640 - 150);
}

TEST_F(MainWindow, ButtonsAndMenusSendTheirCommands) {
    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    Window().ToolBoxButton(13)->click();
    EXPECT_EQ(AppData().PointerFromX(), 100) << "ten steps";
    Window().ToolBoxButton(5)->click();
    EXPECT_EQ(AppData().PointerFromX(), 90);
    Window().ToolBoxButton(0)->click();
    EXPECT_EQ(AppData().Latitude(), 40);

    QAction* senior = Window().Action(QStringLiteral("mnuSenior"));
    senior->trigger();
    EXPECT_TRUE(senior->isChecked());
    EXPECT_FALSE(Window().Action(QStringLiteral("mnuMidClass"))->isChecked());
    EXPECT_EQ(AppData().MaxSize(), 1000);
    senior->trigger();
    EXPECT_TRUE(senior->isChecked()) << "clicking the checked level keeps it";

    QAction* draw = Window().Action(QStringLiteral("mnuDraw"));
    draw->trigger();
    EXPECT_EQ(AppData().Mode(), QStringLiteral("VIEW_MODE"));
    EXPECT_FALSE(draw->isChecked());
    EXPECT_FALSE(senior->isEnabled());
    draw->trigger();
    EXPECT_TRUE(draw->isChecked());
    EXPECT_TRUE(senior->isEnabled());
    // The mark follows the mode however it changes: the tool bar's pencil, a command.
    Window().ToolBarButton("cmdDrawFig")->click();
    EXPECT_EQ(AppData().Mode(), QStringLiteral("VIEW_MODE"));
    EXPECT_FALSE(draw->isChecked());
    EXPECT_FALSE(senior->isEnabled());
    Window().ToolBarButton("cmdDrawFig")->click();
    EXPECT_TRUE(draw->isChecked());
    Send("VIEW_MODE");
    EXPECT_FALSE(draw->isChecked());
    Send("DRAW_MODE");
    EXPECT_TRUE(draw->isChecked());
    EXPECT_TRUE(senior->isEnabled());

    const float ratio = AppData().Ratio();
    Window().ToolBarButton("cmdMagnify")->click();
    EXPECT_GT(AppData().Ratio(), ratio);
    EXPECT_EQ(Window().ToolBarButton("cmdNoSuchButton"), nullptr);
}

// Every tool bar and side button shows its picture, painted at build time, with a sharp
// twice-as-large one for 2x screens; a picture is not blank. So does the menu bar's button
// for menus that do not fit (the program's style gives it the program's own picture).
TEST_F(MainWindow, EveryButtonHasItsPictureAt1xAnd2x) {
    auto* extension = Window().menuBar()->findChild<QToolButton*>(
        QStringLiteral("qt_menubar_ext_button"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->icon().pixmap(QSize(16, 16), 2.0).toImage(),
              IconFactory::MenuExtensionIcon().pixmap(QSize(16, 16), 2.0).toImage());
    std::vector<QAbstractButton*> buttons{extension};
    for (const MenuTable::ToolRow& row : MenuTable::ToolBar()) {
        if (row.name != nullptr) {
            buttons.push_back(Window().ToolBarButton(row.name));
        }
    }
    for (int i = 0; i <= 18; ++i) {
        buttons.push_back(Window().ToolBoxButton(i));
    }
    for (QAbstractButton* button : buttons) {
        ASSERT_NE(button, nullptr);
        const QIcon icon = button->icon();
        ASSERT_FALSE(icon.isNull()) << button->objectName().toStdString();
        const QSize size = icon.availableSizes().value(0);
        ASSERT_FALSE(size.isEmpty()) << button->objectName().toStdString();
        const QImage sharp = icon.pixmap(size, 2.0).toImage();
        EXPECT_EQ(sharp.size(), size * 2) << button->objectName().toStdString();
        bool painted = false;
        for (int y = 0; y < sharp.height() && !painted; ++y) {
            for (int x = 0; x < sharp.width() && !painted; ++x) {
                painted = qAlpha(sharp.pixel(x, y)) > 0;
            }
        }
        EXPECT_TRUE(painted) << button->objectName().toStdString();
    }
}

// A tap on Alt, or Esc out of a menu, leaves the keys with the window: X still moves the
// pointer and Enter still fixes it, nothing goes unseen to the menu bar.
TEST_F(MainWindow, NoKeyGoesUnseenToTheMenuBar) {
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    const auto keysReachTheWindow = [this](const char* after) {
        EXPECT_FALSE(Window().menuBar()->hasFocus()) << after;
        EXPECT_EQ(Window().menuBar()->activeAction(), nullptr) << after;
        const int x = AppData().PointerFromX();
        QWidget* target =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
        QTest::keyClick(target, Qt::Key_X);
        EXPECT_EQ(AppData().PointerFromX(), x + 10) << after;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << after;
    };
    QTest::keyClick(&Window(), Qt::Key_Alt);
    keysReachTheWindow("a tap on Alt");

    QMenu* file = Window().findChild<QMenu*>(QStringLiteral("mnuFile"));
    QTimer::singleShot(0, [file] { QTest::keyClick(file, Qt::Key_Escape); });
    Window().menuBar()->setActiveAction(file->menuAction());
    QTRY_VERIFY(!file->isVisible());
    keysReachTheWindow("Esc out of a menu");

    // F10 opens the first menu, the desktop's way; Esc twice gives the keys back.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &Window(),
                    Qt::Key_F10);
    QTRY_VERIFY(file->isVisible());
    EXPECT_EQ(Window().menuBar()->activeAction(), file->menuAction());
    QTest::keyClick(file, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
    if (Window().menuBar()->activeAction() != nullptr) {
        QTest::keyClick(Window().menuBar(), Qt::Key_Escape);
    }
    keysReachTheWindow("F10, then Esc");
}

TEST_F(MainWindow, ClosingAsksAndOnlyFinEnds) {
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    Window().close();
    EXPECT_EQ(dialogs.calls.last().text, QStringLiteral("立体ゼルクを終了しますか？"));
    EXPECT_EQ(dialogs.calls.last().caption, QString());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(quitCalls, 0);

    // A changed figure: the discard warning; No keeps the program.
    Figure().AddLine(QStringLiteral("1,1,1,2,2,2"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    EXPECT_TRUE(Send("FIN"));
    EXPECT_EQ(dialogs.calls.last().caption, UserDialogs::ProgramTitle());
    EXPECT_EQ(quitCalls, 0);
    EXPECT_EQ(CountCues("Fin.wav"), 0);

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    EXPECT_TRUE(Send("FIN"));
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(sound.cues.last(), (RecordingSoundBackend::Cue{Folder() + "/sound/Fin.wav", "SYNC"}));
    EXPECT_TRUE(app->Ended());
    // After the end nothing reaches the controller: no question, no tick.
    const int calls = dialogs.calls.size();
    Window().close();
    EXPECT_EQ(dialogs.calls.size(), calls);
    EXPECT_FALSE(Window().AutosaveTimer()->isActive());
}

TEST_F(MainWindow, BootShowsTheBuiltInFigureInTheIsometricView) {
    EXPECT_TRUE(Window().isVisible());
    // Settings, figure, mode and view are applied before the one picture is drawn.
    EXPECT_EQ(View().DrawCount(), 1);
    EXPECT_EQ(Figure().NumberOfLines(), 15);
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_EQ(AppData().Longitude(), -45);
    EXPECT_EQ(AppData().Latitude(), 35);
    EXPECT_EQ(Window().StatusText(1),
              QStringLiteral("さあ、立体ゼルクをはじめましょう！   <") +
                  QLocale(QLocale::English).toString(QDate(2026, 12, 7), QLocale::ShortFormat) +
                  u'>');
    EXPECT_EQ(Window().StatusText(2), QStringLiteral("視点の角度[-45° , 35°]"));
    EXPECT_FLOAT_EQ(AppData().Ratio(),
                    static_cast<float>(View().ControlScaleHeight()) / (80.0F * 1.8F));
    EXPECT_TRUE(Window().AutosaveTimer()->isActive());
    EXPECT_EQ(Window().TurningTimer()->interval(), 100);
}

} // namespace

namespace {

using Layouts = AppFixture;

TEST_F(Layouts, ALayoutNeverMovesThePointers) {
    Send("DRAW_MODE");
    Send("DIFFICULTY_MIDIUM");
    for (const char* step : {"POINTER_MOVE_X", "POINTER_MOVE_X", "POINTER_MOVE_Z"}) {
        Send(step);
    }
    const auto pointers = [this] {
        return QStringList{
            QString::number(AppData().PointerFromX()), QString::number(AppData().PointerFromY()),
            QString::number(AppData().PointerFromZ()), QString::number(AppData().PointerToX()),
            QString::number(AppData().PointerToY()),   QString::number(AppData().PointerToZ())};
    };
    const QStringList before = pointers();
    ASSERT_EQ(before.mid(0, 3), (QStringList{"20", "0", "10"}));
    ASSERT_GT(Figure().NumberOfLines(), 0);
    for (const char* size : {"800x600", "1024x768", "640x480", "800x400"}) {
        Send(size);
        EXPECT_EQ(pointers(), before) << size;
    }
    Send("THIRD_ANGLE_PROJECTION_METHOD");
    Send("THIRD_ANGLE_PROJECTION_METHOD");
    EXPECT_EQ(pointers(), before) << "three-view layout and back";
}

} // namespace
