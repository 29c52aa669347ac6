// Exchange with other programs: import of 3D models, export of pictures, drawing
// sheets and models.
#include "ExchangeRoom.h"

#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "Clock.h"
#include "ExchangeFormats.h"
#include "FigureDocument.h"
#include "FigureExporter.h"
#include "FigureImporter.h"
#include "FileRoom.h"
#include "ImportJob.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

void ExchangeRoom::ExportFigure() {
    CAppData& app = *context_.appData;
    const QFileInfo current(app.FileName());
    const std::optional<UserDialogs::ExportChoice> chosen = context_.dialogs->ExportFile(
        app.DataPath(), current.completeBaseName(), ExchangeFormats::DialogKinds());
    if (!chosen || chosen->path.isEmpty()) {
        return;
    }
    const ExchangeFormats::Export& format = ExchangeFormats::ForKind(chosen->kind);
    // An exercise file as it was opened keeps its solid's faces beside it.
    const std::vector<HiddenLines::Face> faces = context_.figure->IsDirty()
                                                     ? std::vector<HiddenLines::Face>()
                                                     : HiddenLines::FacesOf(app.FileName());
    const FileResult written = FigureExporter::Export(
        chosen->path, {format.format, format.pngScale, faces.empty() ? nullptr : &faces},
        *context_.figure, &context_.view->Renderer(), current.fileName(),
        context_.clock->ShortDate());
    if (written) {
        controller_.ShowCondition(
            QCoreApplication::translate("CZelkController", "エクスポートしました：") +
            chosen->path);
        return;
    }
    context_.dialogs->Message(
        QCoreApplication::translate("CZelkController", "エクスポートできませんでした。\r\n") +
            chosen->path + QStringLiteral("\r\n") + written.reason,
        UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
}

void ExchangeRoom::ImportFigure() {
    CAppData& app = *context_.appData;
    // The imported model replaces the figure: unsaved work is asked about first.
    if (!controller_.Files().ConfirmDiscard()) {
        return;
    }
    const std::optional<UserDialogs::ImportChoice> chosen =
        context_.dialogs->ImportFile(app.DataPath(), ExchangeFormats::ImportFilter());
    if (!chosen || chosen->path.isEmpty()) {
        return;
    }
    // The reader runs in a process of its own while the window stays alive; the progress
    // window can cancel it. The figure changes only when the whole model was read.
    const QString text =
        QCoreApplication::translate("CZelkController", "モデルを読み込んでいます…\r\n") +
        chosen->path;
    const auto showProgress = [this, &text](ImportJob& job) -> std::shared_ptr<void> {
        struct Shown {
            std::unique_ptr<UserDialogs::Progress> progress;
            QTimer seconds;
        };
        auto shown = std::make_shared<Shown>();
        shown->progress = context_.dialogs->ShowProgress(text, [&job] { job.Cancel(); });
        QObject::connect(&shown->seconds, &QTimer::timeout, &shown->seconds,
                         [progress = shown->progress.get(), &job, &text] {
                             if (progress != nullptr) {
                                 progress->SetDetail(text + QCoreApplication::translate(
                                                                "CZelkController", "\r\n%1 秒")
                                                                .arg(job.ElapsedMs() / 1000));
                             }
                         });
        shown->seconds.start(1000);
        return shown;
    };
    CZelkData imported;
    FigureImporter::Report report;
    QString error;
    const FigureImporter::Outcome outcome =
        FigureImporter::Read(chosen->path, {chosen->scale, chosen->toOrigin, chosen->zUp}, imported,
                             report, error, showProgress);
    if (outcome == FigureImporter::Outcome::Interrupted) {
        return;
    }
    if (outcome == FigureImporter::Outcome::Cancelled) {
        controller_.ShowCondition(error);
        return;
    }
    if (outcome == FigureImporter::Outcome::Failed) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "インポートできませんでした。\r\n") +
                chosen->path + QStringLiteral("\r\n") + error,
            UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
        return;
    }
    // Not saved anywhere yet: a new, unnamed figure with unsaved changes.
    imported.SetDirty(true);
    controller_.Files().PutFigureInPlace(imported, true);
    controller_.Document().SetFileName(QString());
    controller_.UpdateTitle();
    controller_.PlayFileLoadSound();
    controller_.ShowCondition(FigureImporter::ReportText(report));
}

ExchangeRoom::ExchangeRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
