// The back end without window or audio device: desktop 0 of a chosen size, a virtual clock
// that only sleeps and flips move, input from a replay turn by turn, message boxes answered
// with their first button, sounds accepted and never played.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/media/headless/random_input.h"
#include "engine/media/headless/replay.h"
#include "engine/media/platform.h"

namespace media {

// The virtual clock: milliseconds advanced by sleeps, and by flips to the next 60 Hz frame
// boundary (frame k starts at floor(k * 1000 / 60) ms, so three flips take 50 ms).
class VirtualClock {
  public:
    std::uint64_t now() const { return now_; }
    void sleep(std::uint32_t ms) { now_ += ms; }
    void toNextFrame() {
        const std::uint64_t frame = (3 * (now_ + 1) + 49) / 50;  // first boundary after now
        now_ = frame * 50 / 3;
    }

  private:
    std::uint64_t now_ = 0;
};

class HeadlessPlatform final : public Platform {
  public:
    HeadlessPlatform(int desktopWidth, int desktopHeight, Replay replay = {});

    // The harness tells the platform which main-loop turn runs, so that the replay's events
    // of that turn arrive at its first poll.
    void setTurn(int turn) {
        replay_.setTurn(turn);
        turn_ = turn;
    }
    // Random input besides the replay's (--random-input); the joystick is then present.
    void setRandomInput(std::uint64_t seed) { random_.emplace(seed); }
    const VirtualClock& clock() const { return clock_; }
    int presentedFrames() const { return presented_; }

    int desktopCount() override { return 1; }
    DesktopInfo desktop(int index) override;
    bool openWindow(const WindowRequest& request) override;
    void moveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    bool windowOpen() const override { return windowOpen_; }
    bool isForeground() override { return windowOpen_ && focused_; }
    void pollEvents(std::vector<InputEvent>& events) override;
    void present(const Framebuffer& frame) override;

    std::uint32_t milliseconds() override { return static_cast<std::uint32_t>(clock_.now()); }
    void sleep(std::uint32_t ms) override { clock_.sleep(ms); }
    LocalTime localTime() override;

    int messageBox(std::string_view caption, std::string_view text,
                   const std::vector<std::string>& buttons) override;

    bool openAudio() override { return true; }
    void closeAudio() override {}
    VoiceId createVoice(const PcmSound& sound) override;
    void destroyVoice(VoiceId /*voice*/) override {}
    void playVoice(VoiceId /*voice*/, bool /*looping*/) override {}
    void stopVoice(VoiceId /*voice*/) override {}
    void setVoiceVolume(VoiceId /*voice*/, int /*volume*/) override {}

    bool joystickPresent() override { return replay_.joystickPresent() || random_.has_value(); }
    void shutdown() override { windowOpen_ = false; }

  private:
    DesktopInfo desktop_;
    ReplayCursor replay_;
    std::optional<RandomInput> random_;
    int turn_ = 0;
    VirtualClock clock_;
    bool windowOpen_ = false;
    bool focused_ = true;
    int presented_ = 0;
    VoiceId nextVoice_ = 1;
};

}  // namespace media
