// Firing and spawning on a small table: the shooter at (100, 100), 40 x 40, and pool
// objects 20 x 20; damage and death with their drops.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_settings.h"
#include "simulation/damage.h"
#include "simulation/object_update.h"
#include "simulation/weapons.h"
#include "simulation_fixture.h"
#include "support/test_support.h"
#include "world/hud_texts.h"

namespace {

using simulation::damageObject;
using simulation::fireWeapon;

constexpr std::int32_t kPlayer = 0;
constexpr std::int32_t kShooter = 1;
constexpr std::int32_t kPoolFirst = 2;

PlayerStatusEntry& status(std::int32_t entry) {
    return engineSettings.playerStatus[static_cast<std::size_t>(entry)];
}

class Weapons : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        reset({"DEFAULTBULLET"});
    }

    // The player at (7, 9), the shooter, then one switched-off pool object per type.
    void reset(std::initializer_list<const char*> pool) {
        EngineSettings& s = engineSettings;
        resetWorldObjects();
        const auto count = static_cast<std::int32_t>(kPoolFirst + pool.size());
        makeObjects(count);
        s.weaponLast = -1;
        std::int32_t i = kPoolFirst;
        for (const char* type : pool) {
            WorldObject& w = object(i);
            w.worldFTileIDString = type;
            w.worldFTileIsWeapon = 1;
            w.worldFTileIsActive = kObjectSwitchedOff;
            w.posX = w.posY = 1.0f;
            w.width = w.height = 20.0f;
            w.displayWidth = w.displayHeight = 20.0f;
            w.picturePath = "unused";
            s.weaponLast += 1;
            if (static_cast<std::size_t>(s.weaponLast) >= s.weaponList.size()) {
                s.weaponList.resize(static_cast<std::size_t>(s.weaponLast) + 2);
            }
            s.weaponList[static_cast<std::size_t>(s.weaponLast)] = i;
            ++i;
        }
        WorldObject& player = object(kPlayer);
        player.worldFTilePlayerID = 1;
        player.posX = 7.0f;
        player.posY = 9.0f;
        s.playerObject = kPlayer;
        WorldObject& shooter = object(kShooter);
        shooter.posX = shooter.posY = 100.0f;
        shooter.width = shooter.height = 40.0f;
        shooter.layer = 3;
        shooter.onScreen = 1;
        status(world::kStatusFuel).value = 5;
    }

    void fire(const char* type) {
        object(kShooter).useWeapon = type;
        fireWeapon(kShooter, object(kShooter).posX, object(kShooter).posY);
    }
};

struct SpawnRow {
    const char* type;
    const char* shooterType;
    std::int32_t shooterDirection;
    bool shooterOnScreen;
    bool objectOnScreen;
    std::int32_t fuel;
    bool spawned;
    float x, y;  // where it lands (spawned) or stays (1, 1)
    float moveH, moveV;
};

