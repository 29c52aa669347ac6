#pragma once

#include "UserDialogs.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Dialogs answered from a script: every call is recorded; notices (OK boxes) are
// answered at once; questions, file and print dialogs take the next scripted answer.
// A dialog without a scripted answer is reported through the failure handler
// (by default it aborts the program) and then answered No / cancel.
class ScriptedUserDialogs : public UserDialogs {
public:
    enum class Kind {
        Message,
        OpenFile,
        SaveFile,
        Print,
        ExportFile,
        ImportFile,
        Progress,
        ChooseExercise,
        ShowFigure,
        AskText
    };
    struct Call {
        Kind kind;
        QString text;    // message text, or the initial folder of a file dialog
        QString caption; // "" for the default caption
        Buttons buttons = Buttons::Ok;
    };

    Answer Message(const QString& text, const QString& caption, Buttons buttons) override;
    std::optional<QString> OpenFile(const QString& initialFolder) override;
    std::optional<QString> SaveFile(const QString& initialFolder) override;
    std::optional<PrintChoice> Print() override;
    std::optional<ExportChoice> ExportFile(const QString& initialFolder, const QString& baseName,
                                           const std::vector<FileKind>& kinds) override;
    std::optional<ImportChoice> ImportFile(const QString& initialFolder,
                                           const QString& filter) override;
    // What the last export dialog offered, and the last import dialog's filter.
    std::vector<FileKind> offeredKinds;
    QString importFilter;
    std::optional<int> ChooseExercise(const std::vector<ExerciseCard>& cards) override;
    // A typed text: the next scripted one; without one, the text offered is taken (as
    // pressing Enter would).
    std::optional<QString> AskText(const QString& caption, const QString& label,
                                   const QString& initial) override;
    void TypeText(std::optional<QString> text) { texts_.append(std::move(text)); }
    void ShowFigure(const QString& caption, const QString& text,
                    const FigureRenderer& figure) override;
    void ShowFigureWithDrawings(const QString& caption, const QString& text,
                                const FigureRenderer& figure, const QImage& drawings) override;
    QImage shownDrawings;
    // What the last exercise chooser offered, and the picture of the last figure shown.
    std::vector<ExerciseCard> offeredExercises;
    QString askedText; // the text AskText offered last
    QImage shownPicture;
    // A progress window, open until destroyed.
    std::unique_ptr<Progress> ShowProgress(const QString& text,
                                           std::function<void()> cancel) override;
    // The user presses Cancel in the open progress window (none open: nothing happens).
    void PressCancel();
    // Progress windows open now.
    int openProgress = 0;

    void AnswerQuestion(Answer answer) { answers_.append(answer); }
    // An empty optional cancels the dialog.
    void ChooseFile(std::optional<QString> name) { files_.append(std::move(name)); }
    void ChoosePrint(std::optional<PrintChoice> choice) { prints_.append(std::move(choice)); }
    void ChooseExport(std::optional<ExportChoice> choice) { exports_.append(std::move(choice)); }
    void ChooseImport(std::optional<ImportChoice> choice) { imports_.append(std::move(choice)); }
    void PickExercise(std::optional<int> index) { exercises_.append(index); }
    void SetFailureHandler(std::function<void(const QString&)> handler) {
        onFailure_ = std::move(handler);
    }

    // Forgets the answers not yet used.
    void ClearScript() {
        answers_.clear();
        files_.clear();
        prints_.clear();
        exports_.clear();
        imports_.clear();
        exercises_.clear();
        texts_.clear();
    }
    // Texts of the message boxes shown so far.
    QStringList MessageTexts() const;
    bool ScriptUsedUp() const {
        return answers_.isEmpty() && files_.isEmpty() && prints_.isEmpty() && exports_.isEmpty() &&
               imports_.isEmpty() && exercises_.isEmpty() && texts_.isEmpty();
    }

    QList<Call> calls;

private:
    void Unscripted(const QString& what);

    QList<Answer> answers_;
    QList<std::optional<QString>> files_;
    QList<std::optional<PrintChoice>> prints_;
    QList<std::optional<ExportChoice>> exports_;
    QList<std::optional<ImportChoice>> imports_;
    QList<std::optional<int>> exercises_;
    QList<std::optional<QString>> texts_;
    std::function<void(const QString&)> onFailure_;
    std::function<void()> cancelProgress_;
};
