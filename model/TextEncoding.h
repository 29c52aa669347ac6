#pragma once

#include <QByteArray>
#include <QString>

// Figure files are exchanged in Shift-JIS (CP932); UTF-8 files are read too.
class TextEncoding {
public:
    // Characters that CP932 cannot hold become "?".
    static QByteArray ToCp932(const QString& text);
    // Valid UTF-8 is taken as UTF-8, anything else as CP932.
    static QString FromFileBytes(const char* data, qsizetype size);
    static QString FromCp932(const char* data, qsizetype size);
};
