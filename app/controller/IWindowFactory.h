#pragma once

#include <QString>

// The other windows the controller opens: the splash, the version dialog, the
// thumbnail browser and the help. The program's implementation lives with the windows.
class IWindowFactory {
public:
    virtual ~IWindowFactory() = default;

    // The splash with its picture and cue (played to its end), until CloseSplash.
    virtual void ShowSplash(const QString& picture, const QString& sound) = 0;
    virtual void CloseSplash() = 0;
    virtual void ShowVersionDialog(const QString& picture, const QString& sound) = 0;
    // Replaces any open browser with a new one over the folder.
    virtual void OpenThumbnailBrowser(const QString& folder) = 0;
    // The open browser's chosen file; "" without a browser.
    virtual QString ThumbnailSelection() const = 0;
    virtual void ShowHelp(const QString& file) = 0;
};
