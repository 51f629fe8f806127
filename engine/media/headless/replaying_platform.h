// Replays input into another back end (a window run with --replay): every call goes to the
// wrapped platform, and the event poll adds the replay's events of the current turn.
#pragma once

#include <memory>

#include "engine/media/headless/replay.h"
#include "engine/media/platform.h"

namespace media {

class ReplayingPlatform final : public Platform {
  public:
    ReplayingPlatform(std::unique_ptr<Platform> inner, Replay replay)
        : inner_(std::move(inner)), replay_(std::move(replay)) {}

    void setTurn(int turn) { replay_.setTurn(turn); }

    int desktopCount() override { return inner_->desktopCount(); }
    DesktopInfo desktop(int index) override { return inner_->desktop(index); }
    bool openWindow(const WindowRequest& request) override { return inner_->openWindow(request); }
    void moveWindow(int x, int y, int width, int height) override {
        inner_->moveWindow(x, y, width, height);
    }
    bool windowOpen() const override { return inner_->windowOpen(); }
    bool isForeground() override { return inner_->isForeground(); }
    void pollEvents(std::vector<InputEvent>& events) override {
        inner_->pollEvents(events);
        replay_.take(events);
    }
    void present(const Framebuffer& frame) override { inner_->present(frame); }
    std::uint32_t milliseconds() override { return inner_->milliseconds(); }
    void sleep(std::uint32_t ms) override { inner_->sleep(ms); }
    LocalTime localTime() override { return inner_->localTime(); }
    int messageBox(std::string_view caption, std::string_view text,
                   const std::vector<std::string>& buttons) override {
        return inner_->messageBox(caption, text, buttons);
    }
    bool openAudio() override { return inner_->openAudio(); }
    void closeAudio() override { inner_->closeAudio(); }
    VoiceId createVoice(const PcmSound& sound) override { return inner_->createVoice(sound); }
    void destroyVoice(VoiceId voice) override { inner_->destroyVoice(voice); }
    void playVoice(VoiceId voice, bool looping) override { inner_->playVoice(voice, looping); }
    void stopVoice(VoiceId voice) override { inner_->stopVoice(voice); }
    void setVoiceVolume(VoiceId voice, int volume) override {
        inner_->setVoiceVolume(voice, volume);
    }
    bool joystickPresent() override {
        return replay_.joystickPresent() || inner_->joystickPresent();
    }
    void shutdown() override { inner_->shutdown(); }

  private:
    std::unique_ptr<Platform> inner_;
    ReplayCursor replay_;
};

}  // namespace media
