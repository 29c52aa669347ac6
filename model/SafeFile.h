#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class SystemCalls;

// Reading and replacing the program's own files without ever leaving a short or
// empty file behind. Written on POSIX calls rather than QSaveFile: QSaveFile
// opened buffered renames a short temporary over the target when the final flush
// fails for lack of space, ignores a failing fsync and loses the system's reason.
class SafeFile {
public:
    // Large enough for any figure (32767 segments of six 13-character values) with a
    // long comment; anything larger is not a figure.
    static constexpr qint64 kFigureSizeLimit = 64LL * 1024 * 1024;

    enum class ReadResult { Ok, Missing, NotRegular, TooLarge, Failed };

    // Reads a regular file of at most limit bytes (FIFOs and devices are refused
    // without blocking). error holds the system's reason on failure.
    static ReadResult Read(const QString& path, qint64 limit, QByteArray& bytes, QString& error);
    // The same through the given system calls (a test's, which may fail any of them).
    static ReadResult Read(const QString& path, qint64 limit, QByteArray& bytes, QString& error,
                           SystemCalls& calls);

    // Replaces path with bytes: afterwards the file holds either exactly bytes (true)
    // or exactly what it held before (false, with the system's reason in error).
    // The new file is written beside the old one and renamed over it, keeping owner,
    // group and mode; a file with several links, one whose owner cannot be kept, or one
    // in a folder that refuses new files is rewritten in place (its old bytes are put
    // back if that fails, and kept in a journal until the new ones are synced). A file
    // the user may not write, or that nobody may write, is
    // refused. A dangling symbolic link gets its target created.
    static bool Write(const QString& path, const QByteArray& bytes, QString& error);
    // The same through the given system calls (a test's, which may fail any of them).
    static bool Write(const QString& path, const QByteArray& bytes, QString& error,
                      SystemCalls& calls);

    // A file rewritten in place keeps its old bytes in a journal (".<name>.zelk-journal"
    // beside it, or, where its folder takes no new files, in this folder) until the new
    // bytes are on the disk. The program names its data folder here.
    static void SetSpareJournalFolder(const QString& folder);

    enum class Restored { Nothing, Yes, Failed };
    // Handles what a killed write left of one file: puts its old bytes back from a
    // journal (Yes), removes its temporaries; leaves alone what a running copy is still
    // writing. Failed: a journal is there but the file could not be written.
    static Restored Tidy(const QString& path);
    // Puts back every file whose journal lies in folder; the files put back.
    static QStringList RestoreJournals(const QString& folder);

    // Temporaries of writes that were killed half-way (".<name>.zelk-tmp-XXXXXX" beside a
    // file whose name ends in one of suffixes, e.g. ".zlk"); removes them and returns how
    // many. Nothing else is ever removed, whatever its name looks like.
    static int RemoveLeftovers(const QString& folder, const QStringList& suffixes);

    // The temporary name pattern used by Write, so that leftovers can be recognised.
    static bool IsLeftoverName(const QString& fileName, const QStringList& suffixes);
};
