// The game's start-up from outside: core errors and their exit status, the window modes,
// the configuration as a run sees it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/game_run.h"
#include "support/test_support.h"

namespace game_test {
namespace {

TEST(GameStartUp, MissingIniIsCoreErrorSixWithTwoBoxesAndNoReport) {
    TempDir dir;
    testing_support::writeFile(dir.file("CORE/user.crc"), pairs({{"ERRORPATH", "errors.log"}}));
    const auto result = runHeadless(dir, {"--message-log", "boxes.log", "--dump", "end.json"});
    EXPECT_EQ(result.exitCode, 6) << result.output;
    EXPECT_EQ(readFile(dir.file("boxes.log")),
              "{\"caption\":\"RERIZUVA ENGINE CORE ERROR:\",\"text\":\"\",\"buttons\":[\"OK\"]}\n"
              "{\"caption\":\"RERIZUVA ENGINE INFORMATION\",\"text\":\"Sorry,Dear User: RERIZUVA "
              "ENGINE  has to quit, because of the error\",\"buttons\":[\"OK\"]}\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("errors.log")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("CORE/errors.log")));
    // The harness still writes its dump at the program end: the state when it ended.
    EXPECT_EQ(engineValue(readDump(dir.file("end.json")), "screenOpen"), 0);
}

TEST(GameStartUp, MissingCoreErrorTextsAndUnopenableScreenAreCoreErrors) {
    TempDir dir;
    writeCore(dir, pairs({{"SYSTEMTEXT", "CORE\\none.txt"}}));
    auto result = runHeadless(dir, {"--message-log", "a.log"});
    EXPECT_EQ(result.exitCode, 6);
    EXPECT_EQ(game_test::occurrences(readFile(dir.file("a.log")), "\"caption\""), 2);

    // A zero-sized window mode cannot open a screen: core error 8, with its text.
    writeCore(dir, "", pairs({{"USEWINDOWHD", "1"}, {"WINDOWW", "0"}, {"WINDOWH", "600"}}));
    result = runHeadless(dir, {"--message-log", "b.log"});
    EXPECT_EQ(result.exitCode, 8);
    EXPECT_NE(readFile(dir.file("b.log")).find("\"text\":\"No screen\""), std::string::npos);
}

TEST(GameStartUp, FractionOfTheDesktopOpensACaptionedWindowOnePixelLarger) {
    TempDir dir;
    writeCore(dir, pairs({{"FULLSCREEN", "0.5"}}));
    const auto result = runHeadless(
        dir, {"--frames", "2", "--dump", "end.json", "--screenshot-at", "1:shot.png"}, "1920x1080");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto dump = readDump(dir.file("end.json"));
    EXPECT_EQ(engineValue(dump, "windowWidth"), 961);
    EXPECT_EQ(engineValue(dump, "windowHeight"), 541);
    EXPECT_EQ(engineValue(dump, "displayWidth"), 960);
    EXPECT_EQ(engineValue(dump, "displayHeight"), 540);
    EXPECT_EQ(engineValue(dump, "SCRW"), 960);
    EXPECT_EQ(engineValue(dump, "SCRH"), 540);
    EXPECT_EQ(engineValue(dump, "fullscreen"), 0);  // the fraction became a captioned window
    EXPECT_EQ(game_test::pngSize(dir.file("shot.png")), std::make_pair(960u, 540u));
}

TEST(GameStartUp, WindowHdWinsOverFullScreenAndNegativeFullScreenOpensNothing) {
    TempDir dir;
    writeCore(dir, pairs({{"FULLSCREEN", "1"}}),
              pairs({{"USEWINDOWHD", "1"}, {"WINDOWW", "800"}, {"WINDOWH", "600"}}));
    auto result = runHeadless(dir, {"--frames", "1", "--dump", "hd.json"}, "1920x1080");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    auto dump = readDump(dir.file("hd.json"));
    EXPECT_EQ(engineValue(dump, "windowWidth"), 801);
    EXPECT_EQ(engineValue(dump, "windowHeight"), 601);
    EXPECT_EQ(engineValue(dump, "SCRW"), 800);
    EXPECT_EQ(engineValue(dump, "SCRH"), 600);

    // Borderless desktop-sized window without USEWINDOWHD.
    writeCore(dir, pairs({{"FULLSCREEN", "1"}}), "");
    result = runHeadless(dir, {"--frames", "1", "--dump", "full.json"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    dump = readDump(dir.file("full.json"));
    EXPECT_EQ(engineValue(dump, "windowWidth"), 321);
    EXPECT_EQ(engineValue(dump, "SCRW"), 320);

    writeCore(dir, pairs({{"FULLSCREEN", "-1"}}));
    result =
        runHeadless(dir, {"--frames", "5", "--message-log", "boxes.log", "--dump", "none.json"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(readFile(dir.file("boxes.log")), "");
    dump = readDump(dir.file("none.json"));
    EXPECT_EQ(dump.at("turn").get<double>(), 0);  // the main loop never ran
    EXPECT_EQ(engineValue(dump, "screenOpen"), 0);
    EXPECT_EQ(engineValue(dump, "windowWidth"), 0);
}

TEST(GameStartUp, RunWritesTheSettingsLogAndItsDumpShowsTheConfiguredValues) {
    TempDir dir;
    writeCore(dir,
              pairs({{"VERSION", "TEST 7"},
                     {"APPENTRY", "4"},
                     {"TIMERBASE", "20"},
                     {"MULTITASK", "300"},
                     {"SIMCORE", ".\\MAPS\\"},
                     {"WINDOWW", "640"}}),
              pairs({{"VERSION", "USER 8"}, {"TIMERBASE", "99"}, {"WINDOWW", "1024"}}));
    const auto result = runProgram(
        RZ_GAME_EXE, {"--headless", "--frames", "100", "--dump", "out.json"}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string log = readFile(dir.file("CORE/session.log"));
    EXPECT_EQ(log.rfind("ENGINE LOCAL BASE: " + dir.path() + "\\CORE\\\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("SOUND CODEC: .ogg\r\n"), std::string::npos);
    EXPECT_NE(log.find("MAPS LOCATED: .\\MAPS\\\r\n"), std::string::npos);

    const auto dump = readDump(dir.file("out.json"));
    EXPECT_EQ(dump.at("turn").get<double>(), 100);
    const json::Value& settings = dump.at("settings");
    EXPECT_EQ(settings.at("VERSION").get<std::string>(), "USER 8");  // user.crc wins
    EXPECT_EQ(settings.at("TIMERBASE").get<double>(), 20);           // only ini.crc sets it
    EXPECT_EQ(settings.at("WINDOWW").get<double>(), 1024);           // only user.crc sets it
    EXPECT_EQ(settings.at("MULTITASK").get<double>(), 44);
    EXPECT_EQ(settings.at("SOURCEWIDTH").get<double>(), 800);
    EXPECT_EQ(settings.at("SOUNDCODEC").get<std::string>(), ".ogg");
    EXPECT_EQ(settings.at("GFXCODEC").get<std::string>(), ".png");
    EXPECT_EQ(dump.at("coreErrorTexts").at(6).get<std::string>(), "Configuration missing");
    // The first turn switched to the APPENTRY map.
    EXPECT_EQ(engineValue(dump, "actualMapId"), 4);
    EXPECT_EQ(engineValue(dump, "nextMapId"), 4);
    EXPECT_EQ(engineValue(dump, "screenOpen"), 1);
}

}  // namespace
}  // namespace game_test
