// The shape of a touch handler: a table of rows keyed by the other object's type name
// (the first row with the name wins; several rows may share an effect), a default row for
// every other name, and the steps before and after. The tables are constant data; one
// runner walks them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace simulation {

using TouchEffect = void (*)(std::int32_t self, std::int32_t other);

struct TouchRow {
    std::string_view other;
    TouchEffect effect;
    bool skipsAfterwards = false;  // the row leaves out the table's closing step
};

struct TouchTable {
    std::span<const TouchRow> rows;
    TouchEffect otherwise;         // any name not in rows; nullptr: nothing
    TouchEffect before = nullptr;  // runs first, whatever the other is
    TouchEffect after = nullptr;   // runs last, unless the row skips it
};

// Runs table for self touching other.
void runTouchTable(const TouchTable& table, std::int32_t self, std::int32_t other);

// A touch handler made from a table with static storage.
template <const TouchTable& table>
void tableHandler(std::int32_t self, std::int32_t other) {
    runTouchTable(table, self, other);
}

}  // namespace simulation
