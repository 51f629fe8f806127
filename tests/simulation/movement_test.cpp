// Movement and collision rules, one table per rule family.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/media/headless/replay.h"
#include "engine/world_frame.h"
#include "simulation/collision.h"
#include "simulation/movement.h"
#include "simulation/player_input.h"
#include "simulation/simulation_slots.h"
#include "simulation/touch_handlers.h"
#include "simulation_fixture.h"

namespace {

using namespace simulation;

// Movers of this type record their touches and leave the flags as the test set them.
constexpr const char* kProbe = "PROBE";
std::vector<std::pair<std::int32_t, std::int32_t>> touches;
void recordTouch(std::int32_t self, std::int32_t other) {
    touches.emplace_back(self, other);
}
std::set<std::string, std::less<>> probeTypes;
TouchHandler probeFor(std::string_view type) {
    return probeTypes.count(type) != 0 ? recordTouch : nullptr;
}

class MovementTest : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        probeTypes = {kProbe};
        touchSlots = {probeFor, nullptr};
        touches.clear();
    }
    void TearDown() override {
        touchSlots = TouchSlots{};
        SimulationTest::TearDown();
    }

    // Object i at (x, y), w x h, moving by (h, v) at speed 1 with both axes open.
    static WorldObject& place(std::int32_t i, float x, float y, float w, float h, float moveH = 0,
                              float moveV = 0) {
        WorldObject& o = object(i);
        o.posX = x;
        o.posY = y;
        o.width = w;
        o.height = h;
        o.worldFTileMoveH = moveH;
        o.worldFTileMoveV = moveV;
        o.speedX = o.speedY = o.worldFTileVELO = 1.0f;
        o.canMoveH = o.canMoveV = 1;
        o.worldFTileCollision = 1;
        o.worldFTileIDString = kProbe;
        return o;
    }

    static void setCollisionList(std::vector<std::int32_t> entries) {
        engineSettings.collisionList = entries;
        engineSettings.collisionLast = static_cast<std::int32_t>(entries.size()) - 1;
    }

    // Restarts the media services with these keys (and joystick state) held.
    static void holdInput(const std::string& replayText) {
        media::Replay replay;
        std::string error;
        ASSERT_TRUE(media::parseReplay(replayText, replay, error)) << error;
        media::shutdownServices();
        auto platform = std::make_unique<media::HeadlessPlatform>(640, 480, std::move(replay));
        platform->setTurn(1);
        media::initServices(std::move(platform), 7);
        media::pollEvents();
        const media::WindowHandle window = media::openWindow(0, 0, kScreenWidth, kScreenHeight,
                                                             "test", media::WindowStyle::Captioned);
        ASSERT_NE(media::openScreen(window, 0, 0, kScreenWidth, kScreenHeight), 0);
        engineSettings.mainWindow = static_cast<std::int32_t>(window);
    }
};

