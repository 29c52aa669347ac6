#pragma once

#include "CLine.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Where each of a figure's segments stands in its list, found by the segment's key (its
// two end points in a fixed order): the duplicate check of every added line and the
// search for a line by its points. A slot holds only the line's place (four bytes) and
// compares through the list itself, so that the index of 32767 segments takes a fifth
// of the memory a copy of their keys would (new memory is slow on a fresh process).
// The caller keeps it in step with the list: each call is given the list as it stands.
class LineIndex {
public:
    using Key = std::array<float, 6>;
    using Lines = std::vector<CLine>;

    static Key KeyOf(const CLine& line);

    // The place of the line with this key; -1 for none.
    int32_t Find(const Key& key, const Lines& lines) const;
    // Records that the line with key stands at place (lines from place on need not be
    // there yet); false, recording nothing, when another line has that key.
    bool Insert(const Key& key, uint32_t place, const Lines& lines);
    // Forgets the line with this key (still in lines); false when there is none.
    bool Erase(const Key& key, const Lines& lines);
    // Lines at from and after moved by delta places (one was put in or taken out).
    void Shift(uint32_t from, int32_t delta);
    // Room for n lines without growing.
    void Reserve(size_t n, const Lines& lines);
    void Clear();
    size_t Size() const { return size_; }

private:
    static constexpr uint8_t kEmpty = 0;
    static constexpr uint8_t kGone = 1;
    static uint8_t FullByte(size_t hash) {
        return static_cast<uint8_t>(0x80U | (hash >> (sizeof(size_t) * 8 - 7)));
    }
    size_t Slot(const Key& key, const Lines& lines) const;
    void Rebuild(size_t capacity, const Lines& lines);

    std::vector<uint8_t> states_; // empty, gone, or full with seven bits of the hash
    std::unique_ptr<uint32_t[]> places_;
    size_t capacity_ = 0;
    size_t size_ = 0;
    size_t used_ = 0;      // full and gone slots
    uint32_t highest_ = 0; // above every place held: a shift from beyond it does nothing
};
