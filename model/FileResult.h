#pragma once

#include <QString>

// The outcome of reading or writing a figure file: success, or the reason with the title
// of its message box. The caller decides whether and where to show it.
struct FileResult {
    bool ok = true;
    QString title;
    QString reason;

    explicit operator bool() const { return ok; }
    static FileResult Failed(const QString& title, const QString& reason) {
        return FileResult{false, title, reason};
    }
};
