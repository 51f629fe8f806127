// Black-box runs of the game on a generated level: the objects in the dump with their
// fitted positions, and the streamed sprites in the screenshot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "formats/map_file.h"
#include "support/game_level.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace world_test {
namespace {

namespace json = testing_support::json;
using game_test::engineValue;
using game_test::pairs;
using game_test::readDump;
using game_test::runHeadless;
using testing_support::TempDir;
using testing_support::writeFile;

constexpr media::Argb kTileColour = media::makeArgb(255, 30, 90, 210);

void writeLevel(const TempDir& dir) {
    game_test::writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                                     {"SIMCORE", ".\\MAPS\\"},
                                     {"CACHE", ".\\CACHE\\"},
                                     {"APPENTRY", "0"},
                                     {"MAXPLAYERS", "1"}}));
    game_test::writeSolidTile(dir, "BLOCK", 16, kTileColour);
    game_test::writeLayer(dir, "MAPS/0/0",
                          {
                              {"BLOCK", 0, 100, 50, 33, 20, 0},
                              {"BLOCK", 0, 400, 300, 50, 50, 0},
                          });
}

const json::Value* objectAt(const json::Value& dump, std::size_t index) {
    const auto objects = dump.find("objects");
    if (objects == dump.end() || !objects->is_array() || objects->size() <= index) return nullptr;
    return &(*objects)[index];
}

double field(const json::Value& object, std::string_view name) {
    const auto value = object.find(name);
    return value != object.end() ? value->get<double>() : -1.0;
}

TEST(LevelBlackBox, AGeneratedLevelIsFittedAndStreamedOnScreen) {
    TempDir dir;
    writeLevel(dir);
    const auto result = runHeadless(
        dir, {"--frames", "3", "--dump-at", "3:level.json", "--screenshot-at", "3:level.png"},
        "1280x1024");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto dump = readDump(dir.file("level.json"));
    EXPECT_EQ(engineValue(dump, "actualMapId"), 0);
    EXPECT_EQ(engineValue(dump, "objectLast"), 1);
    EXPECT_EQ(engineValue(dump, "scalerX"), 1.6);
    EXPECT_EQ(engineValue(dump, "pictureCacheCount"), 1);
    const json::Value* first = objectAt(dump, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(field(*first, "posX"), 160);
    EXPECT_EQ(field(*first, "width"), 53);
    EXPECT_EQ(field(*first, "posY"), 67);
    const json::Value* second = objectAt(dump, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(field(*second, "posX"), 640);
    EXPECT_EQ(field(*second, "posY"), 400);

    EXPECT_EQ(field(*second, "hasSprite"), 1);
    const auto shot = media::decodePicture(dir.file("level.png"));
    ASSERT_TRUE(shot.has_value());
    ASSERT_EQ(shot->width, 1280);
    EXPECT_EQ(shot->at(660, 420) & 0xFFFFFFu, kTileColour & 0xFFFFFFu);
    EXPECT_EQ(shot->at(10, 10) & 0xFFFFFFu, 0u);
}

}  // namespace
}  // namespace world_test
