// The game through failing files (RZ_FILE_FAULTS): a picture, a sound or a layer file that
// cannot be opened or read is skipped, a report that cannot be written is passed over, and a
// level-cache save that fails ends the game with core error 9, the old saved state intact.
// No row may crash the game.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "support/game_run.h"
#include "support/ogg_tone.h"

namespace game_test {
namespace {

namespace fs = std::filesystem;

const std::string kBlockDna =
    pairs({{"worldFTileIsActive", "1"}, {"worldFTileTransparency", "255"}});

std::string layerText(int x) {
    return "0\r\n0\r\nTILE\r\nBLOCK\r\n0\r\n" + std::to_string(x) +
           "\r\n10\r\n16\r\n16\r\n0\r\nENGINETILEINFOEND\r\n";
}

// Map 0 with one BLOCK on layers 0 and 1, its music, reports and the level cache on; a saved
// state of map 0 in the cache when `cached` (the level then comes from there).
void writeGame(const TempDir& dir, bool cached) {
    writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                          {"SIMCORE", ".\\MAPS\\"},
                          {"CACHE", ".\\CACHE\\"},
                          {"SOUNDPATH", ".\\SOUND\\"},
                          {"WARNINGS", "CORE\\warnings.log"},
                          {"USEDEBUGLOG", "1"},
                          {"USECACHE", "1"},
                          {"APPENTRY", "0"}}));
    writeFile(dir.file("CORE/SYSTEM.txt"), pairs({{"#ERROR_INIT_INIT", "Configuration missing"},
                                                  {"#ERROR_CREATE_CACHE", "Cache not written"}}));
    media::Image picture;
    picture.width = picture.height = 4;
    picture.pixels.assign(16, media::makeArgb(255, 200, 40, 40));
    writeFile(dir.file("GFX/BLOCK.png"), "");
    ASSERT_TRUE(media::writePng(dir.file("GFX/BLOCK.png"), picture, true));
    writeFile(dir.file("GFX/BLOCK.dll"), kBlockDna);
    writeFile(dir.file("MAPS/0/0"), layerText(10));
    writeFile(dir.file("MAPS/0/1"), layerText(40));
    writeFile(dir.file("SOUND/#L0.ogg"), testing_support::encodeOggTone(1, 22050, 2205));
    writeFile(dir.file("CACHE/keep"), "");
    if (cached) {
        for (int layer = 0; layer < 25; ++layer)
            writeFile(dir.file("CACHE/0/" + std::to_string(layer)), layerText(70 + layer));
    }
    // Escape in turn 3 leaves the level, which saves its state.
    writeFile(dir.file("leave.txt"), "3 key down 0x01\n4 key up 0x01\n");
}

// Sets RZ_FILE_FAULTS for the programs this test starts.
struct FaultRules {
    explicit FaultRules(const std::string& rules) { setenv("RZ_FILE_FAULTS", rules.c_str(), 1); }
    ~FaultRules() { unsetenv("RZ_FILE_FAULTS"); }
};

