#include "engine/media/headless/headless_platform.h"

#include <chrono>
#include <utility>

namespace media {

HeadlessPlatform::HeadlessPlatform(int desktopWidth, int desktopHeight, Replay replay)
    : replay_(std::move(replay)) {
    desktop_.width = desktopWidth;
    desktop_.height = desktopHeight;
}

DesktopInfo HeadlessPlatform::desktop(int index) {
    return index == 0 ? desktop_ : DesktopInfo{0, 0, 0, 0};
}

bool HeadlessPlatform::openWindow(const WindowRequest& request) {
    if (request.width <= 0 || request.height <= 0) return false;
    windowOpen_ = true;
    return true;
}

void HeadlessPlatform::pollEvents(std::vector<InputEvent>& events) {
    const std::size_t first = events.size();
    replay_.take(events);
    if (random_ && turn_ > 0) random_->take(turn_, events);
    for (std::size_t i = first; i < events.size(); ++i) {
        if (events[i].type == InputEventType::Focus) focused_ = events[i].a != 0;
    }
}

void HeadlessPlatform::present(const Framebuffer& /*frame*/) {
    clock_.toNextFrame();
    ++presented_;
}

// A fixed date that the virtual clock advances, so reports stamp the same text every run.
LocalTime HeadlessPlatform::localTime() {
    using namespace std::chrono;
    constexpr sys_days kStart = year{2000} / January / 1;
    const auto now = sys_seconds{kStart} + seconds{clock_.now() / 1000};
    const sys_days day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{now - day};
    LocalTime result;
    result.year = static_cast<int>(date.year());
    result.month = static_cast<int>(static_cast<unsigned>(date.month()));
    result.day = static_cast<int>(static_cast<unsigned>(date.day()));
    result.hour = static_cast<int>(time.hours().count());
    result.minute = static_cast<int>(time.minutes().count());
    result.second = static_cast<int>(time.seconds().count());
    return result;
}

int HeadlessPlatform::messageBox(std::string_view /*caption*/, std::string_view /*text*/,
                                 const std::vector<std::string>& /*buttons*/) {
    return 0;  // nobody is there to choose: the first button
}

VoiceId HeadlessPlatform::createVoice(const PcmSound& /*sound*/) {
    return nextVoice_++;
}

}  // namespace media
