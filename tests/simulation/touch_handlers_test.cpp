// The touch handlers called directly on a small table of objects: one row per handler row
// (mover type, other type) with what it leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_settings.h"
#include "simulation/touch_handlers.h"
#include "simulation_fixture.h"
#include "world/hud_texts.h"

namespace {

using simulation::playerTouch;

PlayerStatusEntry& status(std::int32_t entry) {
    return engineSettings.playerStatus[static_cast<std::size_t>(entry)];
}
using simulation::touchHandlerFor;

constexpr std::int32_t kSelf = 1;
constexpr std::int32_t kOther = 2;

// The may-move flags after the touch; the mover starts with (1, 0).
enum Move { kPass, kStay, kStop };  // (1, 1), (1, 0) untouched, (0, 0)
// The direction after the touch; the mover starts moving right (1, 1), facing right.
enum Turn { kAhead, kTurned, kReversed };  // (1, 1); (-1, 0) facing left; (-1, -1)

class TouchHandlers : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        resetScene();
    }

    // Objects 0 to 3 (3 the player), each with 10 hp and weapon power 3.
    void resetScene() {
        resetWorldObjects();
        makeObjects(4);
        for (std::int32_t i = 0; i < 4; ++i) {
            WorldObject& o = object(i);
            o.hp = 10;
            o.hpMax = 10;
            o.worldFTileWeaponPower = 3;
        }
        WorldObject& self = object(kSelf);
        self.canMoveH = 1;
        self.canMoveV = 0;
        self.worldFTileMoveH = 1.0f;
        self.worldFTileMoveV = 1.0f;
        self.movesBothWays = 1;
        self.animDirection = kDirectionRight;
        self.width = 4.0f;  // a bullet switched off takes its largest size, 10
        engineSettings.playerObject = 3;
        object(3).worldFTilePlayerID = 1;
        status(world::kStatusLife).value = 10;
    }
};

struct TypeRow {
    const char* mover;
    const char* other;
    bool otherIsPlayer;
    bool selfBurning;  // the mover's useWeapon is "FUNKE" before the touch
    Move move;
    Turn turn;
    std::int32_t otherHp;     // 7 after a hit of power 3
    const char* otherWeapon;  // nullptr: not checked (chance)
    const char* selfWeapon;
    std::int8_t selfActive;
};