TEST_F(MovementTest, CollisionTestsAreStrictAndBlockByAxis) {
    struct Row {
        const char* what;
        CollisionRect self, other;
        float moveH, moveV;
        bool hit;
        int canMoveH, canMoveV;
    };
    const Row rows[] = {
        {"shared right edge", {0, 0, 10, 10}, {10, 0, 10, 10}, 1, 1, false, 1, 1},
        {"shared bottom edge", {0, 0, 10, 10}, {0, 10, 10, 10}, 1, 1, false, 1, 1},
        {"apart", {0, 0, 10, 10}, {30, 30, 5, 5}, 1, 1, false, 1, 1},
        {"small inside large, no corner inside", {0, 5, 20, 4}, {0, 0, 20, 20}, 1, 1, true, 1, 0},
        {"equal rectangles", {3, 3, 8, 8}, {3, 3, 8, 8}, 1, 1, true, 1, 0},
        {"top-left corner inside", {5, 5, 10, 10}, {0, 0, 8, 8}, 1, 1, true, 0, 0},
        {"bottom-right corner inside", {0, 0, 10, 10}, {5, 5, 10, 10}, 1, 1, true, 0, 0},
        {"corner inside, not moving sideways", {5, 5, 10, 10}, {0, 0, 8, 8}, 0, 1, true, 1, 0},
        {"overlap, not moving vertically", {0, 5, 20, 4}, {0, 0, 20, 20}, 1, 0, true, 1, 1},
        {"saturated coordinates", {2147483647, 0, 2147483647, 5}, {0, 0, 5, 5}, 1, 1, false, 1, 1},
    };
    makeObjects(2);
    for (const Row& row : rows) {
        place(0, 0, 0, 1, 1, row.moveH, row.moveV);
        touches.clear();
        EXPECT_EQ(collisionTest(0, 1, row.self, row.other), row.hit) << row.what;
        EXPECT_EQ(object(0).canMoveH, row.canMoveH) << row.what;
        EXPECT_EQ(object(0).canMoveV, row.canMoveV) << row.what;
        EXPECT_EQ(touches.size(), row.hit ? 1u : 0u) << row.what;
    }
}

TEST_F(MovementTest, TheScanTakesTheListInOrderWithNextPositions) {
    makeObjects(5);
    place(0, 0, 0, 10, 10, 1, 0);  // next position 1..11
    place(1, 10, 0, 5, 5);         // touches only through self's step
    place(2, 4, 4, 2, 2).worldFTileIsActive = kObjectSwitchedOff;
    place(3, 2, 2, 3, 3).worldFTileCollision = 0;
    place(4, 13, 0, 5, 5, -1, 0);  // its own step brings it in
    object(4).canMoveH = 0;        // ... but it is blocked
    setCollisionList({4, 1, 0, 2, 3, 1});
    collisionScanListOrder(0);
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{0, 1}, {0, 1}};
    EXPECT_EQ(touches, expected);
    // Positions round ties to even; self's rectangle ignores its flags, the other's not.
    place(0, 2.5f, 3.5f, 10.5f, 9.5f, 1, 1).canMoveH = 0;
    const CollisionRect self = nextRect(0, false);
    const CollisionRect withFlags = nextRect(0, true);
    EXPECT_EQ(self.x, 4);  // 3.5
    EXPECT_EQ(self.y, 4);  // 4.5
    EXPECT_EQ(self.width, 10);
    EXPECT_EQ(withFlags.x, 2);
    // A bad list entry is one fault, after the touches before it.
    touches.clear();
    place(0, 0, 0, 10, 10, 1, 0);
    setCollisionList({1, 99999});
    EXPECT_FALSE(base::guardedStep([] { collisionScan(0); }));
    EXPECT_EQ(touches.size(), 1u);
}

