#pragma once

#include "AppContext.h"
#include "CommandId.h"
#include "ExerciseLibrary.h"
#include "FigureEdit.h"
#include "FileResult.h"
#include "ZelkStates.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CKeyHandler;
class FigureDocument;
class QUndoStack;
class CWavePlay;
class CZelkData;
class ctlZelkView;

// The application controller: every user action reaches the program as a command
// string through SetCommand, which looks it up in the command table (in
// CZelkControllerDispatch.cpp), runs its handler and refreshes the window title.
// Handlers keep CAppData as the one record of state and push it into the figure, the
// main view control and the main window.
struct ActiveExercise;

class CZelkController {
public:
    // How long each step of a walk to a standard view that the user asked for stays on
    // screen at least: a display frame and a little more, so that a 90° turn of 5° steps
    // takes about a third of a second. A step that takes longer to draw is not slowed.
    static constexpr int kWalkStepMilliseconds = 18;

    // The minute between two autosaves.
    static constexpr int kAutosaveInterval = 60000;

    explicit CZelkController(AppContext& context);
    ~CZelkController();
    CZelkController(const CZelkController&) = delete;
    CZelkController& operator=(const CZelkController&) = delete;

    // The least time each step of a user's walk to a view stays on screen (0: no pause).
    void SetWalkPace(int milliseconds) { walkStepMilliseconds_ = milliseconds; }
    // The command string of a command named in code, as the window sends it.
    static QString CommandText(CommandId command);
    // True when the command is in the table (exact comparison) and was run; while a
    // cue plays to its end ("SYNC") commands are held: nothing runs, false.
    bool SetCommand(const QString& command);
    // The same for a command named in code; false only while commands are held.
    bool Run(CommandId command);
    bool CommandsHeld() const;
    void SetKeyCommand(int16_t KeyCode, int16_t Shift);

    void UpdateTitle();
    void UpdateRecentMenu();
    void ShowCondition(const QString& text);
    void ShowViewAngle(int longitude, int latitude);
    float FitRatio() const;
    // Draws the view, unless start-up holds the pictures nobody sees until its last one.
    void DrawView();
    // The controller's sound cues.
    QString SoundFile(const QString& name) const;

    // The session ends or the process is told to stop: unsaved work into autosave.zlk
    // (recovered at the next start), the settings written, the program ended.
    void EndSession();
    // The session manager asks for the data (logout may still be cancelled): unsaved work
    // into autosave.zlk and the settings written; the program goes on.
    void CommitSession();

    // The mouse in the view: turns by whole degrees (no cue), and a click at a pixel: in
    // drawing mode the current pointer jumps to a corner within 6 pixels; else a line
    // within 4 pixels becomes the detailed-input panel's line or is highlighted.
    void TurnBy(int longitudeDegrees, int latitudeDegrees);
    void ClickAt(int x, int y);

    // The figure's history: every change can be undone and redone, in order.
    QUndoStack& History();
    // The figure with its history, name, saved state and exercise.
    FigureDocument& Document();
    FigureEdit::Pointers CurrentPointers() const;
    // Puts a change already made on the history.
    void RecordEdit(FigureEdit* edit);
    // A fresh history (a figure was loaded); unsaved: no state of it counts as saved.
    void ClearHistory(bool unsaved = false);
    // The figure as it now is counts as saved.
    void MarkHistorySaved();

    // Loads a named file into the figure and the view; the caller sets the file name.
    // Nothing changes when the file cannot be read whole.
    bool LoadFigureFile(const QString& FileName);
    // A complete figure takes the place of the current one (which it receives), with a
    // fresh history; unsaved: no state of that history counts as saved.
    void PutFigureInPlace(CZelkData& figure, bool unsaved);
    // A figure already holds the most lines a file can keep: says so in a message box
    // and returns true, so that the caller makes no line.
    bool RefuseWhenFull();
    // Tells in the status bar how many segment lines the last load left out; false when
    // none were.
    bool ShowLoadNote();
    QString LoadNote() const;
    // Stamps the comment and saves the figure under the name.
    bool SaveFigureFile(const QString& FileName);
    // The dated safety copy of the current figure, taken now.
    QString DatedCopyName() const;
    // The figure file named by the command line after the program name: the words
    // joined, one pair of quotes taken off, made absolute ("" for none).
    static QString CommandLineFile(const QStringList& arguments);
    // The exercise being solved ("L1-03", "own/…"), "" when none is.
    QString ExerciseId() const;

private:
    enum class FollowUp { None, TurnSound, FileLoadSound };
    struct CommandEntry {
        CommandId id;
        const char* command;
        void (*handler)(CZelkController&);
        FollowUp followUp;
    };
    static std::span<const CommandEntry> CommandTable();
    // Runs a row of the table and ends, as every command does, with the title.
    bool Run(const CommandEntry& entry);

    // Start-up and shut-down (CZelkControllerLife.cpp).
    void Boot();
    void Finish();
    void LoadBuiltInFigure();
    bool HoldsBuiltInFigure(const QString& path) const;
    void DeleteAutosaveFile();
    void SaveRecoveryCopy();
    void AutoSave();
    void ReadSettings();
    void WriteSettings();
    void ShowVersionDialog();
    // This copy's own autosave file.
    QString AutosavePath() const;
    QStringList RecoveryFiles() const;
    QString AdoptRecoveryFile(const QString& path);
    QString DataFolder() const;

