// Figure file commands: open, save with safety copies, recent files, new figure.
#include "FileRoom.h"

#include "CAppData.h"
#include "CFileHandling.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "Clock.h"
#include "DrawingRoom.h"
#include "ExerciseRoom.h"
#include "FigureDocument.h"
#include "IMainWindow.h"
#include "IWindowFactory.h"
#include "LifeRoom.h"
#include "UserDialogs.h"
#include "ViewRoom.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// Translated where they are shown: the language may change while the program runs.
const char* const kDiscardWarning = QT_TRANSLATE_NOOP(
    "CZelkController", "！警告！\u3000編集中のデータがなくなりますが、処理を続けますか？");
const char* const kOverwriteWarning = QT_TRANSLATE_NOOP(
    "CZelkController",
    "！警告！\u3000既にあるデータを上書きしようとしています。保存しているデータがなくなりますが、"
    "処理を続けますか？");
// The credit line of the comment stamp (kept in files: not translated).
const QString kCredit = QStringLiteral("zelk 開発チーム");
} // namespace

bool FileRoom::ConfirmDiscard() {
    return !context_.figure->IsDirty() ||
           context_.dialogs->Message(
               QCoreApplication::translate("CZelkController", kDiscardWarning),
               UserDialogs::ShownTitle(), UserDialogs::Buttons::YesNo) == UserDialogs::Answer::Yes;
}

void FileRoom::RefreshProInterfaceAfterLoad() {
    if (context_.appData->ProInterface()) {
        context_.proController->Run(ProCommandId::RefleshProInterface);
        context_.proController->Run(ProCommandId::SetupVscrollBar);
        context_.proController->Run(ProCommandId::SetupLineNumberLabel);
    }
}

// The file is read into a figure of its own and put in place only when the whole file
// was read: after any failure the figure, its name, its history and its changed mark are
// exactly as they were (the reader has already told the user why).
bool FileRoom::LoadFigureFile(const QString& FileName) {
    if (FileName.isEmpty() ||
        !controller_.Tell(controller_.Document().Load(FileName, context_.preload))) {
        return false;
    }
    // A note about the file read before must not stay beside this one.
    const bool noteShown = loadNoteShown_;
    if (!ShowLoadNote() && noteShown) {
        controller_.ShowCondition(QString());
    }
    return true;
}

