#include "FigureEdit.h"

#include "CZelkData.h"

#include <QCoreApplication>

FigureEdit::FigureEdit(Kind kind, CZelkData& figure, const QString& text, const Pointers& before,
                       const Pointers& after, Refresh refresh)
    : QUndoCommand(text), kind_(kind), figure_(figure), before_(before), after_(after),
      refresh_(std::move(refresh)) {}

FigureEdit* FigureEdit::OneLine(Kind kind, CZelkData& figure, int32_t index, const QString& line,
                                const QString& text, const Pointers& before, const Pointers& after,
                                Refresh refresh) {
    auto* edit = new FigureEdit(kind, figure, text, before, after, std::move(refresh));
    edit->index_ = index;
    edit->line_ = line;
    return edit;
}

FigureEdit* FigureEdit::Added(CZelkData& figure, int32_t index, const QString& line,
                              const QString& text, const Pointers& before, const Pointers& after,
                              Refresh refresh) {
    return OneLine(Kind::Added, figure, index, line, text, before, after, std::move(refresh));
}

FigureEdit* FigureEdit::Removed(CZelkData& figure, int32_t index, const QString& line,
                                const QString& text, const Pointers& before, const Pointers& after,
                                Refresh refresh) {
    return OneLine(Kind::Removed, figure, index, line, text, before, after, std::move(refresh));
}

FigureEdit* FigureEdit::Replaced(CZelkData& figure, QStringList lines, const QString& comment,
                                 const Pointers& before, const Pointers& after, Refresh refresh,
                                 const Document& documentBefore, const Document& documentAfter,
                                 DocumentRefresh document) {
    auto* edit = new FigureEdit(Kind::Replaced, figure,
                                QCoreApplication::translate("FigureEdit", "新しい図"), before,
                                after, std::move(refresh));
    edit->lines_ = std::move(lines);
    edit->comment_ = comment;
    edit->documentBefore_ = documentBefore;
    edit->documentAfter_ = documentAfter;
    edit->document_ = std::move(document);
    return edit;
}

void FigureEdit::Insert() {
    figure_.AddLineTo(index_, line_);
}

void FigureEdit::Remove() {
    figure_.DelLine(index_);
}

void FigureEdit::undo() {
    switch (kind_) {
    case Kind::Added:
        Remove();
        break;
    case Kind::Removed:
        Insert();
        break;
    case Kind::Replaced:
        for (const QString& line : lines_) {
            figure_.AddLine(line);
        }
        figure_.SetComment(comment_);
        break;
    }
    applied_ = false;
    if (document_) {
        document_(documentBefore_);
    }
    if (refresh_) {
        refresh_(before_);
    }
}

void FigureEdit::redo() {
    // Pushed after the change was made: the first redo has nothing to do.
    if (applied_) {
        return;
    }
    switch (kind_) {
    case Kind::Added:
        Insert();
        break;
    case Kind::Removed:
        Remove();
        break;
    case Kind::Replaced:
        figure_.ClearData();
        break;
    }
    applied_ = true;
    if (document_) {
        document_(documentAfter_);
    }
    if (refresh_) {
        refresh_(after_);
    }
}
