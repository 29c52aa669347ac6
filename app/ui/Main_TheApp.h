#pragma once

#include "AppContext.h"

#include <functional>
#include <memory>

class HoldingSoundBackend;
class CopySlots;
class QtClipboard;
class QtPrinter;
class WindowFactory;
class frmZelkWin;

// The program's start-up module: creates the six shared instances in their order,
// boots the controller, and at the end releases them in the same order. After the
// end procedure no timer tick or window event reaches the controller.
class FigurePreload;
class Languages;
class Main_TheApp {
public:
    // quit: what ending the program means for this host (leave the event loop).
    // Without a clipboard or printer of its own the system's are used.
    Main_TheApp(const QString& programFolder, const QStringList& arguments, UserDialogs& dialogs,
                SoundBackend& sound, Clock& clock, std::function<void()> quit,
                Clipboard* clipboard = nullptr, Printer* printer = nullptr);
    ~Main_TheApp();
    Main_TheApp(const Main_TheApp&) = delete;
    Main_TheApp& operator=(const Main_TheApp&) = delete;

    // Creates the instances and sends "BOOT_ZELK"; false when the boot failed.
    bool Start();
    // Stops every event source and ends the program; the instances are released
    // when this object goes (after the controller's own call has returned).
    void End();
    bool Ended() const { return ended_; }
    AppContext& Context() { return context_; }
    // The concrete windows, for the program's entry and for tests.
    frmZelkWin* Window() const { return window_.get(); }
    WindowFactory* Windows() const { return windows_.get(); }

private:
    void Release();

    AppContext context_;
    std::function<void()> quit_;
    bool ended_ = false;
    std::unique_ptr<CZelkController> controller_;
    std::unique_ptr<CZelkProController> proController_;
    std::unique_ptr<CAppData> appData_;
    std::unique_ptr<frmZelkWin> window_;
    std::unique_ptr<WindowFactory> windows_;
    std::unique_ptr<QtClipboard> systemClipboard_;
    std::unique_ptr<QtPrinter> systemPrinter_;
    std::unique_ptr<HoldingSoundBackend> sound_;
    std::unique_ptr<CZelkData> figure_;
    std::unique_ptr<CopySlots> slots_;
    std::unique_ptr<FigurePreload> preload_;
    std::unique_ptr<Languages> languages_;
};
