#pragma once

#include "SegmentCollector.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

// The reader's answer to the editor on its standard output, written by the reader and
// read by the editor through this one codec. A model read:
//   "ZELK-SEGMENTS <n> <repeated> <zero length> <not finite>\n"
//   "SKIPPED <kind>=<count> …\n" (blanks in a kind as "_")
// then n segments of six floats as the machine keeps them; a failure:
//   "ZELK-ERROR <word>\n<message for the user>\n".
class ImportAnswer {
public:
    using Segment = SegmentCollector::Segment;
    // An answer longer than the header lines and the figure's limit of segments is no
    // answer: the reader is stopped there.
    static constexpr qsizetype kLimit =
        4096 + static_cast<qsizetype>(SegmentCollector::kLimit) * sizeof(Segment);

    enum class Kind { Segments, Failure, Broken };

    Kind kind = Kind::Broken;
    // Kind::Segments.
    std::vector<Segment> segments;
    int repeated = 0;
    int zeroLength = 0;
    int notFinite = 0;
    std::map<QString, int> skipped;
    // Kind::Failure: the word that names it ("memory", "nested", …) and the message.
    QByteArray failure;
    QString message;

    // The header lines for what a collector gathered; its segments follow as bytes.
    static QByteArray Header(const SegmentCollector& collector);
    static QByteArray SegmentBytes(const SegmentCollector& collector);
    static QByteArray Failure(const char* word, const QString& message);

    // Reads an answer whole; Kind::Broken for anything short, long or malformed.
    static ImportAnswer Decode(const QByteArray& answer);
};
