// Bad content must not take the game down: each row writes a small game whose map, DNA or
// settings are broken in one way, runs it headless, and expects the run to reach its last
// turn with its memory bounded. Hostile tile names and map numbers must not make the game
// write outside its configured directories.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "support/game_run.h"

namespace game_test {
namespace {

namespace fs = std::filesystem;

// One map record as the map file holds it: name, tile index, x, y, width, height, layer.
struct RawRecord {
    std::string name = "BLOCK";
    std::string index = "0", x = "10", y = "10", width = "16", height = "16", layer = "0";
};

std::string mapText(const std::vector<RawRecord>& records) {
    std::string text = "0\r\n0\r\n";
    for (const RawRecord& r : records) {
        for (const std::string* line :
             {&r.name, &r.index, &r.x, &r.y, &r.width, &r.height, &r.layer}) {
            text += (line == &r.name ? "TILE\r\n" : "") + *line + "\r\n";
        }
    }
    return text + "ENGINETILEINFOEND\r\n";
}

// Every line of text with the bytes 0x00 to 0xFF appended (line ends excepted); with
// keepKeywords the record keywords stay whole, so the records are read with broken values.
std::string withEveryByte(const std::string& text, bool keepKeywords = false) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    }
    std::string out;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        const std::string line = text.substr(start, end - start);
        const bool keyword = line == "TILE" || line == "ENGINETILEINFOEND";
        out += line + (keepKeywords && keyword ? "" : bytes) + "\r\n";
    }
    return out;
}

const std::string kBlockDna = pairs(
    {{"worldFTileIsActive", "1"}, {"worldFTileTransparency", "255"}, {"worldFTileCollision", "1"}});

// A game of map 0 with the settings `ini`, the BLOCK picture and DNA file, layer 0 of map 0
// holding `records`.
void writeGame(const TempDir& dir, const std::string& ini, const std::vector<RawRecord>& records,
               const std::string& dna = kBlockDna) {
    writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                          {"EFFECT_GFX", ".\\GFX\\"},
                          {"ANIMSYSTEM", ".\\ANIM\\"},
                          {"SIMCORE", ".\\MAPS\\"},
                          {"CACHE", ".\\CACHE\\"},
                          {"APPENTRY", "0"},
                          {"MAXPLAYERS", "1"}}) +
                       ini);
    media::Image picture;
    picture.width = picture.height = 4;
    picture.pixels.assign(16, media::makeArgb(255, 200, 40, 40));
    writeFile(dir.file("GFX/BLOCK.png"), "");
    ASSERT_TRUE(media::writePng(dir.file("GFX/BLOCK.png"), picture, true));
    writeFile(dir.file("GFX/BLOCK.dll"), dna);
    writeFile(dir.file("MAPS/0/0"), mapText(records));
}

std::vector<RawRecord> manyRecords(int count, bool distinctNames, int columns) {
    std::vector<RawRecord> records(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        RawRecord& r = records[static_cast<std::size_t>(i)];
        if (distinctNames) r.name = "T" + std::to_string(i);
        r.x = std::to_string(i % columns * 2);
        r.y = std::to_string(i / columns * 2);
        r.width = r.height = "8";
    }
    return records;
}

long childPeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

