// The program's entry: the platform's dialogs, sound and clock, then the start-up
// module, which creates the shared instances and boots the controller.
#include "AppFolders.h"
#include "CZelkController.h"
#include "CZelkIniFileHandler.h"
#include "CommandLineExchange.h"
#include "DeferredSoundBackend.h"
#include "ExchangeFormats.h"
#include "ExerciseLibrary.h"
#include "Languages.h"
#include "Main_TheApp.h"
#include "QtUserDialogs.h"
#include "SignalWatcher.h"
#include "SystemClock.h"
#include "Worksheet.h"
#include "frmZelkWin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <cstdio>

namespace {

const char* const kHelp =
    "使い方: zelk [オプション] [図形ファイル.zlk]\n"
    "Usage: zelk [options] [figure.zlk]\n"
    "\n"
    "超簡易3D editor 立体ゼルク — 3D のワイヤーフレーム図形を作って眺めるエディタ。\n"
    "A small 3D wire-frame editor for learning to think in three dimensions.\n"
    "\n"
    "  -h, --help     この説明を表示して終了 / show this help and exit\n"
    "  -v, --version  バージョンを表示して終了 / show the version and exit\n"
    "\n"
    "図形ファイルを指定すると、起動時にそのファイルを開きます。\n"
    "A figure file given as argument is opened at start.\n"
    "\n"
    "  zelk --export OUT IN.zlk   図形を書き出します（OUT の拡張子で形式を選びます：\n"
    "                             %1）\n"
    "  zelk --import IN OUT.zlk [--scale N] [--to-origin] [--z-up]\n"
    "                             ほかの 3D ソフトのモデル（OBJ, STL, PLY, glTF, DXF …）を\n"
    "                             図形ファイルにします（--scale: 0 より大きく 1000000 以下、\n"
    "                             --z-up: Z 軸が上のモデルを立てます）\n"
    "  zelk --worksheet OUT.pdf [EXERCISE.zlk …]\n"
    "                             問題用紙（解答つき）の PDF を作ります（問題を指定しなければ\n"
    "                             組み込みの問題すべて） / a worksheet with its answer key\n"
    "  --lang ja|en               書き出しと読み込みのことばを選びます（ふだんは設定の言語）\n"
    "                             the language of --export and --import (else the one chosen\n"
    "                             in the editor)\n";

// The command line, read before any window or file is touched: 0 to go on, else the
// exit code (help and version print and end; an unknown option is an error).
struct CommandLine {
    QStringList files;
    QString exportTo;   // --export OUT: the file to write
    QString importFrom; // --import IN: the model to read
    QString worksheet;  // --worksheet OUT.pdf: the exercises on paper
    double scale = 1.0;
    bool toOrigin = false;
    bool zUp = false;
    QString language; // --lang: "ja" or "en"; "" for the one kept in the settings
    // A mistake said once the language is known (an untranslated key).
    const char* problem = nullptr;
};

int ReadCommandLine(int argc, char** argv, CommandLine& line) {
    QStringList raw;
    for (int i = 0; i < argc; ++i) {
        raw << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("help"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("version"));
    const QCommandLineOption exportTo(QStringLiteral("export"), QStringLiteral("export"),
                                      QStringLiteral("OUT"));
    const QCommandLineOption importFrom(QStringLiteral("import"), QStringLiteral("import"),
                                        QStringLiteral("IN"));
    const QCommandLineOption worksheet(QStringLiteral("worksheet"), QStringLiteral("worksheet"),
                                       QStringLiteral("OUT.pdf"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("scale"),
                                   QStringLiteral("N"));
    const QCommandLineOption toOrigin(QStringLiteral("to-origin"), QStringLiteral("to origin"));
    const QCommandLineOption zUp(QStringLiteral("z-up"), QStringLiteral("z up"));
    const QCommandLineOption language(QStringLiteral("lang"), QStringLiteral("language"),
                                      QStringLiteral("ja|en"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(exportTo);
    parser.addOption(importFrom);
    parser.addOption(worksheet);
    parser.addOption(scale);
    parser.addOption(toOrigin);
    parser.addOption(zUp);
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("figure"));
    if (!parser.parse(raw)) {
        std::fprintf(stderr,
                     "zelk: %s\nzelk --help で使い方を表示します (zelk --help for usage).\n",
                     parser.errorText().toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(help)) {
        // The formats come from the one table of formats.
        std::fputs(QString::fromUtf8(kHelp)
                       .arg(ExchangeFormats::CommandLineHelp())
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return -1;
    }
    if (parser.isSet(version)) {
        std::printf("zelk %s\n", ZELK_VERSION);
        return -1;
    }
    line.files = parser.positionalArguments();
    line.exportTo = parser.value(exportTo);
    line.importFrom = parser.value(importFrom);
    line.worksheet = parser.value(worksheet);
    line.toOrigin = parser.isSet(toOrigin);
    line.zUp = parser.isSet(zUp);
    line.language = parser.value(language);
    if (parser.isSet(language) && line.language != QLatin1String("ja") &&
        line.language != QLatin1String("en")) {
        std::fprintf(stderr, "zelk: --lang ja または --lang en (--lang ja or --lang en).\n");
        return 2;
    }
    if (parser.isSet(scale)) {
        bool ok = false;
        line.scale = parser.value(scale).toDouble(&ok);
        // inf and 1e39 are numbers too, but no coordinate survives them.
        if (!ok || !std::isfinite(line.scale) || !(line.scale > 0) || line.scale > 1e6) {
            line.problem =
                QT_TRANSLATE_NOOP("main", "--scale の倍率が正しくありません（0 より大きく "
                                          "1000000 以下の数にしてください）。");
            return 0;
        }
    }
    const bool exchange = parser.isSet(exportTo) || parser.isSet(importFrom);
    if ((exchange && parser.isSet(worksheet)) ||
        (exchange &&
         (line.files.size() != 1 || (parser.isSet(exportTo) && parser.isSet(importFrom))))) {
        line.problem = QT_TRANSLATE_NOOP(
            "main", "--export OUT IN.zlk または --import IN OUT.zlk の形で指定してください。");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine line;
    if (const int code = ReadCommandLine(argc, argv, line); code != 0) {
        return code < 0 ? 0 : code;
    }
    const QStringList& arguments = line.files;
    // A file-size limit must make a save fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!line.exportTo.isEmpty() || !line.importFrom.isEmpty() || !line.worksheet.isEmpty() ||
        line.problem != nullptr) {
        // Conversions open no window and need no display; their pictures are drawn
        // without widgets (a widget here would stop the program).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication converter(argc, argv);
        // They speak the language chosen in the editor, or the one asked for.
        const AppFolders folders = AppFolders::ForProgram(QCoreApplication::applicationDirPath());
        Languages languages(folders.Resources() + QStringLiteral("/translations"));
        languages.Apply(line.language.isEmpty()
                            ? CZelkIniFileHandler::KeptLanguage(folders.SettingsFile())
                            : line.language);
        if (line.problem != nullptr) {
            std::fprintf(
                stderr, "zelk: %s\n",
                QCoreApplication::translate("main", line.problem).toLocal8Bit().constData());
            return 2;
        }
        if (!line.exportTo.isEmpty()) {
            return CommandLineExchange::Export(line.exportTo, line.files.first(), stderr);
        }
        if (!line.worksheet.isEmpty()) {
            return Worksheet::CommandLine(line.worksheet, line.files,
                                          ExerciseLibrary::BuiltInFolder(folders), stderr);
        }
        return CommandLineExchange::Import(line.importFrom, line.files.first(), line.scale,
                                           line.toOrigin, line.zUp, stdout, stderr);
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    // The sound library opens on another core once the window is up (or at a first cue).
    DeferredSoundBackend sound;
    // Sound ends before the application object it belongs to.
    const auto endSound = qScopeGuard([&sound] { sound.Release(); });
    // The default caption of message boxes; no display name, which would be appended
    // to every window title.
    QApplication::setApplicationName(QStringLiteral("立体ゼルク"));
    // Only the controller's shut-down ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtUserDialogs dialogs;
    SystemClock clock;
    Main_TheApp app(QApplication::applicationDirPath(), arguments, dialogs, sound, clock,
                    [] { QApplication::exit(0); });
    if (!app.Start()) {
        qFatal("BOOT_ZELK failed");
    }
    dialogs.SetParent(app.Window());
    QTimer::singleShot(0, &application, [&sound] { sound.Begin(); });

    // Logging out, or being told to stop: unsaved work goes to autosave.zlk for the next
    // start to recover, the settings are written, and the program ends.
    const auto endSession = [&app] {
        if (!app.Ended() && app.Context().controller != nullptr) {
            app.Context().controller->EndSession();
        }
    };
    // The session manager asks for the data first; the logout may still be cancelled, so
    // the program goes on: it ends when the session really quits.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&app](QSessionManager&) {
                         if (!app.Ended() && app.Context().controller != nullptr) {
                             app.Context().controller->CommitSession();
                         }
                     });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &application, endSession);
    SignalWatcher stopSignals({SIGTERM, SIGHUP, SIGINT}, [&endSession](int) { endSession(); });
    return QApplication::exec();
}
