#include "SegmentSet.h"

#include <bit>
#include <cstring>

namespace {

// The table stays at most half used (gone slots count), so that probes stay short.
constexpr size_t kMinCapacity = 16;

} // namespace

size_t SegmentSet::Hash(const Key& key) {
    uint64_t h = 1469598103934665603ULL;
    for (const float f : key) {
        uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        h = (h ^ bits) * 1099511628211ULL;
    }
    return static_cast<size_t>(h ^ (h >> 29));
}

size_t SegmentSet::Find(const Key& key) const {
    if (slots_.empty()) {
        return 0;
    }
    const size_t mask = slots_.size() - 1;
    for (size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.state == State::Empty) {
            return slots_.size();
        }
        if (slot.state == State::Full && slot.key == key) {
            return i;
        }
    }
}

bool SegmentSet::Contains(const Key& key) const {
    return Find(key) < slots_.size();
}

bool SegmentSet::Insert(const Key& key) {
    if ((used_ + 1) * 2 > slots_.size()) {
        // Grow when full slots fill it; only clean out gone slots otherwise.
        Rebuild((size_ + 1) * 2 > slots_.size() / 2 ? slots_.size() * 2 : slots_.size());
    }
    const size_t mask = slots_.size() - 1;
    size_t firstGone = slots_.size();
    for (size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.state == State::Full) {
            if (slot.key == key) {
                return false;
            }
            continue;
        }
        if (slot.state == State::Gone) {
            if (firstGone == slots_.size()) {
                firstGone = i;
            }
            continue;
        }
        // Empty: the key is nowhere; it goes into the first free slot met.
        Slot& target = firstGone < slots_.size() ? slots_[firstGone] : slot;
        if (target.state == State::Empty) {
            ++used_;
        }
        target.key = key;
        target.state = State::Full;
        ++size_;
        return true;
    }
}

bool SegmentSet::Erase(const Key& key) {
    const size_t i = Find(key);
    if (i >= slots_.size()) {
        return false;
    }
    slots_[i].state = State::Gone;
    --size_;
    return true;
}

void SegmentSet::Reserve(size_t n) {
    if (n * 2 > slots_.size()) {
        Rebuild(n * 2);
    }
}

void SegmentSet::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    size_ = 0;
    used_ = 0;
}

void SegmentSet::Rebuild(size_t capacity) {
    capacity = std::bit_ceil(capacity < kMinCapacity ? kMinCapacity : capacity);
    std::vector<Slot> old(capacity, Slot{Key{}, State::Empty});
    old.swap(slots_);
    size_ = 0;
    used_ = 0;
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.state != State::Full) {
            continue;
        }
        size_t i = Hash(slot.key) & mask;
        while (slots_[i].state != State::Empty) {
            i = (i + 1) & mask;
        }
        slots_[i] = slot;
        ++size_;
        ++used_;
    }
}
