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
    if (capacity_ == 0) {
        return 0;
    }
    const size_t hash = Hash(key);
    const uint8_t full = FullByte(hash);
    const size_t mask = capacity_ - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint8_t state = states_[i];
        if (state == kEmpty) {
            return capacity_;
        }
        if (state == full && keys_[i] == key) {
            return i;
        }
    }
}

bool SegmentSet::Contains(const Key& key) const {
    return Find(key) < capacity_;
}

bool SegmentSet::Insert(const Key& key) {
    if ((used_ + 1) * 2 > capacity_) {
        // Grow when full slots fill it; only clean out gone slots otherwise.
        Rebuild((size_ + 1) * 2 > capacity_ / 2 ? capacity_ * 2 : capacity_);
    }
    const size_t hash = Hash(key);
    const uint8_t full = FullByte(hash);
    const size_t mask = capacity_ - 1;
    size_t firstGone = capacity_;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint8_t state = states_[i];
        if (state == kGone) {
            if (firstGone == capacity_) {
                firstGone = i;
            }
            continue;
        }
        if (state != kEmpty) {
            if (state == full && keys_[i] == key) {
                return false;
            }
            continue;
        }
        // Empty: the key is nowhere; it goes into the first free slot met.
        const size_t target = firstGone < capacity_ ? firstGone : i;
        if (states_[target] == kEmpty) {
            ++used_;
        }
        keys_[target] = key;
        states_[target] = full;
        ++size_;
        return true;
    }
}

bool SegmentSet::Erase(const Key& key) {
    const size_t i = Find(key);
    if (i >= capacity_) {
        return false;
    }
    states_[i] = kGone;
    --size_;
    return true;
}

void SegmentSet::Reserve(size_t n) {
    if (n * 2 > capacity_) {
        Rebuild(n * 2);
    }
}

void SegmentSet::Clear() {
    states_.clear();
    states_.shrink_to_fit();
    keys_.reset();
    capacity_ = 0;
    size_ = 0;
    used_ = 0;
}

void SegmentSet::Rebuild(size_t capacity) {
    capacity = std::bit_ceil(capacity < kMinCapacity ? kMinCapacity : capacity);
    std::vector<uint8_t> oldStates(capacity, kEmpty);
    oldStates.swap(states_);
    std::unique_ptr<Key[]> oldKeys = std::make_unique_for_overwrite<Key[]>(capacity);
    oldKeys.swap(keys_);
    const size_t oldCapacity = capacity_;
    capacity_ = capacity;
    size_ = 0;
    used_ = 0;
    const size_t mask = capacity_ - 1;
    for (size_t j = 0; j < oldCapacity; ++j) {
        if ((oldStates[j] & 0x80U) == 0) {
            continue;
        }
        size_t i = Hash(oldKeys[j]) & mask;
        while (states_[i] != kEmpty) {
            i = (i + 1) & mask;
        }
        keys_[i] = oldKeys[j];
        states_[i] = oldStates[j];
        ++size_;
        ++used_;
    }
}
