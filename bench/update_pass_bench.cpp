// The frame's update pass over a large level: updateObject and the timer step for every
// object, as the main loop runs them, on the headless services (no drawing). Half the
// objects lie on screen (listed, rotating, animating), half off screen (expanding, fading).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "engine/engine_settings.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/object_update.h"

namespace {

void buildLevel(std::int32_t count) {
    engine::resetEngineState("CORE\\");
    engineSettings.SCRW = 800.0f;
    engineSettings.SCRH = 600.0f;
    engineSettings.frameCycle = 1;
    growWorldObjects(count);
    for (std::int32_t i = 0; i < count; ++i) {
        WorldObject& object = worldObjects[static_cast<std::size_t>(i)];
        const bool onScreen = i % 2 == 0;
        object.worldFTileIsActive = kObjectActive;
        object.posX = onScreen ? static_cast<float>(i % 780) : 2000.0f;
        object.posY = static_cast<float>(i % 580);
        object.width = object.maxWidth = 16.0f;
        object.height = object.maxHeight = 16.0f;
        object.worldFTileRotate = onScreen ? 0.01f : 0.0f;
        object.worldFTileExpansionValueH = onScreen ? 0.0f : 0.5f;
        object.worldFTileFadeOut = onScreen ? 0.0f : 100.0f;
        object.worldFTileFadeOutStep = 0.001f;
        object.lifetimeActive = 1;
        object.worldFTileLifeTime = 1 << 30;
        object.worldFTileTimerMS = 1000;
    }
    engineSettings.objectLast = count - 1;
}

void BM_UpdatePass(benchmark::State& state) {
    media::initServices(std::make_unique<media::HeadlessPlatform>(800, 600), 1);
    const auto count = static_cast<std::int32_t>(state.range(0));
    buildLevel(count);
    for (auto _ : state) {
        engineSettings.drawLast = -1;
        for (std::int32_t i = 0; i < count; ++i) {
            simulation::updateObject(i);
            simulation::lifeTimeStep(i);
        }
        benchmark::DoNotOptimize(engineSettings.drawLast);
    }
    state.SetItemsProcessed(state.iterations() * count);
    media::shutdownServices();
}
BENCHMARK(BM_UpdatePass)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
