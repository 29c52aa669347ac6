// The window on the screen it has: it always fits, its status panels show their whole
// texts, and the view is sharp at the screen's scale. The test command also runs these
// in the Japanese locale and on a small screen at twice the scale.
#include "AppFixture.h"

#include "HelpWindow.h"
#include "QtUserDialogs.h"
#include "ZelkStates.h"
#include "frmPreView.h"
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using Screens = AppFixture;

TEST_F(Screens, TheWindowAlwaysLiesWhollyOnTheScreen) {
    Window().show();
    QApplication::processEvents();
    const QRect area = Window().screen()->availableGeometry();
    const QString greeting = QStringLiteral("さあ、立体ゼルクをはじめましょう！   <2026/12/08>");
    Controller().ShowCondition(greeting);
    bool noteShown = false;
    for (const FormSizeEntry& requested : ZelkStates::FormSizes()) {
        Send(requested.command);
        const QRect outer = Window().frameGeometry();
        EXPECT_TRUE(area.contains(outer)) << requested.command;
        // The status bar and the bottom of the view are on the screen.
        const QWidget* status = Window().findChild<QWidget*>(QStringLiteral("sbrCurrentCondition"));
        const QRect statusOnScreen(status->mapToGlobal(QPoint(0, 0)), status->size());
        EXPECT_TRUE(area.contains(statusOnScreen)) << requested.command;
        EXPECT_GT(View().height(), 0) << requested.command;
        const bool fits = requested.width <= area.width() && requested.height <= area.height();
        if (fits) {
            EXPECT_EQ(outer.size(), QSize(requested.width, requested.height)) << requested.command;
            // A size that fits again brings back what the note replaced.
            EXPECT_EQ(Window().StatusText(1), greeting) << requested.command;
            continue;
        }
        // The largest size that fits; where none does, the whole area there is.
        QSize best;
        bool anyFitsHigh = false;
        for (const FormSizeEntry& e : ZelkStates::FormSizes()) {
            anyFitsHigh = anyFitsHigh || e.height <= area.height();
            if (e.width <= area.width() && e.height <= area.height() &&
                e.width * e.height > best.width() * best.height()) {
                best = QSize(e.width, e.height);
            }
        }
        if (best.isValid()) {
            EXPECT_EQ(outer.size(), best) << requested.command;
        }
        if (!anyFitsHigh) {
            EXPECT_EQ(outer.height(), area.height()) << requested.command;
        }
        EXPECT_TRUE(Window().StatusText(1).startsWith(QStringLiteral("画面に収まらないため")))
            << requested.command;
        noteShown = true;
    }
    if (noteShown) {
        Controller().ShowCondition(QStringLiteral("作図モードです。"));
        Send(ZelkStates::FormSizes()[3].command);
        Send(ZelkStates::FormSizes()[1].command);
        EXPECT_NE(Window().StatusText(1), greeting) << "only what the note replaced comes back";
    }
}

// Files keep the pixel sizes the program always gave them at any screen scale: the
// flip-book's frames are 200 × 150; the clipboard may carry the sharper picture.
TEST_F(Screens, FilesKeepTheirPixelSizesAtAnyScale) {
    Window().show();
    QApplication::processEvents();
    Send("PARA_PARA_ANIME");
    const QImage frame(Data("_ANIME001.bmp"));
    EXPECT_EQ(frame.size(), QSize(200, 150));
    EXPECT_TRUE(Window().StatusText(1).contains(Data("_ANIME001.bmp").section(u'/', 0, -2)))
        << "the status bar says where the frames went";
    Send("NORMAL_COPY");
    EXPECT_EQ(clipboard.image.size(), View().size() * View().devicePixelRatioF());
}

