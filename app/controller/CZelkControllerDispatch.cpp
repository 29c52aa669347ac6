// The command table and the services that follow every command.
#include "CAppData.h"
#include "CKeyHandler.h"
#include "CStringUtil.h"
#include "CWavePlay.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "HoldingSoundBackend.h"
#include "IMainWindow.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QUndoStack>

CZelkController::CZelkController(AppContext& context)
    : context_(context), history_(std::make_unique<QUndoStack>()) {
    // Bounded, so that a long session on a large figure stays small.
    history_->setUndoLimit(kHistoryLimit);
}

CZelkController::~CZelkController() = default;

// Compared in this order; the first equal entry wins.
const std::vector<CZelkController::CommandEntry>& CZelkController::CommandTable() {
    using C = CZelkController;
    static const std::vector<CommandEntry> table = {
        {"BOOT_ZELK", [](C& c) { c.Boot(); }, FollowUp::None},
        {"LOAD", [](C& c) { c.LoadWithDialog(); }, FollowUp::None},
        {"LOAD_BY_THUMNAIL", [](C& c) { c.LoadByThumbnail(); }, FollowUp::FileLoadSound},
        {"SAVE", [](C& c) { c.SaveWithDialog(); }, FollowUp::None},
        {"VIEW_THUMBNAIL", [](C& c) { c.ShowThumbnailBrowser(); }, FollowUp::None},
        {"VIEW_DATA_FILE_INFO", [](C& c) { c.ShowDataFileInfo(); }, FollowUp::None},
        {"PARA_PARA_ANIME", [](C& c) { c.MakeParaParaAnime(); }, FollowUp::None},
        {"IMPORT", [](C& c) { c.ImportFigure(); }, FollowUp::None},
        {"EXPORT", [](C& c) { c.ExportFigure(); }, FollowUp::None},
        {"PRINT_ENTIRE_FORM", [](C& c) { c.PrintEntireForm(); }, FollowUp::None},
        {"PRINT_MONOCHROME_PICTURE", [](C& c) { c.PrintMonochromePicture(); }, FollowUp::None},
        {"LOAD_RECENT_0", [](C& c) { c.LoadRecent(0); }, FollowUp::None},
        {"LOAD_RECENT_1", [](C& c) { c.LoadRecent(1); }, FollowUp::None},
        {"LOAD_RECENT_2", [](C& c) { c.LoadRecent(2); }, FollowUp::None},
        {"LOAD_RECENT_3", [](C& c) { c.LoadRecent(3); }, FollowUp::None},
        {"LOAD_RECENT_4", [](C& c) { c.LoadRecent(4); }, FollowUp::None},
        {"FIN", [](C& c) { c.Finish(); }, FollowUp::None},
        {"CHANGE_MODE", [](C& c) { c.ChangeMode(); }, FollowUp::None},
        {"VIEW_MODE", [](C& c) { c.EnterViewMode(); }, FollowUp::None},
        {"DRAW_MODE", [](C& c) { c.EnterDrawMode(); }, FollowUp::None},
        {"NEW_FIGURE", [](C& c) { c.NewFigure(); }, FollowUp::FileLoadSound},
        {"NORMAL_COPY", [](C& c) { c.NormalCopy(); }, FollowUp::None},
        {"MONOCHROME_COPY", [](C& c) { c.MonochromeCopy(); }, FollowUp::None},
        {"CONTINUOUS_TURN", [](C& c) { c.StartContinuousTurn(); }, FollowUp::None},
        {"CONTINUOUS_TURN_STOP", [](C& c) { c.StopContinuousTurn(); }, FollowUp::None},
        {"TURNING_TIMER_CALL", [](C& c) { c.TurningTick(); }, FollowUp::None},
        {"FRONT_VIEW", [](C& c) { c.TurnToView(0, 0); }, FollowUp::None},
        {"TOP_VIEW", [](C& c) { c.TurnToView(0, 90); }, FollowUp::None},
        {"SIDE_VIEW", [](C& c) { c.TurnToView(-90, 0); }, FollowUp::None},
        {"EQUAL_ANGLE_VIEW", [](C& c) { c.TurnToView(-45, 35); }, FollowUp::None},
        {"THIRD_ANGLE_PROJECTION_METHOD", [](C& c) { c.ToggleThirdAngleProjection(); },
         FollowUp::None},
        {"DIFFICULTY_BEGINNER", [](C& c) { c.ApplyDifficulty(DifficultyLevel::Beginner); },
         FollowUp::None},
        {"DIFFICULTY_MIDIUM", [](C& c) { c.ApplyDifficulty(DifficultyLevel::Midium); },
         FollowUp::None},
        {"DIFFICULTY_SENIOR", [](C& c) { c.ApplyDifficulty(DifficultyLevel::Senior); },
         FollowUp::None},
        {"DIFFICULTY_SPECIAL", [](C& c) { c.ApplyDifficulty(DifficultyLevel::Special); },
         FollowUp::None},
        {"DIFFICULTY_SUPER_SPECIAL", [](C& c) { c.ApplyDifficulty(DifficultyLevel::SuperSpecial); },
         FollowUp::None},
        {"PRO_INTERFACE", [](C& c) { c.EnterProInterface(); }, FollowUp::None},
        {"NORMAL_INTERFACE", [](C& c) { c.EnterNormalInterface(); }, FollowUp::None},
        {"DATA_PATH_FIXED", [](C& c) { c.ToggleDataPathFixed(); }, FollowUp::None},
        {"SHOW_VERSION_DIALOG", [](C& c) { c.ShowVersionDialog(); }, FollowUp::None},
        {"SHOW_HELP", [](C& c) { c.ShowHelp(); }, FollowUp::None},
        {"TURN_UP", [](C& c) { c.TurnUp(); }, FollowUp::None},
        {"TURN_DOWN", [](C& c) { c.TurnDown(); }, FollowUp::None},
        {"TURN_RIGHT", [](C& c) { c.TurnRight(); }, FollowUp::None},
        {"TURN_LEFT", [](C& c) { c.TurnLeft(); }, FollowUp::None},
        {"MAGNIFY", [](C& c) { c.Magnify(); }, FollowUp::None},
        {"REDUCE", [](C& c) { c.Reduce(); }, FollowUp::None},
        {"POINTER_MOVE_X", [](C& c) { c.MovePointer(0, +1); }, FollowUp::TurnSound},
        {"POINTER_MOVE_MX", [](C& c) { c.MovePointer(0, -1); }, FollowUp::TurnSound},
        {"POINTER_MOVE_Y", [](C& c) { c.MovePointer(1, +1); }, FollowUp::TurnSound},
        {"POINTER_MOVE_MY", [](C& c) { c.MovePointer(1, -1); }, FollowUp::TurnSound},
        {"POINTER_MOVE_Z", [](C& c) { c.MovePointer(2, +1); }, FollowUp::TurnSound},
        {"POINTER_MOVE_MZ", [](C& c) { c.MovePointer(2, -1); }, FollowUp::TurnSound},
        {"RETURN_POINTER_TO_ORIGIN", [](C& c) { c.ReturnPointerToOrigin(); }, FollowUp::TurnSound},
        {"DEL_TAIL", [](C& c) { c.DeleteTail(); }, FollowUp::TurnSound},
        {"APPLY", [](C& c) { c.ApplyPointer(); }, FollowUp::TurnSound},
        {"AUTOSAVE", [](C& c) { c.AutoSave(); }, FollowUp::None},
        {"800x400", [](C& c) { c.ApplyFormSize(QStringLiteral("800x400")); }, FollowUp::None},
        {"640x480", [](C& c) { c.ApplyFormSize(QStringLiteral("640x480")); }, FollowUp::None},
        {"800x600", [](C& c) { c.ApplyFormSize(QStringLiteral("800x600")); }, FollowUp::None},
        {"1024x768", [](C& c) { c.ApplyFormSize(QStringLiteral("1024x768")); }, FollowUp::None},
        {"REDRAW", [](C& c) { c.RebuildView(); }, FollowUp::None},
        {"UNDO", [](C& c) { c.Undo(); }, FollowUp::None},
        {"REDO", [](C& c) { c.Redo(); }, FollowUp::None},
    };
    return table;
}

