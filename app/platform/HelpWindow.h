#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help viewer: one window that shows the HTML help beside the program.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The one help window, created on first use; owned by no parent, closed with the program.
    static HelpWindow* Instance();

    void ShowFile(const QString& fileName);
    QString ShownFile() const { return shownFile_; }
    QTextBrowser* Browser() const { return browser_; }

private:
    HelpWindow();
    QTextBrowser* browser_;
    QString shownFile_;
};
