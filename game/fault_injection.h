// A test aid of headless runs (--inject-fault N:COUNT[:KIND]): the per-object steps of the
// world update raise faults (or throw what KIND names) in turn N, one per step, until COUNT
// are raised, so tests can watch the fault guard, the fault report and errorDetected from
// outside the program.
#pragma once

#include "engine/frame_slots.h"
#include "engine/media/headless/harness.h"

namespace game {

// Wraps the object update, timer and streaming slots; the wrapped steps run as before in
// every other turn and after the faults are spent.
void installFaultInjection(engine::FrameSlots& slots, const media::FaultInjection& what);

}  // namespace game
