#include "StlStream.h"

#include "SegmentCollector.h"

#include "SystemError.h"

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

bool IsBinary(QFile& file) {
    const qint64 size = file.size();
    if (size < 84) {
        return false;
    }
    file.seek(80);
    uint32_t count = 0;
    if (file.read(reinterpret_cast<char*>(&count), 4) != 4) {
        return false;
    }
    return size == 84 + 50LL * count;
}

bool ReadBinary(QFile& file, SegmentCollector& collector) {
    file.seek(84);
    // A batch of triangles at a time; each is 50 bytes: normal, three corners, attribute.
    std::vector<char> buffer(50 * 4096);
    for (;;) {
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got <= 0) {
            return true;
        }
        for (qint64 at = 0; at + 50 <= got; at += 50) {
            float v[9];
            std::memcpy(v, buffer.data() + at + 12, sizeof v);
            // The three edges of the triangle, each corner prepared once.
            const auto a = collector.Prepare(v[0], v[1], v[2]);
            const auto b = collector.Prepare(v[3], v[4], v[5]);
            const auto c = collector.Prepare(v[6], v[7], v[8]);
            if (!collector.Add(a, b) || !collector.Add(b, c) || !collector.Add(c, a)) {
                return true;
            }
        }
    }
}

bool ReadAscii(QFile& file, SegmentCollector& collector, QString& error) {
    file.seek(0);
    std::vector<std::array<double, 3>> loop;
    bool inLoop = false;
    int facets = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.startsWith("outer loop")) {
            inLoop = true;
            loop.clear();
        } else if (line.startsWith("vertex") && inLoop) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() != 4) {
                error = QCoreApplication::translate("StlStream", "STL の頂点が読めません：") +
                        QString::fromLatin1(line.left(60));
                return false;
            }
            std::array<double, 3> p{};
            for (int i = 0; i < 3; ++i) {
                bool ok = false;
                p[static_cast<size_t>(i)] = parts[i + 1].toDouble(&ok);
                if (!ok) {
                    error = QCoreApplication::translate("StlStream", "STL の頂点が読めません：") +
                            QString::fromLatin1(line.left(60));
                    return false;
                }
            }
            loop.push_back(p);
        } else if (line.startsWith("endloop")) {
            inLoop = false;
            ++facets;
            if (!collector.AddPolygon(loop, true)) {
                return true;
            }
        }
    }
    if (facets == 0) {
        error = QCoreApplication::translate("StlStream", "STL に面がありません。");
        return false;
    }
    return true;
}

} // namespace

bool StlStream::Recognises(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (IsBinary(file)) {
        return true;
    }
    file.seek(0);
    const QByteArray head = file.read(4096);
    return head.trimmed().startsWith("solid") && head.contains("facet");
}

bool StlStream::Read(const QString& path, SegmentCollector& collector, QString& error) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        error = errno != 0 ? SystemError::Reason(errno) : file.errorString();
        return false;
    }
    return IsBinary(file) ? ReadBinary(file, collector) : ReadAscii(file, collector, error);
}
