#include "simulation/ai_reaction.h"

#include <array>

#include "engine/base/fault_guard.h"
#include "engine/world_object.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;

struct Reversal {
    std::int32_t from;
    float moveH;
    float moveV;
    std::int32_t to;
};

constexpr std::array<Reversal, 4> kReversals = {{
    {kDirectionDown, 0.0f, -1.0f, kDirectionUp},
    {kDirectionLeft, 1.0f, 0.0f, kDirectionRight},
    {kDirectionRight, -1.0f, 0.0f, kDirectionLeft},
    {kDirectionUp, 0.0f, 1.0f, kDirectionDown},
}};

}  // namespace

void aiReaction(std::int32_t self) {
    if (CHECKED_AT(worldObjects, self).worldFTileAILevel == 1) return;
    turnAround(self);
}

void turnAround(std::int32_t index) {
    WorldObject& object = CHECKED_AT(worldObjects, index);
    if (object.movesBothWays != 1) return;
    for (const Reversal& reversal : kReversals) {
        if (object.animDirection != reversal.from) continue;
        object.worldFTileMoveH = reversal.moveH;
        object.worldFTileMoveV = reversal.moveV;
        object.animDirection = reversal.to;
        return;
    }
}

}  // namespace simulation
