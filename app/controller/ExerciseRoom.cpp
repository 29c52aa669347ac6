// Exercises in reading third-angle drawings: the target's views in the three panes, the
// learner's figure drawn in the 3D view, checked by its views.
#include "ExerciseRoom.h"

#include "ActiveExercise.h"
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "Clock.h"
#include "ExerciseLibrary.h"
#include "ExerciseProgress.h"
#include "ExerciseTask.h"
#include "ExerciseViews.h"
#include "FigureDocument.h"
#include "FigureView.h"
#include "FileRoom.h"
#include "IMainWindow.h"
#include "LevelTable.h"
#include "NumberText.h"
#include "SafeFile.h"
#include "StandardViews.h"
#include "ThirdAngleCheck.h"
#include "UserDialogs.h"
#include "ViewRoom.h"
#include "Worksheet.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::array<CommandId, 5> kLevelCommands{
    CommandId::DifficultyBeginner, CommandId::DifficultyMidium, CommandId::DifficultySenior,
    CommandId::DifficultySpecial, CommandId::DifficultySuperSpecial};

QString OwnHeading() {
    ExerciseLibrary::Entry own;
    own.own = true;
    return ExerciseLibrary::Group(own);
}

// The mirror plane an exercise's drawings show.
int MirrorOf(const ExerciseTask& task) {
    return task.kind == ExerciseTask::Kind::Reflection ? static_cast<int>(task.mirror) : -1;
}

} // namespace

void ExerciseRoom::ChooseExercise() {
    const AppFolders& folders = context_.Folders();
    std::vector<std::unique_ptr<CZelkData>> figures;
    const std::vector<ExerciseLibrary::Entry> entries = ExerciseLibrary::List(folders, &figures);
    if (entries.empty()) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "問題が見つかりません。\r\n") +
                ExerciseLibrary::BuiltInFolder(folders),
            QString(), UserDialogs::Buttons::Ok);
        return;
    }
    ExerciseProgress progress(ExerciseProgress::PathBeside(folders.SettingsFile()));
    progress.Load();
    std::vector<UserDialogs::ExerciseCard> cards;
    // Sharp on a 2x screen.
    const int scale = std::max(1, qRound(context_.view->devicePixelRatioF()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const ExerciseLibrary::Entry& entry = entries[i];
        const std::vector<HiddenLines::Face> faces = HiddenLines::FacesFor(*figures[i], entry.path);
        const ExerciseProgress::Record record = progress.Get(entry.id);
        const bool answerKept = QFileInfo::exists(AnswerPath(entry.id));
        // A missing view's card keeps it missing.
        cards.push_back(
            {ExerciseLibrary::Group(entry), entry.title,
             ExerciseViews::Card({*figures[i], faces, MirrorOf(entry.task)}, QSize(120, 90), scale,
                                 entry.task.kind != ExerciseTask::Kind::MissingView),
             ExerciseProgress::Note(record), record.solved, answerKept, QString()});
    }
    // Each group's line from its records (the list keeps a group together).
    for (size_t i = 0; i < cards.size();) {
        size_t end = i;
        std::vector<ExerciseProgress::Record> records;
        for (; end < cards.size() && cards[end].heading == cards[i].heading; ++end) {
            records.push_back(progress.Get(entries[end].id));
        }
        const QString line = ExerciseProgress::GroupLine(cards[i].heading, records);
        for (; i < end; ++i) {
            cards[i].groupLine = line;
        }
    }
    const std::optional<int> chosen = context_.dialogs->ChooseExercise(cards);
    const int count = static_cast<int>(entries.size());
    if (chosen && *chosen >= count && *chosen < 2 * count) {
        OpenExerciseAnswer(entries[static_cast<size_t>(*chosen - count)]);
        return;
    }
    if (!chosen || *chosen < 0 || *chosen >= count) {
        return;
    }
    // A solved exercise's answer is kept with the progress: moving on asks nothing.
    const bool solvedNow =
        controller_.Document().Exercise() != nullptr && controller_.Document().Exercise()->solved;
    if (!solvedNow && context_.figure->IsDirty() &&
        context_.dialogs->Message(QCoreApplication::translate(
                                      "CZelkController", "データに変更がありますが、続けますか？"),
                                  QString(),
                                  UserDialogs::Buttons::YesNo) != UserDialogs::Answer::Yes) {
        return;
    }
    const auto index = static_cast<size_t>(*chosen);
    auto exercise = std::make_unique<ActiveExercise>();
    // One exercise after another: what the user had before the first comes back at the end.
    if (controller_.Document().Exercise() != nullptr) {
        exercise->before = controller_.Document().Exercise()->before;
    } else {
        const CAppData& app = *context_.appData;
        exercise->before = {app.Level(), app.Drawing(), app.ThirdAngleProjectionMethodMode(),
                            app.Ratio()};
    }
    exercise->entry = entries[index];
    exercise->given.Swap(*figures[index]);
    exercise->givenFaces = HiddenLines::FacesFor(exercise->given, exercise->entry.path);
    const ExerciseTask& task = exercise->entry.task;
    CZelkData target = task.Answer(exercise->given);
    exercise->target.Swap(target);
    exercise->faces = task.AnswerFaces(exercise->given, exercise->givenFaces);
    exercise->started = context_.clock->Now();
    controller_.Document().Attach(std::move(exercise));

    // The exercise's level, drawing mode, an empty figure (a step that can be undone).
    const auto level =
        static_cast<DifficultyLevel>(controller_.Document().Exercise()->entry.level - 1);
    controller_.Run(
        kLevelCommands[static_cast<size_t>(controller_.Document().Exercise()->entry.level - 1)]);
    context_.window->SetDifficulty(level);
    if (!context_.appData->Drawing()) {
        controller_.Run(CommandId::DrawMode);
    }
    controller_.Files().ClearFigure();
    // The empty figure of an exercise is nobody's work.
    context_.figure->SetDirty(false);
    controller_.MarkHistorySaved();
    FitExerciseZoom();
    controller_.Viewing().RebuildView();
    // The target's views in the three panes, the learner's figure in the 3D view.
    if (context_.appData->ThirdAngleProjectionMethodMode()) {
        ShowExercisePanes(false);
    } else {
        controller_.Run(CommandId::ThirdAngleProjectionMethod);
    }
    const ExerciseLibrary::Entry& chosenEntry = controller_.Document().Exercise()->entry;
    if (chosenEntry.task.kind == ExerciseTask::Kind::Views) {
        controller_.ShowCondition(
            QCoreApplication::translate(
                "CZelkController",
                "問題「%1」：三つの図と同じ立体を描いて「答え合わせ」を押してください。")
                .arg(chosenEntry.title));
        return;
    }
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController",
                                    "問題「%1」：%2できたら「答え合わせ」を押してください。")
            .arg(chosenEntry.title, chosenEntry.task.Instruction()));
    // A turn is read off the solid itself: it is shown, to be turned, before drawing.
    if (chosenEntry.task.kind == ExerciseTask::Kind::Rotation) {
        ShowSample();
    }
}

