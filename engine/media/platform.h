// The machine below the media services: a window, presentation, input events, a clock,
// message boxes and audio output. Two back ends implement it: SDL2 (sdl/) and headless
// (headless/: no window, no audio device, virtual clock, replayed input). Everything above
// reaches the machine only through the services built on this interface.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/date_text.h"
#include "engine/media/compositor.h"
#include "engine/media/input_events.h"

namespace media {

struct DesktopInfo {
    int width = 0;
    int height = 0;
    int depth = 32;        // bits per pixel
    int refreshRate = 60;  // Hz
};

enum class WindowStyle : std::uint8_t {
    Captioned,   // title bar and system menu, at the given position
    Borderless,  // no decoration, centred on the desktop
};

struct WindowRequest {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string title;
    WindowStyle style = WindowStyle::Captioned;
};

using LocalTime = base::LocalTime;

// Decoded sound: interleaved signed 16-bit samples.
struct PcmSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

using VoiceId = std::uint32_t;  // 0 = none

class Platform {
  public:
    virtual ~Platform() = default;

    // Screen and window.
    virtual int desktopCount() = 0;
    virtual DesktopInfo desktop(int index) = 0;
    virtual bool openWindow(const WindowRequest& request) = 0;
    virtual void moveWindow(int x, int y, int width, int height) = 0;
    virtual bool windowOpen() const = 0;
    virtual bool isForeground() = 0;
    // Appends the input events that arrived since the previous call; never waits.
    virtual void pollEvents(std::vector<InputEvent>& events) = 0;
    // Shows the finished frame (stretched to the window's client area), in step with the
    // display; the headless back end only advances its clock.
    virtual void present(const Framebuffer& frame) = 0;

    // Time.
    virtual std::uint32_t milliseconds() = 0;  // wraps at 2^32
    virtual void sleep(std::uint32_t ms) = 0;
    virtual LocalTime localTime() = 0;

    // A modal message box; returns the index of the button chosen (headless: 0).
    virtual int messageBox(std::string_view caption, std::string_view text,
                           const std::vector<std::string>& buttons) = 0;

    // Audio output. openAudio false means the program runs silent.
    virtual bool openAudio() = 0;
    virtual void closeAudio() = 0;
    virtual VoiceId createVoice(const PcmSound& sound) = 0;  // 0 on failure
    virtual void destroyVoice(VoiceId voice) = 0;
    virtual void playVoice(VoiceId voice, bool looping) = 0;
    virtual void stopVoice(VoiceId voice) = 0;
    virtual void setVoiceVolume(VoiceId voice, int volume) = 0;  // 0..100

    // Joystick found at start-up.
    virtual bool joystickPresent() = 0;

    virtual void shutdown() = 0;
};

}  // namespace media
