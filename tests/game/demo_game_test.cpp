// The demo game's content: the tool writes it again byte for byte, the maps are wired as
// the exit rules lead, every rule of the game is used somewhere, every file the game looks
// for is there, and every map runs without a warning.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <future>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "formats/dna_apply.h"
#include "formats/dna_file.h"
#include "formats/map_directory.h"
#include "support/game_map.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::runProgram;
using testing_support::TempDir;

const fs::path kDemo = fs::path(RZ_SOURCE_DIR) / "demo";

// Every file below a folder, by path relative to it.
std::set<std::string> filesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).string());
    }
    return files;
}

std::string generate(const TempDir& dir) {
    fs::create_directories(dir.file("CORE"));
    const auto run = runProgram(RZ_DEMO_TOOL_EXE, {dir.path()}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return dir.path();
}

TEST(DemoGame, ToolWritesTheCommittedContentAndTheSameBytesEachTime) {
    TempDir first, second;
    // Two runs side by side: the tool's time is mostly spent waiting for the disk.
    auto later = std::async(std::launch::async, [&] { return generate(second); });
    const fs::path a = generate(first), b = later.get();
    const std::set<std::string> written = filesBelow(a);
    ASSERT_GT(written.size(), std::size_t{400});
    EXPECT_EQ(written, filesBelow(b));
    for (const std::string& file : written) {
        const std::string bytes = readFile((a / file).string());
        EXPECT_EQ(bytes, readFile((b / file).string())) << file << " differs between two runs";
        EXPECT_EQ(bytes, readFile((kDemo / file).string())) << file << " is not as committed";
    }
    // Nothing left over in the content that the tool no longer writes (the start chime
    // comes from its own tool).
    for (const std::string& file : filesBelow(kDemo / "DATA")) {
        // The level cache fills while the game runs in the folder.
        if (file == "SOUND/PLING.ogg" || file.starts_with("CACHE/")) continue;
        EXPECT_TRUE(written.contains("DATA/" + file)) << "stale file DATA/" << file;
    }
}

// The tile names of a map and the type names their DNA gives them.
struct MapContent {
    std::vector<std::string> tiles;
    std::set<std::string> types;
    std::vector<formats::TileRecord> records;  // load order
    std::vector<std::string> typeOf;           // by record
    std::vector<bool> collides;                // by record
};

std::map<std::string, std::string> dnaOf(const std::string& tile) {
    std::map<std::string, std::string> keys;
    const auto pairs = formats::readDnaPairs((kDemo / "DATA/GFX" / (tile + ".dll")).string());
    EXPECT_TRUE(pairs.has_value()) << tile;
    for (const formats::DnaPair& pair : pairs.value_or(std::vector<formats::DnaPair>{}))
        keys[pair.key] = pair.value;
    return keys;
}

MapContent readMap(std::int32_t id) {
    MapContent content;
    const auto map =
        testing_support::readGameMap((kDemo / "DATA/MAPS" / std::to_string(id)).string() + "/");
    for (const formats::TileRecord& record : map.tiles) {
        auto dna = dnaOf(record.name);
        content.tiles.push_back(record.name);
        content.types.insert(dna["worldFTileIDString"]);
        content.records.push_back(record);
        content.typeOf.push_back(dna["worldFTileIDString"]);
        content.collides.push_back(dna["worldFTileCollision"] == "1" &&
                                   dna["worldFTileHideOnStart"] != "1");
    }
    return content;
}

// The 40-pixel cells of a level the player can reach from its start, on foot; doors open
// when a card can be reached first. Monsters and red barrels do not count as walls (they
// can be shot), furniture, walls, shooters and the crystal do.
std::set<std::pair<int, int>> reachableCells(const MapContent& content) {
    const std::set<std::string> walls = {
        "NOGO",  "STUHL", "FASS",  "BACK",      "TROOPER",   "GASTANK",    "VIRUSVAT", "BRAZIER",
        "FIRER", "FIREL", "FIRED", "LIGHTBLUE", "EXIT_LEFT", "EXIT_RIGHT", "EXIT_UP",  "EXIT_DOWN"};
    std::set<std::pair<int, int>> blocked, doors, cards;
    std::pair<int, int> start{-1, -1};
    for (std::size_t i = 0; i < content.records.size(); ++i) {
        const formats::TileRecord& r = content.records[i];
        const auto cell = [](float v) { return static_cast<int>(std::floor(v / 40.0f)); };
        for (int cx = cell(r.x); cx <= cell(r.x + r.width - 1); ++cx) {
            for (int cy = cell(r.y); cy <= cell(r.y + r.height - 1); ++cy) {
                const std::string& type = content.typeOf[i];
                if (type == "HERO") start = {cx, cy};
                if (!content.collides[i]) continue;
                if (walls.contains(type)) blocked.insert({cx, cy});
                if (type == "SECUDOOR") doors.insert({cx, cy});
                if (type == "IDCARD") cards.insert({cx, cy});
            }
        }
    }
    std::set<std::pair<int, int>> seen;
    for (int pass = 0; pass < 2; ++pass) {
        const bool doorsOpen = std::any_of(cards.begin(), cards.end(),
                                           [&](const auto& c) { return seen.contains(c); });
        seen = {start};
        std::vector<std::pair<int, int>> todo = {start};
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const std::pair<int, int> next{x + dx, y + dy};
                if (next.first < 0 || next.first >= 20 || next.second < 0 || next.second >= 13 ||
                    blocked.contains(next) || (!doorsOpen && doors.contains(next)) ||
                    !seen.insert(next).second) {
                    continue;
                }
                todo.push_back(next);
            }
        }
    }
    return seen;
}

