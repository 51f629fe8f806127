#include "engine/media/headless/random_input.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/base/random.h"
#include "engine/media/scancodes.h"

namespace media {
namespace {

namespace dik = media::dik;

constexpr int kTurnsPerPress = 4;  // one press starts in about one turn of four
constexpr int kLongestHold = 20;

// Keys pressed alone.
constexpr std::array<int, 10> kSingleKeys = {dik::UP,    dik::DOWN, dik::LEFT,   dik::RIGHT,
                                             dik::SPACE, dik::P,    dik::ESCAPE, dik::PAUSE,
                                             dik::F1,    dik::F10};
// Keys pressed with Alt+Ctrl held.
constexpr std::array<int, 2> kAltCtrlKeys = {dik::S, dik::D};
constexpr int kJoystickButtonCount = 10;

struct Generator {
    base::Pcg32 random;
    std::vector<ReplayEvent> events;

    void add(int turn, InputEventType type, int code, int a = 0) {
        events.push_back(ReplayEvent{turn, InputEvent{type, code, a, 0}});
    }

    void press(int turn, int hold) {
        const int choice = random.upTo(3);
        if (choice <= 1) {
            const int key = kSingleKeys[static_cast<std::size_t>(
                random.upTo(static_cast<int>(kSingleKeys.size()) - 1))];
            add(turn, InputEventType::KeyDown, key);
            add(turn + hold, InputEventType::KeyUp, key);
        } else if (choice == 2) {
            // The letter goes up while Alt+Ctrl are still held: the game acts on its release.
            const int key = kAltCtrlKeys[static_cast<std::size_t>(random.upTo(1))];
            add(turn, InputEventType::KeyDown, dik::LMENU);
            add(turn, InputEventType::KeyDown, dik::LCONTROL);
            add(turn, InputEventType::KeyDown, key);
            add(turn + hold, InputEventType::KeyUp, key);
            add(turn + hold + 1, InputEventType::KeyUp, dik::LCONTROL);
            add(turn + hold + 1, InputEventType::KeyUp, dik::LMENU);
        } else if (random.upTo(1) == 0) {
            const auto axis =
                random.upTo(1) == 0 ? InputEventType::JoyAxisX : InputEventType::JoyAxisY;
            add(turn, axis, 0, random.upTo(2) - 1);
            add(turn + hold, axis, 0, 0);
        } else {
            const int button = 1 + random.upTo(kJoystickButtonCount - 1);
            add(turn, InputEventType::JoyButtonDown, button);
            add(turn + hold, InputEventType::JoyButtonUp, button);
        }
    }
};

}  // namespace

Replay randomInputReplay(std::uint64_t seed, int turns) {
    Generator generator{base::Pcg32(seed), {}};
    for (int turn = 1; turn <= turns; ++turn) {
        if (generator.random.upTo(kTurnsPerPress - 1) != 0) continue;
        generator.press(turn, 1 + generator.random.upTo(kLongestHold - 1));
    }
    Replay replay;
    replay.joystickPresent = true;
    replay.events = std::move(generator.events);
    std::stable_sort(replay.events.begin(), replay.events.end(),
                     [](const ReplayEvent& a, const ReplayEvent& b) { return a.turn < b.turn; });
    return replay;
}

}  // namespace media
