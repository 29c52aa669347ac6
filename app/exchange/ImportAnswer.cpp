#include "ImportAnswer.h"

#include <QList>
#include <cmath>
#include <cstring>

QByteArray ImportAnswer::Header(const SegmentCollector& collector) {
    QByteArray out = "ZELK-SEGMENTS " + QByteArray::number(collector.Segments().size()) + ' ' +
                     QByteArray::number(collector.Duplicates()) + ' ' +
                     QByteArray::number(collector.ZeroLength()) + ' ' +
                     QByteArray::number(collector.NotFinite()) + '\n';
    out += "SKIPPED";
    for (const auto& [kind, count] : collector.Skipped()) {
        QByteArray name = QByteArray::fromStdString(kind);
        name.replace(' ', '_').replace('\n', '_').replace('=', '_');
        out += ' ' + name + '=' + QByteArray::number(count);
    }
    return out + '\n';
}

QByteArray ImportAnswer::SegmentBytes(const SegmentCollector& collector) {
    return QByteArray::fromRawData(
        reinterpret_cast<const char*>(collector.Segments().data()),
        static_cast<qsizetype>(collector.Segments().size() * sizeof(Segment)));
}

QByteArray ImportAnswer::Failure(const char* word, const QString& message) {
    return QByteArray("ZELK-ERROR ") + word + '\n' + message.toUtf8().replace('\n', ' ') + '\n';
}

namespace {

// A count of the header: a whole number from 0 up to the figure's limit of segments
// (counts of repeated or skipped things may be larger, not negative).
bool Count(const QByteArray& text, int& value, qint64 largest) {
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < 0 || v > largest) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

constexpr qint64 kLargestCount = 1'000'000'000;

} // namespace

ImportAnswer ImportAnswer::Decode(const QByteArray& answer) {
    ImportAnswer out;
    if (answer.size() > kLimit) {
        return out;
    }
    const qsizetype firstEnd = answer.indexOf('\n');
    if (firstEnd < 0) {
        return out;
    }
    if (answer.startsWith("ZELK-ERROR ")) {
        const qsizetype messageEnd = answer.indexOf('\n', firstEnd + 1);
        out.failure = answer.mid(11, firstEnd - 11).trimmed();
        out.message = QString::fromUtf8(
            answer.mid(firstEnd + 1, messageEnd < 0 ? -1 : messageEnd - firstEnd - 1).trimmed());
        out.kind = out.failure.isEmpty() ? Kind::Broken : Kind::Failure;
        return out;
    }
    const qsizetype secondEnd = answer.indexOf('\n', firstEnd + 1);
    if (!answer.startsWith("ZELK-SEGMENTS ") || secondEnd < 0 ||
        !answer.mid(firstEnd + 1).startsWith("SKIPPED")) {
        return out;
    }
    const QList<QByteArray> counts = answer.left(firstEnd).split(' ');
    int n = 0;
    if (counts.size() != 5 || !Count(counts[1], n, SegmentCollector::kLimit) ||
        !Count(counts[2], out.repeated, kLargestCount) ||
        !Count(counts[3], out.zeroLength, kLargestCount) ||
        !Count(counts[4], out.notFinite, kLargestCount)) {
        return out;
    }
    const QByteArray skipped = answer.mid(firstEnd + 1, secondEnd - firstEnd - 1);
    for (const QByteArray& item : skipped.split(' ').mid(1)) {
        const qsizetype eq = item.indexOf('=');
        int count = 0;
        if (eq <= 0 || !Count(item.mid(eq + 1), count, kLargestCount)) {
            return out;
        }
        out.skipped[QString::fromUtf8(item.left(eq)).replace(u'_', u' ')] += count;
    }
    const qsizetype bodySize = answer.size() - secondEnd - 1;
    if (bodySize != static_cast<qsizetype>(n) * static_cast<qsizetype>(sizeof(Segment))) {
        return out;
    }
    out.segments.resize(static_cast<size_t>(n));
    std::memcpy(out.segments.data(), answer.constData() + secondEnd + 1,
                static_cast<size_t>(bodySize));
    // The reader never sends a coordinate that is no number: such an answer is not its.
    for (const Segment& segment : out.segments) {
        for (const float v : segment) {
            if (!std::isfinite(v)) {
                out.segments.clear();
                return out;
            }
        }
    }
    out.kind = Kind::Segments;
    return out;
}