TEST_F(MovementTest, TouchDispatchPushesCarriesAndMarks) {
    struct Row {
        const char* what;
        int pusherWeight, pushedWeight;
        const char* carrier;
        const char* moverType;
        float startRotate;
        float moverH, moverV;
        bool pushed;
        int canMoveH, canMoveV;
        float moveH, moveV;
        float transparency, rotate;
    };
    const Row rows[] = {
        {"equal weight", 5, 5, "", kProbe, 0, 1, 0, false, 1, 1, 1, 0, 99, 0.1f},
        {"heavier", 6, 5, "", kProbe, 0, 1, 0, true, 1, 1, 1, 0, 99, 0.1f},
        // The conveyor turns the mover before the touch rotation reads its directions.
        {"WALKLEFT", 0, 0, "WALKLEFT", kProbe, 0, 0, 1, false, 1, 0, -1, 1, 99, 0.0f},
        {"WALKRIGHT", 0, 0, "WALKRIGHT", kProbe, 0.95f, 0, 1, false, 1, 0, 1, 1, 99, 1.0f},
        {"WALKUP", 0, 0, "WALKUP", kProbe, -0.95f, -1, 0, false, 0, 1, -1, -1, 99, -1.0f},
        {"WALKDOWN", 0, 0, "WALKDOWN", kProbe, 0, 0, 0, false, 0, 1, 0, 1, 99, 0.1f},
        {"unknown carrier", 0, 0, "WALKAROUND", kProbe, 0, 1, 0, false, 1, 1, 1, 0, 99, 0.1f},
        {"LIGHTBLUE", 0, 0, "", "LIGHTBLUE", 0, 1, 0, false, 1, 1, 1, 0, 255, 0.1f},
    };
    makeObjects(2);
    probeTypes.insert("LIGHTBLUE");
    for (const Row& row : rows) {
        WorldObject& mover = place(0, 0, 0, 10, 10, row.moverH, row.moverV);
        mover.worldFTileIDString = row.moverType;
        mover.worldFTileWeight = row.pusherWeight;
        mover.worldFTileVELO = 3.0f;
        WorldObject& other = place(1, 0, 0, 10, 10);
        other.worldFTileWeight = row.pushedWeight;
        other.worldFTileTouchMove = 1;
        other.worldFTileTransport = row.carrier[0] != '\0' ? 1 : 0;
        other.worldFTileIDString = row.carrier;
        other.worldFTileTransparency = 255.0f;
        other.worldFTileTouchTransparency = 99;
        other.worldFTileTouchRotate = 1;
        other.worldFTileRotate = row.startRotate;
        touches.clear();
        touchDispatch(0, 1);
        EXPECT_EQ(other.worldFTileVELO, row.pushed ? 3.0f : 1.0f) << row.what;
        EXPECT_EQ(other.speedX, row.pushed ? 3.0f : 1.0f) << row.what;
        EXPECT_EQ(other.worldFTileMoveH, row.pushed ? row.moverH : 0.0f) << row.what;
        EXPECT_EQ(mover.canMoveH, row.canMoveH) << row.what;
        EXPECT_EQ(mover.canMoveV, row.canMoveV) << row.what;
        EXPECT_EQ(mover.worldFTileMoveH, row.moveH) << row.what;
        EXPECT_EQ(mover.worldFTileMoveV, row.moveV) << row.what;
        EXPECT_EQ(other.worldFTileTransparency, row.transparency) << row.what;
        EXPECT_FLOAT_EQ(other.worldFTileRotate, row.rotate) << row.what;
        EXPECT_EQ(touches.size(), 1u) << row.what;  // the type handler comes last, once
    }
}

TEST_F(MovementTest, MoversWithoutAHandlerFallBack) {
    makeObjects(2);
    place(1, 0, 0, 10, 10);
    // A player without a handler stays blocked until the rules give it one.
    WorldObject& player = place(0, 0, 0, 10, 10, 1, 1);
    player.worldFTileIDString = "HERO";
    player.worldFTilePlayerID = 1;
    player.canMoveH = player.canMoveV = 0;
    touchDispatch(0, 1);
    EXPECT_EQ(player.worldFTileMoveH, 1.0f);
    EXPECT_EQ(player.canMoveH, 0);
    touchSlots.player = recordTouch;
    touchDispatch(0, 1);
    EXPECT_EQ(touches.size(), 1u);
    // Any other object reverses each axis now and then (chance 1 in 11 each).
    player.worldFTilePlayerID = 0;
    int reversedH = 0, reversedV = 0;
    for (int n = 0; n < 1100; ++n) {
        player.worldFTileMoveH = player.worldFTileMoveV = 1.0f;
        touchDispatch(0, 1);
        reversedH += player.worldFTileMoveH < 0 ? 1 : 0;
        reversedV += player.worldFTileMoveV < 0 ? 1 : 0;
    }
    EXPECT_GT(reversedH, 50);
    EXPECT_LT(reversedH, 160);
    EXPECT_GT(reversedV, 50);
    EXPECT_LT(reversedV, 160);
}

