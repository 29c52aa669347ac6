#pragma once

#include <QString>
#include <cstdio>

// The exchange commands of the command line, run without a window:
//   zelk --export OUT IN.zlk   (format from OUT's extension: .svg .png .obj .dxf .gif)
//   zelk --import IN OUT.zlk [--scale N] [--to-origin] [--z-up]   (any model the import
//   reads; OUT must be named and must not be IN itself)
// Each returns the exit code: 0 when the file was written, 1 with a message on err.
class CommandLineExchange {
public:
    static int Export(const QString& out, const QString& in, std::FILE* err);
    static int Import(const QString& in, const QString& out, double scale, bool toOrigin, bool zUp,
                      std::FILE* report, std::FILE* err);
};
