#pragma once

#include "FileResult.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class CAppData;
class CZelkData;
class FigureEdit;
class FigurePreload;
class QUndoStack;
struct ActiveExercise;

// The figure being edited with everything that belongs to it: its history and which
// state of it is saved, its file name, and the exercise it answers. Every figure that
// takes the place of another comes through Replace, so none of these can go out of step;
// the window follows the signals.
class FigureDocument : public QObject {
    Q_OBJECT
public:
    // Steps of undo kept.
    static constexpr int kHistoryLimit = 1000;

    FigureDocument(CZelkData& figure, CAppData& settings);
    ~FigureDocument() override;

    CZelkData& Figure() const { return figure_; }
    QUndoStack& History() const { return *history_; }

    QString FileName() const;
    // Names the document: the data folder moves to the file's folder (unless pinned) and
    // the name heads the recent-file list. An empty name leaves both alone.
    void SetFileName(const QString& name);

    // Reads a file aside (or takes it from the preload) and, when it was read whole, puts
    // it in place. The name is the caller's to set.
    FileResult Load(const QString& path, FigurePreload* preload);
    // Writes the figure under path; the name and the saved state are the caller's.
    FileResult Save(const QString& path);
    // Another complete figure takes the place of this one (which it receives), with a
    // fresh history and without the exercise; unsaved: no state of it counts as saved.
    void Replace(CZelkData& other, bool unsaved);

    // Puts a change already made on the history.
    void Record(FigureEdit* edit);
    // A fresh history; unsaved: no state of it counts as saved.
    void ClearHistory(bool unsaved);
    // The figure as it now is counts as saved.
    void MarkSaved();
    // One step back or forward; false when there is none. The changed mark follows.
    bool Step(bool back);
    // The history's current step counted from its start (steps dropped at the limit count).
    int64_t CurrentStep() const;
    // The step saved in the current file (-1 for none), counted the same way.
    int64_t SavedStep() const { return savedStep_; }
    void SetSavedStep(int64_t step) { savedStep_ = step; }

    // The exercise this figure answers, none when it answers none.
    ActiveExercise* Exercise() const { return exercise_.get(); }
    void Attach(std::unique_ptr<ActiveExercise> exercise);
    // The exercise ends (it is handed back, so that what it kept can be put back).
    std::unique_ptr<ActiveExercise> Detach();

signals:
    // Undo or redo became possible or impossible, or their texts changed.
    void HistoryChanged();
    // Another figure is about to take the place of this one (the exercise still attached).
    void AboutToBeReplaced();
    // Another figure took the place of the one shown.
    void Replaced();

private:
    CZelkData& figure_;
    CAppData& settings_;
    std::unique_ptr<QUndoStack> history_;
    // Steps dropped from the history's start at its limit.
    int64_t droppedSteps_ = 0;
    int64_t savedStep_ = 0;
    std::unique_ptr<ActiveExercise> exercise_;
};
