// The media services: everything the engine asks of the machine, as free functions over one
// process-wide instance. initServices() hands them a Platform (the SDL window or the headless
// back end); drawing goes to one software Compositor, input is folded into one InputState.
//
// Failures are results: an operation that cannot be done returns 0, false or an invalid
// handle and never throws. Before initServices() (or after shutdownServices()) every
// operation is safe and simply reports failure.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/image.h"
#include "engine/media/input_events.h"
#include "engine/media/platform.h"

namespace media {

// ---- Life cycle -------------------------------------------------------------------------

// Takes the platform and starts the services; the random generator is seeded with seed.
void initServices(std::unique_ptr<Platform> platform, std::uint64_t seed = 0);
// Frees every picture, sprite and sound, closes audio and shuts the platform down.
void shutdownServices();
bool servicesRunning();

// Pictures, sprites and sounds loaded and not yet freed. A program that frees what it loads
// ends with all three at 0 before it shuts the services down.
struct LiveHandles {
    int pictures = 0;
    int sprites = 0;
    int sounds = 0;
    bool operator==(const LiveHandles&) const = default;
};
LiveHandles liveHandleCounts();

// The parts below the façade, for the harness and tests. platform() is nullptr when the
// services are not running.
Platform* platform();
Compositor& compositor();
InputState& inputState();

// Device start-up, in the order the engine initialises them. The software compositor always
// starts; sound reports whether an audio device opened (without one the game runs silent);
// keyboard and mouse always work; joystick reports whether one is present.
bool init2DSprites();
bool init3DSprites();
bool initSound();
bool initKeyboard();
bool initMouse();
bool initJoystick();

// ---- Desktop and window -----------------------------------------------------------------

int desktopCount();
// Sizes of desktop n (0 for a desktop that does not exist).
int desktopWidth(int n);
int desktopHeight(int n);
int desktopDepth(int n);
int desktopRefreshRate(int n);

using WindowHandle = std::uint32_t;  // 0 = none

WindowHandle openWindow(int x, int y, int width, int height, std::string_view title,
                        WindowStyle style);
void moveWindow(WindowHandle window, int x, int y, int width, int height);
// Whether the given window is the system's foreground window.
bool isForegroundWindow(WindowHandle window);

// Codes returned by the event poll.
enum WindowEventCode : int {
    kEventNone = 0,   // nothing was pending
    kEventInput = 1,  // the last event was keyboard, mouse, joystick or focus input
    kEventCloseWindow = 16,
};
// Handles every pending window event without waiting, folding input into the InputState;
// returns the code of the last one.
int pollEvents();

// ---- Screen -------------------------------------------------------------------------------

// Opens a width x height screen in the window (presented stretched to its client area);
// nonzero on success.
int openScreen(WindowHandle window, int x, int y, int width, int height);
int screenWidth();
int screenHeight();
void clearScreen(int red, int green, int blue);
// Presents the frame in step with the display (headless: the virtual clock moves to the next
// 60 Hz frame boundary).
void flip();

// 2D drawing on the back buffer with the system font. Text is drawn in the front colour; with
// the transparent background off, each text cell is first filled with the back colour.
void beginText();
void endText();
void setTextTransparent(bool transparent);
void drawText(int x, int y, std::string_view text, Argb front, Argb back = makeArgb(255, 0, 0, 0));
void plot(int x, int y, Argb colour);
void rectangle(int x, int y, int width, int height, Argb colour, bool filled);

constexpr Argb rgb(int red, int green, int blue) {
    return makeArgb(255, static_cast<std::uint32_t>(red) & 0xFFu,
                    static_cast<std::uint32_t>(green) & 0xFFu,
                    static_cast<std::uint32_t>(blue) & 0xFFu);
}

// ---- Pictures and 3D sprites ---------------------------------------------------------------

// Loads a picture file (a configured path); pixels of the key colour become transparent.
// 0 when the file is missing or cannot be decoded.
PictureHandle loadPicture(std::string_view configuredPath, const ColourKey& key = {});
// A screen rectangle as a new picture; 0 when it does not lie on the screen.
PictureHandle grabPicture(int x, int y, int width, int height);
// Refills a grabbed picture from the same screen rectangle, keeping its handle and memory;
// false when the picture is gone or the rectangle's size changed.
bool regrabPicture(PictureHandle picture, int x, int y, int width, int height);
bool pictureExists(PictureHandle picture);
int pictureWidth(PictureHandle picture);
int pictureHeight(PictureHandle picture);
void freePicture(PictureHandle picture);
void drawPicture(PictureHandle picture, int x, int y);

SpriteHandle makeSprite(PictureHandle picture);
bool spriteExists(SpriteHandle sprite);
void freeSprite(SpriteHandle sprite);
void zoomSprite(SpriteHandle sprite, float width, float height);
// Degrees about the sprite's centre; relative adds to the current angle.
void rotateSprite(SpriteHandle sprite, float degrees, bool relative = false);
void setSpriteCorners(SpriteHandle sprite, const std::array<Point, 4>& corners);
void drawSprite(SpriteHandle sprite, float x, float y, int alpha);
void beginSpritePass();
void endSpritePass();
void setSpriteBlend(int sourceFactor, int destinationFactor);
void setSpriteFilter(bool bilinear);

// ---- Sounds -------------------------------------------------------------------------------

using SoundHandle = std::uint32_t;     // 0 = none
constexpr int kNumberedSounds = 4096;  // numbers 1..kNumberedSounds-1

// Loads an Ogg Vorbis file under a number (replacing what it held); false when the file is
// missing or cannot be decoded, or the number is out of range. The number is the handle.
bool loadSoundAs(int number, std::string_view configuredPath);
// Loads a file as a new handle; 0 on failure. New handles never collide with numbers.
SoundHandle loadSound(std::string_view configuredPath);
bool soundExists(SoundHandle sound);
void playSound(SoundHandle sound, bool looping);
void stopSound(SoundHandle sound);
// Started and not yet stopped, and (unless looping) not yet played to its end on the
// millisecond clock. Silent runs keep it as well, so tests can watch it.
bool soundPlaying(SoundHandle sound);
void setSoundVolume(SoundHandle sound, int volume);  // 0..100, clamped
void freeSound(SoundHandle sound);

// ---- Input --------------------------------------------------------------------------------

// Keyboard: poll latches the keys pressed since the previous poll. Scan codes are the
// DirectInput numbers (scancodes.h).
void pollKeyboard();
bool keyHeld(int scanCode);
bool keyPressed(int scanCode);

// Mouse: poll latches the motion and wheel since the previous poll; true when a mouse state
// is available.
bool pollMouse();
bool mouseButton(int button);  // 1 left, 2 right, 3 middle
int mouseDeltaX();
int mouseDeltaY();
int mouseWheel();
int mouseX();
int mouseY();

// Joystick: directions -1, 0, 1; buttons 1..10. Poll is true when a joystick is present.
bool pollJoystick();
bool joystickPresent();
int joystickX();
int joystickY();
bool joystickButton(int button);

// ---- Time, chance, messages ---------------------------------------------------------------

std::uint32_t milliseconds();  // wraps at 2^32
void sleepMilliseconds(std::uint32_t ms);
LocalTime localTime();
// Starts the random sequence again from seed (benchmarks repeat one sequence per run).
void seedRandom(std::uint64_t seed);
// A whole number drawn uniformly from 0..n inclusive; 0 when n <= 0.
int randomInt(int n);

// A modal message box; returns the index of the button chosen (headless: 0, the first).
int messageBox(std::string_view caption, std::string_view text,
               const std::vector<std::string>& buttons = {"OK"});

// ---- Observers for the harness ------------------------------------------------------------

// Called with every input event the poll takes from the platform, before it is applied.
using InputObserver = std::function<void(const InputEvent&)>;
void setInputObserver(InputObserver observer);
// Called with every message box before it is shown.
using MessageObserver = std::function<void(std::string_view caption, std::string_view text,
                                           const std::vector<std::string>& buttons)>;
void setMessageObserver(MessageObserver observer);
// Called with every frame flip() presents, right after it was presented.
using PresentObserver = std::function<void(const Framebuffer& frame)>;
void setPresentObserver(PresentObserver observer);

}  // namespace media
