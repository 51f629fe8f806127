#include "simulation/touch_table.h"

#include <algorithm>

#include "engine/base/fault_guard.h"
#include "engine/world_object.h"

namespace simulation {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;
}  // namespace

void runTouchTable(const TouchTable& table, std::int32_t self, std::int32_t other) {
    if (table.before != nullptr) table.before(self, other);
    const std::string_view name = CHECKED_AT(worldObjects, other).worldFTileIDString;
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [name](const TouchRow& entry) { return entry.other == name; });
    const TouchEffect effect = row != table.rows.end() ? row->effect : table.otherwise;
    if (effect != nullptr) effect(self, other);
    const bool skipsAfterwards = row != table.rows.end() && row->skipsAfterwards;
    if (table.after != nullptr && !skipsAfterwards) table.after(self, other);
}

}  // namespace simulation