TEST_F(Weapons, EverySpawnRowPlacesByType) {
    const SpawnRow rows[] = {
        {"REDVIRUS", "", 0, true, true, 5, true, 100, 140, 0, 0},
        {"REDFIRE", "FIRER", 0, true, true, 5, true, 100, 140, 1, 0},
        {"REDFIRE", "FIREU", 0, true, true, 5, true, 100, 140, 0, -1},
        {"REDFIRE", "FIRER", 0, true, false, 5, false, 1, 1, 0, 0},  // off screen: nothing
        {"WATERMIRROR", "", 0, false, true, 5, false, 1, 1, 0, 0},
        {"VIRUSBLOOD", "", 0, true, true, 5, true, 100, 140, 0, 0},
        {"GREENACID", "", 0, true, true, 5, true, 100, 140, 0, 0},
        {"DEFAULTBULLET", "", kDirectionRight, true, true, 1, true, 140, 100, 1, 0},
        {"DEFAULTBULLET", "", kDirectionDown, true, true, 1, true, 100, 140, 0, 1},
        {"DEFAULTBULLET", "", kDirectionUp, true, true, 1, true, 100, 100, 0, -1},
        {"DEFAULTBULLET", "", kDirectionLeft, true, true, 1, true, 100, 100, -1, 0},
        {"DEFAULTBULLET", "", kDirectionRight, true, true, 0, false, 1, 1, 0, 0},
        {"FLAMME", "", 0, true, true, 5, true, 110, 110, 0, 0},
        {"FUNKE", "", 0, false, false, 5, true, 110, 110, 0, 0},
        {"RADIATION", "", 0, true, true, 5, true, 100, 100, 0, 0},
        {"RADIATION", "", 0, false, true, 5, false, 1, 1, 0, 0},
        {"LAUBBLATT", "", 0, true, true, 5, true, 7, 9, 0, 0},
        {"BURNEDZOMBIE", "", 0, true, true, 5, true, 100, 100, 0, 0},
        {"EXPLODEDGASTANK", "", 0, true, true, 5, true, 100, 100, 0, 0},
        {"SOMETHINGELSE", "", 0, false, false, 5, true, 100, 100, 0, 0},
    };
    for (const SpawnRow& row : rows) {
        reset({row.type});
        SCOPED_TRACE(std::string(row.type) + " from " + row.shooterType);
        WorldObject& shooter = object(kShooter);
        shooter.worldFTileIDString = row.shooterType;
        shooter.animDirection = row.shooterDirection;
        shooter.onScreen = row.shooterOnScreen ? 1 : 0;
        WorldObject& w = object(kPoolFirst);
        w.onScreen = row.objectOnScreen ? 1 : 0;
        status(world::kStatusFuel).value = row.fuel;
        fire(row.type);
        EXPECT_EQ(w.worldFTileIsActive, row.spawned ? kObjectActive : kObjectSwitchedOff);
        EXPECT_EQ(w.posX, row.x);
        EXPECT_EQ(w.posY, row.y);
        EXPECT_EQ(w.worldFTileMoveH, row.moveH);
        EXPECT_EQ(w.worldFTileMoveV, row.moveV);
        const bool linked = row.spawned && std::string(row.type) != "RADIATION";
        EXPECT_EQ(w.linkedObject, linked ? kShooter : 0);
    }
    // Scattered over the shooter while it is on screen.
    reset({"WATERMIRROR"});
    fire("WATERMIRROR");
    EXPECT_GE(object(kPoolFirst).posX, 100.0f);
    EXPECT_LE(object(kPoolFirst).posX, 140.0f);
    EXPECT_EQ(object(kPoolFirst).layer, 3);
}

TEST_F(Weapons, OnePoolBulletFliesOneAtATimeAndEverySpawnReadsItsDnaAgain) {
    testing_support::TempDir gfx;
    testing_support::writeFile(gfx.file("SHOT.dll"), "worldFTileWeaponPower\r\n7\r\n");
    engineSettings.gfxPath = gfx.path() + "/";
    object(kPoolFirst).dnaName = "SHOT";
    object(kShooter).animDirection = kDirectionRight;
    fire("DEFAULTBULLET");
    WorldObject& bullet = object(kPoolFirst);
    EXPECT_EQ(bullet.worldFTileIsActive, kObjectActive);
    EXPECT_EQ(bullet.worldFTileWeaponPower, 7);
    bullet.posX = 50.0f;
    bullet.worldFTileWeaponPower = 0;
    fire("DEFAULTBULLET");  // the only bullet is still flying
    EXPECT_EQ(bullet.posX, 50.0f);
    bullet.worldFTileIsActive = kObjectSwitchedOff;
    fire("DEFAULTBULLET");
    EXPECT_EQ(bullet.posX, 140.0f);
    EXPECT_EQ(bullet.worldFTileWeaponPower, 7);
}

