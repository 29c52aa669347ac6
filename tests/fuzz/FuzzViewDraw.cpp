// The view control on any line, point and pointer texts: parsing and Draw never crash.
#include "ctlZelkView.h"

#include <QApplication>
#include <QString>
#include <cstdlib>

namespace {
QApplication* application = nullptr;
ctlZelkView* view = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    view = ctlZelkView::CreateControl(QStringLiteral("DevZelkViewControlProject.ctlZelkView"));
    view->resize(160, 120);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Texts separated by newlines: the first three are extents, then pointers, then lines.
    const QStringList texts =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(u'\n');
    view->ClearData();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        switch (i) {
        case 0:
            view->SetMaxSize(texts[i]);
            break;
        case 1:
            view->SetMaxPos(texts[i]);
            break;
        case 2:
            view->SetMinPos(texts[i]);
            break;
        case 3:
            view->SetPointerFrom(texts[i]);
            break;
        case 4:
            view->SetPointerTo(texts[i]);
            break;
        case 5:
            view->SetTempLine(texts[i]);
            break;
        default:
            view->SetLine(texts[i]);
            break;
        }
    }
    const int angles = size > 0 ? data[0] : 0;
    int32_t longitude = angles * 7 - 900;
    int32_t latitude = angles % 180 - 90;
    view->SetLongitude(longitude);
    view->SetLatitude(latitude);
    view->SetRatio(size > 1 ? static_cast<float>(data[1]) / 16.0F : 1.0F);
    const bool overlays = size > 2 && (data[2] & 1) != 0;
    view->SetViewPointerFrom(overlays);
    view->SetViewPointerTo(overlays);
    view->ViewTempLine(overlays);
    view->SetViewCoordinates(overlays);
    view->Draw();
    return 0;
}
