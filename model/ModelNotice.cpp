#include "ModelNotice.h"

#include <QDebug>
#include <utility>

namespace {
ModelNotice::Handler& currentHandler() {
    static ModelNotice::Handler handler;
    return handler;
}
} // namespace

ModelNotice::Handler ModelNotice::SetHandler(Handler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

void ModelNotice::Show(const QString& text, const QString& title) {
    if (const Handler& handler = currentHandler()) {
        handler(text, title);
        return;
    }
    qWarning().noquote() << title << ":" << text;
}