TEST(MalformedContent, LoadsWithoutCrashHangOrUnboundedMemory) {
    struct Row {
        const char* what;
        std::function<void(const TempDir&)> write;
    };
    const std::string name10k(10000, 'N');
    const Row rows[] = {
        {"numbers out of range",
         [](const TempDir& d) {
             writeGame(d, "",
                       {{"BLOCK", "99999999999999", "1e39", "-1e39", "99999999999", "-2147483649",
                         "4294967296"},
                        {"BLOCK", "-1", "3.4e38", "3.4e38", "3.4e38", "3.4e38", "-1"}});
         }},
        {"NaN and infinity",
         [](const TempDir& d) {
             writeGame(d, "",
                       {{"BLOCK", "0", "nan", "inf", "-inf", "nan", "0"},
                        {"BLOCK", "0", "-inf", "-nan", "inf", "inf", "0"}},
                       kBlockDna + pairs({{"worldFTileRotate", "nan"},
                                          {"worldFTileVELO", "inf"},
                                          {"worldFTileFadeIn", "-inf"},
                                          {"worldFTileTransparency", "1e40"},
                                          {"hp", "nan"}}));
         }},
        {"negative and zero sizes",
         [](const TempDir& d) {
             writeGame(d, "",
                       {{"BLOCK", "0", "10", "10", "0", "0", "0"},
                        {"BLOCK", "0", "10", "10", "-50", "-50", "0"},
                        {"BLOCK", "0", "-10", "-10", "-0", "1e-45", "0"}});
         }},
        {"100,000 records",
         [](const TempDir& d) { writeGame(d, "", manyRecords(100000, false, 400)); }},
        {"names of 10,000 characters",
         [&name10k](const TempDir& d) {
             writeGame(d, "", {{name10k}, {"BLOCK"}},
                       kBlockDna + pairs({{"worldFTileUseShadow", name10k},
                                          {"animContainer", name10k},
                                          {name10k, name10k}}));
         }},
        {"bytes 0x00-0xFF in every line",
         [](const TempDir& d) {
             writeGame(d, "", {{"BLOCK"}, {"BLOCK", "0", "30", "30"}});
             writeFile(d.file("MAPS/0/0"), withEveryByte(mapText({{"BLOCK"}, {"BLOCK"}})));
             writeFile(d.file("MAPS/0/1"), withEveryByte(mapText({{"BLOCK"}, {"B"}}), true));
             writeFile(d.file("MAPS/0/_"), withEveryByte("12\r\n"));
             writeFile(d.file("GFX/BLOCK.dll"), withEveryByte(kBlockDna));
         }},
        {"SOURCEWIDTH and SOURCEHEIGHT 0",
         [](const TempDir& d) {
             writeGame(d, pairs({{"SOURCEWIDTH", "0"}, {"SOURCEHEIGHT", "0"}}), {{"BLOCK"}});
         }},
        {"MAXANIMFRAMES 1000",
         [](const TempDir& d) {
             writeGame(d, pairs({{"MAXANIMFRAMES", "1000"}}), {{"BLOCK"}},
                       kBlockDna + pairs({{"animContainer", "RUN"}}));
             for (const char* set : {"UP", "DOWN", "LEFT", "RIGHT", "IDLE"}) {
                 fs::create_directories(d.file(std::string("ANIM/RUN/") + set));
             }
             fs::copy_file(d.file("GFX/BLOCK.png"), d.file("ANIM/RUN/UP/1.png"));
         }},
        {"more than 514 tile names",
         [](const TempDir& d) {
             writeGame(d, "", manyRecords(700, true, 100));
             for (int i = 0; i < 700; i += 7) {
                 fs::copy_file(d.file("GFX/BLOCK.png"),
                               d.file("GFX/T" + std::to_string(i) + ".png"));
                 fs::copy_file(d.file("GFX/BLOCK.dll"),
                               d.file("GFX/T" + std::to_string(i) + ".dll"));
             }
         }},
        {"more than 1,026 objects on screen",
         [](const TempDir& d) { writeGame(d, "", manyRecords(2000, false, 50)); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        row.write(dir);
        const auto started = std::chrono::steady_clock::now();
        const auto result =
            runHeadless(dir, {"--frames", "20", "--timing", "--check-handles"}, "640x480");
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ASSERT_EQ(result.exitCode, 0) << result.output.substr(0, 2000);
        EXPECT_NE(result.output.find("frames: 20\n"), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("live handles: pictures 0, sprites 0, sounds 0"),
                  std::string::npos)
            << result.output.substr(0, 2000);
        EXPECT_LT(seconds, 60.0);
    }
    // The largest of the runs above, 100,000 objects of about 1 KB each, stays below 1 GB.
    EXPECT_LT(childPeakKilobytes(), 1024L * 1024L);
}

// Every file below root, relative to it.
std::vector<std::string> filesBelow(const std::string& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
    }
    return files;
}

TEST(MalformedContent, HostileNamesWriteNothingOutsideTheConfiguredDirectories) {
    TempDir dir;
    fs::create_directories(dir.file("CACHE"));
    const std::vector<RawRecord> hostile = {
        {"..\\..\\x"},
        {"../../x"},
        {"/tmp/rz-hostile-absolute"},
        {"C:\\Windows\\x"},
        {std::string("NUL\0after", 9)},
        {"\\\\server\\share\\x"},
        {"BLOCK"},
    };
    writeGame(dir, pairs({{"USECACHE", "1"}}), hostile,
              kBlockDna + pairs({{"worldFTileUseShadow", "..\\..\\shadow"},
                                 {"animContainer", "..\\..\\..\\anim"},
                                 {"worldFTilePlayerID", "1"}}));
    // Escape leaves the level: its state is saved into the level cache.
    writeFile(dir.file("leave.txt"), "3 key down 0x01\n4 key up 0x01\n");
    const std::vector<std::string> before = filesBelow(dir.path());
    // The map number names the cache directory: the extremes stay below it too.
    for (const std::string map : {"0", "-2147483648", "2147483647"}) {
        SCOPED_TRACE(map);
        writeFile(dir.file("CORE/user.crc"), pairs({{"APPENTRY", map}}));
        const auto result = runHeadless(dir, {"--frames", "8", "--replay", "leave.txt"}, "640x480");
        ASSERT_EQ(result.exitCode, 0) << result.output;
        EXPECT_TRUE(fs::exists(dir.file("CACHE/" + map + "/24")));
    }
    EXPECT_FALSE(fs::exists("/tmp/rz-hostile-absolute"));
    const fs::path outside = fs::path(dir.path()).parent_path();
    for (const char* name : {"x", "shadow", "anim", "shadow.png"}) {
        EXPECT_FALSE(fs::exists(outside / name)) << name;
    }
    for (const std::string& file : filesBelow(dir.path())) {
        const bool old = std::find(before.begin(), before.end(), file) != before.end();
        const bool allowed = file.rfind("CACHE/", 0) == 0 || file.rfind("CORE/", 0) == 0;
        EXPECT_TRUE(old || allowed) << file;
    }
    // The saved level keeps the names as content, not as paths.
    const std::string saved = readFile(dir.file("CACHE/0/0"));
    EXPECT_NE(saved.find("..\\..\\x\r\n"), std::string::npos) << saved.substr(0, 300);
}

}  // namespace
}  // namespace game_test
