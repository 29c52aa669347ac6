// The command table and the services that follow every command.
#include "ActiveExercise.h"
#include "CAppData.h"
#include "CKeyHandler.h"
#include "CStringUtil.h"
#include "CWavePlay.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "DrawingRoom.h"
#include "ExchangeRoom.h"
#include "ExerciseRoom.h"
#include "FigureDocument.h"
#include "FileRoom.h"
#include "HoldingSoundBackend.h"
#include "IMainWindow.h"
#include "LifeRoom.h"
#include "OutputRoom.h"
#include "RowsInIdOrder.h"
#include "StandardViews.h"
#include "UserDialogs.h"
#include "ViewRoom.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <array>

CZelkController::CZelkController(AppContext& context)
    : context_(context), life_(std::make_unique<LifeRoom>(*this, context)),
      files_(std::make_unique<FileRoom>(*this, context)),
      viewing_(std::make_unique<ViewRoom>(*this, context)),
      drawing_(std::make_unique<DrawingRoom>(*this, context)),
      exercises_(std::make_unique<ExerciseRoom>(*this, context)),
      exchange_(std::make_unique<ExchangeRoom>(*this, context)),
      output_(std::make_unique<OutputRoom>(*this, context)) {}

CZelkController::~CZelkController() = default;

// Compared in this order; the first equal entry wins.
std::span<const CZelkController::CommandEntry> CZelkController::CommandTable() {
    using C = CZelkController;
    static constexpr auto table = std::to_array<CommandEntry>({
        {CommandId::BootZelk, "BOOT_ZELK", [](C& c) { c.life_->Boot(); }, FollowUp::None},
        {CommandId::Load, "LOAD", [](C& c) { c.files_->LoadWithDialog(); }, FollowUp::None},
        {CommandId::LoadByThumnail, "LOAD_BY_THUMNAIL", [](C& c) { c.files_->LoadByThumbnail(); },
         FollowUp::FileLoadSound},
        {CommandId::Save, "SAVE", [](C& c) { c.files_->SaveWithDialog(); }, FollowUp::None},
        {CommandId::ViewThumbnail, "VIEW_THUMBNAIL",
         [](C& c) { c.output_->ShowThumbnailBrowser(); }, FollowUp::None},
        {CommandId::ViewDataFileInfo, "VIEW_DATA_FILE_INFO",
         [](C& c) { c.output_->ShowDataFileInfo(); }, FollowUp::None},
        {CommandId::ParaParaAnime, "PARA_PARA_ANIME", [](C& c) { c.output_->MakeParaParaAnime(); },
         FollowUp::None},
        {CommandId::Import, "IMPORT", [](C& c) { c.exchange_->ImportFigure(); }, FollowUp::None},
        {CommandId::Export, "EXPORT", [](C& c) { c.exchange_->ExportFigure(); }, FollowUp::None},
        {CommandId::PrintEntireForm, "PRINT_ENTIRE_FORM",
         [](C& c) { c.output_->PrintEntireForm(); }, FollowUp::None},
        {CommandId::PrintMonochromePicture, "PRINT_MONOCHROME_PICTURE",
         [](C& c) { c.output_->PrintMonochromePicture(); }, FollowUp::None},
        {CommandId::LoadRecent0, "LOAD_RECENT_0", [](C& c) { c.files_->LoadRecent(0); },
         FollowUp::None},
        {CommandId::LoadRecent1, "LOAD_RECENT_1", [](C& c) { c.files_->LoadRecent(1); },
         FollowUp::None},
        {CommandId::LoadRecent2, "LOAD_RECENT_2", [](C& c) { c.files_->LoadRecent(2); },
         FollowUp::None},
        {CommandId::LoadRecent3, "LOAD_RECENT_3", [](C& c) { c.files_->LoadRecent(3); },
         FollowUp::None},
        {CommandId::LoadRecent4, "LOAD_RECENT_4", [](C& c) { c.files_->LoadRecent(4); },
         FollowUp::None},
        {CommandId::Fin, "FIN", [](C& c) { c.life_->Finish(); }, FollowUp::None},
        {CommandId::ChangeMode, "CHANGE_MODE", [](C& c) { c.viewing_->ChangeMode(); },
         FollowUp::None},
        {CommandId::ViewMode, "VIEW_MODE", [](C& c) { c.viewing_->EnterViewMode(); },
         FollowUp::None},
        {CommandId::DrawMode, "DRAW_MODE", [](C& c) { c.viewing_->EnterDrawMode(); },
         FollowUp::None},
        {CommandId::NewFigure, "NEW_FIGURE", [](C& c) { c.files_->NewFigure(); },
         FollowUp::FileLoadSound},
        {CommandId::NormalCopy, "NORMAL_COPY", [](C& c) { c.output_->NormalCopy(); },
         FollowUp::None},
        {CommandId::MonochromeCopy, "MONOCHROME_COPY", [](C& c) { c.output_->MonochromeCopy(); },
         FollowUp::None},
        {CommandId::ContinuousTurn, "CONTINUOUS_TURN",
         [](C& c) { c.viewing_->StartContinuousTurn(); }, FollowUp::None},
        {CommandId::ContinuousTurnStop, "CONTINUOUS_TURN_STOP",
         [](C& c) { c.viewing_->StopContinuousTurn(); }, FollowUp::None},
        {CommandId::TurningTimerCall, "TURNING_TIMER_CALL", [](C& c) { c.viewing_->TurningTick(); },
         FollowUp::None},
        {CommandId::FrontView, "FRONT_VIEW",
         [](C& c) { c.viewing_->TurnToView(StandardViews::Angles(StandardViews::Front)); },
         FollowUp::None},
        {CommandId::TopView, "TOP_VIEW",
         [](C& c) { c.viewing_->TurnToView(StandardViews::Angles(StandardViews::Top)); },
         FollowUp::None},
        {CommandId::SideView, "SIDE_VIEW",
         [](C& c) { c.viewing_->TurnToView(StandardViews::Angles(StandardViews::Side)); },
         FollowUp::None},
        {CommandId::EqualAngleView, "EQUAL_ANGLE_VIEW",
         [](C& c) { c.viewing_->TurnToView(-45, 35); }, FollowUp::None},
        {CommandId::ThirdAngleProjectionMethod, "THIRD_ANGLE_PROJECTION_METHOD",
         [](C& c) { c.viewing_->ToggleThirdAngleProjection(); }, FollowUp::None},
        {CommandId::DifficultyBeginner, "DIFFICULTY_BEGINNER",
         [](C& c) { c.viewing_->ApplyDifficulty(DifficultyLevel::Beginner); }, FollowUp::None},
        {CommandId::DifficultyMidium, "DIFFICULTY_MIDIUM",
         [](C& c) { c.viewing_->ApplyDifficulty(DifficultyLevel::Midium); }, FollowUp::None},
        {CommandId::DifficultySenior, "DIFFICULTY_SENIOR",
         [](C& c) { c.viewing_->ApplyDifficulty(DifficultyLevel::Senior); }, FollowUp::None},
        {CommandId::DifficultySpecial, "DIFFICULTY_SPECIAL",
         [](C& c) { c.viewing_->ApplyDifficulty(DifficultyLevel::Special); }, FollowUp::None},
        {CommandId::DifficultySuperSpecial, "DIFFICULTY_SUPER_SPECIAL",
         [](C& c) { c.viewing_->ApplyDifficulty(DifficultyLevel::SuperSpecial); }, FollowUp::None},
        {CommandId::ProInterface, "PRO_INTERFACE", [](C& c) { c.viewing_->EnterProInterface(); },
         FollowUp::None},
        {CommandId::NormalInterface, "NORMAL_INTERFACE",
         [](C& c) { c.viewing_->EnterNormalInterface(); }, FollowUp::None},
        {CommandId::DataPathFixed, "DATA_PATH_FIXED",
         [](C& c) { c.viewing_->ToggleDataPathFixed(); }, FollowUp::None},
        {CommandId::ShowVersionDialog, "SHOW_VERSION_DIALOG",
         [](C& c) { c.life_->ShowVersionDialog(); }, FollowUp::None},
        {CommandId::ShowHelp, "SHOW_HELP", [](C& c) { c.output_->ShowHelp(); }, FollowUp::None},
        {CommandId::TurnUp, "TURN_UP", [](C& c) { c.viewing_->TurnUp(); }, FollowUp::None},
        {CommandId::TurnDown, "TURN_DOWN", [](C& c) { c.viewing_->TurnDown(); }, FollowUp::None},
        {CommandId::TurnRight, "TURN_RIGHT", [](C& c) { c.viewing_->TurnRight(); }, FollowUp::None},
        {CommandId::TurnLeft, "TURN_LEFT", [](C& c) { c.viewing_->TurnLeft(); }, FollowUp::None},
        {CommandId::Magnify, "MAGNIFY", [](C& c) { c.viewing_->Magnify(); }, FollowUp::None},
        {CommandId::Reduce, "REDUCE", [](C& c) { c.viewing_->Reduce(); }, FollowUp::None},
        {CommandId::PointerMoveX, "POINTER_MOVE_X", [](C& c) { c.drawing_->MovePointer(0, +1); },
         FollowUp::TurnSound},
        {CommandId::PointerMoveMx, "POINTER_MOVE_MX", [](C& c) { c.drawing_->MovePointer(0, -1); },
         FollowUp::TurnSound},
        {CommandId::PointerMoveY, "POINTER_MOVE_Y", [](C& c) { c.drawing_->MovePointer(1, +1); },
         FollowUp::TurnSound},
        {CommandId::PointerMoveMy, "POINTER_MOVE_MY", [](C& c) { c.drawing_->MovePointer(1, -1); },
         FollowUp::TurnSound},
        {CommandId::PointerMoveZ, "POINTER_MOVE_Z", [](C& c) { c.drawing_->MovePointer(2, +1); },
         FollowUp::TurnSound},
        {CommandId::PointerMoveMz, "POINTER_MOVE_MZ", [](C& c) { c.drawing_->MovePointer(2, -1); },
         FollowUp::TurnSound},
        {CommandId::ReturnPointerToOrigin, "RETURN_POINTER_TO_ORIGIN",
         [](C& c) { c.drawing_->ReturnPointerToOrigin(); }, FollowUp::TurnSound},
        {CommandId::DelTail, "DEL_TAIL", [](C& c) { c.drawing_->DeleteTail(); },
         FollowUp::TurnSound},
        {CommandId::Apply, "APPLY", [](C& c) { c.drawing_->ApplyPointer(); }, FollowUp::TurnSound},
        {CommandId::Autosave, "AUTOSAVE", [](C& c) { c.life_->AutoSave(); }, FollowUp::None},
        {CommandId::Size800x400, "800x400",
         [](C& c) { c.viewing_->ApplyFormSize(QStringLiteral("800x400")); }, FollowUp::None},
        {CommandId::Size640x480, "640x480",
         [](C& c) { c.viewing_->ApplyFormSize(QStringLiteral("640x480")); }, FollowUp::None},
        {CommandId::Size800x600, "800x600",
         [](C& c) { c.viewing_->ApplyFormSize(QStringLiteral("800x600")); }, FollowUp::None},
        {CommandId::Size1024x768, "1024x768",
         [](C& c) { c.viewing_->ApplyFormSize(QStringLiteral("1024x768")); }, FollowUp::None},
        {CommandId::Redraw, "REDRAW", [](C& c) { c.viewing_->RebuildView(); }, FollowUp::None},
        {CommandId::Undo, "UNDO", [](C& c) { c.drawing_->Undo(); }, FollowUp::None},
        {CommandId::Redo, "REDO", [](C& c) { c.drawing_->Redo(); }, FollowUp::None},
        {CommandId::ExerciseChoose, "EXERCISE_CHOOSE", [](C& c) { c.exercises_->ChooseExercise(); },
         FollowUp::None},
        {CommandId::ExerciseCheck, "EXERCISE_CHECK", [](C& c) { c.exercises_->CheckExercise(); },
         FollowUp::None},
        {CommandId::ExerciseHint, "EXERCISE_HINT", [](C& c) { c.exercises_->ShowExerciseHint(); },
         FollowUp::None},
        {CommandId::ExerciseAnswer, "EXERCISE_ANSWER",
         [](C& c) { c.exercises_->ShowExerciseAnswer(); }, FollowUp::None},
        {CommandId::ExerciseMake, "EXERCISE_MAKE", [](C& c) { c.exercises_->MakeExercise(); },
         FollowUp::None},
        {CommandId::ExerciseEnd, "EXERCISE_END", [](C& c) { c.exercises_->LeaveExercise(); },
         FollowUp::None},
        {CommandId::LanguageJapanese, "LANGUAGE_JAPANESE",
         [](C& c) { c.viewing_->ApplyLanguage(UiLanguage::Japanese); }, FollowUp::None},
        {CommandId::LanguageEnglish, "LANGUAGE_ENGLISH",
         [](C& c) { c.viewing_->ApplyLanguage(UiLanguage::English); }, FollowUp::None},
        {CommandId::ExerciseExportProgress, "EXERCISE_EXPORT_PROGRESS",
         [](C& c) { c.exercises_->ExportProgress(); }, FollowUp::None},
        {CommandId::ExerciseWorksheet, "EXERCISE_WORKSHEET",
         [](C& c) { c.exercises_->MakeWorksheet(); }, FollowUp::None},
        {CommandId::ExerciseSample, "EXERCISE_SAMPLE", [](C& c) { c.exercises_->ShowSample(); },
         FollowUp::None},
    });
    static_assert(RowsInIdOrder(table), "the command table's rows are in the order of their ids");
    return table;
}