TEST(FileFaults, TheGameSkipsWhatItCannotReadAndNeverCrashes) {
    // CacheRenamedPartWay: a rename fails after the layers before it were replaced.
    enum Check {
        None,
        PictureSkipped,
        MusicWarned,
        LayerSkipped,
        CacheError,
        CacheRenamedPartWay,
        ReportLost
    };
    struct Row {
        const char* rules;
        Check check;
        bool cached = false;
        std::vector<std::string> more = {};
    };
    const Row rows[] = {
        {"open:*GFX/BLOCK.png:ENOENT", PictureSkipped},
        {"read:*GFX/BLOCK.png:EIO", PictureSkipped},
        {"open:*SOUND/#L*:EACCES", MusicWarned},
        {"read:*SOUND/#L*:EIO", MusicWarned},
        {"open:*MAPS/0/1:EACCES", LayerSkipped},
        {"read:*MAPS/0/1:EIO", LayerSkipped},
        {"write:*CACHE/0/*:ENOSPC", CacheError, true},
        {"write:*CACHE/0/*:ENOSPC:after=3", CacheError, true},
        {"rename:*CACHE/0/*:EACCES", CacheError, true},
        {"rename:*CACHE/0/7:EACCES", CacheRenamedPartWay, true},
        {"open:*CACHE/0/*:EACCES", CacheError, true},
        {"mkdir:*CACHE/0:EROFS", CacheError},
        // A first save cut short leaves no state behind that would be loaded without layers.
        {"write:*CACHE/0/*:ENOSPC:after=3", CacheError},
        {"write:*errors.log:ENOSPC", ReportLost, false, {"--inject-fault", "2:1"}},
        {"open:*errors.log:EACCES", ReportLost, false, {"--inject-fault", "2:1"}},
        {"write:*warnings.log:ENOSPC,open:*#L*:ENOENT", None},
        {"write:*session.log:ENOSPC", None},
        {"open:*session.log:EACCES", None},
        {"open:*GFX/BLOCK.dll:EACCES", None},
    };
    {
        // A malformed rule list ends the game before it starts.
        TempDir dir;
        writeGame(dir, false);
        const FaultRules faults("write:*CACHE*");
        const auto result = runHeadless(dir, {"--frames", "2"});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find("RZ_FILE_FAULTS: "), std::string::npos) << result.output;
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rules);
        TempDir dir;
        writeGame(dir, row.cached);
        std::vector<std::string> options = {
            "--frames",       "8",        "--replay",      "leave.txt",
            "--dump-at",      "2:a.json", "--message-log", "messages.json",
            "--check-handles"};
        options.insert(options.end(), row.more.begin(), row.more.end());
        const FaultRules faults(row.rules);
        const auto result = runHeadless(dir, options);
        EXPECT_GE(occurrences(result.output, "RZ_FILE_FAULTS: "), 1) << result.output;
        const std::string messages = readFile(dir.file("messages.json"));
        if (row.check == CacheError || row.check == CacheRenamedPartWay) {
            EXPECT_EQ(result.exitCode, 9) << result.output;
            EXPECT_NE(messages.find("Cache not written"), std::string::npos) << messages;
            EXPECT_EQ(fs::exists(dir.file("CACHE/0")), row.cached);
            if (!row.cached) continue;
            // The saved state written before stays whole; a rename failing part-way keeps
            // the layers from the failed one on. No staged file is left behind.
            const int firstOld = row.check == CacheRenamedPartWay ? 7 : 0;
            for (int layer = firstOld; layer < 25; ++layer)
                EXPECT_EQ(readFile(dir.file("CACHE/0/" + std::to_string(layer))),
                          layerText(70 + layer))
                    << layer;
            for (const auto& entry : fs::directory_iterator(dir.file("CACHE/0")))
                EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
            continue;
        }
        ASSERT_EQ(result.exitCode, 0) << result.output;
        EXPECT_NE(result.output.find("live handles: pictures 0, sprites 0, sounds 0"),
                  std::string::npos)
            << result.output;
        EXPECT_EQ(messages, "");
        const json::Value dump = readDump(dir.file("a.json"));
        const std::string warnings = readFile(dir.file("CORE/warnings.log"));
        const auto& objects = dump.at("objects");
        switch (row.check) {
            case PictureSkipped:
                EXPECT_EQ(dump.at("pictureCache").at(0).at("loaded").get<int>(), 0);
                EXPECT_EQ(objects.size(), 2u);
                // Only the missing music of the menu map left to is warned.
                EXPECT_EQ(warnings.find("#L0.ogg"), std::string::npos) << warnings;
                EXPECT_EQ(warnings.find("BLOCK"), std::string::npos) << warnings;
                break;
            case MusicWarned:
                EXPECT_EQ(occurrences(warnings, "COULD NOT FIND SOUND:.\\SOUND\\#L0.ogg"), 1)
                    << warnings;
                EXPECT_EQ(objects.size(), 2u);
                break;
            case LayerSkipped:
                EXPECT_EQ(objects.size(), 1u);
                EXPECT_EQ(dump.at("pictureCache").at(0).at("loaded").get<int>(), 1);
                break;
            case ReportLost:
                EXPECT_EQ(engineValue(dump, "errorDetected"), 1);
                EXPECT_EQ(readFile(dir.file("CORE/errors.log")), "");
                break;
            default:
                break;
        }
        // The level was left and its state saved.
        EXPECT_NE(readFile(dir.file("CACHE/0/0")), "");
    }
}

}  // namespace
}  // namespace game_test
