#pragma once

#include "UserDialogs.h"

#include <QPointer>
#include <QWidget>

// The program's dialogs: QMessageBox, QFileDialog and QPrintDialog.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Message(const QString& text, const QString& caption, Buttons buttons) override;
    std::optional<QString> OpenFile(const QString& initialFolder) override;
    std::optional<QString> SaveFile(const QString& initialFolder) override;
    std::optional<PrintChoice> Print() override;
    std::optional<ExportChoice> ExportFile(const QString& initialFolder, const QString& baseName,
                                           const std::vector<FileKind>& kinds) override;
    std::optional<ImportChoice> ImportFile(const QString& initialFolder,
                                           const QString& filter) override;
    std::optional<int> ChooseExercise(const std::vector<ExerciseCard>& cards) override;
    std::optional<QString> AskText(const QString& caption, const QString& label,
                                   const QString& initial) override;
    void ShowFigure(const QString& caption, const QString& text,
                    const FigureRenderer& figure) override;
    void ShowFigureWithDrawings(const QString& caption, const QString& text,
                                const FigureRenderer& figure, const QImage& drawings) override;
    std::unique_ptr<Progress> ShowProgress(const QString& text,
                                           std::function<void()> cancel) override;

private:
    QPointer<QWidget> parent_;
};
