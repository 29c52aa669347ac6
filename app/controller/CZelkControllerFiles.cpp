// Figure file commands.
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

void CZelkController::NewFigure() {
    if (!context_.figure->IsDirty() ||
        context_.dialogs->Message(QStringLiteral("データに変更がありますが、続けますか？"),
                                  QString(),
                                  UserDialogs::Buttons::YesNo) == UserDialogs::Answer::Yes) {
        ClearFigure();
    }
    RebuildView();
    if (context_.appData->ProInterface()) {
        context_.proController->SetCommand(QStringLiteral("REFLESH_PRO_INTERFACE"));
        context_.proController->SetCommand(QStringLiteral("SETUP_VSCROLL_BAR"));
        context_.proController->SetCommand(QStringLiteral("SETUP_LINE_NUMBER_LABEL"));
    }
}

void CZelkController::ClearFigure() {
    context_.figure->ClearData();
    context_.appData->ClearData();
    ctlZelkView& view = *context_.view;
    view.SetPointerFrom(QStringLiteral("0,0,0"));
    view.SetPointerTo(QStringLiteral("0,0,0"));
    view.SetTempLine(view.PointerFrom() + u',' + view.PointerTo());
}