TEST_F(Weapons, ThePlayersShotWithoutFuelIsSwitchedOnButNotPlaced) {
    WorldObject& player = object(kPlayer);
    player.useWeapon = "DEFAULTBULLET";
    player.animDirection = kDirectionRight;
    status(world::kStatusFuel).value = 0;
    fireWeapon(kPlayer, 7.0f, 9.0f);  // fire button not held
    EXPECT_EQ(object(kPoolFirst).worldFTileIsActive, kObjectSwitchedOff);
    player.fireState = 2;
    fireWeapon(kPlayer, 7.0f, 9.0f);
    EXPECT_EQ(object(kPoolFirst).worldFTileIsActive, kObjectActive);
    EXPECT_EQ(object(kPoolFirst).posX, 1.0f);

    object(kPoolFirst).worldFTileIsActive = kObjectSwitchedOff;
    status(world::kStatusFuel).value = 1;
    fireWeapon(kPlayer, 7.0f, 9.0f);
    EXPECT_EQ(object(kPoolFirst).posX, 17.0f);  // from the player's right edge (10 wide)
}

TEST_F(Weapons, RandomActivateWeaponSetsTheChanceOfAShot) {
    for (const int chance : {0, 100}) {
        object(kShooter).worldFTileRandomActivateWeapon = chance;
        object(kShooter).animDirection = kDirectionRight;
        const int frames = 10100;
        int shots = 0;
        for (int frame = 0; frame < frames; ++frame) {
            fire("DEFAULTBULLET");
            if (object(kPoolFirst).worldFTileIsActive == kObjectActive) ++shots;
            object(kPoolFirst).worldFTileIsActive = kObjectSwitchedOff;
        }
        if (chance == 0) {
            EXPECT_EQ(shots, frames);
        } else {
            EXPECT_NEAR(shots, frames / 101, 40);  // 4 standard deviations
        }
    }
}

TEST_F(Weapons, NoPoolOrAnInactiveShooterFiresNothing) {
    reset({"FLAMME"});
    object(kShooter).worldFTileIsActive = kObjectSwitchedOff;
    fire("FLAMME");
    EXPECT_EQ(object(kPoolFirst).worldFTileIsActive, kObjectSwitchedOff);
    reset({});
    object(kPlayer).worldFTileIDString = "FLAMME";  // not in the pool
    object(kPlayer).worldFTileIsActive = kObjectSwitchedOff;
    fire("FLAMME");
    EXPECT_EQ(object(kPlayer).worldFTileIsActive, kObjectSwitchedOff);
}

TEST_F(Weapons, ABugWhoseLifeEndsLeavesOneBurningBugWhereItWas) {
    reset({"BURNKAKALAK", "BURNKAKALAK"});
    WorldObject& bug = object(kShooter);
    bug.worldFTileIDString = "WANZE";
    bug.lifetimeActive = 1;
    bug.worldFTileLifeTime = 0;
    simulation::lifeTimeStep(kShooter);
    EXPECT_EQ(bug.worldFTileIsActive, kObjectSwitchedOff);
    EXPECT_EQ(bug.useWeapon, "");
    EXPECT_EQ(object(kPoolFirst).worldFTileIsActive, kObjectActive);
    EXPECT_EQ(object(kPoolFirst).posX, 100.0f);
    EXPECT_EQ(object(kPoolFirst).posY, 100.0f);
    EXPECT_EQ(object(kPoolFirst + 1).worldFTileIsActive, kObjectSwitchedOff);
}

// ---- Damage and death -----------------------------------------------------------------

struct DeathRow {
    const char* victim;
    std::int8_t removed;
    std::int8_t active;
    std::int32_t carriedTotal;
    std::int32_t hp;
};

