#pragma once

#include "SegmentSet.h"

#include <QString>
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Gathers the segments of a model as a figure will keep them: scaled to millimetres,
// turned from "Z is up" to the figure's "Y is up" when asked, each coordinate as the
// figure file writes it. Zero-length, non-finite and repeated segments (either way
// round) are counted and dropped; the moment one more distinct segment arrives than a
// figure can hold, Add says stop, so that no reader ever holds more than the limit.
class SegmentCollector {
public:
    using Segment = std::array<float, 6>;
    static constexpr int kLimit = 32767;

    struct Options {
        double scale = 1.0;
        bool zUp = false;
    };

    using Point = std::array<float, 3>;

    explicit SegmentCollector(Options options);

    // False once the figure's limit was passed: reading can stop.
    bool Add(double x1, double y1, double z1, double x2, double y2, double z2);
    // A corner as the figure will keep it (scaled, turned, as the file writes it); nothing
    // when it lies beyond what a coordinate can hold. Readers whose corners are shared by
    // several edges prepare each corner once.
    std::optional<Point> Prepare(double x, double y, double z) const;
    // The edge between two prepared corners (nothing: counted as not finite).
    bool Add(const std::optional<Point>& a, const std::optional<Point>& b);
    // Room for this many more segments without growing: a reader that knows how many
    // may come (a block about to be inserted) says so. Never more than the limit.
    void Expect(size_t more);
    // A thing of the model that gives no segment (e.g. "TEXT" of a drawing).
    void Skip(const std::string& kind) { ++skipped_[kind]; }
    // Edges of polygons: each pair of neighbouring corners, closing back to the first.
    bool AddPolygon(const std::vector<std::array<double, 3>>& corners, bool closed);

    bool Overflowed() const { return overflowed_; }
    const std::vector<Segment>& Segments() const { return segments_; }
    int Duplicates() const { return duplicates_; }
    int ZeroLength() const { return zeroLength_; }
    int NotFinite() const { return notFinite_; }
    const std::map<std::string, int>& Skipped() const { return skipped_; }

private:
    Options options_;
    std::vector<Segment> segments_;
    // The keys met: a segment's two ends in a fixed order.
    SegmentSet seen_;
    int duplicates_ = 0;
    int zeroLength_ = 0;
    int notFinite_ = 0;
    bool overflowed_ = false;
    std::map<std::string, int> skipped_;
};
