// Black-box runs of generated levels: a keyboard player, a wall, conveyors, a pushable box,
// a follower and a go-back guard replayed headless; and a level of hostile values that
// must run on with fault reports at most.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "formats/map_file.h"
#include "support/game_level.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace {

namespace json = testing_support::json;
using game_test::pairs;
using game_test::readDump;
using game_test::runHeadless;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Tile {
    std::string name;
    Pairs dna;
};

// A level of 800 x 600 (the design size, so nothing is rescaled) from tiles and records.
void writeLevel(const TempDir& dir, const std::vector<Tile>& tiles,
                const std::vector<formats::TileRecord>& records) {
    game_test::writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                                     {"SIMCORE", ".\\MAPS\\"},
                                     {"CACHE", ".\\CACHE\\"},
                                     {"APPENTRY", "0"},
                                     {"MAXPLAYERS", "1"}}));
    for (const Tile& tile : tiles)
        game_test::writeSolidTile(dir, tile.name, 4, media::makeArgb(255, 200, 200, 200), tile.dna);
    game_test::writeLayer(dir, "MAPS/0/0", records);
}

double field(const json::Value& dump, std::size_t index, std::string_view name) {
    if (!dump.contains("objects") || dump["objects"].size() <= index) return NAN;
    const json::Value& object = dump["objects"][index];
    return object.contains(name) ? object[std::string(name)].get<double>() : NAN;
}

// A keyboard player walking right toward a wall with a box in its way, a crate on a
// conveyor, a follower of the player and a guard at home; the right key held from turn 1.
void writeWalkLevel(const TempDir& dir) {
    const Pairs mover = {{"worldFTileCollision", "1"}, {"worldFTileVELO", "1"}};
    writeLevel(
        dir,
        {{"WALL", {{"worldFTileCollision", "1"}, {"worldFTileIDString", "NOGO"}}},
         {"HERO",
          {{"worldFTileCollision", "1"},
           {"worldFTileVELO", "2"},
           {"worldFTilePlayerID", "1"},
           {"worldFTileUseKeyboard", "1"},
           {"worldFTileWeight", "5"},
           {"worldFTileIDString", "HERO"}}},
         {"BOX",
          {{"worldFTileCollision", "1"},
           {"worldFTileTouchMove", "1"},
           {"worldFTileWeight", "1"},
           {"worldFTileIDString", "BOX"}}},
         {"BELT",
          {{"worldFTileCollision", "1"},
           {"worldFTileTransport", "1"},
           {"worldFTileIDString", "WALKLEFT"}}},
         {"CRATE", {mover[0], mover[1], {"worldFTileMoveV", "1"}, {"worldFTileIDString", "CRATE"}}},
         {"FOLLOWER",
          {{"worldFTileVELO", "1"},
           {"worldFTileMoveH", "1"},
           {"worldFTileFollowObject", "1"},
           {"worldFTileFollow", "HERO"},
           {"worldFTileIDString", "FOLLOWER"}}},
         {"GUARD",
          {{"worldFTileVELO", "1"},
           {"worldFTileMoveH", "1"},
           {"worldFTileGoBack", "1"},
           {"worldFTileIDString", "GUARD"}}}},
        {
            {"WALL", 0, 200, 250, 40, 100, 0},     // 0
            {"HERO", 0, 100, 300, 20, 20, 0},      // 1
            {"BOX", 0, 140, 300, 20, 20, 0},       // 2
            {"BELT", 0, 400, 100, 200, 60, 0},     // 3
            {"CRATE", 0, 500, 120, 20, 20, 0},     // 4
            {"FOLLOWER", 0, 600, 450, 20, 20, 0},  // 5
            {"GUARD", 0, 300, 500, 20, 20, 0},     // 6
        });
    writeFile(dir.file("walk.txt"), "1 key down 205\n");
}