TEST(DemoGame, LevelsAreWiredByTheExitRulesAndUseEveryTypeOfThem) {
    // Exit -> next map, as the game's exit rules lead from each level.
    const std::map<std::int32_t, std::map<std::string, std::int32_t>> wiring = {
        {0, {{"EXIT_RIGHT", 1}}},
        {1, {{"EXIT_LEFT", 0}, {"EXIT_RIGHT", 2}, {"EXIT_DOWN", 3}}},
        {2, {{"EXIT_LEFT", 1}, {"EXIT_DOWN", 4}}},
        {3, {{"EXIT_UP", 1}, {"EXIT_LEFT", 5}, {"EXIT_RIGHT", 4}}},
        {4, {{"EXIT_UP", 2}, {"EXIT_DOWN", 8}, {"EXIT_RIGHT", 3}}},
        {5, {{"EXIT_RIGHT", 3}, {"EXIT_DOWN", 6}}},
        {6, {{"EXIT_RIGHT", 7}}},
        {7, {{"EXIT_RIGHT", 8}}},
        {8, {{"EXIT_UP", 9}, {"EXIT_LEFT", 7}, {"EXIT_RIGHT", 9}}},
        {9, {{"EXIT_UP", 10}}},
        {10, {{"EXIT_DOWN", 9}, {"EXIT_RIGHT", 4096}}},
    };
    std::set<std::string> used;
    for (const auto& [level, exits] : wiring) {
        SCOPED_TRACE("level " + std::to_string(level));
        const MapContent content = readMap(level);
        used.insert(content.types.begin(), content.types.end());
        for (const char* exit : {"EXIT_LEFT", "EXIT_RIGHT", "EXIT_UP", "EXIT_DOWN"})
            EXPECT_EQ(content.types.contains(exit), exits.contains(exit)) << exit;
        EXPECT_EQ(std::count(content.tiles.begin(), content.tiles.end(), "G_HERO"), 1);
        // Every exit can be walked into from the start: no level is a dead end.
        const auto reached = reachableCells(content);
        for (std::size_t i = 0; i < content.records.size(); ++i) {
            if (!exits.contains(content.typeOf[i])) continue;
            const formats::TileRecord& r = content.records[i];
            const int cx = static_cast<int>(r.x / 40.0f), cy = static_cast<int>(r.y / 40.0f);
            const bool nextToReached =
                reached.contains({cx + 1, cy}) || reached.contains({cx - 1, cy}) ||
                reached.contains({cx, cy + 1}) || reached.contains({cx, cy - 1});
            EXPECT_TRUE(nextToReached) << content.typeOf[i] << " at " << r.x << "," << r.y;
        }
        // A door always has its card in the same level.
        EXPECT_EQ(content.types.contains("SECUDOOR"), content.types.contains("IDCARD"));
        // In one frame's collision scan a thing the player crosses undoes a block found
        // before it: such a thing never lies within a player's size (32) after a blocker.
        const std::set<std::string> crossed = {
            "BODEN",      "TRANSVEGI", "LAUB",     "WANZE",    "METALLGITTER", "BRUECKE",
            "GREENPLANT", "MONEY",     "HP+",      "FIRSTAID", "EXTRAFUEL",    "IDCARD",
            "SAVESTART",  "WALKRIGHT", "WALKLEFT", "WALKUP",   "WALKDOWN",     "BASEWANZE",
            "HELMET",     "BASKET",    "LICHMINI"};
        for (std::size_t p = 0; p < content.records.size(); ++p) {
            if (!content.collides[p] || !crossed.contains(content.typeOf[p])) continue;
            const formats::TileRecord& a = content.records[p];
            for (std::size_t b = 0; b < p; ++b) {
                if (!content.collides[b] || crossed.contains(content.typeOf[b])) continue;
                const formats::TileRecord& o = content.records[b];
                const bool near = a.x - 32 < o.x + o.width && o.x < a.x + a.width + 32 &&
                                  a.y - 32 < o.y + o.height && o.y < a.y + a.height + 32;
                EXPECT_FALSE(near) << a.name << " at " << a.x << "," << a.y << " after " << o.name
                                   << " at " << o.x << "," << o.y;
            }
        }
    }
    const MapContent menu = readMap(999);
    used.insert(menu.types.begin(), menu.types.end());
    for (const char* type :
         {"NOGO",          "STUHL",        "FASS",          "BACK",         "TROOPER",
          "SECUDOOR",      "IDCARD",       "BODEN",         "LAUB",         "WANZE",
          "TRANSVEGI",     "METALLGITTER", "BRUECKE",       "GREENPLANT",   "DEFAULTZOMBIE",
          "BASEWANZE",     "CRAPS",        "REDVIRUS",      "HELMET",       "BASKET",
          "DEKO",          "LICHMINI",     "DEFAULTBULLET", "FLAMME",       "FUNKE",
          "GREENACID",     "REDFIRE",      "LAUBBLATT",     "BURNEDZOMBIE", "BURNKAKALAK",
          "EXPLOSIVEFASS", "GASTANK",      "MONEY",         "HP+",          "FIRSTAID",
          "EXTRAFUEL",     "WALKRIGHT",    "WALKLEFT",      "WALKUP",       "WALKDOWN",
          "NEWGAME",       "CONTINUE",     "EXITGAME",      "SAVESTART",    "LIGHTBLUE",
          "WATERMIRROR",   "FIRER",        "FIREL",         "FIREU",        "FIRED"}) {
        EXPECT_TRUE(used.contains(type)) << type << " is in no map";
    }
}