TEST_F(TouchHandlers, EveryRowOfTheMoverTables) {
    const TypeRow rows[] = {
        {"DEFAULTBULLET", "NOGO", false, false, kStay, kAhead, 10, "", "", 0},
        {"DEFAULTBULLET", "SECUDOOR", false, false, kStay, kAhead, 10, "", "", 0},
        {"DEFAULTBULLET", "DEFAULTZOMBIE", false, false, kStay, kAhead, 7, "FUNKE", "", 0},
        {"DEFAULTBULLET", "BASEWANZE", false, false, kStay, kAhead, 7, "FUNKE", "", 0},
        {"DEFAULTBULLET", "CRAPS", false, false, kStay, kAhead, 7, "FUNKE", "", 0},
        {"DEFAULTBULLET", "REDVIRUS", false, false, kStay, kAhead, 7, "FUNKE", "", 0},
        {"DEFAULTBULLET", "EXPLOSIVEFASS", false, false, kStay, kAhead, 7, nullptr, "", 0},
        {"DEFAULTBULLET", "GASTANK", false, false, kStay, kAhead, 7, nullptr, "", 0},
        {"DEFAULTBULLET", "BODEN", false, false, kPass, kAhead, 10, "", "", 1},
        {"FLAMME", "NOGO", false, false, kStay, kAhead, 10, "", "", 1},
        {"FLAMME", "BODEN", false, false, kPass, kAhead, 10, "", "", 1},
        {"GREENACID", "NOGO", true, false, kStay, kAhead, 10, "", "", 1},
        {"GREENACID", "SECUDOOR", false, false, kStay, kAhead, 10, "", "", 1},
        {"GREENACID", "BODEN", true, false, kPass, kAhead, 7, "", "", 1},
        {"GREENACID", "BODEN", false, false, kPass, kAhead, 10, "", "", 1},
        {"REDVIRUS", "SECUDOOR", false, false, kStay, kAhead, 10, "", "", 1},
        {"REDVIRUS", "PLAYER", true, false, kPass, kAhead, 7, "", "", 1},
        {"GREENPLANT", "NOGO", false, false, kStop, kAhead, 10, "", "", 1},
        {"GREENPLANT", "BODEN", false, false, kPass, kAhead, 10, "", "", 1},
        {"REDFIRE", "NOGO", false, false, kStop, kAhead, 10, "", "", 1},
        {"REDFIRE", "FASS", false, false, kPass, kAhead, 10, "", "", 1},
        {"MONEY", "NOGO", false, false, kPass, kAhead, 10, "", "", 1},
        {"HP+", "NOGO", false, false, kPass, kAhead, 10, "", "", 1},
        {"FUNKE", "NOGO", false, false, kStop, kAhead, 10, "", "", 1},
        {"FUNKE", "DEFAULTZOMBIE", false, false, kPass, kAhead, 7, "FUNKE", "", 1},
        {"FUNKE", "BASEWANZE", false, false, kPass, kAhead, 7, "FUNKE", "", 1},
        {"FUNKE", "CRAPS", false, false, kPass, kAhead, 7, "FUNKE", "", 1},
        {"FUNKE", "EXPLOSIVEFASS", false, false, kPass, kAhead, 7, "FUNKE", "", 1},
        {"FUNKE", "GASTANK", false, false, kPass, kAhead, 7, "FUNKE", "", 1},
        {"FUNKE", "BODEN", false, false, kPass, kAhead, 10, "", "", 1},
        {"DEFAULTZOMBIE", "NOGO", false, false, kStay, kTurned, 10, "", "", 1},
        {"DEFAULTZOMBIE", "BACK", false, false, kStay, kTurned, 10, "", "", 1},
        {"DEFAULTZOMBIE", "DEFAULTZOMBIE", false, false, kStay, kTurned, 10, "", "", 1},
        {"DEFAULTZOMBIE", "DEFAULTZOMBIE", false, true, kStay, kTurned, 10, "FUNKE", "FUNKE", 1},
        {"DEFAULTZOMBIE", "DEFAULTBULLET", false, false, kStay, kAhead, 10, "", "FUNKE", 1},
        {"DEFAULTZOMBIE", "HP+", false, false, kPass, kAhead, 10, "", "", 1},
        {"DEFAULTZOMBIE", "PLAYER", true, false, kPass, kAhead, 7, "", "", 1},
        {"DEFAULTZOMBIE", "STUHL", false, false, kPass, kAhead, 10, "", "", 1},
        {"BASEWANZE", "TROOPER", false, false, kStay, kTurned, 10, "", "", 1},
        {"BASEWANZE", "BASEWANZE", false, true, kStay, kTurned, 10, "FUNKE", "FUNKE", 1},
        {"BASEWANZE", "DEFAULTBULLET", false, false, kStay, kAhead, 10, "", "FUNKE", 1},
        {"BASEWANZE", "WANZE", false, false, kPass, kAhead, 10, "", "", 1},
        {"BASEWANZE", "PLAYER", true, false, kPass, kAhead, 10, "", "", 1},
        {"DEKO", "NOGO", false, false, kStay, kTurned, 10, "", "", 1},
        {"DEKO", "TRANSVEGI", false, false, kPass, kAhead, 10, "", "", 1},
        {"DEKO", "FLAMME", false, false, kPass, kAhead, 10, "", "FUNKE", 1},
        {"DEKO", "PLAYER", true, false, kPass, kAhead, 7, "", "", 1},
        {"CRAPS", "BACK", false, false, kStay, kTurned, 10, "", "", 1},
        {"CRAPS", "DEFAULTBULLET", false, false, kPass, kAhead, 10, "", "FUNKE", 1},
        {"CRAPS", "STUHL", false, false, kStay, kAhead, 10, "", "", 1},
        {"HELMET", "NOGO", false, false, kStay, kReversed, 10, "", "", 1},
        {"HELMET", "GREENPLANT", false, false, kPass, kTurned, 10, "", "", 1},
        {"HELMET", "PLAYER", true, false, kPass, kTurned, 10, "", "", 1},
        {"HELMET", "STUHL", false, false, kStay, kTurned, 10, "", "", 1},
        {"BASKET", "NOGO", false, false, kStay, kReversed, 10, "", "", 1},
        {"BASKET", "BODEN", false, false, kPass, kTurned, 10, "", "", 1},
    };
    for (const TypeRow& row : rows) {
        resetScene();
        SCOPED_TRACE(std::string(row.mover) + " touches " + row.other);
        WorldObject& self = object(kSelf);
        WorldObject& other = object(kOther);
        self.worldFTileIDString = row.mover;
        self.useWeapon = row.selfBurning ? "FUNKE" : "";
        other.worldFTileIDString = row.other;
        other.worldFTilePlayerID = row.otherIsPlayer ? 1 : 0;
        const simulation::TouchHandler handler = touchHandlerFor(row.mover);
        ASSERT_NE(handler, nullptr);
        handler(kSelf, kOther);

        const int flags = self.canMoveH * 2 + self.canMoveV;
        EXPECT_EQ(flags, row.move == kPass ? 3 : row.move == kStay ? 2 : 0);
        const float h = row.turn == kAhead ? 1.0f : -1.0f;
        const float v = row.turn == kAhead ? 1.0f : row.turn == kTurned ? 0.0f : -1.0f;
        // HELMET and BASKET turn after the reversal: reversed movers keep facing right.
        EXPECT_EQ(self.worldFTileMoveH, h);
        if (row.turn != kReversed) {
            EXPECT_EQ(self.worldFTileMoveV, v);
        }
        EXPECT_EQ(other.hp, row.otherHp);
        if (row.otherWeapon != nullptr) {
            EXPECT_EQ(other.useWeapon, row.otherWeapon);
        }
        EXPECT_EQ(self.useWeapon, row.selfWeapon);
        EXPECT_EQ(self.worldFTileIsActive, row.selfActive);
        EXPECT_EQ(other.worldFTileIsActive, kObjectActive);  // a door hit by a shot stays
        if (std::string(row.mover) == "DEFAULTBULLET") {
            EXPECT_EQ(self.width, row.selfActive == 0 ? 10.0f : 4.0f);
        }
    }
    EXPECT_EQ(touchHandlerFor("BODEN"), nullptr);
    EXPECT_EQ(touchHandlerFor("defaultbullet"), nullptr);  // names are compared exactly
}