bool CZelkController::CommandsHeld() const {
    return context_.soundHold != nullptr && context_.soundHold->Holding();
}

bool CZelkController::SetCommand(const QString& command) {
    // Command strings arrive only from outside the program's code: turned into the id here.
    for (const CommandEntry& entry : CommandTable()) {
        if (command == QLatin1String(entry.command)) {
            return Request(entry.id);
        }
    }
    // Unknown: nothing runs, but the title is refreshed as after every command.
    if (!CommandsHeld()) {
        UpdateTitle();
    }
    return false;
}

bool CZelkController::Request(CommandId command) {
    // The user's own request (not a step of another command): a walk to a view is paced
    // so that it can be watched.
    const bool outer = !userRequest_;
    userRequest_ = true;
    const bool ran = Run(CommandTable()[static_cast<size_t>(command)]);
    if (outer) {
        userRequest_ = false;
    }
    return ran;
}

QString CZelkController::CommandText(CommandId command) {
    return QString::fromLatin1(CommandTable()[static_cast<size_t>(command)].command);
}

bool CZelkController::Run(CommandId command) {
    // A step of another command runs at full speed.
    const bool request = userRequest_;
    userRequest_ = false;
    // The table holds the commands in the order of the ids.
    const bool ran = Run(CommandTable()[static_cast<size_t>(command)]);
    userRequest_ = request;
    return ran;
}

