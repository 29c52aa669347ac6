#include "UserDialogs.h"

#include "ModelNotice.h"

#include <QFileInfo>

void UserDialogs::RouteModelNoticesHere() {
    ModelNotice::SetHandler(
        [this](const QString& text, const QString& title) { Message(text, title, Buttons::Ok); });
}

UserDialogs::ExportChoice UserDialogs::SettleExport(const QString& name, const QString& selected,
                                                    const std::vector<FileKind>& kinds) {
    const FileKind* chosen = kinds.empty() ? nullptr : &kinds.front();
    for (const FileKind& kind : kinds) {
        if (selected == kind.filter) {
            chosen = &kind;
        }
    }
    if (chosen == nullptr) {
        return ExportChoice{name, ExportKind::SvgSheet};
    }
    const QString typed = QFileInfo(name).suffix();
    const auto same = [&typed](const FileKind& kind) {
        return typed.compare(kind.suffix, Qt::CaseInsensitive) == 0;
    };
    if (same(*chosen)) {
        return ExportChoice{name, chosen->kind};
    }
    for (const FileKind& kind : kinds) {
        if (same(kind)) {
            return ExportChoice{name, kind.kind};
        }
    }
    // The file gets the extension of its kind, so that other programs know it.
    return ExportChoice{name + u'.' + chosen->suffix, chosen->kind};
}
