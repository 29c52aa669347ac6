#include "QtUserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

UserDialogs::Answer QtUserDialogs::Message(const QString& text, const QString& caption,
                                           Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
    box.setText(text);
    if (buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> QtUserDialogs::OpenFile(const QString& initialFolder) {
    const QString name =
        QFileDialog::getOpenFileName(parent_, QString(), initialFolder, FileFilter());
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// The program asks before overwriting, so the dialog's own question is off.
std::optional<QString> QtUserDialogs::SaveFile(const QString& initialFolder) {
    const QString name =
        QFileDialog::getSaveFileName(parent_, QString(), initialFolder, FileFilter(), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<UserDialogs::PrintChoice> QtUserDialogs::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PrintChoice{printer.copyCount(), printer.printerName(), printer.outputFileName()};
}