bool CZelkController::Run(const CommandEntry& entry) {
    // Nothing runs while a cue plays to its end (a timer tick fired in that wait).
    if (CommandsHeld()) {
        return false;
    }
    entry.handler(*this);
    if (entry.followUp == FollowUp::TurnSound) {
        PlayTurnSound();
    } else if (entry.followUp == FollowUp::FileLoadSound) {
        PlayFileLoadSound();
    }
    UpdateTitle();
    return true;
}

void CZelkController::SetKeyCommand(int16_t KeyCode, int16_t Shift) {
    if (keyHandler_) {
        keyHandler_->KeyDown(KeyCode, Shift);
    }
}

void CZelkController::UpdateTitle() {
    if (context_.window == nullptr || context_.appData == nullptr || context_.figure == nullptr) {
        return;
    }
    context_.window->SetTitle(UserDialogs::ShownTitle() + u'[' + context_.appData->FileName() +
                              (context_.figure->IsDirty()
                                   ? QCoreApplication::translate("CZelkController", "] 変更あり")
                                   : QStringLiteral("]")));
}

void CZelkController::UpdateRecentMenu() {
    IMainWindow& window = *context_.window;
    // Every place is set, so that an entry taken off the list leaves the menu too.
    bool any = false;
    for (int16_t i = 0; i < context_.appData->FileNameHistoryNum(); ++i) {
        const QString entry = context_.appData->GetHistory(i);
        window.SetRecentItem(i, entry);
        any = any || !entry.isEmpty();
    }
    window.SetRecentSeparatorVisible(any);
}