TEST_F(MovementTest, PushedObjectsSlideToRest) {
    struct Row {
        float moveV;
        int hasVelocity;
        bool stops;
    };
    const Row rows[] = {{-1, 0, true}, {1, 0, true}, {1, 1, false}};
    makeObjects(1);
    std::vector<int> frames;
    for (const Row& row : rows) {
        WorldObject& o = place(0, 0, 0, 10, 10, 0, row.moveV);
        o.worldFTileTouchMove = 1;
        o.hasVelocity = static_cast<std::int8_t>(row.hasVelocity);
        int n = 0;
        while (o.worldFTileVELO != 0.0f && n < 100) {
            pushDecay(0);
            ++n;
        }
        EXPECT_EQ(o.worldFTileVELO == 0.0f, row.stops) << row.moveV;
        if (row.stops) {
            EXPECT_EQ(o.speedX, 0.0f);
            EXPECT_EQ(o.speedY, 0.0f);
            frames.push_back(n);
        }
    }
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], frames[1]);  // up slows like down
    EXPECT_EQ(frames[0], 22);         // 0.9^21 is still above 0.1
}

TEST_F(MovementTest, MoveStepTurnsByChanceAndStepsAxesInOrder) {
    makeObjects(1);
    // worldFTileRandomMove 0 never turns; every frame steps.
    WorldObject& walker = place(0, 0, 0, 4, 4, 1, 1);
    walker.movesBothWays = 1;
    for (int n = 0; n < 100; ++n)
        moveStep(0);
    EXPECT_EQ(walker.posX, 100.0f);
    EXPECT_EQ(walker.posY, 100.0f);
    // With 1 each draw succeeds half the time; a turn costs the step.
    walker.worldFTileRandomMove = 1;
    int turns = 0, steps = 0;
    for (int n = 0; n < 200; ++n) {
        walker.worldFTileMoveH = walker.worldFTileMoveV = 1.0f;
        const float x = walker.posX, y = walker.posY;
        moveStep(0);
        const bool turned = walker.worldFTileMoveH != 1.0f || walker.worldFTileMoveV != 1.0f;
        turns += turned ? 1 : 0;
        steps += turned ? 0 : 1;
        EXPECT_EQ(walker.posX, turned ? x : x + 1.0f);
        EXPECT_EQ(walker.posY, turned ? y : y + 1.0f);
    }
    EXPECT_GT(turns, 150);
    EXPECT_GT(steps, 0);

    // Axis order shows in the direction: only the first frame step of a frame is due.
    struct Row {
        int playerID;
        std::int8_t canMoveH;
        float dx, dy;
        std::int32_t direction;
    };
    const Row rows[] = {
        {0, 1, 1, 1, kDirectionDown},   // vertical first
        {1, 1, 1, 1, kDirectionRight},  // horizontal first
        {1, 0, 0, 1, kDirectionRight},  // blocked, but the frame step still runs
    };
    for (const Row& row : rows) {
        WorldObject& o = place(0, 0, 0, 4, 4, 1, 1);
        o.worldFTileRandomMove = 0;
        o.worldFTilePlayerID = row.playerID;
        o.canMoveH = row.canMoveH;
        o.animTimer = 1;
        o.animDirection = kDirectionDefault;
        o.lastFrameTick = static_cast<std::int32_t>(media::milliseconds());
        advanceClock(10);
        moveStep(0);
        EXPECT_EQ(o.posX, row.dx) << row.playerID;
        EXPECT_EQ(o.posY, row.dy) << row.playerID;
        EXPECT_EQ(o.animDirection, row.direction) << row.playerID;
        EXPECT_EQ(o.width, 4.0f);  // a still object keeps its size
    }
}