bool FileRoom::RefuseWhenFull() {
    if (!context_.figure->IsFull()) {
        return false;
    }
    context_.dialogs->Message(
        QCoreApplication::translate(
            "CZelkController",
            "線の数が上限の %1 本に達しています。これ以上線を追加すると保存できなく"
            "なるため、線は追加されませんでした。")
            .arg(CZelkData::kMaxLines),
        UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
    return true;
}

// What the user must know about the figure just read, said before the next save makes
// a loss final; empty when nothing.
QString FileRoom::LoadNote() const {
    QStringList notes;
    if (const int32_t skipped = context_.figure->SkippedLines(); skipped != 0) {
        notes << QCoreApplication::translate(
                     "CZelkController",
                     "読み込んだファイルの %1 本の線は、長さ0・重複・数値の不足の"
                     "ため取り込みませんでした。")
                     .arg(skipped);
    }
    if (context_.figure->Restored()) {
        notes << QCoreApplication::translate(
            "CZelkController",
            "前回の保存が途中で止まっていたため、このファイルを保存前の内容に戻しました。");
    }
    if (context_.figure->MoreAfterComment()) {
        notes << QCoreApplication::translate(
            "CZelkController", "このファイルはコメントの行のあとにも行が続いています。保存が途中で"
                               "止まり、壊れている可能性があります。");
    }
    return notes.join(u'\u3000');
}

bool FileRoom::ShowLoadNote() {
    const QString note = LoadNote();
    loadNoteShown_ = !note.isEmpty();
    if (note.isEmpty()) {
        return false;
    }
    controller_.ShowCondition(note);
    return true;
}

void FileRoom::PutFigureInPlace(CZelkData& figure, bool unsaved) {
    controller_.Document().Replace(figure, unsaved);
}

bool FileRoom::SaveFigureFile(const QString& FileName) {
    const QString remembered = controller_.Document().FileName();
    context_.figure->SetComment(UserDialogs::ProgramTitle() + u' ' + kCredit +
                                QStringLiteral("  ") + context_.clock->ShortDate() +
                                QStringLiteral(" 保存"));
    if (controller_.Tell(controller_.Document().Save(FileName))) {
        return true;
    }
    context_.dialogs->Message(QCoreApplication::translate(
                                  "CZelkController",
                                  "エラーが発生しました。データは正しく保存されませんでした。\r\n"
                                  "エラーの内容は「ファイルに書き込めませんでした。」です。\r\n\r\n"
                                  "ファイルネームを次のように復旧します。\r\n") +
                                  remembered,
                              QString(), UserDialogs::Buttons::Ok);
    controller_.Document().SetFileName(remembered);
    return false;
}

QString FileRoom::DatedCopyName() const {
    const QDateTime now = context_.clock->Now();
    const QLocale locale = context_.clock->Locale();
    const QDate date = now.date();
    const QTime time = now.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    // An unnamed figure has the base name "" (the extension trimmer would say "no name").
    const QString fileName = context_.appData->FileName();
    const QString base =
        fileName.isEmpty()
            ? QString()
            : CFileHandling::TrimUpperFoldername(CFileHandling::TrimExtension(fileName));
    return controller_.Life().DataFolder() + QStringLiteral("/DataHistory/") +
           QStringLiteral("%1_%2_%3_%4")
               .arg(date.year())
               .arg(locale.monthName(date.month(), QLocale::ShortFormat))
               .arg(date.day())
               .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat)) +
           u'_' +
           QStringLiteral("%1_%2：%3：%4")
               .arg(time.hour() < 12 ? locale.amText() : locale.pmText())
               .arg(hour12, 2, 10, QChar(u'0'))
               .arg(time.minute(), 2, 10, QChar(u'0'))
               .arg(time.second(), 2, 10, QChar(u'0')) +
           u'＿' + base + QStringLiteral(".zlk");
}

void FileRoom::LoadWithDialog() {
    CAppData& app = *context_.appData;
    const QString rememberedName = app.FileName();
    const QString rememberedFolder = app.DataPath();
    if (!ConfirmDiscard()) {
        return;
    }
    const std::optional<QString> chosen = context_.dialogs->OpenFile(app.DataPath());
    // Cancelled: the figure, its changed mark, name and folder stay exactly as they were.
    if (!chosen) {
        return;
    }
    if (LoadFigureFile(*chosen)) {
        controller_.PlayFileLoadSound();
        controller_.Document().SetFileName(*chosen);
        controller_.UpdateTitle();
        controller_.UpdateRecentMenu();
        return;
    }
    // Unreadable: the figure is untouched; the previous file and folder come back.
    controller_.Document().SetFileName(rememberedName);
    app.SetDataPath(rememberedFolder);
}

void FileRoom::LoadByThumbnail() {
    CAppData& app = *context_.appData;
    const QString remembered = app.FileName();
    if (!ConfirmDiscard()) {
        return;
    }
    const QString selected = context_.windows->ThumbnailSelection();
    if (LoadFigureFile(selected)) {
        controller_.Document().SetFileName(selected);
        controller_.UpdateTitle();
        controller_.UpdateRecentMenu();
        return;
    }
    controller_.Document().SetFileName(remembered);
}

void FileRoom::LoadRecent(int index) {
    CAppData& app = *context_.appData;
    // Choosing a recent file must not silently drop unsaved work.
    if (!ConfirmDiscard()) {
        return;
    }
    const QString name = context_.window->RecentItemText(index);
    if (!LoadFigureFile(name)) {
        // A file that is gone leaves the list once the user has been told (a damaged one
        // stays: it may be mended).
        if (!name.isEmpty() && !QFileInfo::exists(name)) {
            app.RemoveHistory(name);
            controller_.UpdateRecentMenu();
        }
        return;
    }
    controller_.Document().SetFileName(name);
    controller_.UpdateRecentMenu();
}

