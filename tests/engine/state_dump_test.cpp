#include "engine/state_dump.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/config_keys.h"
#include "engine/world_object.h"
#include "engine_fixture.h"
#include "support/json.h"

namespace {

namespace json = testing_support::json;
using json::member;
using StateDumpTest = EngineTest;

TEST_F(StateDumpTest, FreshStateHasEverySection) {
    engineSettings.version = "Caf\xE9";
    const auto dump = json::parse(engine::dumpEngineState(3));
    ASSERT_TRUE(dump.has_value());
    EXPECT_EQ(member(*dump, "turn").get<double>(), 3.0);

    const json::Value& state = member(*dump, "engine");
    EXPECT_EQ(state.size(), engine::engineStateFields().size());
    EXPECT_EQ(member(state, "actualMapId").get<double>(), -1000.0);
    EXPECT_EQ(member(state, "drawLast").get<double>(), -1.0);
    EXPECT_EQ(member(state, "SCRW").get<double>(), 1.0);
    EXPECT_EQ(member(state, "multitask").get<double>(), 0.0);
    EXPECT_EQ(member(state, "version").get<std::string>(), "Caf\xC3\xA9");  // byte 0xE9 is U+00E9

    const json::Value& settings = member(*dump, "settings");
    EXPECT_EQ(settings.size(), engine::configKeys().size() + 3);
    EXPECT_EQ(member(settings, "TIMERBASE").get<double>(), 50.0);
    EXPECT_EQ(member(settings, "APPMODE").get<std::string>(), "REGION");
    EXPECT_EQ(member(settings, "ERRORPATH").get<std::string>(), base());
    EXPECT_EQ(member(settings, "GFXCODEC").is_string(), true);

    EXPECT_EQ(member(*dump, "coreErrorTexts").size(), 12u);
    const json::Value& status = member(*dump, "playerStatus");
    ASSERT_EQ(status.size(), 6u);
    EXPECT_EQ(member(status[0], "entry").get<double>(), 1.0);
    EXPECT_EQ(member(status[5], "entry").get<double>(), 6.0);

    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.size(), 1u);  // objectLast 0: the first record
    for (const auto& field : kWorldObjectFields)
        member(objects[0], field.name);

    EXPECT_TRUE(member(*dump, "drawList").empty());
    EXPECT_EQ(member(*dump, "collisionList").size(), 1u);
    EXPECT_TRUE(member(*dump, "mirrorList").empty());
}

TEST_F(StateDumpTest, ListsAndObjectsFollowTheirLastIndexes) {
    engineSettings.drawList[0] = 4;
    engineSettings.drawList[1] = 2;
    engineSettings.drawLast = 1;
    engineSettings.mirrorCount = 2;
    engineSettings.mirrorList = {5, 6, 0};
    engineSettings.weaponLast = 99;  // beyond the list: only what exists is written
    engineSettings.objectLast = 2;
    worldObjects[2].objectSound = 11;
    engineSettings.playerStatus[4] = {"@@", 25};
    const auto dump = json::parse(engine::dumpEngineState(0));
    ASSERT_TRUE(dump.has_value());
    EXPECT_EQ(member(*dump, "drawList").size(), 2u);
    EXPECT_EQ(member(*dump, "drawList")[0].get<double>(), 4.0);
    EXPECT_EQ(member(*dump, "mirrorList").size(), 2u);
    EXPECT_EQ(member(*dump, "weaponList").size(), 3u);
    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(member(objects[2], "objectSound").get<double>(), 11.0);
    const json::Value& life = member(*dump, "playerStatus")[3];
    EXPECT_EQ(member(life, "text").get<std::string>(), "@@");
    EXPECT_EQ(member(life, "value").get<double>(), 25.0);
}

TEST(StateDumpFields, NamesAreUnique) {
    std::set<std::string_view> names;
    for (const auto& field : engine::engineStateFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
    }
}

}  // namespace
