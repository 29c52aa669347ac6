#pragma once

#include <cstddef>

// True when each row of a command table sits at the place of its id, so that running an
// id is a plain index; checked where each table is compiled.
template <typename Table> constexpr bool RowsInIdOrder(const Table& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].id) != i) {
            return false;
        }
    }
    return true;
}