void FileRoom::SaveWithDialog() {
    CAppData& app = *context_.appData;
    CZelkData& figure = *context_.figure;
    const QString rememberedName = app.FileName();
    const bool changed = figure.IsDirty();

    // Safety copies first, as they are; the changed mark stays as it was.
    if (const QString autosave = controller_.Life().AutosavePath(); !autosave.isEmpty()) {
        controller_.Tell(controller_.Document().Save(autosave));
    }
    CFileHandling files(*context_.dialogs);
    const QString history = controller_.Life().DataFolder() + QStringLiteral("/DataHistory");
    if (!files.FolderExists(history)) {
        files.CreateFolder(history);
    }
    controller_.Tell(controller_.Document().Save(DatedCopyName()));
    figure.SetDirty(changed);

    std::optional<QString> chosen = context_.dialogs->SaveFile(app.DataPath());
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    // A name typed without an extension gets ".zlk", so that the open dialog and the
    // thumbnail browser find the file again; the overwrite warning checks this name.
    if (QFileInfo(*chosen).suffix().isEmpty() && !chosen->endsWith(u'/')) {
        *chosen += QStringLiteral(".zlk");
    }
    if (files.FileExists(*chosen) &&
        context_.dialogs->Message(QCoreApplication::translate("CZelkController", kOverwriteWarning),
                                  UserDialogs::ShownTitle(),
                                  UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    if (!SaveFigureFile(*chosen)) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "データは保存されませんでした。"),
            QCoreApplication::translate("CZelkController",
                                        "エラーです。ファイル名を元の状態に復旧します。"),
            UserDialogs::Buttons::Ok);
        controller_.Document().SetFileName(rememberedName);
        return;
    }
    controller_.PlayFileSaveSound();
    controller_.MarkHistorySaved();
    controller_.Document().SetFileName(*chosen);
    controller_.UpdateTitle();
    controller_.UpdateRecentMenu();
}

void FileRoom::NewFigure() {
    if (!context_.figure->IsDirty() ||
        context_.dialogs->Message(QCoreApplication::translate(
                                      "CZelkController", "データに変更がありますが、続けますか？"),
                                  QString(),
                                  UserDialogs::Buttons::YesNo) == UserDialogs::Answer::Yes) {
        // A new figure is no answer of the exercise: it ends.
        controller_.Exercises().EndExercise();
        ClearFigure();
        if (context_.appData->Drawing()) {
            // The status bar tells where the pointers of the new figure are.
            controller_.Drawing().ShowFromCondition();
        }
        controller_.Viewing().OutdatePanes();
    }
    controller_.Viewing().RebuildView();
    controller_.Viewing().RetakePanesIfOutdated();
    RefreshProInterfaceAfterLoad();
}

void FileRoom::ClearFigure() {
    // Starting anew is a step that can be undone: the old lines and comment are kept.
    CZelkData& figure = *context_.figure;
    const FigureEdit::Pointers before = controller_.Drawing().CurrentPointers();
    QStringList lines;
    for (int32_t i = 1; i <= figure.NumberOfLines(); ++i) {
        lines << figure.GetLine(i);
    }
    const QString comment = figure.Comment();
    FigureDocument& document = controller_.Document();
    const FigureEdit::Document documentBefore{
        document.FileName(), figure.IsDirty() && document.SavedStep() == document.CurrentStep()
                                 ? -1
                                 : document.SavedStep()};
    context_.figure->ClearData();
    context_.appData->ClearData();
    ctlZelkView& view = *context_.view;
    view.SetPointerFrom(QStringLiteral("0,0,0"));
    view.SetPointerTo(QStringLiteral("0,0,0"));
    view.SetTempLine(view.PointerFrom() + u',' + view.PointerTo());
    if (!lines.isEmpty() || !comment.isEmpty()) {
        // The new, empty figure is unchanged (as it always was); undoing brings the old
        // lines back with their name and changed mark.
        const FigureEdit::Document documentAfter{QString(), document.CurrentStep() + 1};
        controller_.RecordEdit(FigureEdit::Replaced(
            figure, lines, comment, before, controller_.Drawing().CurrentPointers(),
            controller_.Drawing().HistoryRefresh(), documentBefore, documentAfter,
            [this](const FigureEdit::Document& document) {
                controller_.Drawing().ShowHistoryDocument(document);
            }));
        controller_.MarkHistorySaved();
    }
}

FileRoom::FileRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
