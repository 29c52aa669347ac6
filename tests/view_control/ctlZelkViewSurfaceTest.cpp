#include "TestPrinters.h"
#include "ViewTestHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(ctlZelkViewSurface, FactoryAndDefaults) {
    std::unique_ptr<ctlZelkView> view(
        ctlZelkView::CreateControl(QStringLiteral("DevZelkViewControlProject.ctlZelkView")));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ctlZelkView::CreateControl(QStringLiteral("DevZelkViewControlProject.other")),
              nullptr);
    EXPECT_EQ(view->BackColor(), 0xFFFFFF);
    EXPECT_EQ(view->FigColor(), 0);
    EXPECT_EQ(view->Ratio(), 1.0F);
    EXPECT_EQ(view->ControlScaleWidth(), 200);
    EXPECT_EQ(view->ControlScaleHeight(), 200);
    EXPECT_EQ(view->PointerFrom(), QStringLiteral("0,0,0"));
    EXPECT_EQ(view->TempLine2(), QStringLiteral("0,0,0,0,0,0"));
    EXPECT_EQ(view->PointerFromColor(), 255);
    EXPECT_EQ(view->PointerToColor(), 0xFF00FF);
    EXPECT_EQ(view->PointerLineSize(), 2);
    EXPECT_EQ(view->AxisLineLength(), 200);
    EXPECT_EQ(view->SubAxisLineLength(), 32767);
    EXPECT_TRUE(view->ViewAxis() && view->ViewsubAxis() && view->ViewPointerFrom() &&
                view->ViewPointerTo() && view->ViewCoordinates());
    EXPECT_FALSE(view->ClearData());
    EXPECT_FALSE(view->ViewTempLine(true));
    EXPECT_TRUE(view->PointerSize(10));
    EXPECT_TRUE(view->SetComment(QStringLiteral("x")));

    // Nothing is drawn before the first Draw; a fresh Draw shows the axes and both marks.
    EXPECT_EQ(CountColour(view->ViewImage(), view->ViewImage().rect(), Bgr(0xFFCC00)), 0);
    view->Draw();
    EXPECT_GT(CountColour(view->ViewImage(), view->ViewImage().rect(), Bgr(0xFFCC00)), 50);
    EXPECT_GT(CountColour(view->ViewImage(), view->ViewImage().rect(), Bgr(0xFF00FF)), 20);
}

TEST(ctlZelkViewSurface, OnlyDrawChangesThePicture) {
    auto view = PlainView();
    view->SetViewAxis(true);
    view->SetLine(QStringLiteral("0,0,0,80,30,0"));
    view->Draw();
    const QImage before = view->ViewImage();
    view->SetComment(QStringLiteral("コメント"));
    view->Draw();
    EXPECT_EQ(view->ViewImage(), before) << "the comment is never drawn";

    view->SetControlScaleWidth(100);
    view->SetFigColor(0xFF);
    EXPECT_EQ(view->ViewImage(), before) << "no Draw, no change";
    view->Draw();
    EXPECT_NE(view->ViewImage(), before);

    auto fresh = PlainView();
    fresh->SetViewAxis(true);
    fresh->SetControlScaleWidth(100);
    fresh->Draw();
    view->ClearData();
    view->Draw();
    EXPECT_EQ(view->ViewImage(), fresh->ViewImage()) << "cleared: only axes and overlays";
}

// A new size keeps what was shown in the top-left corner until the next Draw, and what
// is new is the background; a view never drawn on stays wholly its background.
TEST(ctlZelkViewSurface, ANewSizeKeepsThePictureInTheCorner) {
    const QColor white = Bgr(0xFFFFFF);
    auto blank = PlainView(120, 80);
    blank->SetControlWidth(300);
    blank->SetControlHeight(200);
    ASSERT_EQ(blank->ViewImage().size(), QSize(300, 200));
    EXPECT_EQ(CountColour(blank->ViewImage(), blank->ViewImage().rect(), white), 300 * 200);
    // Blank in the old colour: that colour stays in the corner, as any picture does.
    blank->SetBackColor(0x0000FF);
    blank->SetControlWidth(320);
    EXPECT_EQ(CountColour(blank->ViewImage(), QRect(0, 0, 300, 200), white), 300 * 200);
    EXPECT_EQ(CountColour(blank->ViewImage(), QRect(300, 0, 20, 200), Bgr(0x0000FF)), 20 * 200);
    blank->SetControlHeight(240);
    EXPECT_EQ(CountColour(blank->ViewImage(), QRect(0, 0, 300, 200), white), 300 * 200);
    EXPECT_EQ(CountColour(blank->ViewImage(), blank->ViewImage().rect(), Bgr(0x0000FF)),
              320 * 240 - 300 * 200);

    auto view = PlainView(100, 100);
    view->SetViewAxis(true);
    view->SetLine(QStringLiteral("0,0,0,40,30,0"));
    view->Draw();
    const QImage drawn = view->ViewImage();
    view->SetControlWidth(150);
    view->SetControlHeight(130);
    EXPECT_EQ(view->ViewImage().copy(0, 0, 100, 100), drawn);
    EXPECT_EQ(CountColour(view->ViewImage(), QRect(100, 0, 50, 130), white), 50 * 130);
    // Smaller and larger again: the part cut off is gone, the rest is kept.
    view->SetControlWidth(60);
    view->SetControlWidth(100);
    EXPECT_EQ(view->ViewImage().copy(0, 0, 60, 100), drawn.copy(0, 0, 60, 100));
    EXPECT_EQ(CountColour(view->ViewImage(), QRect(60, 0, 40, 100), white), 40 * 100);
    // The next Draw fills the whole new size.
    view->Draw();
    auto fresh = PlainView(100, 130);
    fresh->SetViewAxis(true);
    fresh->SetControlScaleWidth(100);
    fresh->SetControlScaleHeight(100);
    fresh->SetLine(QStringLiteral("0,0,0,40,30,0"));
    fresh->Draw();
    EXPECT_EQ(view->ViewImage(), fresh->ViewImage());
}

