#include "builder/builder_state.h"

#include <algorithm>

#include "builder/source_units.h"

namespace builder {

namespace {

// The record as the list alone declares it: a field declared in BuilderState outside the
// list (which would have no dump or key row) makes the sizes differ.
struct StateFromList {
#define RZ_DECLARE(type, name, start, ...) type name = start;
#define FIELD RZ_DECLARE
#define HIDDEN RZ_DECLARE
#define TABLE RZ_DECLARE
#define CONFIG RZ_DECLARE
#define DERIVED(...)
#include "builder/builder_state_fields.h"
#undef RZ_DECLARE
};
static_assert(sizeof(BuilderState) == sizeof(StateFromList),
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
