// The frame cycle: frameCycle counts active frames 0..TIMERBASE and wraps to 0; every
// wrap to 0 counts one completed cycle in cycleTicks. The simulation reads frameCycle for
// periodic actions.
#pragma once

namespace engine {

// One step of the frame cycle in direction +1 (the frame's step) or -1.
void stepFrameCycle(int direction);

}  // namespace engine
