// Object streaming: an object gets its drawable sprite, its sound and (when animated) its
// frames when it is on screen, and a still object gives its 3D sprite back when it has been
// off screen for longer than its area (width x height) read as milliseconds, so large
// backgrounds stay while the view moves back and forth. The main loop runs streamStep once
// per object per frame, after the object's update set onScreen.
//
// Pictures are never decoded here: a still object's 3D sprite is made from the shared picture
// in the picture cache. Animated objects load their frames once and keep them until the
// level is unloaded. An object with noStream gets nothing from here.
//
// The stream indicator (engineSettings.streamIndicator) is 1 after the last stream-in of a
// still object and 0 after the last stream-out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace world {

inline constexpr std::string_view kSoundWarningStart = "SoundFile ";
inline constexpr std::string_view kSoundWarningMiddle = " not found\nObject: ";

void streamStep(std::int32_t i);

// Only for an object that is not switched off and has no sprite yet: a 3D sprite from the
// cached picture of its tile name, zoomed to its size; then its sound.
void streamInStillPicture(std::int32_t i);

// Only once per level (framesResident 0): the five direction sets, then the sound.
void streamInAnimation(std::int32_t i);

// A still object off screen for longer than its area in ms loses its 3D sprite; its sound
// stays loaded.
void streamOut(std::int32_t i);

// The same as streamOut, for an object that is not noStream; the object update calls it
// after freeing the object's sound.
void releaseStillPicture(std::int32_t i);

// SOUNDPATH + worldFTileSoundFile + sound extension into objectSound, at the volume
// worldFTileSoundVolume. A sound still loaded from an earlier stream-in is used again, so
// an object never holds two. A sound that cannot be loaded writes the warning
// "SoundFile <file> not found\nObject: <picturePath>".
void loadObjectSound(std::int32_t i);

// Stops and frees the object's sound.
void freeObjectSound(std::int32_t i);

// The warning text for a missing object sound.
std::string missingSoundWarning(std::string_view soundFile, std::string_view picturePath);

// Whether the millisecond tick now lies more than area ms after lastSeenTick. The tick wraps
// after 49 days; the difference is taken in the tick's own 32-bit arithmetic, so the wrap
// does not make every object look long gone.
bool offScreenLongEnough(std::uint32_t now, std::int32_t lastSeenTick, std::int32_t area);

}  // namespace world
