// The settings reader on any bytes: it never crashes, and what it took survives a write
// and a second read unchanged.
#include "AppContext.h"
#include "CAppData.h"
#include "CZelkIniFileHandler.h"
#include "SystemClock.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

struct Settings {
    bool pinned;
    QString folder;
    QString difficulty;
    QString size;
    QStringList history;
    bool operator==(const Settings&) const = default;
};

Settings Read(AppContext& context) {
    CAppData app(context.programFolder);
    context.appData = &app;
    CZelkIniFileHandler(context).ReadSetting();
    Settings s{app.DataPathFixed(), app.DataPath(), app.Difficulty(), app.FormSize(), {}};
    for (int16_t i = 0; i < app.FileNameHistoryNum(); ++i) {
        s.history << app.GetHistory(i);
    }
    context.appData = nullptr;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static SystemClock clock;
    AppContext context;
    context.programFolder = folder.path();
    context.clock = &clock;
    const QString path = folder.filePath(QStringLiteral("ZelkWin33.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const Settings first = Read(context);

    CAppData app(context.programFolder);
    context.appData = &app;
    CZelkIniFileHandler(context).ReadSetting();
    if (!CZelkIniFileHandler(context).WriteSetting()) {
        std::fprintf(stderr, "the settings file could not be written\n");
        std::abort();
    }
    context.appData = nullptr;
    const Settings second = Read(context);
    // A folder or recent file holding a line break is not stored; all else must come back.
    Settings expected = first;
    for (QString& entry : expected.history) {
        if (entry.contains(u'\r') || entry.contains(u'\n')) {
            entry = second.history[expected.history.indexOf(entry)];
        }
    }
    if (expected.folder.contains(u'\r') || expected.folder.contains(u'\n')) {
        expected.folder = second.folder;
    }
    if (!(expected == second)) {
        std::fprintf(stderr, "the settings changed on a write and read\n");
        std::abort();
    }
    return 0;
}
