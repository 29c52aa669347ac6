#include "LineIndex.h"

#include "SegmentSet.h"

#include <bit>

namespace {

constexpr size_t kMinCapacity = 16;

} // namespace

LineIndex::Key LineIndex::KeyOf(const CLine& l) {
    // +0.0F turns -0 into 0, which compares equal to it anyway.
    std::array<float, 3> a{l.FromX + 0.0F, l.FromY + 0.0F, l.FromZ + 0.0F};
    std::array<float, 3> b{l.ToX + 0.0F, l.ToY + 0.0F, l.ToZ + 0.0F};
    if (b < a) {
        std::swap(a, b);
    }
    return Key{{a[0], a[1], a[2], b[0], b[1], b[2]}};
}

size_t LineIndex::Slot(const Key& key, const Lines& lines) const {
    if (capacity_ == 0) {
        return 0;
    }
    const size_t hash = SegmentSet::Hash(key);
    const uint8_t full = FullByte(hash);
    const size_t mask = capacity_ - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint8_t state = states_[i];
        if (state == kEmpty) {
            return capacity_;
        }
        if (state == full && KeyOf(lines[places_[i]]) == key) {
            return i;
        }
    }
}

int32_t LineIndex::Find(const Key& key, const Lines& lines) const {
    const size_t slot = Slot(key, lines);
    return slot < capacity_ ? static_cast<int32_t>(places_[slot]) : -1;
}

bool LineIndex::Insert(const Key& key, uint32_t place, const Lines& lines) {
    if ((used_ + 1) * 2 > capacity_) {
        // Grow when full slots fill it; only clean out gone slots otherwise.
        Rebuild((size_ + 1) * 2 > capacity_ / 2 ? capacity_ * 2 : capacity_, lines);
    }
    const size_t hash = SegmentSet::Hash(key);
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
            if (state == full && KeyOf(lines[places_[i]]) == key) {
                return false;
            }
            continue;
        }
        const size_t target = firstGone < capacity_ ? firstGone : i;
        if (states_[target] == kEmpty) {
            ++used_;
        }
        places_[target] = place;
        states_[target] = full;
        ++size_;
        highest_ = std::max(highest_, place + 1);
        return true;
    }
}

bool LineIndex::Erase(const Key& key, const Lines& lines) {
    const size_t slot = Slot(key, lines);
    if (slot >= capacity_) {
        return false;
    }
    states_[slot] = kGone;
    --size_;
    return true;
}

void LineIndex::Shift(uint32_t from, int32_t delta) {
    if (from >= highest_) {
        return;
    }
    for (size_t i = 0; i < capacity_; ++i) {
        if ((states_[i] & 0x80U) != 0 && places_[i] >= from) {
            places_[i] = static_cast<uint32_t>(static_cast<int64_t>(places_[i]) + delta);
        }
    }
    highest_ = static_cast<uint32_t>(std::max<int64_t>(int64_t{highest_} + delta, from));
}

void LineIndex::Reserve(size_t n, const Lines& lines) {
    if (n * 2 > capacity_) {
        Rebuild(n * 2, lines);
    }
}

void LineIndex::Clear() {
    states_.clear();
    states_.shrink_to_fit();
    places_.reset();
    capacity_ = 0;
    size_ = 0;
    used_ = 0;
    highest_ = 0;
}

void LineIndex::Rebuild(size_t capacity, const Lines& lines) {
    capacity = std::bit_ceil(capacity < kMinCapacity ? kMinCapacity : capacity);
    std::vector<uint8_t> oldStates(capacity, kEmpty);
    oldStates.swap(states_);
    std::unique_ptr<uint32_t[]> oldPlaces = std::make_unique_for_overwrite<uint32_t[]>(capacity);
    oldPlaces.swap(places_);
    const size_t oldCapacity = capacity_;
    capacity_ = capacity;
    size_ = 0;
    used_ = 0;
    const size_t mask = capacity_ - 1;
    for (size_t j = 0; j < oldCapacity; ++j) {
        if ((oldStates[j] & 0x80U) == 0) {
            continue;
        }
        size_t i = SegmentSet::Hash(KeyOf(lines[oldPlaces[j]])) & mask;
        while (states_[i] != kEmpty) {
            i = (i + 1) & mask;
        }
        places_[i] = oldPlaces[j];
        states_[i] = oldStates[j];
        ++size_;
        ++used_;
    }
}
