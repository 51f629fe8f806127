#include <gtest/gtest.h>

#include "simulation/object_update.h"
#include "simulation_fixture.h"
#include "world/live_time.h"

namespace {

class LiveTimeTest : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        makeObjects(3);
    }

    // One frame whose cycle is at 0, so the update runs the live-time step.
    static void cycleFrame(std::int32_t index) {
        engineSettings.frameCycle = 0;
        simulation::updateObject(index);
    }

    // The step on which the object expires, or 0 when it lasted maxSteps.
    static int stepsUntilExpired(std::int32_t index, int maxSteps) {
        for (int step = 1; step <= maxSteps; ++step) {
            cycleFrame(index);
            if (object(index).worldFTileIsActive == kObjectSwitchedOff) return step;
        }
        return 0;
    }
};

TEST_F(LiveTimeTest, LimitAndCounterDecideTheStep) {
    object(1).worldFTileinGameLiveTime = 10;
    object(1).worldFTileinGameLiveTimeCounter = 3;
    EXPECT_EQ(stepsUntilExpired(1, 10), 4);
    EXPECT_EQ(object(1).liveTimeAccumulator, 0);  // back at 0 after expiring (it was 12)

    object(2).worldFTileinGameLiveTime = 10;
    object(2).worldFTileinGameLiveTimeCounter = -1;
    EXPECT_EQ(stepsUntilExpired(2, 10), 1);

    object(0).worldFTileinGameLiveTime = 10;
    object(0).worldFTileinGameLiveTimeCounter = 0;
    EXPECT_EQ(stepsUntilExpired(0, 200), 0);
}

TEST_F(LiveTimeTest, StepsOnlyWhenTheFrameCycleIsAtZero) {
    object(1).worldFTileinGameLiveTime = 10;
    object(1).worldFTileinGameLiveTimeCounter = 3;
    for (int frame = 1; frame <= 50; ++frame) {
        engineSettings.frameCycle = frame;
        simulation::updateObject(1);
    }
    EXPECT_EQ(object(1).liveTimeAccumulator, 0);
    cycleFrame(1);
    EXPECT_EQ(object(1).liveTimeAccumulator, 3);
}

TEST_F(LiveTimeTest, ALeafStopsItsSpawnerFiring) {
    object(2).worldFTileIDString = std::string(world::kLeafTypeName);
    object(2).worldFTileinGameLiveTimeCounter = -1;
    object(2).linkedObject = 1;
    object(1).useWeapon = "LAUBBLATT";
    object(0).useWeapon = "SHOT";
    world::liveTimeStep(2);
    EXPECT_EQ(object(2).worldFTileIsActive, kObjectSwitchedOff);
    EXPECT_EQ(object(1).useWeapon, "");
    EXPECT_EQ(object(0).useWeapon, "SHOT");

    // A leaf without a spawner (linkedObject 0) leaves object 0, often the player, armed.
    object(1).useWeapon = "LAUBBLATT";
    object(2).linkedObject = 0;
    world::liveTimeStep(2);
    EXPECT_EQ(object(0).useWeapon, "SHOT");
    EXPECT_EQ(object(1).useWeapon, "LAUBBLATT");
}

TEST_F(LiveTimeTest, AnObjectGoneForGoodStaysGone) {
    object(1).worldFTileIsActive = kObjectGone;
    object(1).worldFTileinGameLiveTimeCounter = -1;
    world::liveTimeStep(1);
    EXPECT_EQ(object(1).worldFTileIsActive, kObjectGone);
    EXPECT_EQ(object(1).liveTimeAccumulator, 0);
}

TEST_F(LiveTimeTest, ABadSpawnerIndexIsAFaultNotACrash) {
    object(2).worldFTileIDString = std::string(world::kLeafTypeName);
    object(2).worldFTileinGameLiveTimeCounter = -1;
    object(2).linkedObject = 100000;
    EXPECT_FALSE(base::guardedStep([] { world::liveTimeStep(2); }));
    EXPECT_EQ(base::lastFault().kind, base::FaultKind::IndexOutOfRange);
    EXPECT_EQ(base::lastFault().position.unit, base::SourceUnit::ENGINE_INTERNALS);
}

}  // namespace