void ExerciseRoom::ShowSample() {
    if (NoExercise(QCoreApplication::translate("CZelkController",
                                               "見本は練習問題を解いているときに見られます。"))) {
        return;
    }
    const ActiveExercise& exercise = *controller_.Document().Exercise();
    const ExerciseTask& task = exercise.entry.task;
    if (task.kind != ExerciseTask::Kind::Rotation && task.kind != ExerciseTask::Kind::Reflection) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController",
                                        "この問題の見本は三面図です（見本の立体が答えです）。"),
            QString(), UserDialogs::Buttons::Ok);
        return;
    }
    FigureRenderer renderer = FigureView::Plain(exercise.given, QSize(320, 240));
    renderer.GetStyle().figLineSize = 2;
    // The axes from the origin, in the colours of the axis buttons: the turn is about one.
    renderer.GetStyle().viewAxis = true;
    const CZelkData::Point& size = exercise.given.MaxSize();
    renderer.SetAxisLength(static_cast<int32_t>(1.5F * std::max({size[0], size[1], size[2]})));
    QString text =
        QCoreApplication::translate("CZelkController", "問題「%1」の見本の立体です。\n%2")
            .arg(exercise.entry.title, task.Instruction());
    if (task.kind == ExerciseTask::Kind::Rotation) {
        text += u'\n' + ExerciseTask::TurnNote() +
                QCoreApplication::translate("CZelkController",
                                            "軸の色：X 水色、Y 黄色、Z 緑（ボタンの色と同じ）。");
    }
    context_.dialogs->ShowFigureWithDrawings(
        QCoreApplication::translate("CZelkController", "見本"), text, renderer,
        ExerciseViews::Card({exercise.given, exercise.givenFaces, MirrorOf(task)}, QSize(320, 240),
                            std::max(1, qRound(context_.view->devicePixelRatioF()))));
}

