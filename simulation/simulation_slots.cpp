#include "simulation/simulation_slots.h"

#include "simulation/after_draw.h"
#include "simulation/movement.h"
#include "simulation/object_draw.h"
#include "simulation/object_update.h"

namespace simulation {

void installSimulationSlots(engine::FrameSlots& slots) {
    slots.viewFollow = scrollAroundPlayer;  // runs only with DYNAMICSCROLL
    slots.objectUpdate = updateObject;
    slots.objectTimer = lifeTimeStep;
    slots.objectDraw = drawObject;
    slots.afterDraw = afterDrawStep;
}

}  // namespace simulation
