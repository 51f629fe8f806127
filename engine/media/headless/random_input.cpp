#include "engine/media/headless/random_input.h"

#include <algorithm>
#include <array>

#include "engine/media/scancodes.h"

namespace media {
namespace {

constexpr int kTurnsPerPress = 4;  // one press starts in about one turn of four
constexpr int kLongestHold = 20;

// Keys pressed alone.
constexpr std::array<int, 10> kSingleKeys = {dik::UP,    dik::DOWN, dik::LEFT,   dik::RIGHT,
                                             dik::SPACE, dik::P,    dik::ESCAPE, dik::PAUSE,
                                             dik::F1,    dik::F10};
// Keys pressed with Alt+Ctrl held.
constexpr std::array<int, 2> kAltCtrlKeys = {dik::S, dik::D};
constexpr int kJoystickButtonCount = 10;

}  // namespace

void RandomInput::add(int turn, InputEventType type, int code, int a) {
    pending_.push_back(ReplayEvent{turn, InputEvent{type, code, a, 0}});
}

void RandomInput::press(int turn, int hold) {
    const int choice = random_.upTo(3);
    if (choice <= 1) {
        const auto key =
            static_cast<std::size_t>(random_.upTo(static_cast<int>(kSingleKeys.size()) - 1));
        add(turn, InputEventType::KeyDown, kSingleKeys[key]);
        add(turn + hold, InputEventType::KeyUp, kSingleKeys[key]);
    } else if (choice == 2) {
        // The letter goes up while Alt+Ctrl are still held: the game acts on its release.
        const int key = kAltCtrlKeys[static_cast<std::size_t>(random_.upTo(1))];
        add(turn, InputEventType::KeyDown, dik::LMENU);
        add(turn, InputEventType::KeyDown, dik::LCONTROL);
        add(turn, InputEventType::KeyDown, key);
        add(turn + hold, InputEventType::KeyUp, key);
        add(turn + hold + 1, InputEventType::KeyUp, dik::LCONTROL);
        add(turn + hold + 1, InputEventType::KeyUp, dik::LMENU);
    } else if (random_.upTo(1) == 0) {
        const auto axis =
            random_.upTo(1) == 0 ? InputEventType::JoyAxisX : InputEventType::JoyAxisY;
        add(turn, axis, 0, random_.upTo(2) - 1);
        add(turn + hold, axis, 0, 0);
    } else {
        const int button = 1 + random_.upTo(kJoystickButtonCount - 1);
        add(turn, InputEventType::JoyButtonDown, button);
        add(turn + hold, InputEventType::JoyButtonUp, button);
    }
}

void RandomInput::take(int turn, std::vector<InputEvent>& events) {
    for (; drawnThrough_ < turn; ++drawnThrough_) {
        if (random_.upTo(kTurnsPerPress - 1) == 0)
            press(drawnThrough_ + 1, 1 + random_.upTo(kLongestHold - 1));
    }
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const ReplayEvent& a, const ReplayEvent& b) { return a.turn < b.turn; });
    auto due = pending_.begin();
    for (; due != pending_.end() && due->turn <= turn; ++due)
        events.push_back(due->event);
    pending_.erase(pending_.begin(), due);
}

}  // namespace media
