#include "ScriptedUserDialogs.h"

#include "FigureRenderer.h"

#include <QtGlobal>

void ScriptedUserDialogs::Unscripted(const QString& what) {
    const QString message = QStringLiteral("unscripted dialog: ") + what;
    if (onFailure_) {
        onFailure_(message);
        return;
    }
    qFatal("%s", qPrintable(message));
}

UserDialogs::Answer ScriptedUserDialogs::Message(const QString& text, const QString& caption,
                                                 Buttons buttons) {
    calls.append({Kind::Message, text, caption, buttons});
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers_.isEmpty()) {
        Unscripted(QStringLiteral("question \"%1\"").arg(text));
        return Answer::No;
    }
    return answers_.takeFirst();
}

std::optional<QString> ScriptedUserDialogs::OpenFile(const QString& initialFolder) {
    calls.append({Kind::OpenFile, initialFolder, QString(), Buttons::Ok});
    if (files_.isEmpty()) {
        Unscripted(QStringLiteral("open dialog in \"%1\"").arg(initialFolder));
        return std::nullopt;
    }
    return files_.takeFirst();
}

std::optional<QString> ScriptedUserDialogs::SaveFile(const QString& initialFolder) {
    calls.append({Kind::SaveFile, initialFolder, QString(), Buttons::Ok});
    if (files_.isEmpty()) {
        Unscripted(QStringLiteral("save dialog in \"%1\"").arg(initialFolder));
        return std::nullopt;
    }
    return files_.takeFirst();
}

std::optional<UserDialogs::PrintChoice> ScriptedUserDialogs::Print() {
    calls.append({Kind::Print, QString(), QString(), Buttons::Ok});
    if (prints_.isEmpty()) {
        Unscripted(QStringLiteral("print dialog"));
        return std::nullopt;
    }
    return prints_.takeFirst();
}

std::optional<UserDialogs::ExportChoice>
ScriptedUserDialogs::ExportFile(const QString& initialFolder, const QString& baseName,
                                const std::vector<FileKind>& kinds) {
    offeredKinds = kinds;
    calls.append({Kind::ExportFile, initialFolder, baseName, Buttons::Ok});
    if (exports_.isEmpty()) {
        Unscripted(QStringLiteral("export dialog"));
        return std::nullopt;
    }
    return exports_.takeFirst();
}

std::optional<UserDialogs::ImportChoice>
ScriptedUserDialogs::ImportFile(const QString& initialFolder, const QString& filter) {
    importFilter = filter;
    calls.append({Kind::ImportFile, initialFolder, QString(), Buttons::Ok});
    if (imports_.isEmpty()) {
        Unscripted(QStringLiteral("import dialog"));
        return std::nullopt;
    }
    return imports_.takeFirst();
}

std::optional<int> ScriptedUserDialogs::ChooseExercise(const std::vector<ExerciseCard>& cards) {
    offeredExercises = cards;
    calls.append({Kind::ChooseExercise, QString(), QString(), Buttons::Ok});
    if (exercises_.isEmpty()) {
        Unscripted(QStringLiteral("exercise chooser"));
        return std::nullopt;
    }
    return exercises_.takeFirst();
}

std::optional<QString> ScriptedUserDialogs::AskText(const QString& caption, const QString& label,
                                                    const QString& initial) {
    calls.append({Kind::AskText, label, caption, Buttons::Ok});
    askedText = initial;
    if (texts_.isEmpty()) {
        return initial;
    }
    return texts_.takeFirst();
}

void ScriptedUserDialogs::ShowFigure(const QString& caption, const QString& text,
                                     const FigureRenderer& figure) {
    ShowFigureWithDrawings(caption, text, figure, QImage());
}

void ScriptedUserDialogs::ShowFigureWithDrawings(const QString& caption, const QString& text,
                                                 const FigureRenderer& figure,
                                                 const QImage& drawings) {
    shownDrawings = drawings;
    FigureRenderer shown = figure;
    shownPicture = shown.Picture(1);
    calls.append({Kind::ShowFigure, text, caption, Buttons::Ok});
}

QStringList ScriptedUserDialogs::MessageTexts() const {
    QStringList texts;
    for (const Call& call : calls) {
        if (call.kind == Kind::Message) {
            texts << call.text;
        }
    }
    return texts;
}

namespace {

class ScriptedProgress : public UserDialogs::Progress {
public:
    ScriptedProgress(int& open, std::function<void()>& cancel) : open_(open), cancel_(cancel) {
        ++open_;
    }
    ~ScriptedProgress() override {
        --open_;
        cancel_ = nullptr;
    }
    ScriptedProgress(const ScriptedProgress&) = delete;
    ScriptedProgress& operator=(const ScriptedProgress&) = delete;
    void SetDetail(const QString&) override {}

private:
    int& open_;
    std::function<void()>& cancel_;
};

} // namespace

std::unique_ptr<UserDialogs::Progress>
ScriptedUserDialogs::ShowProgress(const QString& text, std::function<void()> cancel) {
    calls.append({Kind::Progress, text, QString(), Buttons::Ok});
    cancelProgress_ = std::move(cancel);
    return std::make_unique<ScriptedProgress>(openProgress, cancelProgress_);
}

void ScriptedUserDialogs::PressCancel() {
    if (openProgress > 0 && cancelProgress_) {
        cancelProgress_();
    }
}