TEST(DemoGame, EveryFileTheGameLooksForIsThere) {
    // Sounds, animation containers and shadows named by the tiles' DNA.
    for (const std::string& file : filesBelow(kDemo / "DATA/GFX")) {
        if (!file.ends_with(".dll") || file == "DNA.dll") continue;
        const std::string tile = file.substr(0, file.size() - 4);
        SCOPED_TRACE(tile);
        auto dna = dnaOf(tile);
        EXPECT_TRUE(fs::exists(kDemo / "DATA/GFX" / (tile + ".png")));
        // A misspelt key would do nothing, silently.
        for (const auto& [key, value] : dna) {
            if (key.starts_with(";")) continue;  // the builder's comment trailer
            const auto known = formats::gameDnaKeys();
            EXPECT_TRUE(std::any_of(known.begin(), known.end(), [&](const auto& rule) {
                return rule.key == key;
            })) << key;
        }
        if (!dna["worldFTileSoundFile"].empty()) {
            EXPECT_TRUE(fs::exists(kDemo / "DATA/SOUND" / (dna["worldFTileSoundFile"] + ".ogg")));
        }
        if (!dna["worldFTileUseShadow"].empty()) {
            EXPECT_TRUE(fs::exists(kDemo / "DATA/FX" / (dna["worldFTileUseShadow"] + ".png")));
        }
        if (!dna["animContainer"].empty() && dna["animContainer"] != "NOPE") {
            for (const char* set : {"DEFAULT", "RIGHT", "LEFT", "UP", "DOWN"}) {
                for (const char* frame : {"1.png", "4.png"})
                    EXPECT_TRUE(
                        fs::exists(kDemo / "DATA/ANIM" / dna["animContainer"] / set / frame));
            }
        }
    }
    // Level music for every map.
    for (std::int32_t map :
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 999, 1000, 1001, 1002, 1003, 4095, 4096})
        EXPECT_TRUE(fs::exists(kDemo / "DATA/SOUND" / ("#L" + std::to_string(map) + ".ogg")))
            << map;
    // A glyph for every character the screens draw: the fixed texts, the two text files,
    // the version line and the head-up gauges. The screens draw letters in upper case.
    std::string list = readFile((kDemo / "DATA/FONT/CHARS.txt").string());
    list = list.substr(0, list.find_first_of("\r\n"));
    std::string drawn =
        " GAME OVER PRESS START GAME PAUSED ERROR DETECTED, ENGINE GOES ON DEMO 2.0";
    drawn +=
        readFile((kDemo / "CORE/copyright").string()) + readFile((kDemo / "CORE/thank").string());
    drawn += "\"&@\xD6";
    for (char c : drawn) {
        if (c == ' ' || c == '\\' || c == '|' || c == '\r' || c == '\n') continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
        EXPECT_NE(list.find(c), std::string::npos) << "no glyph for '" << c << "'";
    }
}