TEST(ctlZelkViewSurface, LongitudeAndLatitudeAboveAFullTurnAreReducedInTheCallersVariable) {
    auto view = PlainView();
    int32_t value = 370;
    view->SetLongitude(value);
    EXPECT_EQ(value, 10);
    value = 360;
    view->SetLongitude(value);
    EXPECT_EQ(value, 360);
    value = -30;
    view->SetLatitude(value);
    EXPECT_EQ(value, -30);
    value = 725;
    view->SetLatitude(value);
    EXPECT_EQ(value, 5);

    // 370 draws as 10.
    auto ten = PlainView();
    int32_t tenDegrees = 10;
    ten->SetLongitude(tenDegrees);
    auto reduced = PlainView();
    int32_t big = 370;
    reduced->SetLongitude(big);
    for (auto* v : {ten.get(), reduced.get()}) {
        v->SetLine(QStringLiteral("0,0,0,80,0,40"));
        v->Draw();
    }
    EXPECT_EQ(ten->ViewImage(), reduced->ViewImage());
}

TEST(ctlZelkViewSurface, CopyToClipboardPutsExactlyTheFreshPicture) {
    auto view = PlainView(240, 160);
    view->SetLine(QStringLiteral("0,0,0,80,0,0"));
    QImage assigned(240, 160, QImage::Format_RGB32);
    assigned.fill(Qt::green);
    view->SetViewPicture(assigned);
    EXPECT_EQ(view->ViewImage().pixelColor(5, 5), QColor(Qt::green));
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));

    view->CopyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(240, 160));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), view->ViewImage());
    EXPECT_EQ(CountColour(copied, copied.rect(), QColor(Qt::green)), 0);
    EXPECT_TRUE(ColourNear(copied, 150, 80, QColor(Qt::black)));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(ctlZelkViewSurface, LibraryNeedsNothingOfTheProgram) {
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"),
                  {QStringLiteral("-d"), QStringLiteral("-W"), QStringLiteral(CTLZELKVIEW_FILE)});
    ASSERT_TRUE(readelf.waitForFinished(30000));
    const QString dynamic = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    const QRegularExpression needed(QStringLiteral("\\(NEEDED\\).*\\[(.*)\\]"));
    int count = 0;
    for (auto it = needed.globalMatch(dynamic); it.hasNext();) {
        const QString lib = it.next().captured(1);
        ++count;
        // Qt and system libraries only; nothing built from this project.
        EXPECT_FALSE(lib.contains(QLatin1String("zelk"), Qt::CaseInsensitive)) << lib.toStdString();
        EXPECT_TRUE(lib.startsWith(QLatin1String("lib")) || lib.startsWith(QLatin1String("ld-")))
            << lib.toStdString();
    }
    EXPECT_TRUE(dynamic.contains(QLatin1String("libQt6Widgets")));
    EXPECT_GT(count, 0);

    QProcess nm;
    nm.start(QStringLiteral("nm"),
             {QStringLiteral("-D"), QStringLiteral("-C"), QStringLiteral("--undefined-only"),
              QStringLiteral(CTLZELKVIEW_FILE)});
    ASSERT_TRUE(nm.waitForFinished(30000));
    const QString undefined = QString::fromLocal8Bit(nm.readAllStandardOutput());
    EXPECT_FALSE(undefined.isEmpty());
    for (const char* name : {"CZelk", "CAppData", "ModelNotice", "CStringUtil", "NumberText"}) {
        EXPECT_FALSE(undefined.contains(QLatin1String(name))) << name;
    }
}

} // namespace
