// Start-up and the configuration chain, seen from outside.
#include <gtest/gtest.h>

#include "builder_workspace.h"

namespace builder_tests {
namespace {

TEST(BuilderStartup, OpensThreeWindowsOnTheDesktop) {
    BuilderWorkspace workspace;
    const DaraRun run = workspace.run("dump " + workspace.file("mid.json") + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& windows = run.dump["windows"];
    EXPECT_EQ(windows["main"]["title"].get<std::string>(),
              "RIVORERAR VERSION A140811 BASED ON ROZO BUILDER VERSION 0.7");
    EXPECT_EQ(windows["main"]["width"].get<int>(), 640);
    EXPECT_EQ(windows["main"]["height"].get<int>(), 480);
    EXPECT_EQ(windows["tiles"]["title"].get<std::string>(), "Tiles");
    EXPECT_EQ(windows["tiles"]["x"].get<int>(), 0);
    EXPECT_EQ(windows["tiles"]["width"].get<int>(), 160);
    EXPECT_EQ(windows["tiles"]["height"].get<int>(), 120);
    EXPECT_EQ(windows["dna"]["title"].get<std::string>(), "DNA_DESCRIPTOR_WINDOW");
    EXPECT_EQ(windows["dna"]["x"].get<int>(), 160);
    EXPECT_EQ(windows["dna"]["y"].get<int>(), 0);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.dump["state"]["workMapFile"].get<std::string>(), "1");
    EXPECT_EQ(run.dump["state"]["screenWidth"].get<int>(), 640);
    ASSERT_EQ(run.dump["tiles"].size(), 2u);
    EXPECT_EQ(run.dump["tiles"][0]["name"].get<std::string>(), "A");
    EXPECT_EQ(run.dump["tiles"][1]["width"].get<int>(), 32);
    EXPECT_EQ(run.dump["tiles"][1]["valid"].get<int>(), 1);
}

}  // namespace
}  // namespace builder_tests

