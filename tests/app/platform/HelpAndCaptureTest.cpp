#include "CHelp.h"
#include "CKeyEventsForClipboardHandling.h"
#include "HelpWindow.h"
#include "TestPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

TEST(CHelp, OpensTheHtmlHelpInTheProgramsHelpWindow) {
    QTemporaryDir dir;
    const QString page = dir.filePath("help.html");
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<html><body><h1>立体ゼルクの使い方</h1></body></html>").toUtf8());
    f.close();

    CHelp help;
    help.ShowHTMLHelpUsingAPI(nullptr, page);
    HelpWindow* window = HelpWindow::Instance();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ShownFile(), page);
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("立体ゼルクの使い方")));

    help.ShowUsingAPI(nullptr, dir.filePath("missing.html"));
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("見つかりません")));
    window->close();
}

TEST(CKeyEventsForClipboardHandling, WholeWindowCopyReplacesTheClipboard) {
    QWidget window;
    window.resize(300, 200);
    window.setStyleSheet(QStringLiteral("background: rgb(10, 200, 30);"));
    window.show();
    QApplication::clipboard()->setText(QStringLiteral("earlier"));

    CKeyEventsForClipboardHandling(&window).CopyEntireFormToClipboard();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(300, 200));
    EXPECT_EQ(copied.pixelColor(150, 100), QColor(10, 200, 30));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());

    // Nothing to capture: the clipboard is still emptied.
    window.hide();
    QApplication::clipboard()->setText(QStringLiteral("earlier"));
    CKeyEventsForClipboardHandling(nullptr).CopyEntireFormToClipboard();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

} // namespace