TEST(MovementBlackBox, AReplayedLevelMovesAsItsRulesSay) {
    TempDir dir;
    writeWalkLevel(dir);
    const auto result = runHeadless(dir,
                                    {"--replay", "walk.txt", "--frames", "61", "--dump-at",
                                     "11:t11.json", "--dump-at", "61:t61.json"},
                                    "800x600");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto early = readDump(dir.file("t11.json"));
    const auto dump = readDump(dir.file("t61.json"));
    // The player walks 2 px a frame from the second frame on (the first one only finds it
    // on screen) and is held by the wall once its next step would reach into it.
    EXPECT_EQ(field(early, 1, "posX"), 100 + 2 * 10);
    EXPECT_EQ(field(dump, 1, "posX"), 180);
    EXPECT_EQ(field(dump, 1, "canMoveH"), 0);
    EXPECT_EQ(field(dump, 1, "animDirection"), 30);
    // The box was pushed along (it has no speed of its own, so it slides and stops) and
    // never ran into the wall.
    EXPECT_GT(field(dump, 2, "posX"), 150);
    EXPECT_LE(field(dump, 2, "posX"), 180);
    EXPECT_EQ(field(dump, 2, "posY"), 300);
    // The conveyor carries the crate left and holds it vertically; without a touch handler
    // it turns back now and then by chance.
    EXPECT_EQ(field(dump, 4, "posY"), 120);
    EXPECT_LT(field(dump, 4, "posX"), 500 - 30);
    EXPECT_EQ(field(dump, 4, "canMoveV"), 0);
    // The follower turns toward the player in its first frame on screen and walks left one
    // pixel a frame from then on.
    EXPECT_EQ(field(dump, 5, "worldFTileMoveH"), -1);
    EXPECT_EQ(field(dump, 5, "posX"), 600 - 60);
    EXPECT_EQ(field(dump, 5, "followTarget"), 1);
    // The guard stands at home.
    EXPECT_EQ(field(dump, 6, "posX"), 300);
    EXPECT_EQ(field(dump, 6, "worldFTileMoveH"), 0);
}

TEST(MovementBlackBox, HostileValuesGiveFaultReportsNeverACrash) {
    TempDir dir;
    writeLevel(dir,
               {{"SEEKER",
                 {{"worldFTileCollision", "1"},
                  {"worldFTileVELO", "1e30"},
                  {"worldFTileMoveH", "7"},
                  {"worldFTileMoveV", "-3"},
                  {"worldFTileRandomMove", "-4"},
                  {"worldFTileFollowObject", "1"},
                  {"worldFTileFollow", "SEEKER"},
                  {"worldFTileRandomFollow", "-9"},
                  {"worldFTileGoBack", "2147483647"},
                  {"worldFTileTouchMove", "-2"},
                  {"worldFTileTouchRotate", "99999"},
                  {"worldFTileTouchTransparency", "-77"},
                  {"worldFTileWeight", "-2147483648"},
                  {"worldFTileIDString", "SEEKER"}}},
                {"RUNNER",
                 {{"worldFTileCollision", "1"},
                  {"worldFTileVELO", "-5"},
                  {"worldFTileMoveH", "1"},
                  {"worldFTileMoveV", "1"},
                  {"worldFTilePlayerID", "1"},
                  {"worldFTileUseJoyStick", "1"},
                  {"worldFTileIsHWMousePointer", "1"},
                  {"worldFTilePlayerMOVE", "1e20"},
                  {"worldFTileTransport", "1"},
                  {"worldFTileIDString", "WALKUP"}}}},
               {
                   {"SEEKER", 0, 1e30f, -1e30f, -50, 3e38f, 99999},
                   {"RUNNER", 0, 10, 10, 2147483647.0f, 1e-30f, -5},
                   {"SEEKER", 0, 100, 100, 20, 20, 0},
                   {"RUNNER", 0, 110, 105, 20, 20, 0},
                   {"SEEKER", 0, NAN, 200, 20, 20, 0},
               });
    writeFile(dir.file("CORE/ini.crc"),
              readFile(dir.file("CORE/ini.crc")) + pairs({{"DYNAMICSCROLL", "1"}}));
    const auto result = runHeadless(dir, {"--frames", "1000", "--dump", "end.json"}, "800x600");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(readDump(dir.file("end.json")).at("turn").get<double>(), 1000);
    const std::string report = std::filesystem::exists(dir.file("CORE/errors.log"))
                                   ? readFile(dir.file("CORE/errors.log"))
                                   : "";
    EXPECT_LE(game_test::occurrences(report, "-RERIZUVA-ENGINE- ERROR HANDLER:"), 1000);
}

}  // namespace
