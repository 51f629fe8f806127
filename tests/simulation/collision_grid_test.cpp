// The collision grid against the list-order scan: random crowded levels (walkers, shots,
// pushable barrels, conveyors, walls, pick-ups, a weapon pool that sparks and drops, a
// player, duplicate list entries) run for 1,000 frames with each scan; the state dumps must
// be identical, and the grid must have answered most scans. Monsters die at the first hit,
// so drops from the pool land on the shot during its scan, at later list entries.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/frame_cycle.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/state_dump.h"
#include "engine/world_object.h"
#include "simulation/collision_grid.h"
#include "simulation/object_update.h"
#include "world/hud_texts.h"

namespace {

using simulation::CollisionScanMode;

constexpr int kScreenW = 320;
constexpr int kScreenH = 240;
constexpr int kFrames = 1000;
constexpr int kDumpEvery = 250;

struct Kind {
    std::string_view type;
    float velo;     // 0: still
    int touchMove;  // pushable
    int transport;  // conveyor
    int weight;
};

constexpr std::array<Kind, 16> kKinds = {{
    {"DEFAULTZOMBIE", 1.5f, 0, 0, 5},
    {"BASEWANZE", 1.0f, 0, 0, 3},
    {"DEFAULTBULLET", 4.0f, 0, 0, 1},
    {"CRAPS", 2.0f, 0, 0, 2},
    {"HELMET", 1.0f, 0, 0, 2},
    {"BASKET", 2.5f, 0, 0, 9},
    {"WANDERER", 1.0f, 0, 0, 4},  // no handler: the chance reversals
    {"NOGO", 0.0f, 0, 0, 0},
    {"BACK", 0.0f, 0, 0, 0},
    {"BODEN", 0.0f, 0, 0, 0},
    {"EXPLOSIVEFASS", 0.0f, 0, 0, 0},
    {"FASS", 0.0f, 1, 0, 1},
    {"WALKLEFT", 0.0f, 0, 1, 0},
    {"WALKDOWN", 0.0f, 0, 1, 0},
    {"IDCARD", 0.0f, 0, 0, 0},
    {"SECUDOOR", 0.0f, 0, 0, 0},
}};

constexpr std::array<std::string_view, 4> kPool = {"FUNKE", "MONEY", "HP+", "BURNEDZOMBIE"};

void appendTo(std::vector<std::int32_t>& list, std::int32_t& last, std::int32_t value) {
    last += 1;
    if (static_cast<std::size_t>(last) >= list.size())
        list.resize(static_cast<std::size_t>(last) + 8);
    list[static_cast<std::size_t>(last)] = value;
}

// A level of `count` objects in and around the screen, then a pool of eight per type.
void buildLevel(std::uint32_t seed, std::int32_t count) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    EngineSettings& s = engineSettings;
    const std::int32_t total = count + 8 * static_cast<std::int32_t>(kPool.size());
    growWorldObjects(total);
    s.collisionLast = -1;
    s.weaponLast = -1;
    for (std::int32_t i = 0; i < total; ++i) {
        WorldObject& o = worldObjects[static_cast<std::size_t>(i)];
        const bool pool = i >= count;
        const Kind& kind = kKinds[static_cast<std::size_t>(pick(static_cast<int>(kKinds.size())))];
        o.worldFTileIDString = pool ? kPool[static_cast<std::size_t>((i - count) % 4)] : kind.type;
        o.worldFTileIsActive = pool ? kObjectSwitchedOff : kObjectActive;
        o.worldFTileCollision = 1;
        o.posX = o.homeX = static_cast<float>(pick(kScreenW + 40) - 20);
        o.posY = o.homeY = static_cast<float>(pick(kScreenH + 40) - 20);
        o.width = o.maxWidth = o.displayWidth = static_cast<float>(6 + pick(20));
        o.height = o.maxHeight = o.displayHeight = static_cast<float>(6 + pick(20));
        if (pick(20) == 0) o.width = o.maxWidth = 90.0f;  // a few large ones
        // Hostile data: sizes below zero, coordinates beyond any screen, no number at all.
        if (pick(40) == 0) o.width = -o.width;
        if (pick(60) == 0) o.posX = 3.0e9f;
        if (pick(80) == 0) o.posY = std::numeric_limits<float>::quiet_NaN();
        o.canMoveH = o.canMoveV = 1;
        o.hp = 1;  // the first hit kills and drops
        o.worldFTileWeaponPower = 1;
        o.worldFTileTouchMove = kind.touchMove;
        o.worldFTileTransport = kind.transport;
        o.worldFTileWeight = kind.weight;
        o.worldFTileTouchTransparency = pick(4) == 0 ? 100 : 0;
        o.worldFTileTouchRotate = pick(4) == 0 ? 1 : 0;
        if (!pool && kind.velo != 0.0f) {
            o.worldFTileVELO = o.speedX = o.speedY = kind.velo;
            o.hasVelocity = 1;
            o.worldFTileMoveH = static_cast<float>(pick(3) - 1);
            o.worldFTileMoveV = static_cast<float>(pick(3) - 1);
            o.movesBothWays = o.worldFTileMoveH != 0.0f && o.worldFTileMoveV != 0.0f ? 1 : 0;
            o.worldFTileRandomMove = pick(3) == 0 ? 30 : 0;
            if (pick(8) == 0) o.worldFTileGoBack = 1;
        }
        if (pool) {
            o.worldFTileIsWeapon = 1;
            appendTo(s.weaponList, s.weaponLast, i);
        }
        if (pick(10) != 0) appendTo(s.collisionList, s.collisionLast, i);
        if (pick(4) == 0) appendTo(s.collisionList, s.collisionLast, i);  // listed twice
    }
    // Object 0 is the player: standing still, it keeps touching what lies on it.
    WorldObject& player = worldObjects[0];
    player.worldFTilePlayerID = 1;
    player.worldFTileIDString = "PLAYER";
    player.worldFTileUseKeyboard = 1;
    player.worldFTileVELO = player.speedX = player.speedY = 2.0f;
    player.hp = player.hpMax = 1 << 30;
    s.playerObject = 0;
    s.playerStatus[static_cast<std::size_t>(world::kStatusLife)].value = 1 << 30;
    s.objectLast = total - 1;
}

