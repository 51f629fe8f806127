// The work map file, map folders, undo snapshots, the questions and the fatal error report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>

#include "builder_workspace.h"
#include "formats/map_directory.h"
#include "formats/map_file.h"
#include "support/game_map.h"

namespace builder_tests {
namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

std::string tileRecord(const std::string& name, int x, int y, int layer) {
    return "TILE\r\n" + name + "\r\n0\r\n" + std::to_string(x) + "\r\n" + std::to_string(y) +
           "\r\n16\r\n16\r\n" + std::to_string(layer) + "\r\n";
}

std::string layerFile(const std::string& records) {
    return "0\r\n0\r\n" + records + "ENGINETILEINFOEND\r\n";
}

TEST(BuilderMapFiles, RedrawMapWritesOnlyAliveElementsAndReloads) {
    BuilderWorkspace workspace;
    const DaraRun run = workspace.run(kRasterOff + click(10, 300) + click(100, 300) +
                                      click(200, 300) + click(105, 305, "right") + "menu 115\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 1);
    EXPECT_EQ(aliveCount(run.dump), 2);
    EXPECT_EQ(run.dump["elements"][1]["x"].get<int>(), 200);
    const auto file = formats::readBuilderMapFile(workspace.file("1"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->tiles.size(), 2u);
    EXPECT_EQ(run.dump["windows"]["tiles"]["title"].get<std::string>(), "Actual Map ID#: ");
}

TEST(BuilderMapFiles, WorkMapHeaderThatIsNotANumberGivesScrollZero) {
    BuilderWorkspace workspace;
    writeFile(workspace.file("1"),
              "left\r\nup\r\n" + tileRecord("B", 5, 6, 2) + "ENGINETILEINFOEND\r\n");
    const DaraRun plain = workspace.run("");
    ASSERT_TRUE(plain.dumpRead) << plain.output;
    EXPECT_EQ(plain.dump["state"]["mapScrollX"].get<int>(), 0);
    EXPECT_EQ(plain.dump["state"]["mapScrollY"].get<int>(), 0);
    EXPECT_EQ(plain.dump["elements"][0]["name"].get<std::string>(), "B");
    EXPECT_EQ(plain.dump["elements"][0]["tileIndex"].get<int>(), 1);
    EXPECT_EQ(plain.dump["state"]["maxUsedLayer"].get<int>(), 2);

    writeFile(workspace.file("1"),
              "12\r\n-7\r\n" + tileRecord("NOSUCH", 5, 6, 0) + "ENGINETILEINFOEND\r\n");
    const DaraRun numbers = workspace.run("");
    EXPECT_EQ(numbers.dump["state"]["mapScrollX"].get<int>(), 12);
    EXPECT_EQ(numbers.dump["state"]["mapScrollY"].get<int>(), -7);
    EXPECT_EQ(numbers.dump["elements"][0]["name"].get<std::string>(), "B")
        << "unknown: the last type";
}

TEST(BuilderMapFiles, MapFolderLoadsLayersZeroTo128InOrder) {
    BuilderWorkspace workspace;
    const std::string folder = workspace.file("maps/7");
    writeFile(folder + "/0", layerFile(tileRecord("A", 1, 0, 0)));
    writeFile(folder + "/1", layerFile(tileRecord("B", 2, 0, 1) + tileRecord("A", 3, 0, 1)));
    writeFile(folder + "/5", "4\r\n9\r\n" + tileRecord("A", 4, 0, 5) + "ENGINETILEINFOEND\r\n");
    writeFile(folder + "/129", layerFile(tileRecord("A", 5, 0, 129)));
    const DaraRun run = workspace.run("browse " + folder + "\nmenu 129\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& elements = run.dump["elements"];
    ASSERT_EQ(elements.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(elements[i]["x"].get<int>(), i + 1);
    EXPECT_EQ(elements[3]["layer"].get<int>(), 5);
    EXPECT_EQ(run.dump["state"]["maxUsedLayer"].get<int>(), 5);
    EXPECT_EQ(run.dump["state"]["mapScrollX"].get<int>(), 4);
    EXPECT_EQ(run.dump["state"]["mapIdText"].get<std::string>(), folder + "\\");

    // A cancelled browser does nothing.
    const DaraRun cancelled = workspace.run("browse cancel\nmenu 129\n");
    EXPECT_EQ(cancelled.dump["state"]["lastElement"].get<int>(), -1);
    EXPECT_EQ(cancelled.dump["state"]["mapIdText"].get<std::string>(), "");
}

TEST(BuilderMapFiles, PlaceDeleteUndoAndSaveAMapFolderTheGameReads) {
    BuilderWorkspace workspace;
    const std::string folder = workspace.file("saved");
    fs::create_directories(folder + "/_DATA/2DGFX");
    const DaraRun run =
        workspace.run(kRasterOff + click(10, 300) + "key tap PGUP\n" + click(40, 310) +
                      click(80, 320) + "key tap U\n" + click(15, 305, "right") + "key tap PGDN\n" +
                      click(15, 305, "right") + "browse " + folder + "\nmenu 128\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_TRUE(run.messages.empty()) << run.output;
    // The undo brought back the map after the second placement: two elements.
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 1);
    EXPECT_EQ(aliveCount(run.dump), 1);

    const testing_support::GameMap map = testing_support::readGameMap(folder);
    ASSERT_EQ(map.tiles.size(), 1u);
    EXPECT_EQ(map.tiles[0].name, "A");
    EXPECT_EQ(map.tiles[0].x, 40.0f);
    EXPECT_EQ(map.tiles[0].layer, 2);
    EXPECT_EQ(formats::readTileCount(folder), 1);
    EXPECT_TRUE(fs::exists(folder + "/0"));
    EXPECT_TRUE(fs::exists(folder + "/_DATA/2DGFX/A.png"));
    EXPECT_TRUE(fs::exists(folder + "/_DATA/2DGFX/A.dll"));
}

TEST(BuilderMapFiles, UndoStepsBackOnePlacementAndRedoWrapsToTheNewest) {
    BuilderWorkspace workspace;
    const DaraRun run =
        workspace.run(kRasterOff + click(10, 300) + click(50, 300) + "key tap U\n" + "dump " +
                      workspace.file("undo1.json") + "\n" + "key tap U\n" + "key tap R\n" +
                      "dump " + workspace.file("redo1.json") + "\nkey tap R\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json undo1 = parseOrNull(readFile(workspace.file("undo1.json")));
    EXPECT_EQ(undo1["state"]["lastElement"].get<int>(), 0) << "one element after one undo";
    EXPECT_EQ(undo1["state"]["undoPosition"].get<int>(), 0);
    const Json redo1 = parseOrNull(readFile(workspace.file("redo1.json")));
    EXPECT_EQ(redo1["state"]["undoPosition"].get<int>(), 1) << "wrapped to the highest undo";
    EXPECT_EQ(run.dump["state"]["undoPosition"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 0);
    EXPECT_TRUE(fs::exists(workspace.file("LOG/UNDO_0")));
    EXPECT_TRUE(fs::exists(workspace.file("LOG/UNDO_1")));
}

TEST(BuilderMapFiles, QuitAndNewMapAskFirst) {
    BuilderWorkspace workspace;
    const DaraRun run =
        workspace.run(kRasterOff + click(10, 300) + "answer no\nmenu 117\n" +
                      "answer no\nmenu 106\ndump " + workspace.file("still.json") +
                      "\nanswer yes\nmenu 117\nanswer yes\nmenu 106\n" + click(50, 300));
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json still = parseOrNull(readFile(workspace.file("still.json")));
    EXPECT_EQ(still["state"]["quit"].get<int>(), 0);
    EXPECT_EQ(still["state"]["lastElement"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["quit"].get<int>(), 1);
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), -1) << "new map; nothing after quit";
    ASSERT_EQ(run.messages.size(), 4u);
    EXPECT_EQ(run.messages[0]["caption"].get<std::string>(), "MAP BUILDER ERROR:");
    EXPECT_EQ(run.messages[0]["text"].get<std::string>(), "START NEW MAP ?");
    EXPECT_EQ(run.messages[1]["caption"].get<std::string>(), "MAP BUILDER: Quit?");
    EXPECT_EQ(run.messages[1]["text"].get<std::string>(),
              "Do you really want to quit\nMAP Builder?\nNot saved MAPs will be lost");
    EXPECT_EQ(run.messages[1]["buttons"].size(), 2u);
    EXPECT_EQ(run.messages[3]["answer"].get<std::string>(), "Yes");
}

TEST(BuilderMapFiles, AFaultWritesTheReportAndALoadableBackup) {
    BuilderWorkspace workspace;
    ASSERT_FALSE(fs::exists(workspace.file("USER"))) << "the USER folder is made when missing";
    const std::string script =
        kRasterOff + click(10, 300) + click(60, 300) + "fault\n" + click(90, 300);
    const DaraRun first = workspace.run(script);
    const DaraRun second = workspace.run(script);
    EXPECT_EQ(first.exitCode, 3);
    ASSERT_EQ(second.messages.size(), 1u) << second.output;
    EXPECT_EQ(second.messages[0]["caption"].get<std::string>(), "RIVORERAR FATAL ERROR:");
    const std::string text = second.messages[0]["text"].get<std::string>();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(
        text, match,
        std::regex("^Description is stored in: _ERR!!!!\\.txt\\nBackup off your work is "
                   "stored:USER\\\\_LAZARUS([0-9]+)\\nTo Restore your work load the _LAZARUS "
                   "With the  MAP EDITOR$")))
        << text;
    const std::string backup = workspace.file("USER/_LAZARUS" + match[1].str());
    const auto map = formats::readBuilderMapFile(backup);
    ASSERT_TRUE(map.has_value()) << backup;
    ASSERT_EQ(map->tiles.size(), 2u);
    EXPECT_EQ(map->tiles[1].x, 60);

    const std::string log = readFile(workspace.file("USER/ERR!!!!.txt"));
    const std::regex block(
        "ROZO ERROR INFO: DATE: [0-9]{4},[0-9]{2},[0-9]{2}   [0-9]{2}:[0-9]{2}:[0-9]{2}\r\n"
        "ERROR: Include: BUILDERTESTROUTINES\r\nLINE: [0-9]+\r\nWHAT: [^\r\n]+\r\n-\r\n-\r\n");
    const auto blocks =
        std::distance(std::sregex_iterator(log.begin(), log.end(), block), std::sregex_iterator());
    EXPECT_EQ(blocks, 2) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 12) << log;
    // The builder ended at the fault: nothing after it ran.
    EXPECT_EQ(second.dump["state"]["lastElement"].get<int>(), 1);
}

// A file named USER stands where the folder belongs: the backup goes to the log path and
// the message says where, and that the description could not be stored. With the log path
// blocked as well, the message says the backup could not be stored instead of claiming it.
TEST(BuilderMapFiles, AFaultWithoutAUserFolderNamesWhereTheBackupReallyIs) {
    BuilderWorkspace workspace;
    writeFile(workspace.file("USER"), "not a folder");
    const std::string script = kRasterOff + click(10, 300) + "fault\n";
    const DaraRun moved = workspace.run(script);
    EXPECT_EQ(moved.exitCode, 3);
    ASSERT_FALSE(moved.messages.empty()) << moved.output;
    const std::string text = moved.messages.back()["text"].get<std::string>();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(
        text, match,
        std::regex("^Description could not be stored in: _ERR!!!!\\.txt\\nBackup off your work "
                   "is stored:(.*\\\\LOG\\\\_LAZARUS[0-9]+)\\nTo Restore your work load the "
                   "_LAZARUS With the  MAP EDITOR$")))
        << text;
    EXPECT_EQ(match[1].str().rfind(workspace.path(), 0), 0u) << match[1].str();
    std::string backup = match[1].str().substr(workspace.path().size());
    std::replace(backup.begin(), backup.end(), '\\', '/');
    const auto map = formats::readBuilderMapFile(workspace.path() + backup);
    ASSERT_TRUE(map.has_value()) << backup;
    EXPECT_EQ(map->tiles.size(), 1u);

    fs::remove_all(workspace.file("LOG"));
    writeFile(workspace.file("LOG"), "not a folder either");
    const DaraRun lost = workspace.run(script);
    EXPECT_EQ(lost.exitCode, 3);
    ASSERT_FALSE(lost.messages.empty()) << lost.output;
    EXPECT_EQ(lost.messages.back()["caption"].get<std::string>(), "RIVORERAR FATAL ERROR:");
    EXPECT_TRUE(std::regex_match(
        lost.messages.back()["text"].get<std::string>(),
        std::regex("Description could not be stored in: _ERR!!!!\\.txt\\nBackup off your work "
                   "could not be stored:USER\\\\_LAZARUS[0-9]+")))
        << lost.messages.back()["text"].get<std::string>();
}

TEST(BuilderMapFiles, ACrashSignalAlsoLeavesTheReportAndTheBackup) {
    BuilderWorkspace workspace;
    const DaraRun run = workspace.run(kRasterOff + click(10, 300) + "fault crash\n");
    EXPECT_EQ(run.exitCode, 3) << run.output;
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    std::smatch match;
    const std::string text = run.messages[0]["text"].get<std::string>();
    ASSERT_TRUE(std::regex_search(text, match, std::regex("_LAZARUS([0-9]+)\\n"))) << text;
    const auto map = formats::readBuilderMapFile(workspace.file("USER/_LAZARUS" + match[1].str()));
    ASSERT_TRUE(map.has_value());
    EXPECT_EQ(map->tiles.size(), 1u);
    const std::string log = readFile(workspace.file("USER/ERR!!!!.txt"));
    EXPECT_NE(log.find("ERROR: Include: BUILDEREVENTHANDLER\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("WHAT: Signal SIGSEGV\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace builder_tests
