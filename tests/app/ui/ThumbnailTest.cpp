#include "AppFixture.h"
#include "CFileHandling.h"
#include "frmPreView.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class Thumbnails : public AppFixture {
protected:
    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile f(Data(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void WriteFigures() {
        WriteFile("a.zlk", "0 0 0 1\r\n0 0 0 80 0 0\r\na\r\n");
        WriteFile("b.zlk", "0 0 0 2\r\n0 0 0 0 80 0\r\n0 0 0 80 80 0\r\nb\r\n");
        WriteFile("c.zlk", "0 0 0 1\r\n0 0 0 0 0 80\r\nc\r\n");
        WriteFile("notes.txt", "not a figure");
        QDir().mkpath(Data("folder.zlk"));
    }
    frmPreView* Browser() { return Windows().ThumbnailBrowser(); }
    static QImage Picture(QListWidgetItem* item) {
        return item->data(Qt::DecorationRole).value<QImage>().convertToFormat(QImage::Format_RGB32);
    }
    static int Count(const QImage& image, const std::function<bool(QColor)>& test) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += test(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(Thumbnails, ListsTheFigureFilesAsBlackOnWhitePictures) {
    WriteFigures();
    QApplication::clipboard()->setText(QStringLiteral("mine"));
    EXPECT_TRUE(Send("VIEW_THUMBNAIL"));
    frmPreView* browser = Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(browser->windowTitle(), UserDialogs::ProgramTitle() + " 【サムネイル】");
    EXPECT_EQ(browser->size(), QSize(600, 400));
    EXPECT_EQ(browser->PathLabel()->text(), "現在のデータ保存先 【 " + Data("").chopped(1) + " 】");
    EXPECT_FALSE(browser->Progress()->isVisible());

    const QStringList expected{QStringLiteral("a.zlk"), QStringLiteral("b.zlk"),
                               QStringLiteral("c.zlk")};
    QStringList shown;
    for (int i = 0; i < browser->List()->count(); ++i) {
        shown << browser->List()->item(i)->text();
    }
    shown.removeAll(QStringLiteral("zelk01.zlk"));
    EXPECT_EQ(shown, expected) << "in the order a file manager shows them";
    EXPECT_EQ(shown.size(), 3);

    for (int i = 0; i < browser->List()->count(); ++i) {
        const QImage picture = Picture(browser->List()->item(i));
        EXPECT_EQ(picture.size(), QSize(100, 100));
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_GT(Count(picture, [](QColor c) { return c == QColor(Qt::black); }), 20);
        EXPECT_EQ(Count(picture, [](QColor c) { return c.saturation() > 60; }), 0)
            << "no axis or pointer colours";
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("mine")) << "clipboard untouched";
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(Thumbnails, DamagedFilesAreToldAndEmptyFiguresAreBlank) {
    WriteFile("bad.zlk", "0 0 0 5\r\n0 0 0 1 1 1\r\n");
    WriteFile("empty.zlk", "0 0 0 0\r\nnothing\r\n");
    Send("VIEW_THUMBNAIL");
    ASSERT_NE(Browser(), nullptr);
    EXPECT_EQ(Browser()->List()->count(), 3);
    const QStringList texts = dialogs.MessageTexts();
    const QString damaged = QStringLiteral("ERROR! データファイル") + Data("bad.zlk") +
                            QStringLiteral("は破損しています。\r\n エラーの内容は「 ");
    ASSERT_EQ(texts.filter(QStringLiteral("ERROR!")).size(), 1);
    // One message for the file, not the reader's as well; it carries the reader's reason.
    EXPECT_EQ(texts.size(), 1) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.first().contains(QStringLiteral("これ以上データがありません")));
    EXPECT_TRUE(texts.filter(QStringLiteral("ERROR!")).first().startsWith(damaged));
    EXPECT_TRUE(
        texts.filter(QStringLiteral("ERROR!")).first().endsWith(QStringLiteral(" 」でした。")));
    for (int i = 0; i < Browser()->List()->count(); ++i) {
        QListWidgetItem* item = Browser()->List()->item(i);
        if (item->text() == QLatin1String("empty.zlk")) {
            EXPECT_EQ(Count(Picture(item), [](QColor c) { return c != QColor(Qt::white); }), 0);
        }
    }
}

// A figure larger than an int can count still gets its (clamped) picture.
TEST_F(Thumbnails, HugeExtentsAreDrawnWithoutOverflow) {
    WriteFile("huge.zlk", "0 0 0 2\r\n0 0 0 3e9 0 0\r\n-3e9 0 0 0 4e9 0\r\nhuge\r\n");
    EXPECT_TRUE(Send("VIEW_THUMBNAIL"));
    ASSERT_NE(Browser(), nullptr);
    QListWidget* list = Browser()->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->findItems(QStringLiteral("huge.zlk"), Qt::MatchExactly).size(), 1);
    EXPECT_FALSE(dialogs.MessageTexts().join("|").contains(QStringLiteral("破損")));
}

TEST_F(Thumbnails, NaturalOrderKeyboardChoiceAndTheListedFolderWhileBuilding) {
    for (const char* name : {"fig10.zlk", "Fig2.zlk", "fig1.zlk", "b.zlk", "A.zlk"}) {
        WriteFigure(Data(QString::fromLatin1(name)), "0 0 0 1\r\n0,0,0,1,0,0\r\nx\r\n");
    }
    // Picked while the list still builds: the listed folder, not the program's.
    QString chosenDuringBuild;
    QTimer::singleShot(0, [&] {
        if (Browser() != nullptr && Browser()->List()->count() > 0) {
            Browser()->List()->item(0)->setSelected(true);
            emit Browser()->List()->itemClicked(Browser()->List()->item(0));
            chosenDuringBuild = Browser()->SelectedFile();
        }
    });
    Send("VIEW_THUMBNAIL");
    frmPreView* browser = Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(chosenDuringBuild, Data(QStringLiteral("A.zlk")));
    QStringList shown;
    for (int i = 0; i < browser->List()->count(); ++i) {
        shown << browser->List()->item(i)->text();
    }
    EXPECT_EQ(shown,
              (QStringList{"A.zlk", "b.zlk", "fig1.zlk", "Fig2.zlk", "fig10.zlk", "zelk01.zlk"}));
    // The first character of the folder read-out is inside the window.
    EXPECT_GE(browser->PathLabel()->geometry().left(), 1);

    // Arrows, End and Home choose as a click does.
    browser->List()->setFocus();
    QTest::keyClick(browser->List(), Qt::Key_Home);
    EXPECT_EQ(browser->SelectedFile(), Data(QStringLiteral("A.zlk")));
    QTest::keyClick(browser->List(), Qt::Key_Right);
    EXPECT_EQ(browser->SelectedFile(), Data(QStringLiteral("b.zlk")));
    QTest::keyClick(browser->List(), Qt::Key_End);
    EXPECT_EQ(browser->SelectedFile(), Data(QStringLiteral("zelk01.zlk")));
    EXPECT_EQ(browser->List()->selectedItems().size(), 1);

    // Esc closes the browser as キャンセル does, from the list or a button.
    for (QWidget* at : {static_cast<QWidget*>(browser->List()),
                        static_cast<QWidget*>(browser->RefreshButton())}) {
        browser->show();
        QTest::keyClick(at, Qt::Key_Escape);
        EXPECT_FALSE(browser->isVisible()) << at->metaObject()->className();
        EXPECT_EQ(browser->SelectedFile(), Data(QString())) << "Esc forgets the choice";
    }
    EXPECT_EQ(AppData().FileName(), QString());

    // Enter opens the chosen figure, as 読み込み does.
    Send("VIEW_THUMBNAIL");
    browser = Browser();
    browser->List()->setFocus();
    QTest::keyClick(browser->List(), Qt::Key_Home);
    QTest::keyClick(browser->List(), Qt::Key_Right);
    QTest::keyClick(browser->List(), Qt::Key_Return);
    EXPECT_EQ(AppData().FileName(), Data(QStringLiteral("b.zlk")));
    EXPECT_FALSE(browser->isVisible());
}

TEST_F(Thumbnails, ChoosingOpeningAndCancelling) {
    WriteFigures();
    Send("VIEW_THUMBNAIL");
    frmPreView* browser = Browser();
    ASSERT_NE(browser, nullptr);
    const QString folder = Data("").chopped(1);
    EXPECT_EQ(browser->SelectedFile(), folder + "/");

    // A double click outside any item with nothing chosen does nothing.
    QListWidget* list = browser->List();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(590, 330));
    EXPECT_EQ(Browser(), browser);
    EXPECT_TRUE(browser->isVisible());

    // "読み込み" with nothing chosen still asks the controller, which cannot read a folder.
    const int cues = CountCues("FileLoad.wav");
    browser->ApplyButton()->click();
    EXPECT_EQ(CountCues("FileLoad.wav"), cues + 1);
    EXPECT_TRUE(dialogs.MessageTexts().last().size() > 0);
    EXPECT_EQ(dialogs.calls.last().caption, QStringLiteral("データ読み込みエラー"));
    EXPECT_EQ(AppData().FileName(), QString());
    EXPECT_FALSE(browser->isVisible());

    Send("VIEW_THUMBNAIL");
    browser = Browser();
    QListWidgetItem* b = browser->List()->findItems("b.zlk", Qt::MatchExactly).first();
    const QRect rect = browser->List()->visualItemRect(b);
    QTest::mouseClick(browser->List()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(browser->SelectedFile(), folder + "/b.zlk");
    browser->CancelButton()->click();
    EXPECT_EQ(browser->SelectedFile(), folder + "/") << "cancel forgets the choice";

    Send("VIEW_THUMBNAIL");
    browser = Browser();
    b = browser->List()->findItems("b.zlk", Qt::MatchExactly).first();
    QTest::mouseClick(browser->List()->viewport(), Qt::LeftButton, {},
                      browser->List()->visualItemRect(b).center());
    QTest::mouseDClick(browser->List()->viewport(), Qt::LeftButton, {},
                       browser->List()->visualItemRect(b).center());
    EXPECT_EQ(AppData().FileName(), folder + "/b.zlk");
    EXPECT_EQ(Figure().Comment(), QStringLiteral("b"));
    EXPECT_FALSE(browser->isVisible());
}

TEST_F(Thumbnails, RefreshReopensAndCancelStopsTheBuilding) {
    WriteFigures();
    Send("VIEW_THUMBNAIL");
    QPointer<frmPreView> first = Browser();
    first->RefreshButton()->click();
    QApplication::processEvents();
    ASSERT_NE(Browser(), nullptr);
    EXPECT_NE(Browser(), first.data());
    EXPECT_EQ(Browser()->List()->count(), 4);

    // Cancel while the pictures are being built: the building stops at once.
    QTimer::singleShot(0, [this] {
        if (Browser() != nullptr) {
            Browser()->CancelButton()->click();
        }
    });
    Send("VIEW_THUMBNAIL");
    QPointer<frmPreView> cancelled = Browser();
    if (cancelled) {
        EXPECT_LT(cancelled->List()->count(), 4);
        EXPECT_FALSE(cancelled->isVisible());
    }
}

} // namespace