bool CZelkController::CommandsHeld() const {
    return context_.soundHold != nullptr && context_.soundHold->Holding();
}

bool CZelkController::SetCommand(const QString& command) {
    // Nothing runs while a cue plays to its end (a timer tick fired in that wait).
    if (CommandsHeld()) {
        return false;
    }
    bool known = false;
    for (const CommandEntry& entry : CommandTable()) {
        if (command == QLatin1String(entry.command)) {
            entry.handler(*this);
            if (entry.followUp == FollowUp::TurnSound) {
                PlayTurnSound();
            } else if (entry.followUp == FollowUp::FileLoadSound) {
                PlayFileLoadSound();
            }
            known = true;
            break;
        }
    }
    UpdateTitle();
    return known;
}

void CZelkController::SetKeyCommand(int16_t KeyCode, int16_t Shift) {
    if (keyHandler_) {
        keyHandler_->KeyDown(KeyCode, Shift);
    }
}

// Window sizes are handled here: the size, then the normal layout.
void CZelkController::ApplyFormSize(const QString& size) {
    context_.appData->SetFormSize(size);
    context_.window->SetFormSize(context_.appData->FormSize());
    if (context_.appData->ThirdAngleProjectionMethodMode()) {
        SetCommand(QStringLiteral("THIRD_ANGLE_PROJECTION_METHOD"));
    }
}

