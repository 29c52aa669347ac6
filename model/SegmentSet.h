#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The set of a figure's segments as keys (their two end points in a fixed order), for
// refusing duplicates. Flat, with open addressing: a load of 32767 segments inserts
// into one block of memory reserved from the file's count, and goes away in one piece.
// A byte a slot says whether it is empty, gone or full, with seven bits of a full key's
// hash: probes walk those bytes and compare a key only where its bits match, and the
// keys' block is not even written before use.
class SegmentSet {
public:
    using Key = std::array<float, 6>;

    bool Contains(const Key& key) const;
    // False when the key was there already.
    bool Insert(const Key& key);
    // False when the key was not there.
    bool Erase(const Key& key);
    // Room for n keys without growing.
    void Reserve(size_t n);
    void Clear();
    size_t Size() const { return size_; }
    // The hash of a key (FNV-1a over the six floats' bits).
    static size_t Hash(const Key& key);

private:
    static constexpr uint8_t kEmpty = 0;
    static constexpr uint8_t kGone = 1;
    // A full slot's byte: the top bit and the hash's top seven bits.
    static uint8_t FullByte(size_t hash) {
        return static_cast<uint8_t>(0x80U | (hash >> (sizeof(size_t) * 8 - 7)));
    }
    // The slot holding key, or capacity_ for none.
    size_t Find(const Key& key) const;
    void Rebuild(size_t capacity);

    std::vector<uint8_t> states_;
    std::unique_ptr<Key[]> keys_; // written where the state is full
    size_t capacity_ = 0;
    size_t size_ = 0; // full slots
    size_t used_ = 0; // full and gone slots: what the probes walk over
};
