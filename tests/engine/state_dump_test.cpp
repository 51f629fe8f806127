#include "engine/state_dump.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/config_keys.h"
#include "engine/world_object.h"
#include "engine_fixture.h"
#include "support/json_reader.h"

namespace {

namespace json = testing_support::json;
using json::member;
using Kind = json::Value::Kind;
using StateDumpTest = EngineTest;

TEST_F(StateDumpTest, FreshStateHasEverySection) {
    engineSettings.version = "Caf\xE9";
    const auto dump = json::parse(engine::dumpEngineState(3));
    ASSERT_TRUE(dump.has_value());
    EXPECT_EQ(member(*dump, "turn").number, 3.0);

    const json::Value& state = member(*dump, "engine");
    EXPECT_EQ(state.members.size(), engine::engineStateFields().size());
    EXPECT_EQ(member(state, "actualMapId").number, -1000.0);
    EXPECT_EQ(member(state, "drawLast").number, -1.0);
    EXPECT_EQ(member(state, "SCRW").number, 1.0);
    EXPECT_EQ(member(state, "multitask").number, 0.0);
    EXPECT_EQ(member(state, "version").text, "Caf\xC3\xA9");  // byte 0xE9 is U+00E9

    const json::Value& settings = member(*dump, "settings");
    EXPECT_EQ(settings.members.size(), engine::configKeys().size() + 3);
    EXPECT_EQ(member(settings, "TIMERBASE").number, 50.0);
    EXPECT_EQ(member(settings, "APPMODE").text, "REGION");
    EXPECT_EQ(member(settings, "ERRORPATH").text, base());
    EXPECT_EQ(member(settings, "GFXCODEC").kind, Kind::String);

    EXPECT_EQ(member(*dump, "coreErrorTexts").items.size(), 12u);
    const json::Value& status = member(*dump, "playerStatus");
    ASSERT_EQ(status.items.size(), 6u);
    EXPECT_EQ(member(status.items[0], "entry").number, 1.0);
    EXPECT_EQ(member(status.items[5], "entry").number, 6.0);

    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.items.size(), 1u);  // objectLast 0: the first record
    for (const auto& field : kWorldObjectFields)
        member(objects.items[0], field.name);

    EXPECT_TRUE(member(*dump, "drawList").items.empty());
    EXPECT_EQ(member(*dump, "collisionList").items.size(), 1u);
    EXPECT_TRUE(member(*dump, "mirrorList").items.empty());
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
    EXPECT_EQ(member(*dump, "drawList").items.size(), 2u);
    EXPECT_EQ(member(*dump, "drawList").items[0].number, 4.0);
    EXPECT_EQ(member(*dump, "mirrorList").items.size(), 2u);
    EXPECT_EQ(member(*dump, "weaponList").items.size(), 3u);
    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.items.size(), 3u);
    EXPECT_EQ(member(objects.items[2], "objectSound").number, 11.0);
    const json::Value& life = member(*dump, "playerStatus").items[3];
    EXPECT_EQ(member(life, "text").text, "@@");
    EXPECT_EQ(member(life, "value").number, 25.0);
}

TEST(StateDumpFields, NamesAreUnique) {
    std::set<std::string_view> names;
    for (const auto& field : engine::engineStateFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
    }
}

}  // namespace
