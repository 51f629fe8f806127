#include "simulation/simulation_slots.h"

#include "simulation/after_draw.h"
#include "simulation/mirror_surfaces.h"
#include "simulation/movement.h"
#include "simulation/object_draw.h"
#include "simulation/object_update.h"
#include "world/level_loader.h"

namespace simulation {

void installSimulationSlots(engine::FrameSlots& slots) {
    slots.viewFollow = scrollAroundPlayer;  // runs only with DYNAMICSCROLL
    slots.objectUpdate = updateObject;
    slots.objectTimer = lifeTimeStep;
    slots.objectDraw = drawObject;
    slots.afterDraw = afterDrawStep;
    slots.drawMirrors = drawMirrors;
    world::setMirrorSpriteRelease(releaseMirrorSprites);
}

}  // namespace simulation
