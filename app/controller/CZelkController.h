#pragma once

#include "AppContext.h"
#include "CommandId.h"
#include "FigureEdit.h"
#include "FileResult.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>

class CKeyHandler;
class CWavePlay;
class CZelkData;
class DrawingRoom;
class ExchangeRoom;
class ExerciseRoom;
class FigureDocument;
class FileRoom;
class LifeRoom;
class OutputRoom;
class QUndoStack;
class ViewRoom;

// The application controller: every user action reaches the program as a command, by
// its string from a menu, button or another window (SetCommand) or by its id from code
// (Run). The command table (CZelkControllerDispatch.cpp) names each command's handler in
// one of the rooms, each a class of one concern with the state it owns (files, view,
// drawing, exercises, exchange, output, life cycle); every command ends with the title.
// The figure with its history, name and exercise is the document's.
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

    // --- Commands.
    // The command string of a command named in code, as the window sends it.
    static QString CommandText(CommandId command);
    // True when the command is in the table (exact comparison) and was run; while a
    // cue plays to its end ("SYNC") commands are held: nothing runs, false.
    bool SetCommand(const QString& command);
    // The same for a command the user asked for by its id (a menu, a button, the mouse):
    // as SetCommand without looking the string up.
    bool Request(CommandId command);
    // A command named in code as a step of another (a walk to a view runs at full
    // speed); false only while commands are held.
    bool Run(CommandId command);
    bool CommandsHeld() const;
    void SetKeyCommand(int16_t KeyCode, int16_t Shift);
    // True while a command the user asked for runs (not the steps of another command).
    bool UserRequest() const { return userRequest_; }

    // --- What every room shares: the window's title, status and recent files, the view,
    // the cues.
    void UpdateTitle();
    void UpdateRecentMenu();
    void ShowCondition(const QString& text);
    void ShowViewAngle(int longitude, int latitude);
    // Draws the view, unless start-up holds the pictures nobody sees until its last one.
    void DrawView();
    void HoldDrawing(bool hold) { holdDrawing_ = hold; }
    QString SoundFile(const QString& name) const;
    void PlayTurnSound();
    void PlayFileLoadSound();
    void PlayFileSaveSound();
    void PlayFinSound();
    static void LetEventsRun();
    // The cues and the keys, made when the program starts.
    void StartServices();
    // Shows a failed read or write in a message box; the result's success.
    bool Tell(const FileResult& result);

    // --- The document: the figure, its history, name, saved state and exercise.
    FigureDocument& Document();
    QUndoStack& History();
    FigureEdit::Pointers CurrentPointers() const;
    // Puts a change already made on the history.
    void RecordEdit(FigureEdit* edit);
    // A fresh history (a figure was loaded); unsaved: no state of it counts as saved.
    void ClearHistory(bool unsaved = false);
    // The figure as it now is counts as saved.
    void MarkHistorySaved();
    // The exercise being solved ("L1-03", "own/…"), "" when none is.
    QString ExerciseId() const;

    // --- The rooms.
    LifeRoom& Life() { return *life_; }
    FileRoom& Files() { return *files_; }
    ViewRoom& Viewing() { return *viewing_; }
    DrawingRoom& Drawing() { return *drawing_; }
    ExerciseRoom& Exercises() { return *exercises_; }
    ExchangeRoom& Exchange() { return *exchange_; }
    OutputRoom& Output() { return *output_; }

    // --- The members other parts of the program call, each the room's.
    void SetWalkPace(int milliseconds);
    float FitRatio() const;
    void EndSession();
    void CommitSession();
    void TurnBy(int longitudeDegrees, int latitudeDegrees);
    void ClickAt(int x, int y);
    void ApplyLanguage(const QString& language);
    bool LoadFigureFile(const QString& FileName);
    bool SaveFigureFile(const QString& FileName);
    static QString CommandLineFile(const QStringList& arguments);

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

    AppContext& context_;
    bool holdDrawing_ = false;
    bool userRequest_ = false;
    std::unique_ptr<CWavePlay> wavePlay_;
    std::unique_ptr<CKeyHandler> keyHandler_;
    // Made on first use: the figure and the settings come after the controller.
    std::unique_ptr<FigureDocument> document_;
    std::unique_ptr<LifeRoom> life_;
    std::unique_ptr<FileRoom> files_;
    std::unique_ptr<ViewRoom> viewing_;
    std::unique_ptr<DrawingRoom> drawing_;
    std::unique_ptr<ExerciseRoom> exercises_;
    std::unique_ptr<ExchangeRoom> exchange_;
    std::unique_ptr<OutputRoom> output_;
};
