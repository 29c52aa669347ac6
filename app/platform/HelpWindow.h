#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help viewer: one window that shows the HTML help beside the program.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The one help window, created on first use; closed with the program. Esc and Ctrl+W
    // close it.
    static HelpWindow* Instance();

    // Shows the file; with an owner the window belongs to it: it stays in front of it
    // and opens centred on it.
    void ShowFile(const QString& fileName, QWidget* owner = nullptr);
    QString ShownFile() const { return shownFile_; }
    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A switch of language retitles the window.
    void changeEvent(QEvent* event) override;

private:
    HelpWindow();
    QTextBrowser* browser_;
    QString shownFile_;
};