// The player row's outcome: the flags, the map requested and a check of its own.
struct PlayerRow {
    const char* other;
    std::int32_t mapId;
    Move move;
    std::int32_t nextMap;  // -5: unchanged
    void (*check)();
};

TEST_F(TouchHandlers, EveryRowOfThePlayerTable) {
    const PlayerRow rows[] = {
        {"NOGO", 5, kStay, -5, nullptr},
        {"STUHL", 5, kStay, -5, nullptr},
        {"FASS", 5, kStay, -5, nullptr},
        {"BACK", 5, kStay, -5, nullptr},
        {"LICHMINI", 5, kPass, -5, nullptr},
        {"WALKDOWN", 5, kPass, -5, nullptr},
        {"BASEWANZE", 5, kPass, -5, nullptr},
        {"METALLGITTER", 5, kPass, -5, nullptr},
        {"GREENACID", 5, kPass, -5, nullptr},
        {"BRUECKE", 5, kPass, -5, nullptr},
        {"LAUB", 5, kPass, -5,
         [] {
             EXPECT_EQ(object(kOther).useWeapon, "LAUBBLATT");
             EXPECT_EQ(object(kOther).worldFTileRandomActivateWeapon, 100);
         }},
        {"EXTRAFUEL", 5, kPass, -5,
         [] {
             EXPECT_EQ(status(world::kStatusFuel).value, 20);  // MAXFUEL
             EXPECT_EQ(object(kOther).worldFTileIsActive, kObjectGone);
         }},
        {"FIRSTAID", 5, kPass, -5, [] { EXPECT_EQ(status(world::kStatusLife).value, 100); }},
        {"HP+", 5, kPass, -5,
         [] {
             EXPECT_EQ(status(world::kStatusLife).value, 100);
             EXPECT_EQ(status(world::kStatusLife).text, std::string(10, '@'));
         }},
        {"MONEY", 5, kPass, -5, [] { EXPECT_EQ(status(world::kStatusMoney).value, 53); }},
        {"NEWGAME", 1000, kStay, 999, nullptr},
        {"NEWGAME", 999, kStay, 0, nullptr},
        {"CONTINUE", 1000, kStay, 999, nullptr},
        {"CONTINUE", 999, kStay, 0, nullptr},  // no "_" in the cache
        {"EXITGAME", 1000, kStay, 999, nullptr},
        {"EXITGAME", 5, kStay, 999, nullptr},
        {"EXITGAME", 999, kStay, 4095, nullptr},
        {"IDCARD", 5, kPass, -5,
         [] {
             EXPECT_EQ(status(world::kStatusIdCards).value, 3);
             EXPECT_EQ(status(world::kStatusIdCards).text, "\xD6\xD6\xD6");
             EXPECT_EQ(object(kOther).worldFTileIsActive, kObjectGone);
         }},
        {"SECUDOOR", 5, kStay, -5,
         [] {
             EXPECT_EQ(status(world::kStatusIdCards).value, 1);
             EXPECT_EQ(status(world::kStatusIdCards).text, "\xD6");
             EXPECT_EQ(object(kOther).worldFTileIsActive, kObjectGone);
             EXPECT_EQ(object(kOther).worldFTileCollision, 0);
         }},
        {"SAVESTART", 5, kPass, -5,
         [] {
             EXPECT_EQ(object(kSelf).savePointX, 5.0f);
             EXPECT_EQ(object(kSelf).savePointY, 5.0f);
         }},
        {"EXIT_RIGHT", 10, kStay, 4096, nullptr},
        {"EXIT_RIGHT", 0, kStay, 1, nullptr},
        {"EXIT_LEFT", 13, kStay, 12, nullptr},
        {"EXIT_DOWN", 4, kStay, 8, nullptr},
        {"EXIT_UP", 9, kStay, 10, nullptr},
        {"EXIT_UP", 6, kStay, -5, nullptr},  // no way up from map 6
        {"TROOPER", 5, kStay, -5, nullptr},
    };
    for (const PlayerRow& row : rows) {
        resetScene();
        SCOPED_TRACE(std::string("player touches ") + row.other + " on map " +
                     std::to_string(row.mapId));
        EngineSettings& s = engineSettings;
        s.actualMapId = row.mapId;
        s.nextMapId = -5;
        s.maxFuel = 20;
        s.cachePath = "";
        status(world::kStatusFuel).value = 15;
        status(world::kStatusLife).value = 80;
        status(world::kStatusMoney).value = 3;
        status(world::kStatusIdCards) = {"\xD6\xD6", 2};
        WorldObject& self = object(kSelf);
        self.worldFTilePlayerID = 1;
        self.hpMax = 100;
        self.savePointX = 1.0f;
        self.savePointY = 2.0f;
        s.playerObject = kSelf;
        WorldObject& other = object(kOther);
        other.worldFTileIDString = row.other;
        other.hp = 50;
        other.worldFTileCollision = 1;
        playerTouch(kSelf, kOther);

        const int flags = self.canMoveH * 2 + self.canMoveV;
        EXPECT_EQ(flags, row.move == kPass ? 3 : 2);
        EXPECT_EQ(s.nextMapId, row.nextMap);
        if (std::string(row.other) != "SAVESTART") {
            EXPECT_EQ(self.savePointX, -1.0f);  // any touch forgets the save point
            EXPECT_EQ(self.savePointY, -1.0f);
        }
        if (row.check != nullptr) row.check();
    }
}

TEST_F(TouchHandlers, DoorsWantACardAndLeavesFlyOnlyForAMovingPlayer) {
    auto& cards = status(world::kStatusIdCards);
    cards = {"", 0};
    WorldObject& self = object(kSelf);
    self.worldFTilePlayerID = 1;
    object(kOther).worldFTileIDString = "SECUDOOR";
    playerTouch(kSelf, kOther);
    EXPECT_EQ(object(kOther).worldFTileIsActive, kObjectActive);
    EXPECT_EQ(self.canMoveV, 0);  // blocked by the closed door
    EXPECT_EQ(cards.value, 0);

    self.worldFTileMoveH = 0.0f;
    self.worldFTileMoveV = 0.0f;
    object(kOther).worldFTileIDString = "LAUB";
    playerTouch(kSelf, kOther);
    EXPECT_EQ(object(kOther).useWeapon, "");
    EXPECT_EQ(self.canMoveV, 0);
}

}  // namespace
