#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The set of a figure's segments as keys (their two end points in a fixed order), for
// refusing duplicates. Flat, with open addressing: a load of 32767 segments inserts
// into one block of memory reserved from the file's count, and goes away in one piece.
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
    // The hash of a key (FNV-1a over the six floats' bits), shared by other flat tables.
    static size_t Hash(const Key& key);

private:
    enum class State : uint8_t { Empty, Full, Gone };
    struct Slot {
        Key key;
        State state;
    };
    // The slot holding key, or slots_.size() for none.
    size_t Find(const Key& key) const;
    void Rebuild(size_t capacity);

    std::vector<Slot> slots_;
    size_t size_ = 0; // full slots
    size_t used_ = 0; // full and gone slots: what the probes walk over
};