    // Files (CZelkControllerFiles.cpp).
    void LoadWithDialog();
    void LoadByThumbnail();
    void SaveWithDialog();
    void LoadRecent(int index);
    void NewFigure();
    void ClearFigure();
    bool ConfirmDiscard();
    void RefreshProInterfaceAfterLoad();
    void PlayFileSaveSound();

    // View and mode commands (CZelkControllerView.cpp).
    void EnterViewMode();
    void EnterDrawMode();
    void ChangeMode();
    void Turn(int longitudeStep, int latitudeStep);
    void Turn(TurnDirection direction);
    void TurnUp();
    void TurnDown();
    void TurnRight();
    void TurnLeft();
    void StartContinuousTurn();
    void StopContinuousTurn();
    void TurningTick();
    void TurnToView(int longitude, int latitude);
    void TurnToView(const std::array<int, 2>& angles) { TurnToView(angles[0], angles[1]); }
    void ToggleThirdAngleProjection();
    // The front, top and side panes show the figure as it is now (a figure came).
    void RetakeThreeViewPanes();
    void Magnify();
    void Reduce();
    void ApplyDifficulty(DifficultyLevel level);
    void EnterProInterface();
    void EnterNormalInterface();
    void ToggleDataPathFixed();

public:
    // The texts in language ("ja" or "en"), at once; kept in the settings.
    void ApplyLanguage(const QString& language);

private:
    void RebuildView();
    void ApplyFormSize(const QString& size);
    void SetContinuousTurnEnabled(bool enabled);

    // Exercises in reading third-angle drawings (CZelkControllerExercise.cpp).
    void ChooseExercise();
    void CheckExercise();
    void ShowExerciseHint();
    void ShowExerciseAnswer();
    void MakeExercise();
    void LeaveExercise();
    void KeepExerciseAnswer();
    QString AnswerPath(const QString& exerciseId) const;
    void OpenExerciseAnswer(const ExerciseLibrary::Entry& entry);
    // The target's three views in the panes; hint: the learner's laid over them.
    void ShowExercisePanes(bool hint);
    // True, after saying why, when no exercise is being solved.
    bool NoExercise(const QString& why);
    // Leaves the exercise (another figure was put in place): the panes show the view again.
    void EndExercise();
    // The zoom that shows the exercise's solid, and the learner's figure as it grows.
    void FitExerciseZoom();

    // Exchange with other programs (CZelkControllerExchange.cpp).
    void ImportFigure();
    void ExportFigure();

    // Output commands (CZelkControllerOutput.cpp).
    void ShowDataFileInfo();
    void NormalCopy();
    void MonochromeCopy();
    void MakeParaParaAnime();
    void PrintEntireForm();
    void PrintMonochromePicture();
    void PrintPicture(bool entireForm);
    void ShowThumbnailBrowser();
    void ShowHelp();
    // The view's picture as a copy command makes it, without touching the clipboard (at
    // the screen's scale: sharp at 2x).
    QImage ViewPicture();
    // The same at one pixel to one of the control's, whatever the screen's scale: the size
    // files and printouts keep.
    QImage PartSizePicture();
    // The view's picture in black on white, the mode and colours put back afterwards;
    // partSize: as PartSizePicture, else as ViewPicture.
    QImage MonochromePicture(bool partSize = false);

    // Pointer and line construction (app/editing/CZelkControllerDrawing.cpp).
    void MovePointer(int axis, int sign);
    void ReturnPointerToOrigin();
    void ApplyPointer();
    void DeleteTail();
    // The number of the deleted line (its text in deletedLine), 0 when none joined the
    // two pointers.
    int32_t DeleteLineBetweenPointers(QString& deletedLine);
    void PlaceCurrentPointer(int32_t x, int32_t y, int32_t z);
    QString FromPointerText() const;
    QString ToPointerText() const;
    QString TempLineText() const;
    void ShowFromCondition();
    void ShowToCondition();

    void Undo();
    void Redo();
    void StepHistory(bool back);
    // After an undo or redo: the pointers of that state, the view, the panel, the mark.
    void ShowHistoryStep(const FigureEdit::Pointers& pointers);
    void ShowHistoryDocument(const FigureEdit::Document& document);
    void ShowHistoryState();
    void SetPointers(const FigureEdit::Pointers& pointers);
    void ShowPointersMoved();
    FigureEdit::Refresh HistoryRefresh();

    void PlayTurnSound();
    void PlayFileLoadSound();
    void PlayFinSound();
    static void LetEventsRun();
    bool holdDrawing_ = false;
    // Status panel 1 shows what the last load had to say.
    bool loadNoteShown_ = false;
    // Another figure took the place of the one the panes show.
    bool panesOutdated_ = false;

    AppContext& context_;
    std::unique_ptr<CWavePlay> wavePlay_;
    std::unique_ptr<CKeyHandler> keyHandler_;
    // Made on first use: the figure and the settings come after the controller.
    std::unique_ptr<FigureDocument> document_;
    // True while a command the user asked for runs (not the steps of another command).
    bool userRequest_ = false;
    int walkStepMilliseconds_ = kWalkStepMilliseconds;
    // Shows a failed read or write in a message box; the result's success.
    bool Tell(const FileResult& result);
};