void CZelkController::ShowCondition(const QString& text) {
    context_.window->SetStatusText(1, text);
}

void CZelkController::ShowViewAngle(int longitude, int latitude) {
    context_.window->SetStatusText(
        2, QCoreApplication::translate("CZelkController", "視点の角度[%1° , %2°]")
               .arg(longitude)
               .arg(latitude));
}

QString CZelkController::SoundFile(const QString& name) const {
    return context_.Folders().Sounds() + u'/' + name;
}

void CZelkController::PlayTurnSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("Turn.wav")), CWavePlay::Mode::Async);
    }
}

void CZelkController::PlayFileLoadSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("FileLoad.wav")), CWavePlay::Mode::Async);
    }
}

void CZelkController::PlayFileSaveSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("FileSave.wav")), CWavePlay::Mode::Async);
    }
}

void CZelkController::PlayFinSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("Fin.wav")), CWavePlay::Mode::Sync);
    }
}

void CZelkController::LetEventsRun() {
    QCoreApplication::processEvents();
}

FigureDocument& CZelkController::Document() {
    if (!document_) {
        Q_ASSERT(context_.figure != nullptr && context_.appData != nullptr);
        document_ = std::make_unique<FigureDocument>(*context_.figure, *context_.appData);
        FigureDocument* document = document_.get();
        QObject::connect(document, &FigureDocument::HistoryChanged, document,
                         [this] { drawing_->ShowHistoryState(); });
        QObject::connect(document, &FigureDocument::AboutToBeReplaced, document,
                         [this] { exercises_->EndExercise(); });
        QObject::connect(document, &FigureDocument::Replaced, document, [this] {
            context_.appData->SetRatio(viewing_->FitRatio());
            context_.view->SetRatio(context_.appData->Ratio());
            // A half-drawn line belonged to the figure that went: the pointers start again
            // at the origin, and the view, the panes, the read-out and the panel show the
            // new figure.
            viewing_->OutdatePanes();
            drawing_->ShowHistoryStep(FigureEdit::Pointers{});
        });
    }
    return *document_;
}

