#include "UserDialogs.h"

#include "ExerciseProgress.h"
#include "ModelNotice.h"

#include <QCoreApplication>

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

QString UserDialogs::GroupLine(const std::vector<ExerciseCard>& cards, size_t begin, size_t end) {
    int solved = 0;
    int checks = 0;
    qint64 best = 0;
    for (size_t i = begin; i < end && i < cards.size(); ++i) {
        solved += cards[i].solved ? 1 : 0;
        checks += cards[i].checks;
        if (cards[i].solved && cards[i].bestMs > 0 && (best == 0 || cards[i].bestMs < best)) {
            best = cards[i].bestMs;
        }
    }
    QString line = QCoreApplication::translate("QtUserDialogs", "%1\u3000解けた数 %2 / %3")
                       .arg(begin < cards.size() ? cards[begin].heading : QString())
                       .arg(solved)
                       .arg(end - begin);
    if (best > 0) {
        line += QCoreApplication::translate("UserDialogs", "\u3000最短 %1")
                    .arg(ExerciseProgress::Time(best));
    }
    if (checks > 0) {
        line += QCoreApplication::translate("UserDialogs", "\u3000答え合わせ %1 回").arg(checks);
    }
    return line;
}
