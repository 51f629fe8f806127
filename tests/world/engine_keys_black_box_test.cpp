// The engine keys, black-box: headless runs of the game on small generated maps, driven by
// replay files, read back from the dumps. One row per key rule.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "formats/map_file.h"
#include "support/game_level.h"
#include "support/game_run.h"
#include "support/ogg_tone.h"
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

// Maps 0 and 999 of one block each, the level cache in use, the music of map 0 (two
// seconds, played once), and the configuration pairs of the row.
void writeGame(const TempDir& dir, const std::string& appEntry, const std::string& moreIni) {
    game_test::writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                                     {"SIMCORE", ".\\MAPS\\"},
                                     {"CACHE", ".\\CACHE\\"},
                                     {"USECACHE", "1"},
                                     {"APPENTRY", appEntry}}) +
                                  moreIni);
    writeFile(dir.file("CACHE/.keep"), "");
    game_test::writeSolidTile(dir, "BLOCK", 8, media::makeArgb(255, 200, 40, 40));
    const std::vector<formats::TileRecord> records = {{"BLOCK", 0, 100, 100, 40, 40, 0}};
    for (const char* map : {"0", "999"})
        game_test::writeLayer(dir, std::string("MAPS/") + map + "/0", records);
    writeFile(dir.file("SOUND/#L0.ogg"), testing_support::encodeOggTone(1, 22050, 44100));
}

struct KeyRun {
    const TempDir& dir;
    const testing_support::ProcessResult& result;
    const json::Value& early;  // after turn 2
    const json::Value& last;   // at the program end
};

struct KeyCase {
    const char* name;
    const char* appEntry;
    const char* moreIni;
    const char* replay;
    std::function<void(const KeyRun&)> check;
};

const std::vector<KeyCase>& keyCases() {
    static const std::vector<KeyCase> cases = {
        {"End tapped while Ctrl is held does not end the program", "0", "",
         "2 key down 0x1D\n3 key down 0xCF\n4 key up 0xCF\n6 key up 0x1D\n",
         [](const KeyRun& run) { EXPECT_EQ(run.last.at("turn").get<double>(), 10); }},
        {"Ctrl and End released in one poll end the program", "0", "",
         "2 key down 0x1D\n3 key down 0xCF\n5 key up 0xCF\n5 key up 0x1D\n",
         [](const KeyRun& run) { EXPECT_EQ(run.last.at("turn").get<double>(), 5); }},
        {"Escape on map 999 saves it and requests it again: nothing loads", "999", "",
         "3 key down 0x01\n4 key up 0x01\n",
         [](const KeyRun& run) {
             EXPECT_EQ(engineValue(run.last, "nextMapId"), 999);
             EXPECT_EQ(engineValue(run.last, "actualMapId"), 999);
             EXPECT_EQ(engineValue(run.last, "levelStartTick"),
                       engineValue(run.early, "levelStartTick"));
             EXPECT_TRUE(testing_support::readFile(run.dir.file("CACHE/999/0")).find("BLOCK") !=
                         std::string::npos);
         }},
        {"Alt+Ctrl+Page Down on map 0 requests map -1, which is missing", "0", "",
         "2 key down 0x38\n2 key down 0x1D\n3 key down 0xD1\n4 key up 0xD1\n",
         [](const KeyRun& run) {
             EXPECT_EQ(engineValue(run.early, "mapMissing"), 0);
             EXPECT_EQ(engineValue(run.last, "actualMapId"), -1);
             EXPECT_EQ(engineValue(run.last, "mapMissing"), 1);
         }},
        {"USRSCROLL 0: the arrows leave the view alone", "0", "USRSCROLL\r\n0\r\n",
         "2 key down 0xCB\n2 key down 0xC8\n6 key up 0xCB\n6 key up 0xC8\n",
         [](const KeyRun& run) {
             EXPECT_EQ(engineValue(run.last, "viewOffsetX"), 0);
             EXPECT_EQ(engineValue(run.last, "viewOffsetY"), 0);
         }},
        {"USRSCROLL 1: one pixel per poll while held", "0", "USRSCROLL\r\n1\r\n",
         "2 key down 0xCB\n2 key down 0xC8\n6 key up 0xCB\n6 key up 0xC8\n",
         [](const KeyRun& run) {
             EXPECT_EQ(engineValue(run.last, "viewOffsetX"), -4);
             EXPECT_EQ(engineValue(run.last, "viewOffsetY"), 4);
         }},
        {"Alt+Ctrl+S stops the level music; switched on again it stays silent", "0", "",
         "3 key down 0x38\n3 key down 0x1D\n3 key down 0x1F\n4 key up 0x1F\n"
         "6 key down 0x1F\n7 key up 0x1F\n",
         [](const KeyRun& run) {
             EXPECT_EQ(run.early.at("levelMusicPlaying").get<double>(), 1);
             EXPECT_EQ(engineValue(run.early, "musicSwitch"), 1);
             EXPECT_EQ(run.last.at("levelMusicPlaying").get<double>(), 0);
             EXPECT_EQ(engineValue(run.last, "musicSwitch"), 1);
         }},
    };
    return cases;
}

TEST(EngineKeysBlackBox, EachKeyRuleByReplay) {
    for (const KeyCase& row : keyCases()) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeGame(dir, row.appEntry, row.moreIni);
        writeFile(dir.file("keys.replay"), row.replay);
        const auto result = runHeadless(dir, {"--frames", "10", "--replay", "keys.replay",
                                              "--dump-at", "2:early.json", "--dump", "last.json"});
        ASSERT_EQ(result.exitCode, 0) << result.output;
        const json::Value early = readDump(dir.file("early.json"));
        const json::Value last = readDump(dir.file("last.json"));
        ASSERT_TRUE(last.contains("turn"));
        ASSERT_TRUE(early.contains("levelMusicPlaying"));
        row.check(KeyRun{dir, result, early, last});
    }
}

}  // namespace
}  // namespace world_test