void ExerciseRoom::ShowExercisePanes(bool hint) {
    if (controller_.Document().Exercise() == nullptr) {
        return;
    }
    controller_.Document().Exercise()->hint = hint;
    ctlZelkView& view = *context_.view;
    const QSize size(view.width(), view.height());
    const int scale = std::max(1, qRound(view.devicePixelRatioF()));
    const ActiveExercise& exercise = *controller_.Document().Exercise();
    const ExerciseTask& task = exercise.entry.task;
    // The learner's figure taken back to the given solid's pose, laid over its views: made
    // only for the hint, as every refresh of the panes comes here.
    std::optional<CZelkData> back;
    if (hint) {
        back.emplace(task.Undone(*context_.figure));
    }
    const CZelkData* learner = back ? &*back : nullptr;
    const ExerciseViews::Solid given{exercise.given, exercise.givenFaces, MirrorOf(task)};
    context_.window->SetPanePicture(
        IMainWindow::Pane::Front,
        ExerciseViews::Pane(given, learner, ExerciseViews::View::Front, size, scale));
    context_.window->SetPanePicture(
        IMainWindow::Pane::Top,
        ExerciseViews::Pane(given, learner, ExerciseViews::View::Top, size, scale));
    // The missing view stays for the learner to find, until they found another than the
    // model answer's: then both are shown.
    context_.window->SetPanePicture(
        IMainWindow::Pane::Side,
        task.kind != ExerciseTask::Kind::MissingView
            ? ExerciseViews::Pane(given, learner, ExerciseViews::View::Side, size, scale)
        : exercise.otherSide
            ? ExerciseViews::Pane({exercise.target, exercise.faces, -1}, context_.figure,
                                  ExerciseViews::View::Side, size, scale)
            : ExerciseViews::Blank(ExerciseViews::View::Side, size, scale));
}

// The exercise ends (left, or another figure came): the level, mode, layout and zoom the
// user had before it come back.
void ExerciseRoom::EndExercise() {
    if (controller_.Document().Exercise() == nullptr) {
        return;
    }
    const ActiveExercise::Before before = controller_.Document().Exercise()->before;
    controller_.Document().Detach();
    CAppData& app = *context_.appData;
    if (app.Level() != before.level) {
        controller_.Run(kLevelCommands[static_cast<size_t>(before.level)]);
        context_.window->SetDifficulty(before.level);
    }
    if (app.Drawing() != before.drawing) {
        controller_.Run(before.drawing ? CommandId::DrawMode : CommandId::ViewMode);
    }
    // The panes show the view's own pictures again, or go.
    if (app.ThirdAngleProjectionMethodMode()) {
        controller_.Run(CommandId::ThirdAngleProjectionMethod);
        if (before.thirdAngle) {
            controller_.Run(CommandId::ThirdAngleProjectionMethod);
        }
    } else if (before.thirdAngle) {
        controller_.Run(CommandId::ThirdAngleProjectionMethod);
    }
    app.SetRatio(before.ratio);
    context_.view->SetRatio(app.Ratio());
    controller_.DrawView();
}

// A right answer is kept beside the progress ("ZelkAnswers/<id>.zlk"), the last one of
// each exercise, for the learner to open again.
QString ExerciseRoom::AnswerPath(const QString& exerciseId) const {
    QString id = exerciseId;
    id.replace(u'/', u'_');
    return QFileInfo(context_.Folders().SettingsFile()).path() + QStringLiteral("/ZelkAnswers/") +
           id + QStringLiteral(".zlk");
}

// A kept answer opened as a figure of its own (what is unsaved is asked about first); an
// exercise being solved ends.
void ExerciseRoom::OpenExerciseAnswer(const ExerciseLibrary::Entry& entry) {
    if (!(controller_.Document().Exercise() != nullptr &&
          controller_.Document().Exercise()->solved) &&
        !controller_.Files().ConfirmDiscard()) {
        return;
    }
    const QString path = AnswerPath(entry.id);
    if (controller_.Files().LoadFigureFile(path)) {
        context_.appData->SetFileName(path);
        controller_.UpdateTitle();
        controller_.ShowCondition(
            QCoreApplication::translate("CZelkController", "問題「%1」の前の答えを開きました。")
                .arg(entry.title));
    }
}

