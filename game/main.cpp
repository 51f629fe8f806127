// RERIZUVA2: parses the harness options, starts the media services on the SDL window or the
// headless back end, plugs the world and the simulation into the frame's slots and runs the
// game: start-up, main loop, program end.
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/frame_slots.h"
#include "engine/media/file_faults.h"
#include "engine/media/files.h"
#include "engine/media/headless/harness.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/headless/replay.h"
#include "engine/media/headless/replaying_platform.h"
#include "engine/media/sdl/sdl_platform.h"
#include "engine/media/services.h"
#include "engine/startup.h"
#include "game/fault_injection.h"
#include "game/harness_options.h"
#include "game/install_hint.h"
#include "simulation/simulation_slots.h"
#include "world/world_slots.h"

namespace {

constexpr const char* kProgramName = "RERIZUVA2";

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
    return status;
}

// The platform the options ask for, and where the harness tells it the turn.
std::unique_ptr<media::Platform> makePlatform(const media::HarnessOptions& options,
                                              media::Replay replay, std::string& error) {
    media::Harness& harness = media::harness();
    if (options.headless) {
        auto headless = std::make_unique<media::HeadlessPlatform>(
            options.desktopWidth, options.desktopHeight, std::move(replay));
        if (options.randomInput) headless->setRandomInput(*options.randomInput);
        harness.setTurnListener([platform = headless.get()](int turn) { platform->setTurn(turn); });
        return headless;
    }
    std::unique_ptr<media::Platform> window = media::makeSdlPlatform();
    if (!window) {
        error = "cannot open the display (run with --headless where there is none)";
        return nullptr;
    }
    if (options.replayPath.empty()) return window;
    auto replaying =
        std::make_unique<media::ReplayingPlatform>(std::move(window), std::move(replay));
    harness.setTurnListener([platform = replaying.get()](int turn) { platform->setTurn(turn); });
    return replaying;
}

// Headless runs repeat exactly; a window run draws new numbers each time unless seeded.
std::uint64_t chooseSeed(const media::HarnessOptions& options) {
    if (options.seed) return *options.seed;
    if (options.headless) return 0;
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) | device();
}

// Which layer runs each step of the turn: the world loads maps and streams objects, the
// simulation updates and draws them; the engine keeps what no later layer has taken yet.
engine::FrameSlots gameFrameSlots(const media::HarnessOptions& options) {
    engine::FrameSlots slots;
    world::installWorldSlots(slots);
    simulation::installSimulationSlots(slots);
    if (options.injectFault) {
        game::installFaultInjection(slots, *options.injectFault);
    }
    return slots;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const game::ParsedOptions parsed = game::parseHarnessOptions(arguments);
    switch (parsed.outcome) {
        case game::OptionsOutcome::Help:
            std::fputs(game::harnessHelpText(kProgramName).c_str(), stdout);
            return 0;
        case game::OptionsOutcome::Version:
            std::printf("%s %s\n", kProgramName, RZ_VERSION);
            return 0;
        case game::OptionsOutcome::Error:
            return fail(parsed.error, 2);
        case game::OptionsOutcome::Run:
            break;
    }
    const media::HarnessOptions& options = parsed.options;

    std::string error;
    if (!media::installFileFaultsFromEnvironment(error)) return fail(error, 2);

    media::Replay replay;
    if (!options.replayPath.empty() && !media::loadReplay(options.replayPath, replay, error)) {
        return fail(error, 2);
    }
    std::unique_ptr<media::Platform> platform = makePlatform(options, std::move(replay), error);
    if (!platform) return fail(error, 1);
    media::initServices(std::move(platform), chooseSeed(options));

    media::Harness& harness = media::harness();
    if (!harness.start(options, error)) {
        media::shutdownServices();
        return fail(error, 2);
    }
    // Every route out of the game (main loop, quit keys, closing screen, core error) ends
    // through the program end, which writes the harness's outputs and shuts the services
    // down.
    engine::connectToMediaServices();
    engine::frameSlots = gameFrameSlots(options);
    game::pointToInstalledDemoWhenNoCore(media::workingDirectory());
    engine::runGame(media::workingDirectory());
}