namespace builder_tests {
namespace {

TEST(BuilderStartup, WithoutTheStartIniTheBuilderEndsWithTheStartupBox) {
    WorkspaceSetup setup;
    setup.withStartIni = false;
    BuilderWorkspace workspace(setup);
    const DaraRun run = workspace.run("mouse 10 10\n");
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_EQ(run.messages[0]["caption"].get<std::string>(), "DARA ERROR ");
    EXPECT_EQ(run.messages[0]["text"].get<std::string>(),
              workspace.path() + "\\\\_DATA\\ini.txt Result:   0   FAIL");
    EXPECT_EQ(run.messages[0]["buttons"][0].get<std::string>(), "OK");
    EXPECT_FALSE(run.dump["windows"]["main"]["exists"].get<bool>()) << "no window was opened";
}

TEST(BuilderStartup, WindowModeOtherThanZeroEndsWithMessage100) {
    WorkspaceSetup setup;
    setup.windowMode = 1;
    BuilderWorkspace workspace(setup);
    const DaraRun run = workspace.run("mouse 10 10\n");
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_EQ(run.messages[0]["caption"].get<std::string>(), "MAP BUILDER ERROR:");
    EXPECT_EQ(run.messages[0]["text"].get<std::string>(), "Can Not Open Main Window");
    EXPECT_FALSE(run.dump["windows"]["main"]["exists"].get<bool>());
    EXPECT_FALSE(run.dump["windows"]["tiles"]["exists"].get<bool>());
    // The rest of start-up ran: the catalogue is there.
    EXPECT_EQ(run.dump["tiles"].size(), 2u);
}

TEST(BuilderStartup, ApplicationPathsAreGluedToTheWorkingDirectory) {
    WorkspaceSetup setup;
    setup.gfxPathValue = "\\GFX\\";  // a leading separator doubles: still a valid path
    BuilderWorkspace workspace(setup);
    const DaraRun run = workspace.run("");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json& state = run.dump["state"];
    EXPECT_EQ(state["baseDirectory"].get<std::string>(), workspace.path() + "\\");
    EXPECT_EQ(state["gfxPath"].get<std::string>(), workspace.path() + "\\\\GFX\\");
    EXPECT_EQ(state["logPath"].get<std::string>(), workspace.path() + "\\LOG\\");
    // DNA, APPINIFILE and DEFAULTINISCRIPT are used as given.
    EXPECT_EQ(state["applicationIni"].get<std::string>(), "_DATA\\app.ini");
    EXPECT_EQ(state["gfxCodec"].get<std::string>(), ".png");
    EXPECT_EQ(run.dump["tiles"].size(), 2u);
}

TEST(BuilderStartup, KeysOnlyCountInTheFirstLineOfARecord) {
    BuilderWorkspace workspace;
    // Record 1 sets MAXTILES 7; record 2 carries MAXTILES in its lines 2 and 4 only; the
    // same key twice: the later record wins (MATRIXRASTER 16).
    testing_support::writeFile(
        workspace.file("_DATA/default.ini"),
        configRecord("MAXTILES", "7") + "JUNK\r\nMAXTILES\r\n99\r\nMAXTILES\r\n" +
            configRecord("MATRIXRASTER", "8") + configRecord("MATRIXRASTER", "16") +
            configRecord("APPINIFILE", "_DATA\\app.ini") + configRecord("B", "255") + "B\r\n");
    const DaraRun run = workspace.run("");
    ASSERT_TRUE(run.dumpRead) << run.output;
    EXPECT_EQ(run.dump["state"]["maxElements"].get<int>(), 7);
    EXPECT_EQ(run.dump["state"]["matrixRaster"].get<int>(), 16);
    EXPECT_EQ(run.dump["state"]["transparentBlue"].get<int>(), 0)
        << "a record cut short by the end reads its value as empty";
}

TEST(BuilderStartup, ADefaultScriptWithoutAppIniShowsAnEmptyName) {
    WorkspaceSetup setup;
    setup.withAppIniFile = false;
    BuilderWorkspace workspace(setup);
    const DaraRun run = workspace.run("");
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.messages.size(), 1u) << run.output;
    EXPECT_EQ(run.messages[0]["caption"].get<std::string>(), "DARA ERROR ");
    EXPECT_EQ(run.messages[0]["text"].get<std::string>(), " Result:   0   FAIL");
}

TEST(BuilderStartup, TabAndTheCloseButtonHideTheToolWindows) {
    BuilderWorkspace workspace;
    const std::string hidden = workspace.file("hidden.json");
    const std::string shown = workspace.file("shown.json");
    // Hiding takes effect before the next event is dispatched.
    const DaraRun run =
        workspace.run("key tap TAB\nmouse 1 1\ndump " + hidden + "\nkey tap TAB\nmouse 2 2\ndump " +
                      shown + "\ntiles close\nmouse 3 3\nkey tap H\n");
    ASSERT_TRUE(run.dumpRead) << run.output;
    const Json first = parseOrNull(testing_support::readFile(hidden));
    EXPECT_EQ(first["state"]["windowsHidden"].get<int>(), 1);
    EXPECT_FALSE(first["windows"]["tiles"]["visible"].get<bool>());
    EXPECT_FALSE(first["windows"]["dna"]["visible"].get<bool>());
    EXPECT_TRUE(first["windows"]["main"]["visible"].get<bool>());
    const Json second = parseOrNull(testing_support::readFile(shown));
    EXPECT_TRUE(second["windows"]["tiles"]["visible"].get<bool>());
    EXPECT_EQ(run.dump["state"]["windowsHidden"].get<int>(), 1);
    EXPECT_FALSE(run.dump["windows"]["dna"]["visible"].get<bool>());
    EXPECT_EQ(run.dump["state"]["helpShown"].get<int>(), 1);
}

TEST(BuilderStartup, CommandLine) {
    BuilderWorkspace workspace;
    const auto help = testing_support::runProgram(RZ_BUILDER_EXE, {"--help"}, workspace.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--message-log"), std::string::npos);
    const auto wrong =
        testing_support::runProgram(RZ_BUILDER_EXE, {"--desktop", "12by3"}, workspace.path());
    EXPECT_EQ(wrong.exitCode, 2);
    testing_support::writeFile(workspace.file("bad.script"), "mouse 1\n");
    const auto badScript = testing_support::runProgram(
        RZ_BUILDER_EXE, {"--headless", "--script", workspace.file("bad.script")}, workspace.path());
    EXPECT_EQ(badScript.exitCode, 2);
    EXPECT_NE(badScript.output.find("line 1"), std::string::npos) << badScript.output;
}

}  // namespace
}  // namespace builder_tests