TEST(DemoGame, EveryMapRunsWithoutAWarningOrFault) {
    TempDir dir;
    fs::copy(kDemo, dir.path(), fs::copy_options::recursive);
    // Start with an empty level cache, whatever a game run in the source folder left there.
    for (const auto& entry : fs::directory_iterator(dir.file("DATA/CACHE"))) {
        if (entry.path().filename() != ".gitignore") fs::remove_all(entry.path());
    }
    const std::string userConfig = readFile(dir.file("CORE/user.crc"));
    for (std::int32_t map : {999, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 4096, 4095, 1000}) {
        SCOPED_TRACE("map " + std::to_string(map));
        for (const char* report : {"session.log", "warnings.log", "errors.log"})
            fs::remove(fs::path(dir.file("CORE")) / report);
        testing_support::writeFile(dir.file("CORE/user.crc"),
                                   userConfig + "APPENTRY\r\n" + std::to_string(map) + "\r\n");
        const auto run = runProgram(
            RZ_GAME_EXE, {"--headless", "--frames", "90", "--dump", "end.json"}, dir.path());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const std::string dump = readFile(dir.file("end.json"));
        EXPECT_EQ(dump.find("\"loaded\": 0"), std::string::npos) << "a tile picture is missing";
        EXPECT_EQ(readFile(dir.file("CORE/warnings.log")), "");
        EXPECT_EQ(readFile(dir.file("CORE/errors.log")), "");
    }
}

}  // namespace
