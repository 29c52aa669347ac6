// Output commands: clipboard pictures and help.
#include "CAppData.h"
#include "CHelp.h"
#include "CZelkController.h"
#include "ctlZelkView.h"
#include "frmZelkWin.h"

#include <QApplication>
#include <QClipboard>

void CZelkController::NormalCopy() {
    QApplication::clipboard()->clear();
    context_.view->CopyToClipboard();
}

void CZelkController::MonochromeCopy() {
    QApplication::clipboard()->clear();
    const QString mode = context_.appData->Mode();
    if (mode == QLatin1String("DRAW_MODE")) {
        EnterViewMode();
    }
    ctlZelkView& view = *context_.view;
    const int32_t back = view.BackColor();
    const int32_t fig = view.FigColor();
    view.SetBackColor(0xFFFFFF);
    view.SetFigColor(0);
    view.Draw();
    LetEventsRun();
    view.CopyToClipboard();
    LetEventsRun();
    view.SetFigColor(fig);
    view.SetBackColor(back);
    if (mode == QLatin1String("DRAW_MODE")) {
        EnterDrawMode();
    }
    view.Draw();
}

void CZelkController::ShowHelp() {
    CHelp().ShowHTMLHelpUsingAPI(context_.window,
                                 context_.programFolder + QStringLiteral("/help/ZW33.html"));
}
