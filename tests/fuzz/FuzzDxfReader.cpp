// The DXF reader on any bytes: it never crashes or hangs, and what it gives a figure is
// within the figure's limit, finite, of some length and never the same segment twice.
#include "DxfReader.h"
#include "SegmentCollector.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString in = Folder().filePath(QStringLiteral("in.dxf"));
    {
        QFile f(in);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            Fail("the input could not be written");
        }
    }
    SegmentCollector collector({});
    QString error;
    if (!DxfReader::Read(in, collector, error)) {
        return 0;
    }
    const auto& segments = collector.Segments();
    if (segments.size() > static_cast<size_t>(SegmentCollector::kLimit)) {
        Fail("more segments than a figure holds");
    }
    std::set<SegmentCollector::Segment> seen;
    for (const auto& s : segments) {
        for (const float v : s) {
            if (!std::isfinite(v)) {
                Fail("a coordinate that is no number");
            }
        }
        if (s[0] == s[3] && s[1] == s[4] && s[2] == s[5]) {
            Fail("a segment of no length");
        }
        const SegmentCollector::Segment reverse{s[3], s[4], s[5], s[0], s[1], s[2]};
        if (!seen.insert(s).second || seen.count(reverse) != 0) {
            Fail("a segment given twice");
        }
    }
    return 0;
}
