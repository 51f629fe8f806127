#include "world/world_slots.h"

#include "engine/frame_slots.h"
#include "world/level_loader.h"
#include "world/object_streaming.h"

namespace world {

void installWorldSlots() {
    engine::frameSlots.loadMap = loadLevelSlot;
    engine::frameSlots.objectStreaming = streamStep;
}

}  // namespace world
