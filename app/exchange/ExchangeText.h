#pragma once

#include <QByteArray>
#include <QString>

// Small text helpers shared by the exchange formats.
class ExchangeText {
public:
    // A number as the figure file writes it (at most 7 significant digits, "." always).
    static QByteArray Number(float value);
    // A text on one line: line breaks and tabs become blanks.
    static QString OneLine(const QString& text);
    // A text for the SVG generator's title and description, which Qt before 6.5 writes
    // into the XML unescaped ("&" or "<" in a file name made the file malformed).
    static QString SvgMetaText(const QString& text);
};
