#pragma once

#include "ZelkStates.h"

#include <QStringList>
#include <QUndoCommand>
#include <array>
#include <cstdint>
#include <functional>

class CZelkData;

// One change of the figure on the undo stack: a line added or removed at a place, or the
// whole figure replaced (a new figure). The change has already been made when it is
// pushed, so the first redo does nothing. Each side also carries the pointers as they
// were, so that undoing a drawn line puts the pointers back too.
class FigureEdit : public QUndoCommand {
public:
    struct Pointers {
        std::array<int16_t, 3> from{};
        std::array<int16_t, 3> to{};
        DrawingPointer condition = DrawingPointer::From;
    };
    // Called after every undo and redo with the pointers of the state now shown.
    using Refresh = std::function<void(const Pointers&)>;
    // The document a new figure leaves behind or returns to: its file name, and the step of
    // the history (counted from the history's start) that is saved in that file; -1 for none.
    struct Document {
        QString fileName;
        int64_t savedStep = -1;
    };
    using DocumentRefresh = std::function<void(const Document&)>;

    static FigureEdit* Added(CZelkData& figure, int32_t index, const QString& line,
                             const QString& text, const Pointers& before, const Pointers& after,
                             Refresh refresh);
    static FigureEdit* Removed(CZelkData& figure, int32_t index, const QString& line,
                               const QString& text, const Pointers& before, const Pointers& after,
                               Refresh refresh);
    // lines and comment: the figure before it was replaced by an empty one; the documents
    // before and after come back with undo and redo.
    static FigureEdit* Replaced(CZelkData& figure, QStringList lines, const QString& comment,
                                const Pointers& before, const Pointers& after, Refresh refresh,
                                const Document& documentBefore, const Document& documentAfter,
                                DocumentRefresh document);

    void undo() override;
    void redo() override;

private:
    enum class Kind { Added, Removed, Replaced };
    FigureEdit(Kind kind, CZelkData& figure, const QString& text, const Pointers& before,
               const Pointers& after, Refresh refresh);
    static FigureEdit* OneLine(Kind kind, CZelkData& figure, int32_t index, const QString& line,
                               const QString& text, const Pointers& before, const Pointers& after,
                               Refresh refresh);
    void Insert();
    void Remove();

    Kind kind_;
    CZelkData& figure_;
    int32_t index_ = 0;
    QString line_;
    QStringList lines_;
    QString comment_;
    Pointers before_;
    Pointers after_;
    Refresh refresh_;
    Document documentBefore_;
    Document documentAfter_;
    DocumentRefresh document_;
    bool applied_ = true;
};
