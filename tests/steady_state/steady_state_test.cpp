// A running level in its steady state allocates no heap memory and reads no files: a stress
// level (walkers, walls, mirrors, animated objects) is loaded through the loader and runs
// whole frames (update, draw, present); after the warm-up, the frames are counted through a
// replaced global operator new and the process's read calls.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#include "engine/engine_settings.h"
#include "engine/frame_slots.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/world_frame.h"
#include "simulation/collision_grid.h"
#include "simulation/simulation_slots.h"
#include "support/test_support.h"
#include "tools/stress_level.h"
#include "tools/stress_settings.h"
#include "world/level_loader.h"
#include "world/world_slots.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<std::uint64_t> allocations{0};

void* allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t align) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
    const auto a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t align) {
    return allocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return allocateAligned(size, align);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// The read calls of this process so far (syscr of /proc/self/io).
std::uint64_t readCalls() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value)
        if (key == "syscr:") return value;
    return 0;
}

struct FrameCounts {
    std::uint64_t allocations;
    std::uint64_t reads;
};

FrameCounts countFrames(int frames) {
    const std::uint64_t readsBefore = readCalls();
    allocations = 0;
    counting = true;
    for (int frame = 0; frame < frames; ++frame)
        engine::worldFrame();
    counting = false;
    const std::uint64_t reads = readCalls() - readsBefore;
    return {allocations.load(), reads};
}

TEST(SteadyState, RunningLevelNeitherAllocatesNorReadsFiles) {
    testing_support::TempDir folder;
    stress::StressLevel level;
    level.objects = 3000;
    level.tileNames = 60;
    level.onScreen = 400;
    level.movers = 150;
    level.colliders = 1000;
    level.mirrors = 4;
    level.animated = 20;
    level.screenWidth = kScreenW;
    level.screenHeight = kScreenH;
    ASSERT_EQ(stress::writeStressData(folder.file("DATA"), level), 0);

    engine::resetEngineState("CORE\\");
    media::initServices(std::make_unique<media::HeadlessPlatform>(kScreenW, kScreenH), 3);
    const media::WindowHandle window =
        media::openWindow(0, 0, kScreenW + 1, kScreenH + 1, "test", media::WindowStyle::Captioned);
    ASSERT_NE(media::openScreen(window, 0, 0, kScreenW, kScreenH), 0);
    EngineSettings& s = engineSettings;
    s.mainWindow = static_cast<std::int32_t>(window);
    stress::useStressData(folder.file("DATA"), kScreenW, kScreenH);
    s.appSmooth = 1;
    engine::frameSlots = engine::FrameSlots{};
    world::installWorldSlots(engine::frameSlots);
    simulation::installSimulationSlots(engine::frameSlots);
    s.nextMapId = 1;
    world::loadLevel();
    ASSERT_EQ(s.collisionLast + 1, 1000);

    simulation::resetCollisionGridStats();
    // The warm-up streams the objects in: allocations and reads the counters must see.
    const FrameCounts warm = countFrames(60);
    EXPECT_GT(warm.allocations, 0u);
    EXPECT_GT(warm.reads, 0u);
    const FrameCounts baseline = countFrames(0);
    const FrameCounts counted = countFrames(120);
    EXPECT_EQ(counted.allocations, 0u);
    EXPECT_EQ(counted.reads, baseline.reads);
    EXPECT_GT(simulation::collisionGridStats().gridScans, 150u * 100u);

    engine::frameSlots = engine::FrameSlots{};
    media::shutdownServices();
}

}  // namespace
