// Replay text on arbitrary bytes; what it reads writes back as a replay that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media/headless/replay.h"

namespace {

std::string formatReplay(const media::Replay& replay) {
    std::string text = replay.joystickPresent ? "joystick present\n" : "";
    for (const media::ReplayEvent& event : replay.events) {
        const std::string line = media::formatReplayLine(event.turn, event.event);
        if (!line.empty()) text += line + "\n";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    media::Replay replay;
    std::string error;
    if (!media::parseReplay(bytes, replay, error)) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const std::string written = formatReplay(replay);
    media::Replay again;
    if (!media::parseReplay(written, again, error)) std::abort();
    if (formatReplay(again) != written) std::abort();

    media::ReplayCursor cursor(again);
    std::vector<media::InputEvent> events;
    for (int turn = 0; turn < 4; ++turn) {
        cursor.setTurn(turn);
        cursor.take(events);
    }
    return 0;
}
