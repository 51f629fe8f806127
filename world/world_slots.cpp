#include "world/world_slots.h"

#include "world/level_loader.h"
#include "world/object_streaming.h"
#include "world/world_input.h"

namespace world {

void installWorldSlots(engine::FrameSlots& slots) {
    slots.loadMap = loadLevelSlot;
    slots.objectStreaming = streamStep;
    slots.worldInput = worldInput;
    slots.releaseLevel = releaseLevel;
}

}  // namespace world
