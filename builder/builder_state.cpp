#include "builder/builder_state.h"

#include <algorithm>

#include "builder/source_units.h"
#include "engine/field_table.h"

namespace builder {

namespace {

// A field declared in BuilderState beside its list would have no dump or key row.
constexpr std::size_t kListedFields = 0
#define RZ_COUNT(...) +1
#define FIELD RZ_COUNT
#define HIDDEN RZ_COUNT
#define TABLE RZ_COUNT
#define CONFIG RZ_COUNT
#define DERIVED(...)
#include "builder/builder_state_fields.h"
#undef RZ_COUNT
    ;
static_assert(engine::hasFieldCount<BuilderState, kListedFields>,
              "declare the fields of BuilderState in builder_state_fields.h");

}  // namespace

std::string_view rasterModeName(int rasterMode) {
    if (rasterMode < 0 || rasterMode >= static_cast<int>(kRasterModeNames.size())) return "";
    return kRasterModeNames[static_cast<std::size_t>(rasterMode)];
}

BuilderState startBuilderState(std::string_view workingDirectory) {
    BuilderState state;
    state.workingDirectory = std::string(workingDirectory);
    state.baseDirectory = state.workingDirectory + "\\";
    state.dnaFile = state.baseDirectory + "\\_DATA\\DNA.dll";
    state.startIni = state.baseDirectory + "\\_DATA\\ini.txt";
    return state;
}

std::int64_t elementCapacity(const BuilderState& state) {
    return std::max<std::int64_t>(std::int64_t{state.maxElements} + 1, 0);
}

void sizeElementTable(BuilderState& state) {
    state.elements.clear();
    state.elements.resize(
        static_cast<std::size_t>(std::min(elementCapacity(state), kEagerElementSlots)));
}

MapElement& elementSlot(BuilderState& state, std::int32_t index) {
    if (index >= 0 && index < elementCapacity(state) &&
        static_cast<std::size_t>(index) >= state.elements.size()) {
        state.elements.resize(static_cast<std::size_t>(index) + 1);
    }
    return builderAt(state.elements, index, BuilderUnit::BUILDERFUNDAMENT, __LINE__);
}

TileType* selectedTileType(BuilderState& state) {
    if (state.selectedTile < 0 ||
        static_cast<std::size_t>(state.selectedTile) >= state.tiles.size()) {
        return nullptr;
    }
    return &state.tiles[static_cast<std::size_t>(state.selectedTile)];
}

bool spriteExists(const Builder& builder, media::SpriteHandle sprite) {
    return sprite != 0 && builder.screen.spriteExists(sprite);
}

}  // namespace builder