TEST_F(MovementTest, ConveyorsCarryThroughScanAndStep) {
    struct Row {
        const char* conveyor;
        float dx, dy;
    };
    const Row rows[] = {
        {"WALKLEFT", -3, 0}, {"WALKRIGHT", 3, 0}, {"WALKUP", 0, -3}, {"WALKDOWN", 0, 3}};
    makeObjects(2);
    setCollisionList({0, 1});
    for (const Row& row : rows) {
        WorldObject& crate = place(0, 20, 20, 5, 5, 0, 1);  // heading down
        WorldObject& belt = place(1, 0, 0, 60, 48);
        belt.worldFTileVELO = 0.0f;
        belt.worldFTileTransport = 1;
        belt.worldFTileIDString = row.conveyor;
        for (int frame = 0; frame < 3; ++frame) {
            collisionScan(0);
            moveStep(0);
        }
        EXPECT_EQ(crate.posX, 20 + row.dx) << row.conveyor;
        EXPECT_EQ(crate.posY, 20 + row.dy) << row.conveyor;
    }
}

TEST_F(MovementTest, PlayerKeysAndStick) {
    struct Row {
        const char* what;
        const char* input;  // replay lines of turn 1
        int useJoystick;
        float playerMove;
        float moveH, moveV;
        int fireState;
        std::int32_t direction;  // starts at LEFT
        int inputMode;
    };
    const Row rows[] = {
        {"nothing held", "", 0, 0, 0, 0, 0, kDirectionLeft, 0},
        {"left and right", "1 key down 203\n1 key down 205\n", 0, 0, 1, 0, 0, kDirectionRight, 0},
        {"up and down", "1 key down 200\n1 key down 208\n", 0, 0, 0, 1, 0, kDirectionDown, 0},
        {"right and down", "1 key down 205\n1 key down 208\n", 0, 0, 1, 1, 0, kDirectionDown, 0},
        {"space", "1 key down 57\n", 0, 0, 0, 0, 2, kDirectionLeft, 0},
        {"left only, right held", "1 key down 205\n", 0, 3, 0, 0, 0, kDirectionLeft, 0},
        {"left/right only", "1 key down 200\n1 key down 205\n", 0, 1, 1, 0, 0, kDirectionRight, 0},
        {"up only, down held", "1 key down 208\n", 0, 5, 0, 0, 0, kDirectionLeft, 0},
        {"down only", "1 key down 208\n1 key down 205\n", 0, 6, 0, 1, 0, kDirectionDown, 0},
        {"stick", "joystick present\n1 joy axis x 1\n1 joy axis y -1\n1 joy button 4 down\n", 1, 0,
         1, -1, 4, kDirectionUp, 1},
        {"stick, no button", "joystick present\n1 joy axis x -1\n1 key down 205\n", 1, 4, 0, 0, -1,
         kDirectionRight, 1},  // the keys ran first and turned it right
        {"stick asked, none there", "1 key down 205\n1 key down 57\n", 1, 0, 1, 0, 2,
         kDirectionRight, 0},
    };
    for (const Row& row : rows) {
        holdInput(row.input);
        engineSettings.joystickPresent = media::joystickPresent() ? 1 : 0;
        makeObjects(1);
        WorldObject& player = place(0, 0, 0, 4, 4);
        player.worldFTilePlayerID = 1;
        player.worldFTileUseKeyboard = 1;
        player.worldFTileUseJoyStick = static_cast<std::int8_t>(row.useJoystick);
        player.worldFTilePlayerMOVE = row.playerMove;
        player.animDirection = kDirectionLeft;
        for (int frame = 1; frame <= 3; ++frame) {  // the same every frame
            const float x = player.posX;
            playerInput(0);
            moveStep(0);
            EXPECT_EQ(player.worldFTileMoveH, row.moveH) << row.what;
            EXPECT_EQ(player.worldFTileMoveV, row.moveV) << row.what;
            EXPECT_EQ(player.fireState, row.fireState) << row.what;
            EXPECT_EQ(player.animDirection, row.direction) << row.what;
            EXPECT_EQ(player.posX, x + row.moveH) << row.what;
            EXPECT_EQ(engineSettings.inputMode, row.inputMode) << row.what;
        }
    }
}

