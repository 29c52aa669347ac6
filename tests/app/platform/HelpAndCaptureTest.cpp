#include "CHelp.h"
#include "CKeyEventsForClipboardHandling.h"
#include "HelpWindow.h"
#include "TestPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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

TEST(CHelp, TheHelpWindowBelongsToItsOwnerAndClosesWithEscOrCtrlW) {
    QTemporaryDir dir;
    const QString page = dir.filePath("help.html");
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><p>help</p></body></html>");
    f.close();
    QWidget owner;
    owner.setGeometry(200, 150, 800, 600);
    owner.show();
    CHelp().ShowHTMLHelpUsingAPI(&owner, page);
    HelpWindow* window = HelpWindow::Instance();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &owner) << "kept in front of the main window";
    EXPECT_TRUE(window->isWindow());
    EXPECT_LE((window->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              4)
        << "opens centred on it";
    // Keys reach the page first, as they do for the user.
    QTest::keyClick(window->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    CHelp().ShowHTMLHelpUsingAPI(&owner, page);
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(window->Browser(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
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
