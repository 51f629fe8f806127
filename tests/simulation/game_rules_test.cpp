// The game rules on a small table: the timed screens, the program end on the closing
// screen, the fuel the fire button uses, the game-over request of the object that killed
// the player, and the level cache reset.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/engine_settings.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/headless/replay.h"
#include "engine/program_end.h"
#include "simulation/game_rules.h"
#include "simulation/map_exits.h"
#include "simulation/object_update.h"
#include "simulation/touch_handlers.h"
#include "simulation_fixture.h"
#include "support/test_support.h"
#include "world/hud_texts.h"

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

PlayerStatusEntry& status(std::int32_t entry) {
    return engineSettings.playerStatus[static_cast<std::size_t>(entry)];
}

struct ProgramEnded {
    int status;
};

class GameRules : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        simulation::lastScreenSwitch() = 0;
        simulation::timedMap() = simulation::kNoTimedMap;
        engine::setExitHook([](int exitStatus) { throw ProgramEnded{exitStatus}; });
    }
    void TearDown() override {
        engine::setExitHook({});
        SimulationTest::TearDown();
    }

    // The services again, with input from a replay (its turn-0 events arrive at the first
    // poll).
    void useInput(std::string_view replayText) {
        media::Replay replay;
        std::string error;
        ASSERT_TRUE(media::parseReplay(replayText, replay, error)) << error;
        media::shutdownServices();
        media::initServices(std::make_unique<media::HeadlessPlatform>(640, 480, replay), 7);
        media::pollEvents();
        media::pollKeyboard();
        media::pollJoystick();
        engineSettings.joystickPresent = replay.joystickPresent ? 1 : 0;
    }
};

TEST_F(GameRules, TheTimerWalksTheScreensAndUnpausesThem) {
    struct Row {
        std::int32_t map;
        std::int32_t next;
        std::int32_t paused;
    };
    const Row rows[] = {{1003, 1002, 0}, {1002, 1001, 0}, {1001, 1000, 0}, {1000, -5, 0},
                        {4096, 4095, 0}, {999, -5, 1},    {3, -5, 1}};
    EngineSettings& s = engineSettings;
    s.screenSwitchMs = 3000;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.map);
        s.actualMapId = row.map;
        s.nextMapId = -5;
        s.paused = 1;
        advanceClock(5000);  // time before the screen appeared does not count
        simulation::gameStateTimer();
        EXPECT_EQ(s.nextMapId, -5);
        advanceClock(3000);
        simulation::gameStateTimer();  // exactly 3000 ms later: not yet
        EXPECT_EQ(s.nextMapId, -5);
        advanceClock(1);
        simulation::gameStateTimer();
        EXPECT_EQ(s.nextMapId, row.next);
        EXPECT_EQ(s.paused, row.paused);
    }
    s.actualMapId = 4095;
    simulation::gameStateTimer();
    advanceClock(3001);
    try {
        simulation::gameStateTimer();
        FAIL() << "the closing screen did not end the program";
    } catch (const ProgramEnded& end) {
        EXPECT_EQ(end.status, 0);
    }
}

TEST_F(GameRules, SpaceHeldCostsOneFuelEveryMaxWeaponUseagePlusOneCounts) {
    useInput("0 key down 0x39\n");
    makeObjects(2);
    EngineSettings& s = engineSettings;
    s.playerObject = 1;
    s.actualMapId = 3;
    s.screenSwitchMs = 1000000;
    object(0).worldFTileIsActive = kObjectSwitchedOff;
    object(1).worldFTilePlayerID = 1;
    object(1).worldFTileMaxWeaponUseage = 4;
    status(world::kStatusFuel).value = 10;
    std::string fuelByFrame;
    for (int frame = 1; frame <= 12; ++frame) {
        for (std::int32_t i = 0; i <= s.objectLast; ++i) {
            simulation::updateObject(i);
        }
        fuelByFrame += std::to_string(status(world::kStatusFuel).value) + " ";
    }
    EXPECT_EQ(fuelByFrame, "10 10 10 10 9 9 9 9 9 8 8 8 ");
    EXPECT_EQ(status(world::kStatusFuel).text, std::string(8, '"'));
}

TEST_F(GameRules, SpaceOnTheGameOverScreenRestartsTheTitles) {
    struct Row {
        const char* input;
        std::int32_t map;
        std::int32_t next;
    };
    const Row rows[] = {
        {"0 key down 0x39\n", 4096, 1003},
        {"", 4096, -5},
        {"joystick present\n0 key down 0x39\n", 4096, -5},  // with a joystick: button 10
        {"joystick present\n0 joy button 10 down\n", 4096, 1003},
        {"joystick present\n0 joy button 10 down\n", 1001, 1000},
        {"joystick present\n0 joy button 10 down\n", 7, 999},
        {"0 key down 0x39\n", 7, -5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.input) + " on " + std::to_string(row.map));
        useInput(row.input);
        engineSettings.screenSwitchMs = 1000000;
        engineSettings.nextMapId = -5;
        simulation::menuButtons(row.map);
        EXPECT_EQ(engineSettings.nextMapId, row.next);
    }
}

