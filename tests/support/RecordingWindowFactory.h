#pragma once

#include "IWindowFactory.h"

#include <QStringList>

// Records which windows the controller opened, without opening any.
class RecordingWindowFactory : public IWindowFactory {
public:
    void ShowSplash(const QString& picture, const QString&) override {
        opened << QStringLiteral("splash ") + picture;
    }
    void CloseSplash() override { opened << QStringLiteral("splash closed"); }
    void ShowVersionDialog(const QString& picture, const QString&) override {
        opened << QStringLiteral("version ") + picture;
    }
    void OpenThumbnailBrowser(const QString& folder) override {
        opened << QStringLiteral("thumbnails ") + folder;
    }
    QString ThumbnailSelection() const override { return selection; }
    void ShowHelp(const QString& file) override { opened << QStringLiteral("help ") + file; }

    QStringList opened;
    QString selection;
};
