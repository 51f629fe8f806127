// The headless back end with switches for what it cannot do on its own: an audio device
// that fails to open and a close request from the window system.
#pragma once

#include <memory>

#include "engine/media/headless/headless_platform.h"

class TestPlatform final : public media::Platform {
  public:
    TestPlatform(int desktopWidth, int desktopHeight) : inner_(desktopWidth, desktopHeight) {}

    bool audioWorks = true;
    bool closeRequested = false;  // the next event poll delivers a close request
    int audioOpenAttempts = 0;

    const media::VirtualClock& clock() const { return inner_.clock(); }
    int presentedFrames() const { return inner_.presentedFrames(); }

    int desktopCount() override { return inner_.desktopCount(); }
    media::DesktopInfo desktop(int index) override { return inner_.desktop(index); }
    bool openWindow(const media::WindowRequest& request) override {
        return inner_.openWindow(request);
    }
    void moveWindow(int x, int y, int width, int height) override {
        inner_.moveWindow(x, y, width, height);
    }
    bool windowOpen() const override { return inner_.windowOpen(); }
    bool isForeground() override { return inner_.isForeground(); }
    void pollEvents(std::vector<media::InputEvent>& events) override {
        inner_.pollEvents(events);
        if (closeRequested) events.push_back({media::InputEventType::Quit, 0, 0, 0});
    }
    void present(const media::Framebuffer& frame) override { inner_.present(frame); }
    std::uint32_t milliseconds() override { return inner_.milliseconds(); }
    void sleep(std::uint32_t ms) override { inner_.sleep(ms); }
    base::LocalTime localTime() override { return inner_.localTime(); }
    int messageBox(std::string_view caption, std::string_view text,
                   const std::vector<std::string>& buttons) override {
        return inner_.messageBox(caption, text, buttons);
    }
    bool openAudio() override {
        ++audioOpenAttempts;
        return audioWorks && inner_.openAudio();
    }
    void closeAudio() override { inner_.closeAudio(); }
    media::VoiceId createVoice(const media::PcmSound& sound) override {
        return audioWorks ? inner_.createVoice(sound) : 0;
    }
    void destroyVoice(media::VoiceId voice) override { inner_.destroyVoice(voice); }
    void playVoice(media::VoiceId voice, bool looping) override {
        inner_.playVoice(voice, looping);
    }
    void stopVoice(media::VoiceId voice) override { inner_.stopVoice(voice); }
    void setVoiceVolume(media::VoiceId voice, int volume) override {
        inner_.setVoiceVolume(voice, volume);
    }
    bool joystickPresent() override { return inner_.joystickPresent(); }
    void shutdown() override { inner_.shutdown(); }

  private:
    media::HeadlessPlatform inner_;
};

// Starts the media services on a TestPlatform and returns it (owned by the services).
inline TestPlatform* startTestPlatform(int desktopWidth, int desktopHeight) {
    auto platform = std::make_unique<TestPlatform>(desktopWidth, desktopHeight);
    TestPlatform* raw = platform.get();
    media::initServices(std::move(platform));
    return raw;
}
