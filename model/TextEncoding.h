#pragma once

#include <QByteArray>
#include <QString>

// Figure files are exchanged in Shift-JIS (CP932); UTF-8 files are read too.
class TextEncoding {
public:
    // Characters that CP932 cannot hold become "?".
    static QByteArray ToCp932(const QString& text);
    // Lenient: a byte that is not CP932 becomes "?".
    static QString FromCp932(const char* data, qsizetype size);
    // False when the bytes are not entirely valid CP932.
    static bool StrictCp932(const char* data, qsizetype size, QString& text);

    // The bytes of a whole figure file: CP932 when it holds the text exactly, else
    // UTF-8 behind a byte order mark (utf8Marked), so every file reads back the same.
    static QByteArray ToFigureBytes(const QString& text, bool& utf8Marked);
    // A text read from a figure file. With a byte order mark it is UTF-8; else
    // Shift-JIS wins wherever the bytes could be either.
    static QString FromFigureBytes(const char* data, qsizetype size, bool utf8Marked);

    // Files the program writes in UTF-8 (settings): valid UTF-8 as UTF-8, else CP932.
    static QString FromUtf8OrCp932(const char* data, qsizetype size);

private:
    static bool LooksLikeJapaneseUtf8(const QString& text);
    static bool Cp932ToUtf8(const char* data, qsizetype size, bool lenient, QByteArray& out);
};
