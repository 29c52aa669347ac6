#include "SegmentCollector.h"

#include "NumberText.h"
#include "SegmentSet.h"

#include <algorithm>
#include <cmath>
#include <limits>

SegmentCollector::SegmentCollector(Options options) : options_(options) {}

std::optional<SegmentCollector::Point> SegmentCollector::Prepare(double x, double y,
                                                                 double z) const {
    if (options_.zUp) {
        // Z up becomes the figure's Y up; the model's Y points away from the viewer.
        const double up = z;
        z = -y;
        y = up;
    }
    Point p{};
    const double v[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        const double scaled = v[i] * options_.scale;
        if (!std::isfinite(scaled) || std::fabs(scaled) > std::numeric_limits<float>::max()) {
            return std::nullopt;
        }
        // +0.0F: a negative zero is the same coordinate as zero.
        p[static_cast<size_t>(i)] = NumberText::Canonical(static_cast<float>(scaled)) + 0.0F;
    }
    return p;
}

bool SegmentCollector::Add(double x1, double y1, double z1, double x2, double y2, double z2) {
    return Add(Prepare(x1, y1, z1), Prepare(x2, y2, z2));
}

bool SegmentCollector::Add(const std::optional<Point>& a, const std::optional<Point>& b) {
    if (overflowed_) {
        return false;
    }
    if (!a || !b) {
        ++notFinite_;
        return true;
    }
    if (*a == *b) {
        ++zeroLength_;
        return true;
    }
    // The same segment either way round has one key: its ends in a fixed order.
    const bool ordered = *a < *b;
    const Point& first = ordered ? *a : *b;
    const Point& second = ordered ? *b : *a;
    const Segment key{first[0], first[1], first[2], second[0], second[1], second[2]};
    if (!seen_.Insert(key)) {
        ++duplicates_;
        return true;
    }
    if (static_cast<int>(segments_.size()) >= kLimit) {
        overflowed_ = true;
        return false;
    }
    segments_.push_back({(*a)[0], (*a)[1], (*a)[2], (*b)[0], (*b)[1], (*b)[2]});
    return true;
}

void SegmentCollector::Expect(size_t more) {
    const size_t limit = static_cast<size_t>(kLimit) + 1;
    const size_t total = std::min(seen_.Size() + std::min(more, limit), limit);
    seen_.Reserve(total);
    segments_.reserve(std::min(segments_.size() + more, static_cast<size_t>(kLimit)));
}

bool SegmentCollector::AddPolygon(const std::vector<std::array<double, 3>>& corners, bool closed) {
    const size_t n = corners.size();
    if (n < 2) {
        return true;
    }
    const size_t edges = closed && n > 2 ? n : n - 1;
    for (size_t i = 0; i < edges; ++i) {
        const auto& a = corners[i];
        const auto& b = corners[(i + 1) % n];
        if (!Add(a[0], a[1], a[2], b[0], b[1], b[2])) {
            return false;
        }
    }
    return true;
}
