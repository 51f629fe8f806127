// A level made in the builder and played by the game: a script places several tile types
// on two layers with a stretched background and edits and saves a tile's DNA, saves the map
// folder into the game's map directory, and the game's dump holds the same objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "builder_workspace.h"
#include "support/game_run.h"

namespace builder_tests {
namespace {

TEST(BuilderRoundTrip, ALevelMadeInTheBuilderLoadsInTheGame) {
    WorkspaceSetup setup;
    setup.tiles.push_back({"BG",
                           64,
                           48,
                           0xFF203040u,
                           {{"worldFTileTransparency", "255"}, {"worldFStretch", "1"}},
                           true});
    BuilderWorkspace workspace(setup);
    // The game runs in the same folder: its CORE, the same graphics folder and master DNA.
    testing_support::writeFile(workspace.file("CORE/ini.crc"),
                               game_test::pairs({{"SYSTEMTEXT", "CORE\\SYSTEM.txt"},
                                                 {"CODECS", "CORE\\codecs.txt"},
                                                 {"PATH", "CORE\\session.log"},
                                                 {"ERRORPATH", "CORE\\errors.log"},
                                                 {"GFX", ".\\GFX\\"},
                                                 {"SIMCORE", ".\\MAPS\\"},
                                                 {"APPENTRY", "5"},
                                                 {"SOURCEWIDTH", "640"},
                                                 {"SOURCEHEIGHT", "480"},
                                                 {"FULLSCREEN", "0"}}));
    testing_support::writeFile(workspace.file("CORE/SYSTEM.txt"), "");
    testing_support::writeFile(workspace.file("CORE/codecs.txt"),
                               "GFXCODEC\r\n\r\n.png\r\n\r\nSOUNDCODEC\r\n\r\n.ogg\r\n\r\n");
    std::filesystem::copy_file(workspace.file("_DATA/DNA.dll"), workspace.file("GFX/DNA.dll"));
    const std::string folder = workspace.file("MAPS/5");
    std::filesystem::create_directories(folder);

    // Tiles in palette order: A (0), B (1), BG (2). The window is 160 wide: five a row.
    const std::string script =
        kRasterOff + "key tap PGDN\ntiles click 70 5\n" + click(0, 0) + "key tap PGUP\n" +
        "tiles click 5 5\ndna edit 0 value 200\ndna edit 2 value HERO\ndna button SET\n" +
        click(100, 120) + click(300, 40) + "tiles click 40 5\n" + click(500, 400) + "browse " +
        folder + "\nmenu 128\n";
    const DaraRun built = workspace.run(script);
    ASSERT_TRUE(built.dumpRead) << built.output;
    EXPECT_TRUE(built.messages.empty()) << built.output;
    const Json& elements = built.dump["elements"];
    ASSERT_EQ(elements.size(), 4u);

    const testing_support::ProcessResult played = testing_support::runProgram(
        RZ_GAME_EXE, {"--headless", "--desktop", "320x240", "--frames", "2", "--dump", "game.json"},
        workspace.path());
    ASSERT_EQ(played.exitCode, 0) << played.output;
    const auto dump = game_test::readDump(workspace.file("game.json"));
    const auto& engine = *dump.find("engine");
    const double scaleX = engine.find("scalerX")->number;
    const double scaleY = engine.find("scalerY")->number;
    EXPECT_EQ(engine.find("actualMapId")->number, 5);

    // The builder's elements in the order the game loads them: layer by layer.
    std::vector<const Json*> expected;
    for (const Json& element : elements.items)
        expected.push_back(&element);
    std::stable_sort(expected.begin(), expected.end(), [](const Json* a, const Json* b) {
        return (*a)["layer"].asInt() < (*b)["layer"].asInt();
    });
    const auto& objects = dump.find("objects")->items;
    ASSERT_GE(objects.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Json& element = *expected[i];
        const auto& object = objects[i];
        const std::string name = element["name"].asString();
        EXPECT_EQ(object.find("tileName")->text, name) << i;
        if (name == "BG") {  // stretched: the whole screen
            EXPECT_EQ(object.find("posX")->number, 0) << i;
            EXPECT_EQ(object.find("width")->number, 320) << i;
            continue;
        }
        EXPECT_NEAR(object.find("posX")->number, element["x"].asInt() * scaleX, 0.5) << i;
        EXPECT_NEAR(object.find("posY")->number, element["y"].asInt() * scaleY, 0.5) << i;
        EXPECT_NEAR(object.find("width")->number, element["width"].asInt() * scaleX, 0.5) << i;
        // A's DNA as edited in the DNA window and saved.
        const double alpha = object.find("worldFTileTransparency")->number;
        EXPECT_EQ(alpha, name == "A" ? 200 : 255) << i;
    }
    EXPECT_NE(testing_support::readFile(workspace.file("GFX/A.dll")).find("worldFTileID\r\nHERO"),
              std::string::npos);
}

}  // namespace
}  // namespace builder_tests
