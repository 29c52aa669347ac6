// Output commands: file particulars, clipboard pictures, the turning animation,
// printing, the thumbnail browser, and help.
#include "OutputRoom.h"

#include "CAppData.h"
#include "CFileHandling.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "Clipboard.h"
#include "IMainWindow.h"
#include "IWindowFactory.h"
#include "Printer.h"
#include "UserDialogs.h"
#include "ViewRoom.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QFileInfo>

void OutputRoom::ShowDataFileInfo() {
    context_.dialogs->Message(
        QCoreApplication::translate("CZelkController",
                                    "現在のデータに関する情報\r\n\r\nファイル名 ") +
            context_.appData->FileName() +
            QCoreApplication::translate("CZelkController", "\r\nコメント   ") +
            context_.figure->Comment() +
            QCoreApplication::translate("CZelkController", "\r\n線の本数   ") +
            QString::number(context_.figure->NumberOfLines()),
        QString(), UserDialogs::Buttons::Ok);
}

QImage OutputRoom::ViewPicture() {
    return context_.view->CopyPicture();
}

void OutputRoom::NormalCopy() {
    context_.clipboard->Clear();
    context_.clipboard->SetImage(ViewPicture());
}

QImage OutputRoom::PartSizePicture() {
    return context_.view->Renderer().Picture(1);
}

QImage OutputRoom::MonochromePicture(bool partSize) {
    const bool drawing = context_.appData->Drawing();
    if (drawing) {
        controller_.Viewing().EnterViewMode();
    }
    ctlZelkView& view = *context_.view;
    const int32_t back = view.BackColor();
    const int32_t fig = view.FigColor();
    view.SetBackColor(0xFFFFFF);
    view.SetFigColor(0);
    view.Draw();
    CZelkController::LetEventsRun();
    const QImage picture = partSize ? PartSizePicture() : ViewPicture();
    CZelkController::LetEventsRun();
    view.SetFigColor(fig);
    view.SetBackColor(back);
    if (drawing) {
        controller_.Viewing().EnterDrawMode();
    }
    view.Draw();
    return picture;
}

void OutputRoom::MonochromeCopy() {
    context_.clipboard->Clear();
    context_.clipboard->SetImage(MonochromePicture());
}

void OutputRoom::MakeParaParaAnime() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    IMainWindow& window = *context_.window;
    context_.dialogs->Message(
        QCoreApplication::translate("CZelkController",
                                    "データの保存されているフォルダにデータ名のフォルダを作り、\r\n"
                                    "その中にANIME001.bmp～ANIME036.bmpとして出力します。\r\n"
                                    "オプションで、データの保存先を固定している場合は、固\r\n"
                                    "定されたデータ保存先にアニメーションが出力します。\r\n\r\n"
                                    "GIFアニメ化は、市販のグラフィックツールをご利用ください。"),
        QString(), UserDialogs::Buttons::Ok);

    view.SetControlWidth(200);
    view.SetControlHeight(150);
    view.SetControlScaleWidth(200);
    view.SetControlScaleHeight(150);
    app.SetRatio(controller_.Viewing().FitRatio());
    view.SetRatio(app.Ratio());
    controller_.Run(CommandId::EqualAngleView);

    // An unnamed figure has the name "" and writes into the data folder itself.
    const QString fileName = app.FileName();
    const QString name =
        fileName.isEmpty()
            ? QString()
            : CFileHandling::TrimUpperFoldername(CFileHandling::TrimExtension(fileName));
    const QString folder = name.isEmpty() ? app.DataPath() : app.DataPath() + u'/' + name;
    CFileHandling files(*context_.dialogs);
    bool ok = files.FolderExists(folder) || files.CreateFolder(folder);
    int written = 0;
    for (int frame = 1; ok && frame <= 36; ++frame) {
        // Each frame comes straight from the view, 200 × 150 at any screen scale; the
        // user's clipboard is left alone.
        const QString path =
            folder + u'/' + name + QStringLiteral("_ANIME%1.bmp").arg(frame, 3, 10, QChar(u'0'));
        if (PartSizePicture().save(path, "BMP")) {
            ++written;
        } else {
            context_.dialogs->Message(
                QCoreApplication::translate("CZelkController",
                                            "アニメーションの画像を保存できませんでした。\r\n") +
                    path,
                QString(), UserDialogs::Buttons::Ok);
            ok = false;
        }
        CZelkController::LetEventsRun();
        controller_.Run(CommandId::TurnLeft);
        controller_.Run(CommandId::TurnLeft);
    }

    // The layout comes back even when a frame could not be written.
    if (app.ThirdAngleProjectionMethodMode()) {
        window.SetTAPMMode();
    } else {
        window.SetFormSize(app.FormSize());
    }
    app.SetRatio(controller_.Viewing().FitRatio());
    view.SetRatio(app.Ratio());
    controller_.Run(CommandId::Redraw);
    // Where the frames went, once all of them are there.
    if (ok && written == 36) {
        controller_.ShowCondition(
            QCoreApplication::translate("CZelkController",
                                        "アニメーションの画像 36 枚を書き出しました：") +
            folder + u'/' + name +
            QCoreApplication::translate("CZelkController", "_ANIME001.bmp ～ _ANIME036.bmp"));
    }
}

void OutputRoom::PrintEntireForm() {
    PrintPicture(true);
}

void OutputRoom::PrintMonochromePicture() {
    PrintPicture(false);
}

void OutputRoom::PrintPicture(bool entireForm) {
    context_.dialogs->Message(
        QCoreApplication::translate("CZelkController",
                                    "印刷機能は現在テスト段階のため正常に機能しないかもしれません。"
                                    "印刷枚数の設定にはご注意ください。"),
        QString(), UserDialogs::Buttons::Ok);
    const std::optional<UserDialogs::PrintChoice> choice = context_.dialogs->Print();
    if (!choice) {
        return;
    }
    Printer::Page page;
    if (entireForm) {
        CZelkController::LetEventsRun();
        page.size = context_.window->EntireFormSize();
        // A printout keeps the window's size in pixels at any screen scale.
        page.picture = context_.window->EntireFormPicture();
        if (page.picture.size() != page.size && !page.size.isEmpty()) {
            page.picture =
                page.picture.scaled(page.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    } else {
        page.picture = MonochromePicture(true);
        page.size = context_.view->size();
    }
    page.fileName = context_.appData->FileName();
    page.comment = context_.figure->Comment();
    if (!context_.printer->Print(*choice, page)) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController",
                                        "印刷できませんでした。プリンタの設定を確かめてください。"),
            QString(), UserDialogs::Buttons::Ok);
    }
}

void OutputRoom::ShowThumbnailBrowser() {
    context_.windows->OpenThumbnailBrowser(context_.appData->DataPath());
}

void OutputRoom::ShowHelp() {
    // The page in the user's language, beside the Japanese one.
    QString page = context_.Folders().Help();
    if (context_.appData->LanguageKind() == UiLanguage::English) {
        const QString english =
            QString(page).replace(QStringLiteral(".html"), QStringLiteral("_en.html"));
        if (QFileInfo::exists(english)) {
            page = english;
        }
    }
    context_.windows->ShowHelp(page);
}

OutputRoom::OutputRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
