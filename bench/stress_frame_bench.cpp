// Whole frames of the stress level (tools/stress_level.h: 20,000 objects, about 1,000 on a
// 1920 x 1080 screen, 500 walkers, 5,000 colliders, APPSMOOTH 1) on the headless services
// with the game's slots: update, draw, present. Besides Google Benchmark's own figures, the
// run reports the median and the 99th percentile of the frames' CPU time (this thread's
// clock), which a machine shared with other work disturbs far less than the wall clock.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_scratch.h"
#include "engine/engine_settings.h"
#include "engine/frame_slots.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/world_frame.h"
#include "simulation/collision_grid.h"
#include "simulation/simulation_slots.h"
#include "tools/stress_level.h"
#include "tools/stress_settings.h"
#include "world/level_loader.h"
#include "world/world_slots.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kWarmUpFrames = 30;

void loadStressGame() {
    if (media::servicesRunning()) return;
    const stress::StressLevel level;
    const std::string root = bench::scratch();
    if (stress::writeStressData(root + "/DATA", level) != 0) std::abort();
    media::initServices(std::make_unique<media::HeadlessPlatform>(kWidth, kHeight), 1);
    const media::WindowHandle window =
        media::openWindow(0, 0, kWidth + 1, kHeight + 1, "bench", media::WindowStyle::Captioned);
    if (media::openScreen(window, 0, 0, kWidth, kHeight) == 0) std::abort();
    EngineSettings& s = engineSettings;
    s.mainWindow = static_cast<std::int32_t>(window);
    stress::useStressData(root + "/DATA", kWidth, kHeight);
    s.appSmooth = static_cast<std::int8_t>(level.appSmooth);
    engine::frameSlots = engine::FrameSlots{};
    world::installWorldSlots(engine::frameSlots);
    simulation::installSimulationSlots(engine::frameSlots);
    s.nextMapId = level.map;
    world::loadLevel();
    for (int frame = 0; frame < kWarmUpFrames; ++frame)
        engine::worldFrame();
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_StressWholeFrame(benchmark::State& state) {
    simulation::setCollisionScanMode(state.range(0) == 1
                                         ? simulation::CollisionScanMode::Auto
                                         : simulation::CollisionScanMode::ListOrder);
    loadStressGame();
    std::vector<double> frames;
    frames.reserve(100000);
    for (auto _ : state) {
        const double start = threadCpuMs();
        engine::worldFrame();
        frames.push_back(threadCpuMs() - start);
    }
    std::sort(frames.begin(), frames.end());
    if (!frames.empty()) {
        state.counters["cpu_median_ms"] = frames[frames.size() / 2];
        state.counters["cpu_p99_ms"] = frames[frames.size() * 99 / 100];
    }
    state.counters["objects"] = engineSettings.objectLast + 1;
    state.counters["drawn"] = engineSettings.drawnObjects + 1;
    state.SetLabel(state.range(0) == 1 ? "grid" : "list order");
    simulation::setCollisionScanMode(simulation::CollisionScanMode::Auto);
}
BENCHMARK(BM_StressWholeFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
