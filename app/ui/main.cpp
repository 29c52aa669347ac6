// The program's entry: the platform's dialogs, sound and clock, then the start-up
// module, which creates the shared instances and boots the controller.
#include "CZelkController.h"
#include "Main_TheApp.h"
#include "QtSoundBackend.h"
#include "QtUserDialogs.h"
#include "SignalWatcher.h"
#include "SystemClock.h"
#include "frmZelkWin.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>
#include <csignal>

int main(int argc, char** argv) {
    // A file-size limit must make a save fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    // The default caption of message boxes; no display name, which would be appended
    // to every window title.
    QApplication::setApplicationName(QStringLiteral("立体ゼルク"));
    // Only the controller's shut-down ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own dialogs (file, print, message box buttons) speak Japanese too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    QtUserDialogs dialogs;
    QtSoundBackend sound;
    SystemClock clock;
    Main_TheApp app(QApplication::applicationDirPath(), arguments, dialogs, sound, clock,
                    [] { QApplication::exit(0); });
    if (!app.Start()) {
        qFatal("BOOT_ZELK failed");
    }
    dialogs.SetParent(app.Window());

    // Logging out, or being told to stop: unsaved work goes to autosave.zlk for the next
    // start to recover, the settings are written, and the program ends.
    const auto endSession = [&app] {
        if (!app.Ended() && app.Context().controller != nullptr) {
            app.Context().controller->EndSession();
        }
    };
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&endSession](QSessionManager&) { endSession(); });
    SignalWatcher stopSignals({SIGTERM, SIGHUP, SIGINT}, [&endSession](int) { endSession(); });
    return QApplication::exec();
}
