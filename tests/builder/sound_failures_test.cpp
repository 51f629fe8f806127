// Where writing or loading fails, the builder keeps the user's work and says what happened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "builder_workspace.h"
#include "engine/media/pictures.h"
#include "formats/map_directory.h"
#include "formats/map_file.h"
#include "support/game_map.h"

namespace builder_tests {
namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

TEST(BuilderSoundFailures, MapFolderSaveNamesTheFileItCouldNotWrite) {
    BuilderWorkspace workspace;
    const std::string folder = workspace.file("target");
    fs::create_directories(folder + "/1");  // layer file 1 cannot be replaced
    writeFile(folder + "/1/keep", "mine");
    const DaraRun run = workspace.run(kRasterOff + click(10, 300) + "key tap PGDN\n" +
                                      click(60, 300) + "browse " + folder + "\nmenu 128\n");
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_EQ(run.messages[0]["caption"].get<std::string>(), "MAP BUILDER ERROR:");
    const std::string text = run.messages[0]["text"].get<std::string>();
    EXPECT_NE(text.find(folder + "\\1"), std::string::npos) << text;
    EXPECT_EQ(text.find(folder + "\\0"), std::string::npos) << "layer 0 was written: " << text;
    EXPECT_EQ(readFile(folder + "/1/keep"), "mine");
    const auto layer0 = formats::readBuilderMapFile(folder + "/0");
    ASSERT_TRUE(layer0.has_value());
    EXPECT_EQ(layer0->tiles.size(), 1u);
    EXPECT_EQ(formats::readTileCount(folder), 1);
}

TEST(BuilderSoundFailures, RedrawMapThatCannotWriteKeepsTheWorkMap) {
    BuilderWorkspace workspace;
    fs::create_directories(workspace.file("1"));  // the work map file cannot be written
    const DaraRun run = workspace.run(kRasterOff + click(10, 300) + click(60, 300) +
                                      click(65, 305, "right") + "menu 115\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_NE(run.messages[0]["text"].get<std::string>().find("Redraw MAP"), std::string::npos);
    EXPECT_NE(run.messages[0]["text"].get<std::string>().find("\n1\n"), std::string::npos)
        << run.messages[0]["text"].get<std::string>();
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 1) << "not reloaded";
    EXPECT_EQ(aliveCount(run.dump), 1);
    EXPECT_EQ(run.dump["elements"][0]["name"].get<std::string>(), "A");
}

TEST(BuilderSoundFailures, UndoToASnapshotThatCannotBeReadKeepsTheWorkMap) {
    BuilderWorkspace workspace;
    fs::create_directories(workspace.file("LOG/UNDO_0"));  // snapshot 0 can be neither
    const DaraRun run = workspace.run(kRasterOff + click(10, 300) + click(60, 300) + "key tap U\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_EQ(run.messages[0]["text"].get<std::string>(), "Undo/Redo LOG - Save Failed.");
    EXPECT_EQ(run.dump["state"]["undoPosition"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 1);
    EXPECT_EQ(aliveCount(run.dump), 2);
    EXPECT_EQ(run.dump["elements"][1]["name"].get<std::string>(), "A");
}

TEST(BuilderSoundFailures, AMapLargerThanTheTableStopsAtItsEndAndSaysSo) {
    WorkspaceSetup setup;
    setup.maxTiles = 2;
    BuilderWorkspace workspace(setup);
    std::string map = "0\r\n0\r\n";
    for (int i = 0; i < 5; ++i) {
        map += "TILE\r\nA\r\n0\r\n" + std::to_string(i) + "\r\n0\r\n16\r\n16\r\n1\r\n";
    }
    writeFile(workspace.file("1"), map + "ENGINETILEINFOEND\r\n");
    const DaraRun run = workspace.run(click(10, 300));
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 2);
    EXPECT_EQ(run.dump["elements"][2]["x"].get<int>(), 2);
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_NE(run.messages[0]["text"].get<std::string>().find("(3)"), std::string::npos);
}

TEST(BuilderSoundFailures, ElementsOnTheStartLayerAreDrawnAndSaved) {
    BuilderWorkspace workspace;  // starts on layer 1 with max used layer 0
    const std::string folder = workspace.file("saved");
    fs::create_directories(folder);
    const std::string shot = workspace.file("shot.png");
    const DaraRun run = workspace.run(kRasterOff + click(300, 300) + "mouse 500 400\nscreenshot " +
                                      shot + "\nbrowse " + folder + "\nmenu 128\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["maxUsedLayer"].get<int>(), 1);
    const auto image = media::decodePicture(shot);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->at(308, 308) & 0xFFFFFFu, 0xFF0000u);
    const testing_support::GameMap map = testing_support::readGameMap(folder);
    ASSERT_EQ(map.tiles.size(), 1u);
    EXPECT_EQ(map.tiles[0].layer, 1);
}

}  // namespace
}  // namespace builder_tests