TEST_F(MovementTest, GoingHomeStopsWithinTwoPixels) {
    struct Row {
        float x, y;
        float moveH, moveV;
    };
    const Row rows[] = {{10, 10, 0, 0}, {12, 8, 0, 0},   {12.5f, 10, -1, 0},
                        {7, 10, 1, 0},  {10, 13, 0, -1}, {30, 2, -1, 1}};
    makeObjects(1);
    for (const Row& row : rows) {
        WorldObject& guard = place(0, row.x, row.y, 4, 4, 1, 1);
        guard.homeX = guard.homeY = 10.0f;
        goBackStep(0);
        EXPECT_EQ(guard.worldFTileMoveH, row.moveH) << row.x << "," << row.y;
        EXPECT_EQ(guard.worldFTileMoveV, row.moveV) << row.x << "," << row.y;
        EXPECT_EQ(guard.speedX, 2.0f);
        EXPECT_EQ(guard.speedY, 2.0f);
    }
}

TEST_F(MovementTest, FollowersSearchOnScreenAndKeepTheirTarget) {
    makeObjects(4);
    WorldObject& follower = place(1, 20, 20, 4, 4, 1, 1);
    follower.centerX = follower.centerY = 22.0f;
    place(0, 0, 0, 4, 4).worldFTileIDString = "TARGET";
    object(0).onScreen = 0;  // not on screen: not found
    followStep("TARGET", 1);
    EXPECT_EQ(follower.followTarget, 0);
    EXPECT_EQ(follower.worldFTileMoveH, 1.0f);
    object(0).onScreen = 1;  // on screen at index 0: steered toward, never remembered
    object(0).centerX = 2.0f;
    object(0).centerY = 22.0f;
    followStep("TARGET", 1);
    EXPECT_EQ(follower.followTarget, 0);
    EXPECT_EQ(follower.worldFTileMoveH, -1.0f);
    EXPECT_EQ(follower.worldFTileMoveV, 1.0f);  // equal centre leaves the axis
    object(0).worldFTileIsActive = kObjectSwitchedOff;
    WorldObject& target = place(3, 0, 0, 4, 4);
    target.worldFTileIDString = "TARGET";
    target.onScreen = 1;
    target.centerX = target.centerY = 40.0f;
    followStep("TARGET", 1);
    EXPECT_EQ(follower.followTarget, 3);
    EXPECT_EQ(follower.worldFTileMoveH, 1.0f);
    target.onScreen = 0;  // remembered: followed without a new check
    target.centerY = 0.0f;
    followStep("TARGET", 1);
    EXPECT_EQ(follower.worldFTileMoveV, -1.0f);
    follower.worldFTileMoveH = 0.0f;  // only an axis it moves on turns
    followStep("TARGET", 1);
    EXPECT_EQ(follower.worldFTileMoveH, 0.0f);
    follower.followTarget = 99999;  // a bad index is a fault, not a crash
    EXPECT_FALSE(base::guardedStep([] { followStep("TARGET", 1); }));
}

TEST_F(MovementTest, TurningAroundFollowsTheDirectionShown) {
    struct Row {
        std::int32_t from;
        int bothWays, aiLevel;
        float moveH, moveV;
        std::int32_t to;
    };
    const Row rows[] = {
        {kDirectionDown, 1, 0, 0, -1, kDirectionUp},
        {kDirectionLeft, 1, 0, 1, 0, kDirectionRight},
        {kDirectionRight, 1, 2, -1, 0, kDirectionLeft},
        {kDirectionUp, 1, 0, 0, 1, kDirectionDown},
        {kDirectionDefault, 1, 0, 5, 5, kDirectionDefault},
        {kDirectionUp, 0, 0, 5, 5, kDirectionUp},
        {kDirectionUp, 1, 1, 5, 5, kDirectionUp},
    };
    makeObjects(2);
    for (const Row& row : rows) {
        WorldObject& o = place(0, 0, 0, 4, 4, 5, 5);
        o.animDirection = row.from;
        o.movesBothWays = static_cast<std::int8_t>(row.bothWays);
        o.worldFTileAILevel = static_cast<std::int8_t>(row.aiLevel);
        aiReaction(0, 1);
        EXPECT_EQ(o.worldFTileMoveH, row.moveH) << row.from;
        EXPECT_EQ(o.worldFTileMoveV, row.moveV) << row.from;
        EXPECT_EQ(o.animDirection, row.to) << row.from;
    }
}

