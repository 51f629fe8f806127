#include "world/world_slots.h"

#include "world/level_loader.h"
#include "world/object_streaming.h"

namespace world {

void installWorldSlots(engine::FrameSlots& slots) {
    slots.loadMap = loadLevelSlot;
    slots.objectStreaming = streamStep;
}

}  // namespace world
