// The collision scans of a frame on the stress level (tools/stress_level.h): 20,000 objects,
// 5,000 of them in the collision list, 500 walkers on screen. One benchmark iteration is
// one frame: every walker, in table order, scans and then steps, as the update pass runs
// them. The grid and the list-order scan are timed on the same level; before the timing a
// check runs 200 frames with each from the same start and compares the resulting objects.
// The update pass of the whole level (updateObject, the timer and the streaming step of
// every object) is timed as well.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "bench/bench_scratch.h"
#include "engine/engine_settings.h"
#include "engine/frame_cycle.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/collision.h"
#include "simulation/collision_grid.h"
#include "simulation/movement.h"
#include "simulation/object_update.h"
#include "tools/stress_level.h"
#include "tools/stress_settings.h"
#include "world/level_loader.h"
#include "world/object_streaming.h"

namespace {

using simulation::CollisionScanMode;

constexpr std::int32_t kMap = 1;
constexpr int kCheckFrames = 200;

void startEngine() {
    if (media::servicesRunning()) return;
    const stress::StressLevel level;
    const std::string root = bench::scratch();
    if (stress::writeStressData(root + "/DATA", level) != 0) std::abort();
    media::initServices(std::make_unique<media::HeadlessPlatform>(1920, 1080), 1);
    const media::WindowHandle window =
        media::openWindow(0, 0, 1921, 1081, "bench", media::WindowStyle::Captioned);
    if (media::openScreen(window, 0, 0, 1920, 1080) == 0) std::abort();
    stress::useStressData(root + "/DATA", 1920, 1080);
}

void loadStressLevel() {
    startEngine();
    engineSettings.nextMapId = kMap + 1;  // no such map: unloads
    world::loadLevel();
    engineSettings.nextMapId = kMap;
    world::loadLevel();
    engineSettings.frameCycle = 1;
    // Every object once through the update, so on-screen flags are set as in a running game.
    for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i)
        simulation::updateObject(i);
    engineSettings.drawLast = -1;
}

bool isWalker(const WorldObject& object) {
    return object.worldFTileIsActive >= 1 && object.worldFTileCollision != 0 &&
           object.worldFTileVELO != 0.0f;
}

void endFrame() {
    engine::stepFrameCycle(1);
    media::sleepMilliseconds(16);
    engineSettings.frameTick = media::milliseconds();
}

// One frame of the walkers: each scans, then steps.
void collisionFrame(bool grid) {
    const std::int32_t last = engineSettings.objectLast;
    for (std::int32_t i = 0; i <= last; ++i) {
        if (!isWalker(worldObjects[static_cast<std::size_t>(i)])) continue;
        if (grid) {
            simulation::collisionScan(i);
        } else {
            simulation::collisionScanListOrder(i);
        }
        simulation::moveStep(i);
    }
    endFrame();
}

std::uint64_t stateHash() {
    std::uint64_t hash = 1469598103934665603ULL;
    auto mix = [&hash](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t k = 0; k < size; ++k)
            hash = (hash ^ bytes[k]) * 1099511628211ULL;
    };
    for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i) {
        const WorldObject& o = worldObjects[static_cast<std::size_t>(i)];
        mix(&o.posX, sizeof o.posX);
        mix(&o.posY, sizeof o.posY);
        mix(&o.worldFTileMoveH, sizeof o.worldFTileMoveH);
        mix(&o.worldFTileMoveV, sizeof o.worldFTileMoveV);
        mix(&o.canMoveH, sizeof o.canMoveH);
        mix(&o.canMoveV, sizeof o.canMoveV);
        mix(&o.animDirection, sizeof o.animDirection);
    }
    const std::int32_t draw = media::randomInt(1 << 30);
    mix(&draw, sizeof draw);
    return hash;
}

std::uint64_t runCheck(bool grid) {
    loadStressLevel();
    media::seedRandom(7);
    for (int frame = 0; frame < kCheckFrames; ++frame)
        collisionFrame(grid);
    return stateHash();
}

void checkIdentical() {
    static const bool checked = [] {
        const std::uint64_t reference = runCheck(false);
        simulation::resetCollisionGridStats();
        const std::uint64_t grid = runCheck(true);
        const simulation::CollisionGridStats& stats = simulation::collisionGridStats();
        std::fprintf(stderr,
                     "check over %d frames: %s (grid: %llu scans, %.1f candidates and %.2f "
                     "touches per scan, %llu fallbacks)\n",
                     kCheckFrames, reference == grid ? "identical" : "DIFFERENT",
                     static_cast<unsigned long long>(stats.gridScans),
                     static_cast<double>(stats.candidates) / static_cast<double>(stats.gridScans),
                     static_cast<double>(stats.touches) / static_cast<double>(stats.gridScans),
                     static_cast<unsigned long long>(stats.fallbacks));
        if (reference != grid) std::abort();
        return true;
    }();
    (void)checked;
}

void BM_CollisionFrame(benchmark::State& state) {
    checkIdentical();
    const bool grid = state.range(0) == 1;
    loadStressLevel();
    for (auto _ : state)
        collisionFrame(grid);
    state.SetLabel(grid ? "grid" : "list order");
    state.counters["colliders"] = engineSettings.collisionLast + 1;
}
BENCHMARK(BM_CollisionFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The world update of one frame: update, timer and streaming step of every object.
void BM_StressUpdatePass(benchmark::State& state) {
    simulation::setCollisionScanMode(state.range(0) == 1 ? CollisionScanMode::Auto
                                                         : CollisionScanMode::ListOrder);
    loadStressLevel();
    for (auto _ : state) {
        const std::int32_t last = engineSettings.objectLast;
        for (std::int32_t i = 0; i <= last; ++i) {
            simulation::updateObject(i);
            simulation::lifeTimeStep(i);
            world::streamStep(i);
        }
        engineSettings.drawLast = -1;
        endFrame();
    }
    state.SetLabel(state.range(0) == 1 ? "grid" : "list order");
    simulation::setCollisionScanMode(CollisionScanMode::Auto);
}
BENCHMARK(BM_StressUpdatePass)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