// One run: the frames of the update pass as the main loop runs them; the dumps every
// kDumpEvery frames.
std::vector<std::string> run(std::uint32_t seed, CollisionScanMode mode) {
    engine::resetEngineState("CORE\\");
    media::initServices(std::make_unique<media::HeadlessPlatform>(640, 480), seed);
    const media::WindowHandle window =
        media::openWindow(0, 0, kScreenW, kScreenH, "test", media::WindowStyle::Captioned);
    EXPECT_NE(media::openScreen(window, 0, 0, kScreenW, kScreenH), 0);
    engineSettings.SCRW = kScreenW;
    engineSettings.SCRH = kScreenH;
    simulation::setCollisionScanMode(mode);
    resetWorldObjects();
    buildLevel(seed, 150);
    std::vector<std::string> dumps;
    for (int frame = 1; frame <= kFrames; ++frame) {
        for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i) {
            base::guardedStep([i] { simulation::updateObject(i); });
            base::guardedStep([i] { simulation::lifeTimeStep(i); });
        }
        engineSettings.drawLast = -1;
        engine::stepFrameCycle(1);
        media::sleepMilliseconds(16);
        engineSettings.frameTick = media::milliseconds();
        if (frame % kDumpEvery == 0) dumps.push_back(engine::dumpEngineState(frame));
    }
    base::disarmFaultGuard();
    media::shutdownServices();
    simulation::setCollisionScanMode(CollisionScanMode::Auto);
    return dumps;
}

TEST(CollisionGrid, FindsTheTouchesOfTheListScanInRandomLevels) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        const std::vector<std::string> reference = run(seed, CollisionScanMode::ListOrder);
        simulation::resetCollisionGridStats();
        const std::vector<std::string> grid = run(seed, CollisionScanMode::Grid);
        const simulation::CollisionGridStats stats = simulation::collisionGridStats();
        ASSERT_EQ(reference.size(), grid.size());
        for (std::size_t i = 0; i < grid.size(); ++i)
            ASSERT_TRUE(reference[i] == grid[i])
                << "dumps differ at frame " << (i + 1) * kDumpEvery;
        EXPECT_GT(stats.gridScans, stats.scans * 9 / 10);
        EXPECT_GT(stats.touches, 1000u);
        EXPECT_LT(stats.candidates, stats.gridScans * 40);
    }
}

// A list entry outside the object table: the grid leaves the scan to the list order, which
// dispatches the touches before the entry and then raises the fault there. The touched
// objects show it by their touch transparency.
TEST(CollisionGrid, BadListEntryFaultsWhereTheListScanDoes) {
    std::vector<std::int32_t> touched[2];
    for (const CollisionScanMode mode : {CollisionScanMode::ListOrder, CollisionScanMode::Grid}) {
        engine::resetEngineState("CORE\\");
        media::initServices(std::make_unique<media::HeadlessPlatform>(640, 480), 1);
        simulation::setCollisionScanMode(mode);
        resetWorldObjects();
        constexpr std::int32_t kCount = 100;
        growWorldObjects(kCount);
        EngineSettings& s = engineSettings;
        s.collisionLast = -1;
        for (std::int32_t i = 0; i < kCount; ++i) {
            WorldObject& o = worldObjects[static_cast<std::size_t>(i)];
            o.worldFTileIsActive = kObjectActive;
            o.worldFTileCollision = 1;
            o.width = o.height = 10.0f;
            o.posX =
                i % 3 == 0 ? 5.0f : 500.0f + static_cast<float>(i) * 20.0f;  // every third on self
            o.posY = 5.0f;
            o.worldFTileTouchTransparency = 77;
            appendTo(s.collisionList, s.collisionLast, i == 50 ? kCount + 7 : i);
        }
        worldObjects[0].worldFTileVELO = 1.0f;
        s.objectLast = kCount - 1;
        EXPECT_FALSE(base::guardedStep([] { simulation::collisionScanGrid(0); }));
        for (std::int32_t i = 0; i < kCount; ++i) {
            if (worldObjects[static_cast<std::size_t>(i)].worldFTileTransparency == 77.0f) {
                touched[mode == CollisionScanMode::Grid ? 1 : 0].push_back(i);
            }
        }
        base::disarmFaultGuard();
        media::shutdownServices();
    }
    simulation::setCollisionScanMode(CollisionScanMode::Auto);
    EXPECT_EQ(touched[0].size(), 16u);  // 3, 6, ... 48
    EXPECT_EQ(touched[0], touched[1]);
}

}  // namespace
