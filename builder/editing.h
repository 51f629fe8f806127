// Editing the work map with the mouse: the build cursor and its raster, resizing the
// selected tile type with the wheel, placing and deleting elements, scrolling.
#pragma once

#include <cstdint>

#include "builder/builder_state.h"

namespace builder {

// Moves the build cursor for a pointer at windowX, windowY inside the window that got the
// event: in raster mode 2 one raster step per axis in the direction the mouse moved since
// the last examination (staying inside the desktop), otherwise to the pointer.
void moveBuildCursor(Builder& builder, int windowX, int windowY);

// Grows or shrinks the selected tile type by the wheel movement, keeping its proportions.
void resizeSelectedTile(Builder& builder, int wheelDelta);

// Places the selected tile type at the build cursor on the actual layer; false when the
// table is full or the type has no sprite.
bool placeElement(Builder& builder);

// Deletes the newest alive element of the actual layer under the build cursor (borders
// included); false when there is none.
bool deleteElement(Builder& builder);

// Moves every element whose stretch value is 0 by dx, dy and adds to the map scroll (which
// wraps as a 32-bit number).
void scrollMap(Builder& builder, std::int64_t dx, std::int64_t dy);

// An event of the main window: examine the mouse, move the cursor, resize, place or
// delete (one action per button press), draw the frame.
void handleMainWindowMouse(Builder& builder, int windowX, int windowY);

}  // namespace builder