TEST_F(Screens, EveryStatusPanelShowsItsWholeText) {
    // The whole text, in the largest font it fits in (the normal one when it fits).
    auto panelShowsAll = [this](int panel) {
        auto* label = Window().findChild<QLabel*>(panel == 1 ? QStringLiteral("sbrExplanation")
                                                             : QStringLiteral("sbrAngle"));
        const int room = label->contentsRect().width();
        const auto needed = [label](const QFont& font) {
            return QFontMetrics(font).horizontalAdvance(label->text());
        };
        const QFont normal = Window().findChild<QWidget*>("sbrCurrentCondition")->font();
        const int pixels = QFontInfo(label->font()).pixelSize();
        const int normalPixels = QFontInfo(normal).pixelSize();
        QFont larger = normal;
        larger.setPixelSize(pixels + 1);
        const bool largest = pixels == normalPixels
                                 ? label->font() == normal
                                 : pixels < normalPixels && needed(larger) > room;
        return needed(label->font()) <= room && largest;
    };
    for (const char* size : {"640x480", "800x400", "800x600", "1024x768"}) {
        Send(size);
        for (const auto& [lon, lat] :
             {std::pair{-45, 35}, std::pair{-180, -90}, std::pair{-135, -85}, std::pair{0, 0}}) {
            Controller().ShowViewAngle(lon, lat);
            EXPECT_TRUE(panelShowsAll(2)) << size << " " << Window().StatusText(2).toStdString();
        }
        for (const QString& text :
             {QStringLiteral("さあ、立体ゼルクをはじめましょう！   <2026/12/08>"),
              QStringLiteral("ポインタの位置 【 -1000 , -1000 , -1000 】"),
              QStringLiteral("18 本の線分を取り込みました（重複 18 本をまとめ、長さ 0 の 0 "
                             "本を除きました）"),
              QStringLiteral("36 枚の絵を /home/learner/.local/share/zelk/data/ に "
                             "_ANIME001.bmp から _ANIME036.bmp として書き出しました。"),
              QStringLiteral("終点の X 座標「12345678901234567890」が数ではありません。")}) {
            Controller().ShowCondition(text);
            EXPECT_TRUE(panelShowsAll(1)) << size << " " << text.toStdString();
        }
    }
}

TEST_F(Screens, TheViewIsSharpAtTheScreensScale) {
    Window().show();
    QApplication::processEvents();
    const qreal ratio = View().devicePixelRatioF();
    // The test command runs this once on a screen at twice the scale, and says so.
    if (const QByteArray expected = qgetenv("ZELK_EXPECT_SCALE"); !expected.isEmpty()) {
        ASSERT_EQ(ratio, expected.toDouble());
    }
    View().Draw();
    const QImage& picture = View().ViewImage();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.size(), View().size() * ratio) << "one image pixel per screen pixel";
    // A line of the figure is as wide as one of the control's pixels, in screen pixels.
    auto standalone = std::make_unique<ctlZelkView>();
    standalone->SetControlWidth(200);
    standalone->SetControlHeight(200);
    standalone->SetControlScaleWidth(200);
    standalone->SetControlScaleHeight(200);
    int32_t zero = 0;
    standalone->SetLongitude(zero);
    standalone->SetLatitude(zero);
    standalone->SetViewAxis(false);
    standalone->SetViewsubAxis(false);
    standalone->SetViewPointerFrom(false);
    standalone->SetViewPointerTo(false);
    standalone->ViewTempLine(false);
    standalone->ViewTempLine2(false);
    standalone->SetLine(QStringLiteral("-50,0,0,50,0,0"));
    standalone->Draw();
    const QImage& line = standalone->ViewImage();
    const int column = qRound(100 * ratio);
    int dark = 0;
    int length = 0;
    for (int y = 0; y < line.height(); ++y) {
        dark += qGray(line.pixel(column, y)) < 128 ? 1 : 0;
    }
    for (int x = 0; x < line.width(); ++x) {
        length += qGray(line.pixel(x, qRound(100 * ratio))) < 128 ? 1 : 0;
    }
    EXPECT_EQ(dark, qRound(ratio)) << "one control pixel wide";
    EXPECT_NEAR(length, 100 * ratio, 2 * ratio) << "100 control pixels long";
}

TEST_F(Screens, TheMenuBarKeepsItsKeysWhileInUse) {
    Window().show();
    Window().activateWindow();
    QApplication::processEvents();
    const int latitude = AppData().Latitude();
    QMenu* file = Window().findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    Window().menuBar()->setActiveAction(file->menuAction());
    QApplication::processEvents();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Window();
    QTest::keyClick(target, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(AppData().Latitude(), latitude) << "Down in the menu bar turns nothing";
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(popup, Qt::Key_Escape);
    }
    Window().menuBar()->setActiveAction(nullptr);
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &Window(),
                    Qt::Key_Up);
    EXPECT_NE(AppData().Latitude(), latitude) << "outside the menus the keys turn again";
}