QUndoStack& CZelkController::History() {
    return Document().History();
}

void CZelkController::RecordEdit(FigureEdit* edit) {
    Document().Record(edit);
}

void CZelkController::ClearHistory(bool unsaved) {
    Document().ClearHistory(unsaved);
}

void CZelkController::MarkHistorySaved() {
    Document().MarkSaved();
}

bool CZelkController::Tell(const FileResult& result) {
    if (!result) {
        context_.dialogs->Message(result.reason, result.title, UserDialogs::Buttons::Ok);
    }
    return result.ok;
}

QString CZelkController::ExerciseId() const {
    const ActiveExercise* exercise = document_ ? document_->Exercise() : nullptr;
    return exercise != nullptr ? exercise->entry.id : QString();
}

void CZelkController::DrawView() {
    if (!holdDrawing_) {
        context_.view->Draw();
    }
}

void CZelkController::StartServices() {
    wavePlay_ = std::make_unique<CWavePlay>(*context_.sound);
    keyHandler_ = std::make_unique<CKeyHandler>(context_);
}

FigureEdit::Pointers CZelkController::CurrentPointers() const {
    return drawing_->CurrentPointers();
}

void CZelkController::SetWalkPace(int milliseconds) {
    viewing_->SetWalkPace(milliseconds);
}

float CZelkController::FitRatio() const {
    return viewing_->FitRatio();
}

void CZelkController::EndSession() {
    life_->EndSession();
}

void CZelkController::CommitSession() {
    life_->CommitSession();
}

void CZelkController::TurnBy(int longitudeDegrees, int latitudeDegrees) {
    drawing_->TurnBy(longitudeDegrees, latitudeDegrees);
}

void CZelkController::ClickAt(int x, int y) {
    drawing_->ClickAt(x, y);
}

void CZelkController::ApplyLanguage(const QString& language) {
    viewing_->ApplyLanguage(ZelkStates::LanguageFrom(language));
}

bool CZelkController::LoadFigureFile(const QString& FileName) {
    return files_->LoadFigureFile(FileName);
}

bool CZelkController::SaveFigureFile(const QString& FileName) {
    return files_->SaveFigureFile(FileName);
}

QString CZelkController::CommandLineFile(const QStringList& arguments) {
    return LifeRoom::CommandLineFile(arguments);
}
