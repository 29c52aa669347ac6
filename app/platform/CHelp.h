#pragma once

#include <QString>

class QWidget;
class UserDialogs;

// Opens the program's help. On this platform all three ways show the HTML help in
// the program's own help window.
class CHelp {
public:
    void ShowHTMLHelpUsingAPI(QWidget* hWnd, const QString& FileName);
    void ShowUsingAPI(QWidget* hWnd, const QString& FileName);
    void ShowUsingCommonDialog(UserDialogs& dialog, const QString& FileName);
};