// A dialog that grows past the screen by itself after it was first fitted (a file dialog
// that has read its folder) is fitted again; one the user only moves stays where it is.
TEST_F(Screens, ADialogThatGrowsByItselfIsFittedAgain) {
    Window().show();
    QApplication::processEvents();
    const QRect area = Window().screen()->availableGeometry();
    QDialog dialog(&Window());
    dialog.resize(200, 150);
    dialog.show();
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    ASSERT_TRUE(area.contains(dialog.frameGeometry()));
    dialog.resize(area.width() + 300, area.height() + 200);
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    EXPECT_TRUE(area.contains(dialog.frameGeometry()))
        << dialog.frameGeometry().width() << "x" << dialog.frameGeometry().height() << " on "
        << area.width() << "x" << area.height();
    // Smaller again, and moved within the screen: it stays as it is put.
    dialog.resize(160, 120);
    const QPoint put = area.topLeft() + QPoint(area.width() / 3, area.height() / 3);
    dialog.move(put);
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    EXPECT_EQ(dialog.pos(), put);
    EXPECT_EQ(dialog.size(), QSize(160, 120));
}

// Every window and dialog of the program lies wholly on the screen's available area, on
// any screen the test runs on (the test command runs it on small screens at 1x and 2x).
TEST_F(Screens, EveryWindowAndDialogLiesOnTheScreen) {
    Window().show();
    QApplication::processEvents();
    const QRect area = Window().screen()->availableGeometry();
    const auto settle = [] {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    };
    const auto onScreen = [&](QWidget* window, const char* what) {
        ASSERT_NE(window, nullptr) << what;
        EXPECT_TRUE(window->isVisible()) << what;
        EXPECT_TRUE(area.contains(window->frameGeometry()))
            << what << ": " << window->frameGeometry().width() << "x"
            << window->frameGeometry().height() << " at " << window->frameGeometry().x() << ","
            << window->frameGeometry().y() << " on " << area.width() << "x" << area.height();
    };

    // Windows of their own.
    Send("SHOW_HELP");
    settle();
    onScreen(HelpWindow::Instance(), "help");
    HelpWindow::Instance()->close();
    Send("VIEW_THUMBNAIL");
    settle();
    onScreen(Windows().ThumbnailBrowser(), "thumbnails");
    Windows().ThumbnailBrowser()->close();
    Send("SHOW_VERSION_DIALOG");
    settle();
    QWidget* version = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("frmAbout") && w->isVisible()) {
            version = w;
        }
    }
    onScreen(version, "version");
    if (version != nullptr) {
        version->close();
    }

    // Dialogs that wait for the user: each is looked at, then closed. A file dialog given
    // a name goes on to what follows it.
    QString pick;
    const auto modal = [&](const char* what, const std::function<void()>& open) {
        int seen = 0;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            settle();
            onScreen(dialog, what);
            ++seen;
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files != nullptr && !pick.isEmpty()) {
                files->selectFile(std::exchange(pick, QString()));
                static_cast<QDialog*>(files)->accept();
            } else if (auto* d = qobject_cast<QDialog*>(dialog)) {
                d->reject();
            } else {
                dialog->close();
            }
        });
        poll.start();
        open();
        poll.stop();
        EXPECT_GT(seen, 0) << what << " was not seen";
    };
    QtUserDialogs real(&Window());
    const QString longText = QStringLiteral("ファイルを保存できませんでした。").repeated(12) +
                             QStringLiteral("\r\n") + QString(300, u'あ');
    modal("message", [&] { real.Message(longText, QString(), UserDialogs::Buttons::YesNo); });
    modal("open", [&] { real.OpenFile(Data("")); });
    modal("save", [&] { real.SaveFile(Data("")); });
    WriteFigure(Data("model.obj"), "v 0 0 0\nv 1 0 0\nl 1 2\n");
    pick = Data("model.obj");
    int dialogs = 0;
    modal("import", [&] {
        real.ImportFile(Data(""), QStringLiteral("*.obj"));
        ++dialogs;
    });
    EXPECT_EQ(dialogs, 1);
    modal("name", [&] { real.AskText(QStringLiteral("題"), QStringLiteral("名前"), QString()); });
    FigureRenderer figure = View().Renderer();
    modal("answer", [&] {
        real.ShowFigureWithDrawings(QStringLiteral("答え"), QStringLiteral("正解の立体"), figure,
                                    QImage(900, 700, QImage::Format_RGB32));
    });
    std::vector<UserDialogs::ExerciseCard> cards(40);
    for (size_t i = 0; i < cards.size(); ++i) {
        cards[i].title = QStringLiteral("問題 %1").arg(i);
        cards[i].picture = QImage(100, 100, QImage::Format_RGB32);
    }
    modal("exercises", [&] { real.ChooseExercise(cards); });
}

} // namespace
