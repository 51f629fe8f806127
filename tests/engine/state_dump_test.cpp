#include "engine/state_dump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// A row of a record's field list: its name, its key (settings) and where the dump puts it.
enum class Place { Engine, Settings, Table, Nowhere, Object };
struct Listed {
    std::string_view name;
    std::string_view key;
    Place place;
};

constexpr Listed kSettingsList[] = {
#define FIELD(type, name, ...) {#name, "", Place::Engine},
#define KEYED(type, name, start, key, ...) {#name, key, Place::Settings},
#define CODEC(type, name, start, key) {#name, key, Place::Settings},
#define TABLE(type, name, ...) {#name, "", Place::Table},
#define UNDUMPED(type, name, ...) {#name, "", Place::Nowhere},
#include "engine/engine_settings_fields.h"
};

constexpr Listed kObjectList[] = {
#define FIELD(type, name, ...) {#name, "", Place::Object},
#define DNA(name) {#name, "", Place::Object},
#include "engine/world_object_fields.h"
};

constexpr std::string_view kDnaList[] = {
#define KEY(type, name, ...) #name,
#define COMPANION(type, name) #name,
#include "engine/tile_dna_fields.h"
};

std::vector<std::string> memberNames(const json::Value& object) {
    std::vector<std::string> names;
    for (const auto& entry : object.items())
        names.push_back(entry.key());
    return names;
}

// Every row of the engine settings list and of the world object list appears in the dump
// once, in list order, in the place its row kind gives it; every TileDna field has its one
// place among the object's fields.
TEST_F(StateDumpTest, EveryListedFieldAppearsOnceInItsPlace) {
    const auto dump = json::parse(engine::dumpEngineState(0));
    ASSERT_TRUE(dump.has_value());
    const std::vector<std::string> topNames = memberNames(*dump);
    std::vector<std::string> engineNames;
    std::vector<std::string> settingsKeys;
    for (const Listed& row : kSettingsList) {
        if (row.place == Place::Engine || row.place == Place::Settings)
            engineNames.emplace_back(row.name);
        if (row.place == Place::Settings) settingsKeys.emplace_back(row.key);
        const bool topLevel = row.place == Place::Table;
        EXPECT_EQ(std::count(topNames.begin(), topNames.end(), row.name), topLevel ? 1 : 0)
            << row.name;
    }
    EXPECT_EQ(memberNames(member(*dump, "engine")), engineNames);
    EXPECT_EQ(memberNames(member(*dump, "settings")), settingsKeys);

    std::vector<std::string> objectNames = {"index"};
    for (const Listed& row : kObjectList)
        objectNames.emplace_back(row.name);
    objectNames.emplace_back("animationSets");
    const json::Value& objects = member(*dump, "objects");
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(memberNames(objects[0]), objectNames);
    for (const std::string_view name : kDnaList)
        EXPECT_EQ(std::count(objectNames.begin(), objectNames.end(), name), 1) << name;
}

}  // namespace
