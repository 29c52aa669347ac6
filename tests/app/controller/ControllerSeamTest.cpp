// The controller driven through its seams alone: a recording main window, window
// factory, printer and clipboard, no main window widgets.
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "FixedClock.h"
#include "MemoryClipboard.h"
#include "RecordingMainWindow.h"
#include "RecordingPrinter.h"
#include "RecordingSoundBackend.h"
#include "RecordingWindowFactory.h"
#include "ScriptedUserDialogs.h"
#include "TestPrinters.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ControllerSeams : public ::testing::Test {
protected:
    ControllerSeams() : app(folder.path()) {
        dialogs.SetFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        view.SetControlWidth(200);
        view.SetControlHeight(150);
        view.SetControlScaleWidth(200);
        view.SetControlScaleHeight(150);
        context.programFolder = folder.path();
        context.dialogs = &dialogs;
        context.sound = &sound;
        context.clock = &clock;
        context.clipboard = &clipboard;
        context.printer = &printer;
        context.windows = &windows;
        context.controller = &controller;
        context.proController = &pro;
        context.appData = &app;
        context.window = &window;
        context.figure = &figure;
        context.view = &view;
        app.SetFigure(&figure);
        figure.AddLine(QStringLiteral("0,0,0,80,0,0"));
        figure.AddLine(QStringLiteral("0,0,0,0,40,0"));
    }
    bool Send(const char* command) { return controller.SetCommand(QString::fromLatin1(command)); }

    QTemporaryDir folder;
    ScriptedUserDialogs dialogs;
    RecordingSoundBackend sound;
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0)), QLocale(QLocale::English)};
    MemoryClipboard clipboard;
    RecordingPrinter printer;
    RecordingWindowFactory windows;
    RecordingMainWindow window;
    AppContext context;
    CZelkController controller{context};
    CZelkProController pro{context};
    CAppData app;
    CZelkData figure;
    ctlZelkView view;
};

TEST_F(ControllerSeams, TurningAsksTheWindowForTimerStatusAndButtons) {
    EXPECT_TRUE(Send("TURN_UP"));
    EXPECT_EQ(window.status[1], QStringLiteral("視点の角度[-45° , 40°]"));
    EXPECT_EQ(window.title,
              UserDialogs::ProgramTitle() + u'[' + app.FileName() + QStringLiteral("] 変更あり"));

    EXPECT_TRUE(Send("CONTINUOUS_TURN"));
    EXPECT_TRUE(window.turning);
    EXPECT_FALSE(window.continuousTurnEnabled);
    EXPECT_EQ(app.ContinuousTurningDirection(), QStringLiteral("LEFT"));
    EXPECT_TRUE(Send("TURNING_TIMER_CALL"));
    EXPECT_EQ(app.Longitude(), -40);
    // A standard view waits while turning runs.
    EXPECT_TRUE(Send("FRONT_VIEW"));
    EXPECT_EQ(app.Longitude(), -40);
    EXPECT_TRUE(Send("CONTINUOUS_TURN_STOP"));
    EXPECT_FALSE(window.turning);
    EXPECT_TRUE(window.continuousTurnEnabled);
    EXPECT_EQ(app.ContinuousTurningDirection(), QStringLiteral("DOWN"));
}

TEST_F(ControllerSeams, ThreeViewsRecentFilesAndCheckMarks) {
    EXPECT_TRUE(Send("THIRD_ANGLE_PROJECTION_METHOD"));
    EXPECT_TRUE(window.threeViews);
    for (const QImage& pane : window.panes) {
        EXPECT_EQ(pane.size(), QSize(200, 150));
    }
    EXPECT_TRUE(clipboard.image.isNull()) << "the panes do not pass through the clipboard";
    EXPECT_EQ(app.Longitude(), -45);
    EXPECT_EQ(app.Latitude(), 35);

    app.SetHistory(0, QStringLiteral("/figs/a.zlk"));
    app.SetHistory(2, QStringLiteral("/figs/c.zlk"));
    controller.UpdateRecentMenu();
    EXPECT_TRUE(window.recentSeparator);
    EXPECT_EQ(window.recent[2], QStringLiteral("/figs/c.zlk"));
    EXPECT_EQ(window.recent[1], QString());

    EXPECT_TRUE(Send("DATA_PATH_FIXED"));
    EXPECT_FALSE(window.checks.value(IMainWindow::CheckItem::DataPathFixed, true));
    EXPECT_TRUE(Send("SHOW_HELP"));
    EXPECT_TRUE(Send("VIEW_THUMBNAIL"));
    EXPECT_EQ(windows.opened, (QStringList{"help " + folder.path() + "/help/ZW33.html",
                                           "thumbnails " + app.DataPath()}));
}

TEST_F(ControllerSeams, PrintingHandsThePageToThePrinter) {
    dialogs.ChoosePrint(UserDialogs::PrintChoice{2, QString(), QString()});
    EXPECT_TRUE(Send("PRINT_MONOCHROME_PICTURE"));
    ASSERT_EQ(printer.pages.size(), 2);
    EXPECT_EQ(printer.pages[0].size, view.size());
    EXPECT_EQ(printer.pages[0].picture.pixelColor(1, 1), QColor(Qt::white)) << "black on white";
    EXPECT_EQ(printer.pages[0].comment, figure.Comment());
    EXPECT_TRUE(clipboard.image.isNull()) << "printing leaves the clipboard alone";

    // Cancelled: nothing printed. A printer that cannot be opened is told.
    dialogs.ChoosePrint(std::nullopt);
    EXPECT_TRUE(Send("PRINT_MONOCHROME_PICTURE"));
    EXPECT_EQ(printer.pages.size(), 2);
    printer.broken = true;
    dialogs.ChoosePrint(UserDialogs::PrintChoice{1, QString(), QString()});
    EXPECT_TRUE(Send("PRINT_MONOCHROME_PICTURE"));
    EXPECT_EQ(dialogs.MessageTexts().last(),
              QStringLiteral("印刷できませんでした。プリンタの設定を確かめてください。"));
}

TEST_F(ControllerSeams, DetailedInputReadsAndWritesTheFieldsThroughTheWindow) {
    app.SetProInterface(true);
    app.SetProIF_LineNumber(2);
    EXPECT_TRUE(pro.SetCommand(QStringLiteral("SETUP_VSCROLL_BAR")));
    EXPECT_EQ(window.scrollMinimum, 1);
    EXPECT_EQ(window.scrollMaximum, 2);
    EXPECT_TRUE(pro.SetCommand(QStringLiteral("REFLESH_PRO_INTERFACE")));
    // Fields 0, 2, 4 hold the from point, 1, 3, 5 the to point.
    EXPECT_EQ(window.fields, (std::array<QString, 6>{"0", "0", "0", "40", "0", "0"}));
    EXPECT_EQ(window.lineNumberText, QStringLiteral("LineNo. 2 / 2"));
    EXPECT_FALSE(pro.SetCommand(QStringLiteral("NO_SUCH_COMMAND")));
}

} // namespace