void ExerciseRoom::KeepExerciseAnswer() {
    const QString path = AnswerPath(controller_.Document().Exercise()->entry.id);
    QDir().mkpath(QFileInfo(path).path());
    CZelkData answer;
    for (const CLine& line : context_.figure->Lines()) {
        answer.AddLine(line);
    }
    answer.SetComment(controller_.Document().Exercise()->entry.title);
    if (const FileResult saved = answer.Save(path); !saved) {
        controller_.ShowCondition(saved.reason.section(QStringLiteral("\r\n"), 0, 0));
    }
}

void ExerciseRoom::LeaveExercise() {
    if (NoExercise(
            QCoreApplication::translate("CZelkController", "いまは練習問題を解いていません。"))) {
        return;
    }
    const QString title = controller_.Document().Exercise()->entry.title;
    // The figure stays as it is, with its changed mark: a solve cleared it, and edits made
    // after the solve are the user's own.
    EndExercise();
    controller_.UpdateTitle();
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController", "練習「%1」を終えました。").arg(title));
}

void ExerciseRoom::FitExerciseZoom() {
    if (controller_.Document().Exercise() == nullptr || controller_.Document().Exercise()->zoomed) {
        return;
    }
    const CZelkData::Point& target = controller_.Document().Exercise()->target.MaxSize();
    const CZelkData::Point& learner = context_.figure->MaxSize();
    const float largest =
        std::max({target[0], target[1], target[2], learner[0], learner[1], learner[2]});
    CAppData& app = *context_.appData;
    app.SetRatio(
        FigureRenderer::FitRatio(largest, static_cast<float>(context_.view->ControlScaleHeight())));
    context_.view->SetRatio(app.Ratio());
}

bool ExerciseRoom::NoExercise(const QString& why) {
    if (controller_.Document().Exercise() != nullptr) {
        return false;
    }
    context_.dialogs->Message(why, QString(), UserDialogs::Buttons::Ok);
    return true;
}

void ExerciseRoom::CheckExercise() {
    if (NoExercise(QCoreApplication::translate(
            "CZelkController",
            "答え合わせをするには、まず「練習」の「問題を選ぶ…」で問題を選んでください。"))) {
        return;
    }
    const ExerciseTask& task = controller_.Document().Exercise()->entry.task;
    const ThirdAngleCheck::Result result =
        task.Check(*context_.figure, controller_.Document().Exercise()->target);
    const AppFolders& folders = context_.Folders();
    ExerciseProgress progress(ExerciseProgress::PathBeside(folders.SettingsFile()));
    progress.Load();
    progress.CountAttempt(controller_.Document().Exercise()->entry.id);
    QString text;
    if (result.sameViews) {
        const qint64 ms = controller_.Document().Exercise()->started.msecsTo(context_.clock->Now());
        if (controller_.Document().Exercise()->revealed) {
            text = QCoreApplication::translate(
                "CZelkController", "正解です。（答えを見たので、解けた記録にはなりません。）");
        } else {
            progress.Solve(controller_.Document().Exercise()->entry.id, ms,
                           context_.clock->Now().date());
            controller_.Document().Exercise()->solved = true;
            // A right answer is kept with the progress: it is no unsaved work.
            KeepExerciseAnswer();
            context_.figure->SetDirty(false);
            controller_.MarkHistorySaved();
            text = QCoreApplication::translate("CZelkController", "正解です！　かかった時間 %1")
                       .arg(ExerciseProgress::Time(ms)) +
                   QStringLiteral("\r\n") + SolvedSoFar(progress);
        }
        const StandardViews::View side[] = {StandardViews::Side};
        if (task.kind == ExerciseTask::Kind::MissingView &&
            !ThirdAngleCheck::Compare(*context_.figure, controller_.Document().Exercise()->target,
                                      side)
                 .sameViews) {
            controller_.Document().Exercise()->otherSide = true;
            text += QCoreApplication::translate(
                "CZelkController",
                "\r\n別解です：あなたの右側面図は模範解答と違いますが、正面図と平面図が合って"
                "いれば正解です。右側面図の欄に両方を示しました（黒：模範解答、赤：あなたの図）。");
            ShowExercisePanes(controller_.Document().Exercise()->hint);
        } else if (!result.sameFigure) {
            text += QCoreApplication::translate(
                "CZelkController",
                "\r\n別解です：三つの図は同じですが、立体は問題の図形と違います。");
        }
    } else {
        text = QCoreApplication::translate("CZelkController", "まだ違います。");
        for (const StandardViews::View view : task.Checked()) {
            const auto i = static_cast<size_t>(view);
            text += QCoreApplication::translate("CZelkController",
                                                "\r\n%1：足りない線 %2 本、余分な線 %3 本")
                        .arg(StandardViews::Name(view))
                        .arg(result.missing[i])
                        .arg(result.extra[i]);
        }
    }
    if (const FileResult saved = progress.Save(); !saved) {
        text +=
            QCoreApplication::translate("CZelkController", "\r\n（記録を保存できませんでした：%1）")
                .arg(saved.reason);
    }
    controller_.ShowCondition(text.section(QStringLiteral("\r\n"), 0, 0));
    context_.dialogs->Message(text, QCoreApplication::translate("CZelkController", "答え合わせ"),
                              UserDialogs::Buttons::Ok);
    if (controller_.Document().Exercise()->hint) {
        ShowExercisePanes(true);
    }
}

