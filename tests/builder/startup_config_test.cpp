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
    EXPECT_EQ(windows["main"]["title"].asString(),
              "RIVORERAR VERSION A140811 BASED ON ROZO BUILDER VERSION 0.7");
    EXPECT_EQ(windows["main"]["width"].asInt(), 640);
    EXPECT_EQ(windows["main"]["height"].asInt(), 480);
    EXPECT_EQ(windows["tiles"]["title"].asString(), "Tiles");
    EXPECT_EQ(windows["tiles"]["x"].asInt(), 0);
    EXPECT_EQ(windows["tiles"]["width"].asInt(), 160);
    EXPECT_EQ(windows["tiles"]["height"].asInt(), 120);
    EXPECT_EQ(windows["dna"]["title"].asString(), "DNA_DESCRIPTOR_WINDOW");
    EXPECT_EQ(windows["dna"]["x"].asInt(), 160);
    EXPECT_EQ(windows["dna"]["y"].asInt(), 0);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.dump["state"]["workMapFile"].asString(), "1");
    EXPECT_EQ(run.dump["state"]["screenWidth"].asInt(), 640);
    ASSERT_EQ(run.dump["tiles"].size(), 2u);
    EXPECT_EQ(run.dump["tiles"][0]["name"].asString(), "A");
    EXPECT_EQ(run.dump["tiles"][1]["width"].asInt(), 32);
    EXPECT_EQ(run.dump["tiles"][1]["valid"].asInt(), 1);
}

}  // namespace
}  // namespace builder_tests
