#include "FigureDocument.h"

#include "ActiveExercise.h"
#include "CAppData.h"
#include "CZelkData.h"
#include "FigureEdit.h"
#include "FigurePreload.h"

#include <QUndoStack>

FigureDocument::FigureDocument(CZelkData& figure, CAppData& settings)
    : figure_(figure), settings_(settings), history_(std::make_unique<QUndoStack>()) {
    // Bounded, so that a long session on a large figure stays small.
    history_->setUndoLimit(kHistoryLimit);
}

FigureDocument::~FigureDocument() = default;

QString FigureDocument::FileName() const {
    return settings_.FileName();
}

void FigureDocument::SetFileName(const QString& name) {
    // The settings keep the name for the next start; setting it there moves the data
    // folder and the recent-file list along.
    settings_.SetFileName(name);
}

FileResult FigureDocument::Load(const QString& path, FigurePreload* preload) {
    CZelkData loaded;
    // The figure named at start may already be read.
    if (preload == nullptr || !preload->Take(path, loaded)) {
        if (FileResult result = loaded.Load(path); !result) {
            return result;
        }
    }
    Replace(loaded, false);
    return FileResult{};
}

FileResult FigureDocument::Save(const QString& path) {
    return figure_.Save(path);
}

void FigureDocument::Replace(CZelkData& other, bool unsaved) {
    // Another figure ends an exercise being solved.
    emit AboutToBeReplaced();
    exercise_.reset();
    figure_.Swap(other);
    ClearHistory(unsaved);
    emit Replaced();
}

void FigureDocument::Record(FigureEdit* edit) {
    // The steps ahead are discarded by the push; so is a saved state among them.
    if (savedStep_ > CurrentStep()) {
        savedStep_ = -1;
    }
    const int index = history_->index();
    history_->push(edit);
    // At the limit the oldest step goes: steps keep counting from the history's start.
    droppedSteps_ += index + 1 - history_->index();
    emit HistoryChanged();
}

void FigureDocument::ClearHistory(bool unsaved) {
    history_->clear();
    droppedSteps_ = 0;
    savedStep_ = unsaved ? -1 : 0;
    emit HistoryChanged();
}

void FigureDocument::MarkSaved() {
    savedStep_ = CurrentStep();
}

bool FigureDocument::Step(bool back) {
    if (back ? !history_->canUndo() : !history_->canRedo()) {
        return false;
    }
    if (back) {
        history_->undo();
    } else {
        history_->redo();
    }
    // Back at the state last loaded or saved, the figure is unchanged again.
    figure_.SetDirty(CurrentStep() != savedStep_);
    emit HistoryChanged();
    return true;
}

int64_t FigureDocument::CurrentStep() const {
    return droppedSteps_ + history_->index();
}

void FigureDocument::Attach(std::unique_ptr<ActiveExercise> exercise) {
    exercise_ = std::move(exercise);
}

std::unique_ptr<ActiveExercise> FigureDocument::Detach() {
    return std::move(exercise_);
}
