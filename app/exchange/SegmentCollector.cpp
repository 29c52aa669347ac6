#include "SegmentCollector.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

size_t SegmentCollector::KeyHash::operator()(const Segment& key) const {
    uint64_t h = 1469598103934665603ULL;
    for (const float f : key) {
        uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        h = (h ^ bits) * 1099511628211ULL;
    }
    return static_cast<size_t>(h ^ (h >> 29));
}

bool SegmentCollector::Add(double x1, double y1, double z1, double x2, double y2, double z2) {
    if (overflowed_) {
        return false;
    }
    double v[6] = {x1, y1, z1, x2, y2, z2};
    if (options_.zUp) {
        // Z up becomes the figure's Y up; the model's Y points away from the viewer.
        for (int end = 0; end < 2; ++end) {
            const double y = v[end * 3 + 1];
            v[end * 3 + 1] = v[end * 3 + 2];
            v[end * 3 + 2] = -y;
        }
    }
    Segment s{};
    for (int i = 0; i < 6; ++i) {
        const double scaled = v[i] * options_.scale;
        if (!std::isfinite(scaled) || std::fabs(scaled) > std::numeric_limits<float>::max()) {
            ++notFinite_;
            return true;
        }
        // +0.0F: a negative zero is the same coordinate as zero.
        s[static_cast<size_t>(i)] = NumberText::Canonical(static_cast<float>(scaled)) + 0.0F;
    }
    if (s[0] == s[3] && s[1] == s[4] && s[2] == s[5]) {
        ++zeroLength_;
        return true;
    }
    // The same segment either way round has one key: its ends in a fixed order.
    Segment key = s;
    if (std::lexicographical_compare(key.begin() + 3, key.end(), key.begin(), key.begin() + 3)) {
        std::rotate(key.begin(), key.begin() + 3, key.end());
    }
    if (seen_.contains(key)) {
        ++duplicates_;
        return true;
    }
    if (static_cast<int>(segments_.size()) >= kLimit) {
        overflowed_ = true;
        return false;
    }
    seen_.insert(key);
    segments_.push_back(s);
    return true;
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
