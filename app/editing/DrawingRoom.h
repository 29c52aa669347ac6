#pragma once

#include "AppContext.h"
#include "FigureEdit.h"
#include "FigureRenderer.h"

#include <QString>
#include <cstdint>

class CZelkController;

// Drawing and its history: the two pointers stepped along the axes, lines made and
// deleted between them, undo and redo, and the mouse in the view.
class DrawingRoom {
public:
    DrawingRoom(CZelkController& controller, AppContext& context);
    DrawingRoom(const DrawingRoom&) = delete;
    DrawingRoom& operator=(const DrawingRoom&) = delete;

    void MovePointer(int axis, int sign);
    void ReturnPointerToOrigin();
    void ApplyPointer();
    void DeleteTail();
    void PlaceCurrentPointer(int32_t x, int32_t y, int32_t z);
    FigureRenderer::Point FromPoint() const;
    FigureRenderer::Point ToPoint() const;
    void ShowFromCondition();
    void ShowToCondition();

    void Undo();
    void Redo();
    FigureEdit::Pointers CurrentPointers() const;
    FigureEdit::Refresh HistoryRefresh();
    // After an undo or redo: the pointers of that state, the view, the panel, the mark.
    void ShowHistoryStep(const FigureEdit::Pointers& pointers);
    void ShowHistoryDocument(const FigureEdit::Document& document);
    void ShowHistoryState();
    void TurnBy(int longitudeDegrees, int latitudeDegrees);
    void ClickAt(int x, int y);

private:
    // The number of the deleted line (its text in deletedLine), 0 when none joined the
    // two pointers.
    int32_t DeleteLineBetweenPointers(QString& deletedLine);
    void SetPointers(const FigureEdit::Pointers& pointers);
    void ShowPointersMoved();

    CZelkController& controller_;
    AppContext& context_;
};