TEST_F(GameRules, TheMonsterThatKillsThePlayerRequestsGameOverAndTheWorldStops) {
    makeObjects(3);
    EngineSettings& s = engineSettings;
    s.playerObject = 0;
    s.actualMapId = 3;
    s.nextMapId = 3;
    s.screenSwitchMs = 1000000;
    object(0).worldFTilePlayerID = 1;
    object(0).worldFTileIDString = "PLAYER";
    object(0).hp = 2;
    status(world::kStatusLife).value = 2;
    object(1).worldFTileIDString = "DEFAULTZOMBIE";
    object(1).worldFTileWeaponPower = 5;
    // The zombie's update: its touch of the player (what the collision scan calls), then
    // the player rules that its update runs for an active object.
    simulation::touchHandlerFor("DEFAULTZOMBIE")(1, 0);
    EXPECT_EQ(s.playerDead, 1);
    simulation::playerRules(1);
    EXPECT_EQ(s.nextMapId, 4096);
    // Nothing after it is updated in that frame.
    object(2).posX = 30.0f;
    object(2).centerX = 0.0f;
    simulation::updateObject(2);
    EXPECT_EQ(object(2).centerX, 0.0f);
    EXPECT_EQ(s.drawLast, -1);
}

// Directories named like cached levels, and a "_", in dir.
void writeCacheLike(const TempDir& dir, const std::string& below) {
    for (const char* level : {"0", "7", "1000"}) {
        writeFile(dir.file(below + level + "/0"), "layer");
        writeFile(dir.file(below + level + "/24"), "layer");
    }
    writeFile(dir.file(below + "7/notes.txt"), "mine");
    writeFile(dir.file(below + "1001/0"), "layer");
    writeFile(dir.file(below + "_"), "7");
}

TEST_F(GameRules, ANewGameEmptiesOnlyAConfiguredCacheAndOnlyWhatItWrote) {
    namespace fs = std::filesystem;
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    writeCacheLike(dir, "");
    writeCacheLike(dir, "CACHE/");
    makeObjects(2);
    object(0).worldFTilePlayerID = 1;
    object(1).worldFTileIDString = "NEWGAME";
    EngineSettings& s = engineSettings;
    s.actualMapId = 999;
    for (const char* cache : {"", ".\\", ".", "CACHE\\..\\"}) {
        SCOPED_TRACE(cache);
        s.cachePath = cache;
        s.nextMapId = -5;
        simulation::playerTouch(0, 1);
        EXPECT_EQ(s.nextMapId, 0);
        EXPECT_TRUE(fs::exists(dir.file("0/0")));
        EXPECT_TRUE(fs::exists(dir.file("1000/24")));
        EXPECT_TRUE(fs::exists(dir.file("_")));
    }
    // "CONTINUE" reads "_" where the cache is.
    s.cachePath = "CACHE\\";
    object(1).worldFTileIDString = "CONTINUE";
    simulation::playerTouch(0, 1);
    EXPECT_EQ(s.nextMapId, 7);
    object(1).worldFTileIDString = "NEWGAME";
    simulation::playerTouch(0, 1);
    EXPECT_FALSE(fs::exists(dir.file("CACHE/_")));
    EXPECT_FALSE(fs::exists(dir.file("CACHE/0")));
    EXPECT_FALSE(fs::exists(dir.file("CACHE/1000")));
    EXPECT_TRUE(fs::exists(dir.file("CACHE/7/notes.txt")));  // not the cache's own
    EXPECT_FALSE(fs::exists(dir.file("CACHE/7/0")));
    EXPECT_TRUE(fs::exists(dir.file("CACHE/1001/0")));
    EXPECT_TRUE(fs::exists(dir.file("0/0")));
    EXPECT_EQ(simulation::continueMapId(), 0);

    // An exit saves the level and records the map left, with the cache in use.
    s.useCache = 1;
    s.actualMapId = 3;
    object(1).worldFTileIDString = "EXIT_RIGHT";
    simulation::playerTouch(0, 1);
    EXPECT_EQ(s.nextMapId, 4);
    EXPECT_EQ(testing_support::readFile(dir.file("CACHE/_")), "3");
    EXPECT_TRUE(fs::exists(dir.file("CACHE/3/24")));
    fs::current_path(before);
}

}  // namespace
