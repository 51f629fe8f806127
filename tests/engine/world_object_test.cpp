#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/state_dump.h"
#include "engine/world_object.h"
#include "engine_fixture.h"
#include "support/json.h"

namespace {

namespace json = testing_support::json;
using json::member;

class WorldObjectTableTest : public EngineTest {};

TEST_F(WorldObjectTableTest, TheTableKeepsOneZeroFilledSpare) {
    ASSERT_EQ(worldObjects.size(), kInitialWorldObjects);
    growWorldObjects(1);  // the first object: the three start records suffice
    EXPECT_EQ(worldObjects.size(), 3u);
    for (std::int32_t count = 2; count <= 40; ++count) {
        worldObjects[static_cast<std::size_t>(count - 1)].posX = 1.0f;  // the object made
        worldObjects[static_cast<std::size_t>(count - 1)].worldFTileIDString = "WALL";
        growWorldObjects(count);
        ASSERT_EQ(worldObjects.size(), static_cast<std::size_t>(count) + 1);
        const WorldObject& spare = worldObjects.back();
        EXPECT_EQ(spare.posX, 0.0f);
        EXPECT_TRUE(spare.worldFTileIDString.empty());
        EXPECT_EQ(objectAnimations.size(), worldObjects.size());
        EXPECT_EQ(objectAnimations.back(), nullptr);  // sets are made when needed
    }
    // A later, smaller level keeps the records (they are reset, not dropped).
    growWorldObjects(5);
    EXPECT_EQ(worldObjects.size(), 41u);
    EXPECT_EQ(worldObjects[10].worldFTileIDString, "WALL");
}

TEST_F(WorldObjectTableTest, IndexListsGrowToTheirCountPlusOne) {
    std::vector<std::int32_t>& list = engineSettings.collisionList;
    std::int32_t count = 0;
    ASSERT_EQ(list.size(), kInitialObjectListEntries);
    for (std::int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(appendObjectIndex(list, count, 100 + i), i);
        EXPECT_GE(list.size(), static_cast<std::size_t>(count) + 1);
        EXPECT_EQ(list[static_cast<std::size_t>(count)], 0);  // the entry after is zero
    }
    EXPECT_EQ(count, 10);
    EXPECT_EQ(list[9], 109);
    std::int32_t broken = -5;  // a negative count starts the list again at 0
    EXPECT_EQ(appendObjectIndex(list, broken, 7), 0);
    EXPECT_EQ(broken, 1);
}

TEST_F(WorldObjectTableTest, TheDumpNamesEveryFieldOnceAndTheSetCounters) {
    std::set<std::string_view> names;
    for (const WorldObjectField& field : kWorldObjectFields)
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
    // The DNA keys are fields of the record under their own names.
    for (const char* key : {"worldFTileIsActive", "worldFTileinGameLiveTimeCounter", "hp",
                            "useWeapon", "postEFFECT", "animContainer", "noStream"}) {
        EXPECT_EQ(names.count(key), 1u) << key;
    }

    directionSets(0).upSet.frameCount = 4;
    directionSets(0).upSet.currentFrame = 2;
    worldObjects[0].worldFTileIDString = "WANZE";
    const auto dump = json::parse(engine::dumpEngineState(0));
    ASSERT_TRUE(dump.has_value());
    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.size(), 1u);
    const json::Value& first = objects[0];
    EXPECT_EQ(member(first, "worldFTileIDString").get<std::string>(), "WANZE");
    const json::Value& sets = member(first, "animationSets");
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_EQ(member(member(sets, "UP"), "frameCount").get<double>(), 4.0);
    EXPECT_EQ(member(member(sets, "UP"), "currentFrame").get<double>(), 2.0);
    EXPECT_EQ(member(member(sets, "DEFAULT"), "frameCount").get<double>(), 0.0);
}

}  // namespace