void CZelkController::UpdateTitle() {
    if (context_.window == nullptr || context_.appData == nullptr || context_.figure == nullptr) {
        return;
    }
    context_.window->SetTitle(
        UserDialogs::ProgramTitle() + u'[' + context_.appData->FileName() +
        (context_.figure->IsDirty() ? QStringLiteral("] 変更あり") : QStringLiteral("]")));
}

void CZelkController::UpdateRecentMenu() {
    IMainWindow& window = *context_.window;
    if (context_.appData->GetHistory(0).isEmpty()) {
        window.SetRecentSeparatorVisible(false);
        return;
    }
    for (int16_t i = 0; i < context_.appData->FileNameHistoryNum(); ++i) {
        const QString entry = context_.appData->GetHistory(i);
        window.SetRecentItem(i, entry);
        if (!entry.isEmpty()) {
            window.SetRecentSeparatorVisible(true);
        }
    }
}

void CZelkController::ShowCondition(const QString& text) {
    context_.window->SetStatusText(1, text);
}

void CZelkController::ShowViewAngle(int longitude, int latitude) {
    context_.window->SetStatusText(
        2, QStringLiteral("視点の角度[%1° , %2°]").arg(longitude).arg(latitude));
}

QString CZelkController::SoundFile(const QString& name) const {
    return context_.Folders().Sounds() + u'/' + name;
}

void CZelkController::PlayTurnSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("Turn.wav")), QStringLiteral("ASYNC"));
    }
}

void CZelkController::PlayFileLoadSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("FileLoad.wav")), QStringLiteral("ASYNC"));
    }
}

void CZelkController::PlayFileSaveSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("FileSave.wav")), QStringLiteral("ASYNC"));
    }
}

void CZelkController::PlayFinSound() {
    if (wavePlay_) {
        wavePlay_->Play(SoundFile(QStringLiteral("Fin.wav")), QStringLiteral("SYNC"));
    }
}

void CZelkController::LetEventsRun() {
    QCoreApplication::processEvents();
}
