// The .zlk reader on any bytes: it never crashes or hangs, and what it read survives a
// save and a second load unchanged.
#include "CZelkData.h"
#include "ModelNotice.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

void Write(const QString& path, const uint8_t* data, size_t size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::abort();
    }
}

// The comment field keeps only what an unquoted field can hold on its way back.
bool CommentSurvivesAsIs(const QString& comment) {
    return !comment.contains(u',') && !comment.startsWith(u'"') && !comment.startsWith(u' ') &&
           !comment.startsWith(u'\t');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ModelNotice::SetHandler([](const QString&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString in = Folder().filePath(QStringLiteral("in.zlk"));
    const QString out = Folder().filePath(QStringLiteral("out.zlk"));
    Write(in, data, size);
    CZelkData first;
    if (!first.LoadData(in)) {
        return 0;
    }
    if (!first.SaveData(out)) {
        std::fprintf(stderr, "a loaded figure could not be saved\n");
        std::abort();
    }
    CZelkData second;
    if (!second.LoadData(out) || second.NumberOfLines() != first.NumberOfLines()) {
        std::fprintf(stderr, "the saved figure did not load back whole\n");
        std::abort();
    }
    for (int32_t i = 1; i <= first.NumberOfLines(); ++i) {
        if (first.GetLine(i) != second.GetLine(i)) {
            std::fprintf(stderr, "line %d changed on the round trip\n", i);
            std::abort();
        }
    }
    if (first.GetMaxSize() != second.GetMaxSize() ||
        (CommentSurvivesAsIs(first.Comment()) && first.Comment() != second.Comment())) {
        std::fprintf(stderr, "size or comment changed on the round trip\n");
        std::abort();
    }
    return 0;
}
