// Placing, deleting, the raster, layers, zoom and scrolling, driven by scripts.
#include <gtest/gtest.h>

#include <string>

#include "builder_workspace.h"
#include "engine/media/pictures.h"

namespace builder_tests {
namespace {

TEST(BuilderEditing, HoldingTheLeftButtonPlacesOneElement) {
    BuilderWorkspace workspace;
    const DaraRun run = workspace.run(kRasterOff +
                                      "mouse 100 100\npress left\nmouse 120 120\nmouse 140 140\n"
                                      "release left\nmouse 200 200\npress left\nrelease left\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& state = run.dump["state"];
    EXPECT_EQ(state["lastElement"].get<int>(), 1);
    EXPECT_EQ(state["undoCounter"].get<int>(), 2);
    EXPECT_EQ(run.dump["elements"][0]["x"].get<int>(), 100);
    EXPECT_EQ(run.dump["elements"][1]["x"].get<int>(), 200);
    EXPECT_EQ(run.dump["elements"][0]["layer"].get<int>(), 1);
    EXPECT_EQ(run.dump["elements"][0]["name"].get<std::string>(), "A");
}

TEST(BuilderEditing, DeletesNewestFirstOnTheActualLayerBordersIncluded) {
    BuilderWorkspace workspace;
    // Tile A is 16 x 16. Two overlapping elements on layer 1, one under them on layer 2.
    const DaraRun run =
        workspace.run(kRasterOff + click(100, 100) + click(108, 108) + "key tap PGUP\n" +
                      click(100, 100) + "key tap PGDN\n" + click(110, 110, "right") + "dump " +
                      workspace.file("one.json") + "\n" + click(116, 116, "right") +
                      click(300, 300) + click(317, 317, "right") + click(316, 316, "right"));
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json first = parseOrNull(testing_support::readFile(workspace.file("one.json")));
    EXPECT_EQ(first["elements"][0]["alive"].get<int>(), 1);
    EXPECT_EQ(first["elements"][1]["alive"].get<int>(), 0) << "the later element goes first";
    EXPECT_EQ(first["elements"][2]["alive"].get<int>(), 1);

    const Json& elements = run.dump["elements"];
    EXPECT_EQ(elements[0]["alive"].get<int>(), 0) << "a click on the bottom-right border deletes";
    EXPECT_EQ(elements[2]["alive"].get<int>(), 1) << "layer 2 is not the actual layer";
    EXPECT_EQ(elements[3]["alive"].get<int>(), 0) << "317 misses, 316 is the border";
    // A deleted slot is never reused.
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 3);
}

TEST(BuilderEditing, TheTableTakesMaxTilesPlusOneAndStillCountsUndo) {
    WorkspaceSetup setup;
    setup.maxTiles = 10;
    BuilderWorkspace workspace(setup);
    std::string script = kRasterOff;
    for (int i = 0; i < 12; ++i)
        script += click(10 + 20 * i, 50);
    const DaraRun run = workspace.run(script);
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 10);
    EXPECT_EQ(run.dump["elements"].size(), 11u);
    EXPECT_EQ(run.dump["state"]["undoCounter"].get<int>(), 12);
    EXPECT_EQ(run.dump["state"]["highestElement"].get<int>(), 10);
}

TEST(BuilderEditing, MaxTilesZeroAllowsOneElement) {
    WorkspaceSetup setup;
    setup.maxTiles = 0;
    BuilderWorkspace workspace(setup);
    const DaraRun run = workspace.run(kRasterOff + click(10, 10) + click(50, 50));
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["lastElement"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["elementTableSize"].get<int>(), 1);
}

TEST(BuilderEditing, MatrixRasterKeepsTheCursorOnTheGridInsideTheDesktop) {
    BuilderWorkspace workspace;  // raster 32, desktop 640 x 480
    std::string script = "mouse 5 5\nkey tap C\nmouse 77 91\nkey tap G\n";
    std::vector<std::string> dumps;
    auto dumpHere = [&] {
        dumps.push_back(workspace.file("d" + std::to_string(dumps.size()) + ".json"));
        script += "dump " + dumps.back() + "\n";
    };
    dumpHere();
    for (int i = 1; i <= 30; ++i) {  // right and down, far past the desktop's edge
        script += "mouse " + std::to_string(77 + 3 * i) + " " + std::to_string(91 + 2 * i) + "\n";
        if (i % 5 == 0) dumpHere();
    }
    for (int i = 1; i <= 30; ++i) {  // and back up-left past the origin
        script += "mouse " + std::to_string(167 - 5 * i) + " " + std::to_string(151 - 5 * i) + "\n";
        if (i % 5 == 0) dumpHere();
    }
    const DaraRun run = workspace.run(script);
    ASSERT_TRUE(run.dumpRead) << run.output;
    int highestX = 0;
    for (const std::string& path : dumps) {
        const Json state = parseOrNull(testing_support::readFile(path))["state"];
        const int x = state["buildCursorX"].get<int>();
        const int y = state["buildCursorY"].get<int>();
        EXPECT_EQ(x % 32, 0) << path;
        EXPECT_EQ(y % 32, 0) << path;
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LT(x, 640);
        EXPECT_LT(y, 480);
        highestX = std::max(highestX, x);
    }
    const Json first = parseOrNull(testing_support::readFile(dumps.front()))["state"];
    EXPECT_EQ(first["buildCursorX"].get<int>(), 0) << "G puts the cursor at 0, 0";
    EXPECT_EQ(first["rasterModeName"].get<std::string>(), "MATRIX_SIZE");
    EXPECT_EQ(highestX, 608) << "one step per event, up to the last step inside";
    EXPECT_EQ(run.dump["state"]["buildCursorX"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["buildCursorY"].get<int>(), 0);
}

TEST(BuilderEditing, LayersStopAtSixtyFourAndZero) {
    BuilderWorkspace workspace;
    std::string script;
    for (int i = 0; i < 70; ++i)
        script += "key tap PGUP\n";
    script += "dump " + workspace.file("top.json") + "\n";
    for (int i = 0; i < 70; ++i)
        script += "key tap PGDN\n";
    const DaraRun run = workspace.run(script);
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json top = parseOrNull(testing_support::readFile(workspace.file("top.json")));
    EXPECT_EQ(top["state"]["actualLayer"].get<int>(), 64);
    EXPECT_EQ(top["state"]["maxUsedLayer"].get<int>(), 64);
    EXPECT_EQ(run.dump["state"]["actualLayer"].get<int>(), 0);
    EXPECT_EQ(run.dump["state"]["maxUsedLayer"].get<int>(), 64);
}

TEST(BuilderEditing, MiniMapDrawsSmallButPlacesAtFullSize) {
    WorkspaceSetup setup;
    setup.tiles = {{"BIG", 100, 100, 0xFFFF0000, {{"worldFTileTransparency", "255"}}, true}};
    BuilderWorkspace workspace(setup);
    const std::string shot = workspace.file("mini.png");
    const DaraRun run = workspace.run(kRasterOff + "menu 125\n" + click(200, 200) +
                                      "mouse 600 400\nscreenshot " + shot + "\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& element = run.dump["elements"][0];
    EXPECT_EQ(element["x"].get<int>(), 200);
    EXPECT_EQ(element["width"].get<int>(), 100);
    EXPECT_FLOAT_EQ(static_cast<float>(run.dump["state"]["mapZoomX"].get<double>()), 0.1f);
    const auto image = media::decodePicture(shot);
    ASSERT_TRUE(image.has_value());
    // Drawn at a tenth: x and y 20 to 30. The screen log covers most of that corner; the
    // rows 24 to 27 between its lines stay free.
    EXPECT_EQ(image->at(25, 25) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(image->at(29, 26) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(image->at(31, 26) & 0xFFFFFFu, 0x0A0A0Au);
    EXPECT_EQ(image->at(250, 250) & 0xFFFFFFu, 0x0A0A0Au) << "nothing at full size";
    // The grid: a green point every 32 pixels.
    EXPECT_EQ(image->at(256, 320) & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(image->at(257, 320) & 0xFFFFFFu, 0x0A0A0Au);
}

TEST(BuilderEditing, ScrollingLeavesStretchedElements) {
    WorkspaceSetup setup;
    setup.tiles.push_back(
        {"S", 8, 8, 0xFF00FF00, {{"worldFTileTransparency", "255"}, {"worldFStretch", "1"}}, true});
    BuilderWorkspace workspace(setup);
    // The work map "1" holds one plain and one stretched element.
    testing_support::writeFile(
        workspace.file("1"),
        "0\r\n0\r\nTILE\r\nA\r\n0\r\n100\r\n50\r\n16\r\n16\r\n1\r\n"
        "TILE\r\nS\r\n2\r\n30\r\n40\r\n8\r\n8\r\n0\r\nENGINETILEINFOEND\r\n");
    const DaraRun run = workspace.run(
        "key tap RIGHT\nkey tap DOWN\nkey tap C\nkey down LEFT\n"
        "mouse 1 1\nmouse 2 2\nkey up LEFT\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& plain = run.dump["elements"][0];
    const Json& stretched = run.dump["elements"][1];
    // Raster 32: right and down move the map by 32; held LEFT in raster OFF moves 1 per
    // examination (key down, two mouse moves, key up: three examinations see it held).
    EXPECT_EQ(plain["x"].get<int>(), 100 + 32 - 3);
    EXPECT_EQ(plain["y"].get<int>(), 50 + 32);
    EXPECT_EQ(stretched["x"].get<int>(), 0);
    EXPECT_EQ(stretched["y"].get<int>(), 0);
    EXPECT_EQ(stretched["width"].get<int>(), 640) << "drawn stretched to the desktop";
    EXPECT_EQ(run.dump["state"]["mapScrollX"].get<int>(), 29);
    EXPECT_EQ(run.dump["state"]["mapScrollY"].get<int>(), 32);
}

TEST(BuilderEditing, WheelResizesTheSelectedTypeKeepingItsRatio) {
    WorkspaceSetup setup;
    setup.tiles = {{"W", 40, 20, 0xFFFF0000, {{"worldFTileTransparency", "255"}}, true}};
    BuilderWorkspace workspace(setup);
    const DaraRun run =
        workspace.run(kRasterOff + "wheel 2\n" + click(10, 10) + "wheel -100\n" + click(100, 100));
    ASSERT_TRUE(run.dumpRead) << run.output;
    // h + 2 * (20 / 40) = 21, w + 2 * (40 / 20) = 44; -100 would go below 1 and is ignored.
    EXPECT_EQ(run.dump["tiles"][0]["width"].get<int>(), 44);
    EXPECT_EQ(run.dump["tiles"][0]["height"].get<int>(), 21);
    EXPECT_EQ(run.dump["elements"][0]["width"].get<int>(), 44);
    EXPECT_EQ(run.dump["elements"][1]["height"].get<int>(), 21);
}

}  // namespace
}  // namespace builder_tests
