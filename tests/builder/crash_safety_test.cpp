// DARA killed at random moments while placing (SIGKILL, seeded delays, several sessions in
// one log folder): every undo snapshot on disk is complete, the newest one holds every
// placement of the killed session but at most the last, the next start names it and
// --recover opens it as the work map.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "builder_workspace.h"
#include "engine/media/files.h"
#include "formats/map_file.h"

namespace builder_tests {
namespace {

constexpr int kPlacements = 40;
int placedX(int i) {
    return 2 + 12 * i;
}
int roundY(int round) {
    return 20 + 60 * round;
}

// Starts DARA headless on the script in the workspace, kills it after the delay, waits.
void runAndKill(const BuilderWorkspace& workspace, const std::string& script,
                std::chrono::milliseconds delay) {
    const std::string program = RZ_BUILDER_EXE;
    std::vector<std::string> arguments = {program,      "--headless", "--desktop",
                                          kTestDesktop, "--script",   script};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        if (chdir(workspace.path().c_str()) != 0) _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
}

struct Snapshot {
    int number = -1;
    std::size_t elements = 0;
};

// The snapshots of one session (elements on its row): each complete and holding exactly the
// placements up to its own, in order. Returns the highest.
std::optional<Snapshot> checkSessionSnapshots(const BuilderWorkspace& workspace, int round) {
    std::optional<Snapshot> highest;
    for (const media::DirectoryEntry& entry : media::listDirectory(workspace.file("LOG"))) {
        if (!entry.name.starts_with("UNDO_") ||
            entry.name.find_first_not_of("0123456789", 5) != std::string::npos) {
            continue;
        }
        const std::string path = workspace.file("LOG/" + entry.name);
        const std::string text = testing_support::readFile(path);
        EXPECT_TRUE(text.ends_with("ENGINETILEINFOEND\r\n")) << entry.name << " is cut off";
        const auto map = formats::readBuilderMapFile(path);
        if (!map || map->tiles.empty() || map->tiles[0].y != roundY(round)) continue;
        const int number = std::stoi(entry.name.substr(5));
        EXPECT_EQ(map->tiles.size(), static_cast<std::size_t>(number) + 1) << entry.name;
        for (std::size_t i = 0; i < map->tiles.size(); ++i) {
            EXPECT_EQ(map->tiles[i].x, placedX(static_cast<int>(i))) << entry.name;
            EXPECT_EQ(map->tiles[i].y, roundY(round)) << entry.name;
        }
        if (!highest || number > highest->number) highest = Snapshot{number, map->tiles.size()};
    }
    return highest;
}

TEST(CrashSafety, AKilledBuilderLosesAtMostItsLastPlacementAndRecoverOpensTheNewestWork) {
    BuilderWorkspace workspace;
    // Leftovers that are no snapshots: a write cut off by a kill, another file.
    testing_support::writeFile(workspace.file("LOG/UNDO_3.tmp-a1b2c3"), "0\r\n0\r\nTILE\r\n");
    testing_support::writeFile(workspace.file("LOG/UNDO_notes"), "x");
    const DaraRun none = workspace.run("", {"--recover"});
    EXPECT_NE(none.output.find("--recover: there is no undo snapshot"), std::string::npos)
        << none.output;
    auto sessionScript = [](int round) {
        std::string script = kRasterOff;
        for (int i = 0; i < kPlacements; ++i)
            script += click(placedX(i), roundY(round));
        return script;
    };
    // A whole session first: the kills fall anywhere in a run as long as this one, and the
    // later sessions must win against its higher snapshot numbers.
    constexpr int kRounds = 7;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(workspace.run(sessionScript(kRounds)).exitCode, 0);
    const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    std::optional<Snapshot> newest = checkSessionSnapshots(workspace, kRounds);
    ASSERT_TRUE(newest.has_value());
    EXPECT_EQ(newest->number, kPlacements - 1);
    int newestRound = kRounds;

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> delay(0, whole.count());
    int sessionsThatPlaced = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string scriptPath = workspace.file("kill" + std::to_string(round) + ".script");
        testing_support::writeFile(scriptPath, sessionScript(round));
        runAndKill(workspace, scriptPath, std::chrono::milliseconds(delay(random)));

        if (const auto session = checkSessionSnapshots(workspace, round)) {
            newest = session;
            newestRound = round;
            ++sessionsThatPlaced;
        }
        // The next start names the newest work (not a higher number of an older session)
        // and --recover loads it.
        const DaraRun recovered = workspace.run("", {"--recover"});
        EXPECT_EQ(recovered.exitCode, 0) << recovered.output;
        const std::string named = "recovered the work map from the undo snapshot " +
                                  workspace.file("LOG/UNDO_" + std::to_string(newest->number));
        EXPECT_NE(recovered.output.find(named), std::string::npos) << recovered.output;
        ASSERT_TRUE(recovered.dumpRead);
        EXPECT_EQ(aliveCount(recovered.dump), static_cast<int>(newest->elements));
        EXPECT_EQ(recovered.dump.at("elements").at(0).at("y").get<int>(), roundY(newestRound));
        for (const media::DirectoryEntry& entry : media::listDirectory(workspace.file("LOG")))
            EXPECT_EQ(entry.name.find(".tmp-"), std::string::npos) << entry.name;
    }
    EXPECT_GE(sessionsThatPlaced, 1) << "the delays let some sessions place";

    // Without --recover the start names the snapshot and the option.
    const DaraRun plain = workspace.run("");
    EXPECT_NE(plain.output.find("start DARA with --recover"), std::string::npos) << plain.output;
    EXPECT_EQ(aliveCount(plain.dump), 0);
}

}  // namespace
}  // namespace builder_tests
