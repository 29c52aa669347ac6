// Output commands: file particulars, clipboard pictures, the turning animation,
// printing, the thumbnail browser, and help.
#include "CAppData.h"
#include "CFileHandling.h"
#include "CHelp.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"
#include "frmPreView.h"
#include "frmZelkWin.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <cmath>

void CZelkController::ShowDataFileInfo() {
    context_.dialogs->Message(QStringLiteral("現在のデータに関する情報\r\n\r\nファイル名 ") +
                                  context_.appData->FileName() + QStringLiteral("\r\nコメント   ") +
                                  context_.figure->Comment() + QStringLiteral("\r\n線の本数   ") +
                                  QString::number(context_.figure->NumberOfLines()),
                              QString(), UserDialogs::Buttons::Ok);
}

void CZelkController::NormalCopy() {
    QApplication::clipboard()->clear();
    context_.view->CopyToClipboard();
}

void CZelkController::MonochromeCopy() {
    QApplication::clipboard()->clear();
    const QString mode = context_.appData->Mode();
    if (mode == QLatin1String("DRAW_MODE")) {
        EnterViewMode();
    }
    ctlZelkView& view = *context_.view;
    const int32_t back = view.BackColor();
    const int32_t fig = view.FigColor();
    view.SetBackColor(0xFFFFFF);
    view.SetFigColor(0);
    view.Draw();
    LetEventsRun();
    view.CopyToClipboard();
    LetEventsRun();
    view.SetFigColor(fig);
    view.SetBackColor(back);
    if (mode == QLatin1String("DRAW_MODE")) {
        EnterDrawMode();
    }
    view.Draw();
}

void CZelkController::MakeParaParaAnime() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    frmZelkWin& window = *context_.window;
    context_.dialogs->Message(
        QStringLiteral("データの保存されているフォルダにデータ名のフォルダを作り、\r\n"
                       "その中にANIME001.bmp～ANIME036.bmpとして出力します。\r\n"
                       "オプションで、データの保存先を固定している場合は、固\r\n"
                       "定されたデータ保存先にアニメーションが出力します。\r\n\r\n"
                       "GIFアニメ化は、市販のグラフィックツールをご利用ください。"),
        QString(), UserDialogs::Buttons::Ok);

    view.SetControlWidth(200);
    view.SetControlHeight(150);
    view.SetControlScaleWidth(200);
    view.SetControlScaleHeight(150);
    app.SetRatio(FitRatio());
    view.SetRatio(app.Ratio());
    SetCommand(QStringLiteral("EQUAL_ANGLE_VIEW"));

    // An unnamed figure has the name "" and writes into the data folder itself.
    const QString fileName = app.FileName();
    const QString name =
        fileName.isEmpty()
            ? QString()
            : CFileHandling::TrimUpperFoldername(CFileHandling::TrimExtension(fileName));
    const QString folder = name.isEmpty() ? app.DataPath() : app.DataPath() + u'/' + name;
    CFileHandling files(*context_.dialogs);
    bool ok = files.FolderExists(folder) || files.CreateFolder(folder);
    for (int frame = 1; ok && frame <= 36; ++frame) {
        SetCommand(QStringLiteral("NORMAL_COPY"));
        const QString path =
            folder + u'/' + name + QStringLiteral("_ANIME%1.bmp").arg(frame, 3, 10, QChar(u'0'));
        if (!QApplication::clipboard()->image().save(path, "BMP")) {
            context_.dialogs->Message(
                QStringLiteral("アニメーションの画像を保存できませんでした。\r\n") + path,
                QString(), UserDialogs::Buttons::Ok);
            ok = false;
        }
        LetEventsRun();
        SetCommand(QStringLiteral("TURN_LEFT"));
        SetCommand(QStringLiteral("TURN_LEFT"));
    }

    // The layout comes back even when a frame could not be written.
    if (app.ThirdAngleProjectionMethodMode()) {
        window.SetTAPMMode();
    } else {
        window.SetFormSize(app.FormSize());
    }
    app.SetRatio(FitRatio());
    view.SetRatio(app.Ratio());
    SetCommand(QStringLiteral("REDRAW"));
}

void CZelkController::PrintEntireForm() {
    PrintPicture(true);
}

void CZelkController::PrintMonochromePicture() {
    PrintPicture(false);
}

void CZelkController::PrintPicture(bool entireForm) {
    context_.dialogs->Message(
        QStringLiteral("印刷機能は現在テスト段階のため正常に機能しないかもしれません。"
                       "印刷枚数の設定にはご注意ください。"),
        QString(), UserDialogs::Buttons::Ok);
    const std::optional<UserDialogs::PrintChoice> choice = context_.dialogs->Print();
    if (!choice) {
        return;
    }
    QSize size;
    if (entireForm) {
        LetEventsRun();
        context_.window->SetEntireFormToClipboard();
        size = context_.window->frameGeometry().size();
    } else {
        SetCommand(QStringLiteral("MONOCHROME_COPY"));
        size = context_.view->size();
    }
    const QImage picture = QApplication::clipboard()->image();

    for (int copy = 1; copy <= choice->copies; ++copy) {
        // One job per copy; copies printed into a file each get a file of their own.
        QPrinter printer;
        printer.setDocName(UserDialogs::ProgramTitle());
        if (!choice->outputFile.isEmpty()) {
            const QFileInfo out(choice->outputFile);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(copy == 1
                                          ? choice->outputFile
                                          : out.path() + u'/' + out.completeBaseName() +
                                                QStringLiteral("-%1.").arg(copy) + out.suffix());
        } else if (!choice->printerName.isEmpty()) {
            printer.setPrinterName(choice->printerName);
        }
        QPainter painter;
        if (!painter.begin(&printer)) {
            context_.dialogs->Message(
                QStringLiteral("印刷できませんでした。プリンタの設定を確かめてください。"),
                QString(), UserDialogs::Buttons::Ok);
            return;
        }
        // 1200 units across the page, square units.
        const QRect page = painter.viewport();
        const int height = static_cast<int>(std::nearbyint(1200.0 * page.height() / page.width()));
        painter.setWindow(0, 0, 1200, height);
        painter.drawImage(QRectF((1200.0 - size.width()) / 2, 100, size.width(), size.height()),
                          picture);
        QFont font = painter.font();
        font.setPixelSize(24);
        painter.setFont(font);
        const double line = 36;
        double y = size.height() + 100 + line; // an empty line first
        painter.drawText(
            QPointF(100, y + line),
            QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000ファイル名：\u3000") +
                context_.appData->FileName());
        painter.drawText(
            QPointF(100, y + 2 * line),
            QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000コメント\u3000：\u3000") +
                context_.figure->Comment());
        painter.end();
    }
}

frmPreView* CZelkController::ThumbnailBrowser() const {
    return preview_;
}

void CZelkController::ShowThumbnailBrowser() {
    if (preview_) {
        preview_->close();
    }
    auto* browser = new frmPreView(context_);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    preview_ = browser;
    browser->show();
    browser->SetDataPath(context_.appData->DataPath());
}

void CZelkController::ShowHelp() {
    CHelp().ShowHTMLHelpUsingAPI(context_.window,
                                 context_.programFolder + QStringLiteral("/help/ZW33.html"));
}
