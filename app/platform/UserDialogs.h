#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FigureRenderer;

// Everything the program asks or tells the user in a dialog goes through here, so
// that the program shows real dialogs and tests answer from a script.
class UserDialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    // What the print dialog settled: how many copies, and where they go.
    struct PrintChoice {
        int copies = 1;
        QString printerName; // "" for the default printer
        QString outputFile;  // a file to print into (PDF), "" for a printer
    };

    // What the export dialog settled: the file and what to write into it.
    // Table: the exercise record as a spreadsheet's table; Pdf: exercises on paper.
    enum class ExportKind { SvgSheet, SvgView, Png1, Png2, Png4, Obj, Dxf, Gif, Table, Pdf };
    struct ExportChoice {
        QString path;
        ExportKind kind = ExportKind::SvgSheet;
    };
    // A kind the export dialog offers: its filter text and the extension it gives.
    struct FileKind {
        ExportKind kind;
        QString filter;
        QString suffix;
    };
    // What the import dialog settled: the file, a scale and whether to move the figure's
    // smallest corner to the origin.
    struct ImportChoice {
        QString path;
        double scale = 1.0;
        bool toOrigin = false;
        // The model's Z axis points up (CAD, Blender): it becomes the figure's Y.
        bool zUp = false;
    };
    // One exercise as the chooser shows it: under its heading (a level, or the user's
    // own), its title, its three views as a small picture and a note (solved, best time).
    struct ExerciseCard {
        QString heading;
        QString title;
        QImage picture;
        QString note;
        bool solved = false;
        bool answerKept = false; // the learner's right answer can be opened again
        // The heading line of the card's group (the same for each card of it): how many are
        // solved, the best time, the checks made; "" for the heading and the solved count.
        QString groupLine = {};
    };
    // A window that shows work going on, with a Cancel button; gone when destroyed.
    class Progress {
    public:
        virtual ~Progress() = default;
        // A line under the main text, e.g. the seconds so far.
        virtual void SetDetail(const QString& text) = 0;
    };

    virtual ~UserDialogs() = default;

    // caption: ShownTitle(), a text of its own, or "" for the default caption.
    virtual Answer Message(const QString& text, const QString& caption, Buttons buttons) = 0;
    // The chosen file, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(const QString& initialFolder) = 0;
    virtual std::optional<QString> SaveFile(const QString& initialFolder) = 0;
    // The print settings chosen, or nothing when cancelled.
    virtual std::optional<PrintChoice> Print() = 0;
    // The export and import dialogs; nothing when cancelled. baseName: the figure's name,
    // offered as the new file's name.
    virtual std::optional<ExportChoice> ExportFile(const QString& initialFolder,
                                                   const QString& baseName,
                                                   const std::vector<FileKind>& kinds) = 0;
    // filter: the models the program reads, as the file dialog's filter text.
    virtual std::optional<ImportChoice> ImportFile(const QString& initialFolder,
                                                   const QString& filter) = 0;
    // The exercise chosen (an index into cards), or nothing when cancelled; cards.size() +
    // i asks to open the kept answer of card i instead.
    virtual std::optional<int> ChooseExercise(const std::vector<ExerciseCard>& cards) = 0;
    // A line of text the user types (initial offered); nothing when cancelled. Dialogs
    // that ask nothing take the text offered.
    virtual std::optional<QString> AskText(const QString& /*caption*/, const QString& /*label*/,
                                           const QString& initial) {
        return initial;
    }
    // A figure the user may turn (arrow keys, mouse), with a line of text, closed with OK.
    virtual void ShowFigure(const QString& caption, const QString& text,
                            const FigureRenderer& figure) = 0;
    // The same with drawings beside it (an exercise's three views); dialogs without room
    // for them show the figure alone.
    virtual void ShowFigureWithDrawings(const QString& caption, const QString& text,
                                        const FigureRenderer& figure, const QImage& /*drawings*/) {
        ShowFigure(caption, text, figure);
    }
    // Shows that work goes on; cancel is called when the user cancels it.
    virtual std::unique_ptr<Progress> ShowProgress(const QString& text,
                                                   std::function<void()> cancel) = 0;

    // What an export dialog settles on: a typed extension of a kind offered decides the
    // kind (the selected one when it shares the extension); otherwise the selected kind's
    // extension is added. selected: the filter text selected.
    static ExportChoice SettleExport(const QString& name, const QString& selected,
                                     const std::vector<FileKind>& kinds);

    // The model's notices (failed loads and saves) become OK boxes of this object.
    void RouteModelNoticesHere();

    // The program's title as files keep it (the settings, a figure's comment stamp).
    static QString ProgramTitle() {
        return QStringLiteral("超簡易3D editor 立体ゼルク Version 3.3");
    }
    // The same as windows and message boxes show it, in the user's language.
    static QString ShownTitle() {
        return QCoreApplication::translate("UserDialogs", "超簡易3D editor 立体ゼルク Version 3.3");
    }
    // The filter of the open and save dialogs.
    static QString FileFilter() {
        return QCoreApplication::translate(
            "UserDialogs", "立体ゼルクデータファイル(*.zlk);;すべてのファイル(*.*)");
    }
};