TEST_F(MovementTest, TheWorldScrollsUnderAPlayerOutsideTheMiddle) {
    struct Row {
        const char* what;
        float x, y;  // player position (screen 64 x 48)
        float moveH, moveV;
        int playerID;
        float shiftX, shiftY;  // how far the world moves
    };
    const Row rows[] = {
        {"right of 70 %", 50, 20, 1, 0, 1, -2, 0},    {"left of 30 %", 10, 20, -1, 0, 1, 2, 0},
        {"in the band", 30, 20, 1, 1, 1, 0, 0},       {"below 70 %", 30, 40, 0, 1, 1, 0, -2},
        {"outside, standing", 50, 40, 0, 0, 1, 0, 0}, {"no player object", 50, 40, 1, 1, 0, 0, 0},
    };
    for (const Row& row : rows) {
        makeObjects(4);
        WorldObject& player = place(1, row.x, row.y, 4, 4, row.moveH, row.moveV);
        player.worldFTilePlayerID = row.playerID;
        player.speedX = player.speedY = 2.0f;
        for (std::int32_t i : {0, 2, 3}) {
            place(i, 5, 5, 4, 4).homeX = 5.0f;
            object(i).homeY = 5.0f;
        }
        object(2).worldFTileIsGUI = 1;
        object(3).worldFTileNoScroll = 1;
        scrollAroundPlayer(1);
        moveStep(1);
        const bool scrolled = row.shiftX != 0 || row.shiftY != 0;
        EXPECT_EQ(player.posX, scrolled ? row.x : row.x + 2 * row.moveH) << row.what;
        EXPECT_EQ(player.posY, scrolled ? row.y : row.y + 2 * row.moveV) << row.what;
        EXPECT_EQ(object(0).posX, 5 + row.shiftX) << row.what;
        EXPECT_EQ(object(0).posY, 5 + row.shiftY) << row.what;
        EXPECT_EQ(object(0).homeX, 5.0f) << row.what;
        EXPECT_EQ(object(2).posX, 5.0f) << row.what;
        EXPECT_EQ(object(3).posY, 5.0f) << row.what;
    }
}

}  // namespace

namespace {

TEST_F(MovementTest, TheFrameScrollsBeforeTheUpdateOnlyWithDynamicScroll) {
    struct Row {
        std::int8_t dynamicScroll;
        float playerX, wallX;
    };
    // The player stands right of 70 % of the 64-pixel screen, walking right at 2.
    const Row rows[] = {{1, 50, 3}, {0, 52, 5}};
    for (const Row& row : rows) {
        holdInput("1 key down 205\n");
        engine::frameSlots = engine::FrameSlots{};
        simulation::installSimulationSlots(engine::frameSlots);
        engineSettings.dynamicScroll = row.dynamicScroll;
        makeObjects(2);
        place(0, 5, 5, 4, 4).worldFTileVELO = 0.0f;
        WorldObject& player = place(1, 50, 20, 4, 4, 1, 0);
        player.worldFTileIDString = "HERO";
        player.worldFTilePlayerID = 1;
        player.speedX = 2.0f;
        player.onScreen = 1;
        engineSettings.playerObject = 1;
        engine::worldFrame();
        EXPECT_EQ(player.posX, row.playerX) << int{row.dynamicScroll};
        EXPECT_EQ(object(0).posX, row.wallX) << int{row.dynamicScroll};
    }
}

}  // namespace
