#pragma once

#include "AppFolders.h"

#include <QString>
#include <QStringList>
#include <functional>

class CAppData;
class CZelkController;
class CZelkData;
class CZelkProController;
class Clipboard;
class Clock;
class FigurePreload;
class CopySlots;
class HoldingSoundBackend;
class IMainWindow;
class Languages;
class IWindowFactory;
class Printer;
class SoundBackend;
class UserDialogs;
class ctlZelkView;

// The process-wide single instances and the platform seams, handed to every part
// that needs them. The start-up module fills it; tests build their own.
struct AppContext {
    // The folder holding the program, without a trailing "/".
    QString programFolder;
    // Where the read-only data, the figures and the settings are (the start-up module
    // decides; contexts built by hand get everything beside programFolder).
    mutable AppFolders folders;
    const AppFolders& Folders() const {
        if (folders.Program().isEmpty() && !programFolder.isEmpty()) {
            folders = AppFolders(programFolder);
        }
        return folders;
    }
    // The command line after the program name (at most one figure file name).
    QStringList arguments;
    // Another copy of the program was already running at start.
    bool previousInstance = false;
    // This copy's slot in the data folder (its own autosave file); none in contexts
    // built by hand: those use slot 1's "autosave.zlk".
    CopySlots* copySlots = nullptr;
    // Files whose rewrite had been cut short and whose old bytes the start put back.
    QStringList restoredAtStart;

    UserDialogs* dialogs = nullptr;
    SoundBackend* sound = nullptr;
    // The same sound, seen as the holder of commands while a cue plays to its end
    // (none in contexts built without one: nothing is held there).
    HoldingSoundBackend* soundHold = nullptr;
    Clock* clock = nullptr;
    Clipboard* clipboard = nullptr;
    Printer* printer = nullptr;
    // The splash, version dialog, thumbnail browser and help.
    IWindowFactory* windows = nullptr;

    // The six shared instances, in the order they are created.
    CZelkController* controller = nullptr;
    CZelkProController* proController = nullptr;
    CAppData* appData = nullptr;
    IMainWindow* window = nullptr;
    CZelkData* figure = nullptr;
    ctlZelkView* view = nullptr;

    // The language of the texts (none in contexts built by hand: the texts stay Japanese).
    Languages* languages = nullptr;
    // The figure named on the command line, read while the window is built (none when
    // no figure was named, or in contexts built by hand).
    FigurePreload* preload = nullptr;

    // Asks the start-up module to end the program (its end procedure).
    std::function<void()> endProgram;
};
