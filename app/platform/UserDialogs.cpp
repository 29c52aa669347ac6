#include "UserDialogs.h"

#include "ModelNotice.h"

void UserDialogs::RouteModelNoticesHere() {
    ModelNotice::SetHandler(
        [this](const QString& text, const QString& title) { Message(text, title, Buttons::Ok); });
}
