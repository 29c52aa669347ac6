#include "AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <unistd.h>

AppFolders::AppFolders(const QString& programFolder)
    : program_(programFolder), resources_(programFolder),
      data_(programFolder + QStringLiteral("/data")),
      settings_(programFolder + QStringLiteral("/ZelkWin33.ini")) {}

AppFolders AppFolders::ForProgram(const QString& programFolder) {
    AppFolders folders(programFolder);
    const bool dataBeside = QFileInfo(programFolder + QStringLiteral("/pic")).isDir();
    const QString shared = QDir::cleanPath(programFolder + QStringLiteral("/../share/zelk"));
    if (!dataBeside && QFileInfo(shared).isDir()) {
        folders.resources_ = shared;
    }
    // Installed (the data lives in share/) or unwritable: the user's own folders. Root may
    // write under /usr, so writability alone does not make an installation portable.
    // Asked with the process's effective rights (as the writes themselves are made).
    const bool writable =
        ::faccessat(AT_FDCWD, QFile::encodeName(programFolder).constData(), W_OK, AT_EACCESS) == 0;
    if (dataBeside && writable) {
        return folders;
    }
    folders.portable_ = false;
    folders.data_ = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                    QStringLiteral("/zelk/data");
    folders.settings_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/zelk/ZelkWin33.ini");
    return folders;
}
