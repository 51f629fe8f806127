// Animation containers: a directory below ANIMSYSTEM named by the DNA key animContainer,
// holding one subdirectory per direction ("LEFT", "RIGHT", "UP", "DOWN", "DEFAULT") with
// the frames "1", "2", ... plus the picture extension, without gaps. A set ends at its
// first missing frame.
//
// Applying the DNA measures the still picture (zoomX / zoomY: the map size over the picture
// size); the streaming loads the five sets the first time the object comes into view; the
// level unload frees them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/world_object.h"

namespace world {

// MAXANIMFRAMES as a frame count: the sets hold frames 1 to 31.
std::int32_t cappedFrameCount(std::int32_t configured);

// ANIMSYSTEM + container: the directory that must exist for an object to be animated.
std::string animationContainerDirectory(std::string_view container);

// ANIMSYSTEM + container + "\" + direction + "\" + decimal frame + picture extension.
std::string animationFramePath(std::string_view container, std::string_view direction,
                               std::int32_t frame);

// A frame's drawn size: picture size x screen factor x zoom, rounded to whole pixels.
std::int32_t frameExtent(float pictureSize, float scaler, float zoom);

// Measures object i's still picture (picturePath): pictureWidth/Height and the zoom
// factors width / pictureWidth and height / pictureHeight. Only for an animated object; a
// picture that cannot be loaded leaves everything as it was.
void measurePicture(std::int32_t i);

// Loads frames 1 to animFrameCount of one direction set of object i.
void loadDirectionSet(std::int32_t i, const AnimationDirection& direction);

// The five sets in the order LEFT, RIGHT, UP, DOWN, DEFAULT.
void loadDirectionSets(std::int32_t i);

// Frees frames 1 to animFrameCount of every set of the object.
void freeAnimationFrames(std::int32_t i);

}  // namespace world