// How far the learner has come in the group of the exercise just solved: "回転 中級 4 / 6"
// (their own exercises: "自分の問題 2 / 3").
QString ExerciseRoom::SolvedSoFar(const ExerciseProgress& progress) {
    const QString group = ExerciseLibrary::Group(controller_.Document().Exercise()->entry);
    int total = 0;
    int done = 0;
    for (const ExerciseLibrary::Entry& entry : ExerciseLibrary::List(context_.Folders())) {
        if (ExerciseLibrary::Group(entry) == group) {
            ++total;
            done += progress.Get(entry.id).solved ? 1 : 0;
        }
    }
    return QStringLiteral("%1 %2 / %3").arg(group).arg(done).arg(total);
}

void ExerciseRoom::ShowExerciseHint() {
    if (NoExercise(QCoreApplication::translate("CZelkController",
                                               "ヒントは練習問題を解いているときに使えます。"))) {
        return;
    }
    if (!context_.appData->ThirdAngleProjectionMethodMode()) {
        controller_.Run(CommandId::ThirdAngleProjectionMethod);
    }
    const bool hint = !controller_.Document().Exercise()->hint;
    ShowExercisePanes(hint);
    controller_.ShowCondition(
        hint ? QCoreApplication::translate(
                   "CZelkController",
                   "ヒント：赤い線があなたの図形の見え方です。もう一度押すと消えます。")
             : QCoreApplication::translate("CZelkController", "ヒントを消しました。"));
}

void ExerciseRoom::ShowExerciseAnswer() {
    if (NoExercise(QCoreApplication::translate("CZelkController",
                                               "答えは練習問題を解いているときに見られます。"))) {
        return;
    }
    controller_.Document().Exercise()->revealed = true;
    FigureRenderer renderer =
        FigureView::Plain(controller_.Document().Exercise()->target, QSize(320, 240));
    renderer.GetStyle().figLineSize = 2;
    context_.dialogs->ShowFigureWithDrawings(
        QCoreApplication::translate("CZelkController", "答えを見る"),
        QCoreApplication::translate(
            "CZelkController",
            "問題「%1」の立体です。（この問題は、今回は解けた記録になりません。）")
            .arg(controller_.Document().Exercise()->entry.title),
        renderer,
        ExerciseViews::Card(
            {controller_.Document().Exercise()->target, controller_.Document().Exercise()->faces},
            QSize(320, 240), std::max(1, qRound(context_.view->devicePixelRatioF()))));
}