TEST_F(Weapons, VictimsDieByTheirType) {
    const DeathRow rows[] = {
        {"DEFAULTZOMBIE", 1, kObjectSwitchedOff, 30, 0},
        {"CRAPS", 1, kObjectSwitchedOff, 30, 0},
        {"REDVIRUS", 0, kObjectSwitchedOff, 30, 0},
        {"BASEWANZE", 1, kObjectSwitchedOff, 30, 0},
        {"EXPLOSIVEFASS", 1, kObjectSwitchedOff, 0, 0},
        {"GASTANK", 0, kObjectActive, 0, -4},
    };
    for (const DeathRow& row : rows) {
        reset({"MONEY", "HP+", "BURNEDZOMBIE"});
        SCOPED_TRACE(row.victim);
        engineSettings.carriedTotal = 0;
        WorldObject& victim = object(kShooter);
        victim.worldFTileIDString = row.victim;
        victim.hp = 1;
        victim.hpMax = 30;
        object(kPlayer).worldFTileWeaponPower = 5;
        damageObject(kPlayer, kShooter);
        EXPECT_EQ(victim.removed, row.removed);
        EXPECT_EQ(victim.worldFTileIsActive, row.active);
        EXPECT_EQ(object(kPlayer).carriedTotal, row.carriedTotal);
        EXPECT_EQ(engineSettings.carriedTotal, row.carriedTotal);
        EXPECT_EQ(victim.hp, row.hp);
        if (std::string(row.victim) == "BASEWANZE") {  // a dead bug leaves nothing
            for (std::int32_t i = kPoolFirst; i < kPoolFirst + 3; ++i) {
                EXPECT_EQ(object(i).worldFTileIsActive, kObjectSwitchedOff);
            }
        }
    }
    // A survivor only loses hp.
    reset({"MONEY"});
    object(kShooter).worldFTileIDString = "DEFAULTZOMBIE";
    object(kShooter).hp = 9;
    object(kPlayer).worldFTileWeaponPower = 5;
    damageObject(kPlayer, kShooter);
    EXPECT_EQ(object(kShooter).hp, 4);
    EXPECT_EQ(object(kShooter).worldFTileIsActive, kObjectActive);
}

TEST_F(Weapons, ThePlayerLosesLifeAndDiesBelowOne) {
    object(kPlayer).hp = 5;
    status(world::kStatusLife).value = 25;
    object(kShooter).worldFTileWeaponPower = 20;
    damageObject(kShooter, kPlayer);
    EXPECT_EQ(object(kPlayer).hp, -15);
    EXPECT_EQ(status(world::kStatusLife).value, 5);
    EXPECT_EQ(engineSettings.playerDead, 0);
    damageObject(kShooter, kPlayer);
    EXPECT_EQ(status(world::kStatusLife).value, -15);
    EXPECT_EQ(engineSettings.playerDead, 1);
}

TEST_F(Weapons, AKilledZombieDropsMoneyLifeOrItsCorpseOneOneAndFourInSix) {
    const int trials = 6000;
    int drops[3] = {0, 0, 0};
    // One seeded stream over all trials: each kill draws on where the last one left off.
    for (int trial = 0; trial < trials; ++trial) {
        reset({"MONEY", "HP+", "BURNEDZOMBIE"});
        WorldObject& zombie = object(kShooter);
        zombie.worldFTileIDString = "DEFAULTZOMBIE";
        zombie.hp = 1;
        object(kPlayer).worldFTileWeaponPower = 1;
        damageObject(kPlayer, kShooter);
        int placed = 0;
        for (int k = 0; k < 3; ++k) {
            const WorldObject& drop = object(kPoolFirst + k);
            if (drop.worldFTileIsActive != kObjectActive) continue;
            ++drops[k];
            ++placed;
            EXPECT_EQ(drop.posX, 100.0f);
        }
        ASSERT_EQ(placed, 1) << "trial " << trial;
    }
    // Expected 1000, 1000 and 4000; four standard deviations (29 and 41) either way.
    EXPECT_NEAR(drops[0], 1000, 116);
    EXPECT_NEAR(drops[1], 1000, 116);
    EXPECT_NEAR(drops[2], 4000, 164);
}

}  // namespace
