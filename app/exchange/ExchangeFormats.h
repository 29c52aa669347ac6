#pragma once

#include "FigureExporter.h"
#include "UserDialogs.h"

#include <QString>
#include <vector>

// Every format the program exchanges with other programs, one row each: what the export
// dialog offers (its kind, filter text and extension), the writer it uses, whether the
// command line picks it by extension, and the line of help that names it. The dialogs,
// the command line and its help all read this table; nothing else lists formats.
class ExchangeFormats {
public:
    struct Export {
        UserDialogs::ExportKind kind;
        FigureExporter::Format format;
        int pngScale;
        const char* suffix;
        const char* filter;
        // The command line takes a file of this extension as this row (one row a suffix).
        bool commandLine;
        const char* help;
    };

    static const std::vector<Export>& Exports();
    static const Export& ForKind(UserDialogs::ExportKind kind);
    // The command line's row for a file name's extension; null when none.
    static const Export* ForPath(const QString& path);
    // What the export dialog offers, in order.
    static std::vector<UserDialogs::FileKind> DialogKinds();
    // The extensions the command line writes, e.g. ".svg 図面, .png 画像, .obj, …".
    static QString CommandLineHelp();
    // The import dialog's filter: the models the reader knows, and all files.
    static QString ImportFilter();
};
