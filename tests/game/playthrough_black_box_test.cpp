// Scripted playthroughs of the demo game: replays in tests/playthroughs (written from their
// step lists by make_replay.py) run headless on a copy of demo/ with the warning log on.
// Each replay carries its checks as "# expect TURN WHAT..." comments; the run dumps the
// state at every such turn, and no warning or fault report may be written.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

namespace fs = std::filesystem;
using game_test::readDump;
using game_test::readFile;
using game_test::runProgram;
using game_test::TempDir;
namespace json = testing_support::json;

const fs::path kSource = fs::path(RZ_SOURCE_DIR);

struct Expectation {
    int turn = 0;
    std::vector<std::string> words;
};

struct Replay {
    std::vector<Expectation> expectations;
    int lastTurn = 0;
};

Replay readReplay(const std::string& text) {
    Replay replay;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string hash, kind;
        words >> hash >> kind;
        if (hash != "#") continue;
        if (kind == "last") {
            std::string turnWord;
            words >> turnWord >> replay.lastTurn;
        } else if (kind == "expect") {
            Expectation expectation;
            words >> expectation.turn;
            for (std::string word; words >> word;)
                expectation.words.push_back(word);
            replay.expectations.push_back(expectation);
        }
    }
    return replay;
}

int activeObjectsOfType(const json::Value& dump, const std::string& type) {
    int count = 0;
    for (const json::Value& object : dump.at("objects")) {
        if (object.at("worldFTileIDString").get<std::string>() == type &&
            object.at("worldFTileIsActive").get<int>() > 0)
            ++count;
    }
    return count;
}

int statusValue(const json::Value& dump, int entry) {
    for (const json::Value& row : dump.at("playerStatus")) {
        if (row.at("entry").get<int>() == entry) return row.at("value").get<int>();
    }
    return -1;
}

// One check against the dump of its turn; an empty text when it holds.
std::string check(const Expectation& e, const json::Value& dump, int endTurn, int lastTurn) {
    const std::vector<std::string>& w = e.words;
    const auto number = [&w](std::size_t i) { return i < w.size() ? std::stoi(w[i]) : 0; };
    if (w[0] == "end") {
        return endTurn < lastTurn ? "" : "the program did not end by itself";
    }
    const double map = game_test::engineValue(dump, "actualMapId");
    if (w[0] == "map") {
        return map == number(1) ? "" : "on map " + std::to_string(static_cast<int>(map));
    }
    if (w[0] == "status") {
        const int value = statusValue(dump, number(1));
        return value == number(2) ? "" : "status value " + std::to_string(value);
    }
    if (w[0] == "some" || w[0] == "none") {
        const int count = activeObjectsOfType(dump, w[1]);
        return (count > 0) == (w[0] == "some") ? "" : std::to_string(count) + " active";
    }
    if (w[0] == "hero") {
        const int player = static_cast<int>(game_test::engineValue(dump, "playerObject"));
        const json::Value& hero = dump.at("objects").at(static_cast<std::size_t>(player));
        const double x = hero.at("centerX").get<double>();
        const double y = hero.at("centerY").get<double>();
        const bool near = std::fabs(x - number(1)) <= 8.0 && std::fabs(y - number(2)) <= 8.0;
        return near ? "" : "hero at " + std::to_string(x) + ", " + std::to_string(y);
    }
    return "unknown check";
}

class Playthrough : public testing::TestWithParam<const char*> {};

TEST_P(Playthrough, ReachesEveryMilestoneWithoutAWarning) {
    const std::string name = GetParam();
    const std::string replayPath = (kSource / "tests/playthroughs" / (name + ".replay")).string();
    const Replay replay = readReplay(readFile(replayPath));
    ASSERT_GT(replay.lastTurn, 0) << replayPath;
    ASSERT_FALSE(replay.expectations.empty());

    TempDir dir;
    fs::copy(kSource / "demo", dir.path(), fs::copy_options::recursive);
    for (const auto& entry : fs::directory_iterator(dir.file("DATA/CACHE"))) {
        if (entry.path().filename() != ".gitignore") fs::remove_all(entry.path());
    }
    for (const char* report : {"session.log", "warnings.log", "errors.log"})
        fs::remove(fs::path(dir.file("CORE")) / report);
    // The warning log on, whatever the committed configuration says (later pairs win).
    testing_support::writeFile(dir.file("CORE/ini.crc"),
                               readFile(dir.file("CORE/ini.crc")) + "USEDEBUGLOG\r\n1\r\n");

    std::vector<std::string> options = {"--headless", "--frames", std::to_string(replay.lastTurn),
                                        "--replay",   replayPath, "--dump",
                                        "end.json"};
    std::set<int> turns;
    for (const Expectation& e : replay.expectations) {
        if (e.words[0] != "end") turns.insert(e.turn);
    }
    for (int turn : turns) {
        options.push_back("--dump-at");
        options.push_back(std::to_string(turn) + ":at" + std::to_string(turn) + ".json");
    }
    const auto run = runProgram(RZ_GAME_EXE, options, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const json::Value end = readDump(dir.file("end.json"));
    const int endTurn = end.at("turn").get<int>();
    std::map<int, json::Value> dumps;
    for (int turn : turns) {
        if (turn <= endTurn)
            dumps[turn] = readDump(dir.file("at" + std::to_string(turn) + ".json"));
    }
    for (const Expectation& e : replay.expectations) {
        std::string what = "turn " + std::to_string(e.turn) + ":";
        for (const std::string& word : e.words)
            what += " " + word;
        const auto found = dumps.find(e.turn);
        const json::Value& dump = found != dumps.end() ? found->second : end;
        EXPECT_EQ(check(e, dump, endTurn, replay.lastTurn), "") << what;
    }
    EXPECT_FALSE(fs::exists(dir.file("CORE/warnings.log")))
        << readFile(dir.file("CORE/warnings.log"));
    EXPECT_FALSE(fs::exists(dir.file("CORE/errors.log"))) << readFile(dir.file("CORE/errors.log"));
}

INSTANTIATE_TEST_SUITE_P(DemoGame, Playthrough,
                         testing::Values("full_game", "game_over", "continue"));

}  // namespace
