#include "CHelp.h"

#include "HelpWindow.h"

void CHelp::ShowHTMLHelpUsingAPI(QWidget* hWnd, const QString& FileName) {
    HelpWindow::Instance()->ShowFile(FileName, hWnd);
}

void CHelp::ShowUsingAPI(QWidget* hWnd, const QString& FileName) {
    ShowHTMLHelpUsingAPI(hWnd, FileName);
}

void CHelp::ShowUsingCommonDialog(UserDialogs& /*dialog*/, const QString& FileName) {
    ShowHTMLHelpUsingAPI(nullptr, FileName);
}