void ExerciseRoom::MakeExercise() {
    CZelkData& figure = *context_.figure;
    // Fewer than three lines give no drawing to read.
    if (figure.NumberOfLines() < 3) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController",
                                        "線が 3 本より少ない図形は問題にできません。"),
            QString(), UserDialogs::Buttons::Ok);
        return;
    }
    // An exercise whose drawings are another's teaches nothing new.
    const AppFolders& folders = context_.Folders();
    std::vector<std::unique_ptr<CZelkData>> figures;
    const std::vector<ExerciseLibrary::Entry> entries = ExerciseLibrary::List(folders, &figures);
    int ownAtLevel = 0;
    const int level = static_cast<int>(context_.appData->Level()) + 1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (ThirdAngleCheck::Compare(figure, *figures[i]).sameViews) {
            context_.dialogs->Message(
                QCoreApplication::translate("CZelkController", "同じ問題があります：%1")
                    .arg(entries[i].title),
                QString(), UserDialogs::Buttons::Ok);
            return;
        }
        ownAtLevel += entries[i].own && entries[i].level == level ? 1 : 0;
    }
    const QString offered =
        QCoreApplication::translate("CZelkController", "%1 自作%2")
            .arg(ZelkStates::Tr(ZelkStates::Levels()[static_cast<size_t>(level - 1)].caption))
            .arg(ownAtLevel + 1);
    const std::optional<QString> typed = context_.dialogs->AskText(
        QCoreApplication::translate("CZelkController", "この図形を問題にする"),
        QCoreApplication::translate("CZelkController", "問題の名前："), offered);
    if (!typed) {
        return;
    }
    const QString title = typed->trimmed().isEmpty() ? offered : typed->trimmed();
    QString why;
    const QString path =
        ExerciseLibrary::AddOwn(figure, title, level, folders, context_.clock->Now(), why);
    if (path.isEmpty()) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "問題にできませんでした。\r\n") + why,
            QString(), UserDialogs::Buttons::Ok);
        return;
    }
    context_.dialogs->Message(
        QCoreApplication::translate(
            "CZelkController",
            "この図形を問題にしました。「問題を選ぶ…」の「%1」にあります。\r\n%2")
            .arg(OwnHeading(), path),
        QString(), UserDialogs::Buttons::Ok);
}

void ExerciseRoom::ExportProgress() {
    const AppFolders& folders = context_.Folders();
    ExerciseProgress progress(ExerciseProgress::PathBeside(folders.SettingsFile()));
    progress.Load();
    std::vector<ExerciseProgress::Listed> listed;
    for (const ExerciseLibrary::Entry& entry : ExerciseLibrary::List(folders)) {
        listed.push_back(
            {entry.id, ExerciseTask::Name(entry.task.kind), LevelTable::Name(entry.level)});
    }
    const std::optional<UserDialogs::ExportChoice> chosen = context_.dialogs->ExportFile(
        context_.appData->DataPath(), QCoreApplication::translate("CZelkController", "成績"),
        {{UserDialogs::ExportKind::Table,
          QCoreApplication::translate("CZelkController", "表（カンマ区切り） (*.csv)"),
          QStringLiteral("csv")}});
    if (!chosen || chosen->path.isEmpty()) {
        return;
    }
    QString why;
    if (!SafeFile::Write(chosen->path, progress.Table(listed), why)) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "成績を書き出せませんでした。\r\n") +
                chosen->path + QStringLiteral("\r\n") + why,
            UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
        return;
    }
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController", "成績を書き出しました：") + chosen->path);
}

void ExerciseRoom::MakeWorksheet() {
    const AppFolders& folders = context_.Folders();
    const ActiveExercise* solving = controller_.Document().Exercise();
    const int level = solving != nullptr && !solving->entry.own
                          ? solving->entry.level
                          : static_cast<int>(context_.appData->Level()) + 1;
    std::vector<std::unique_ptr<CZelkData>> figures;
    const std::vector<ExerciseLibrary::Entry> entries = ExerciseLibrary::List(folders, &figures);
    std::vector<Worksheet::Exercise> sheet;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].own && entries[i].level == level) {
            sheet.push_back({entries[i].title, *figures[i],
                             HiddenLines::FacesFor(*figures[i], entries[i].path), entries[i].task});
        }
    }
    if (sheet.empty()) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "このレベルの問題が見つかりません。"),
            QString(), UserDialogs::Buttons::Ok);
        return;
    }
    const std::optional<UserDialogs::ExportChoice> chosen = context_.dialogs->ExportFile(
        context_.appData->DataPath(),
        QCoreApplication::translate("CZelkController", "問題用紙_%1").arg(LevelTable::Name(level)),
        {{UserDialogs::ExportKind::Pdf, QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")}});
    if (!chosen || chosen->path.isEmpty()) {
        return;
    }
    if (const FileResult written = Worksheet::Write(chosen->path, sheet); !written) {
        context_.dialogs->Message(
            QCoreApplication::translate("CZelkController", "問題用紙を書き出せませんでした。\r\n") +
                chosen->path + QStringLiteral("\r\n") + written.reason,
            UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
        return;
    }
    controller_.ShowCondition(
        QCoreApplication::translate("CZelkController", "問題用紙を書き出しました（%1 問）：")
            .arg(sheet.size()) +
        chosen->path);
}

ExerciseRoom::ExerciseRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context) {}
