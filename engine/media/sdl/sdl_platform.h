// The SDL2 back end: a window that shows the finished frame (a streaming texture, in step
// with the display), desktop queries, keyboard, mouse and joystick input as engine events,
// message boxes, the wall clock and sound through SDL2_mixer.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/media/platform.h"
#include "engine/media/sdl/frame_pacer.h"
#include "engine/media/sdl/window_keys.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace media {

class SdlAudio;
class SdlJoystick;

class SdlPlatform final : public Platform {
  public:
    // Starts SDL's video and, when available, its joystick support; nullptr when video
    // cannot start (no display).
    static std::unique_ptr<SdlPlatform> create();
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    int desktopCount() override;
    DesktopInfo desktop(int index) override;
    bool openWindow(const WindowRequest& request) override;
    void moveWindow(int x, int y, int width, int height) override;
    bool windowOpen() const override { return window_ != nullptr; }
    bool isForeground() override;
    void pollEvents(std::vector<InputEvent>& events) override;
    void present(const Framebuffer& frame) override;

    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
    LocalTime localTime() override;

    int messageBox(std::string_view caption, std::string_view text,
                   const std::vector<std::string>& buttons) override;

    bool openAudio() override;
    void closeAudio() override;
    VoiceId createVoice(const PcmSound& sound) override;
    void destroyVoice(VoiceId voice) override;
    void playVoice(VoiceId voice, bool looping) override;
    void stopVoice(VoiceId voice) override;
    void setVoiceVolume(VoiceId voice, int volume) override;

    bool joystickPresent() override { return joystickAtStart_; }

    void shutdown() override;

  private:
    SdlPlatform();
    void closeWindow();
    bool createRenderer(bool softwareOnly);
    bool useSoftwareRenderer();
    void dropTexture();
    bool ensureTexture(int width, int height);
    bool drawFrame(const Framebuffer& frame);
    void frameLost();
    void frameShown();
    void waitForPacer();
    void mouseToScreen(int windowX, int windowY, int& x, int& y) const;
    void readEvents(std::vector<InputEvent>& events);
    void pointerMotion(int windowX, int windowY, std::vector<InputEvent>& events);
    void toggleFullscreen();
    void saveScreenshot(const Framebuffer& frame);

    bool running_ = false;  // SDL started and not yet shut down
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    bool softwareRenderer_ = false;
    bool alwaysForeground_ = false;  // a video driver without other windows
    FramePacer pacer_;               // in performance-counter ticks
    std::uint64_t refreshPeriod_ = 0;
    bool waitsForDisplay_ = false;  // the renderer's own promise, kept for a recovery
    bool framesLost_ = false;       // frames are not reaching the window (reported once)
    bool joystickAtStart_ = false;
    // The pointer's desktop position at the previous motion event: relative motion is taken
    // from it, not from window-relative positions, which move with a dragged window.
    bool pointerKnown_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
    // The window's own keys (window_keys.h) and what they asked for.
    WindowKeys windowKeys_;
    bool fullscreen_ = false;
    bool screenshotWanted_ = false;
    int requestedWidth_ = 0;  // the size the engine last asked for
    int requestedHeight_ = 0;
    std::vector<InputEvent> pendingEvents_;  // read before a window move, for the next poll
    std::unique_ptr<SdlAudio> audio_;
    std::unique_ptr<SdlJoystick> joystick_;
};

// The platform behind the game's window; nullptr when SDL video cannot start.
std::unique_ptr<Platform> makeSdlPlatform();

}  // namespace media
