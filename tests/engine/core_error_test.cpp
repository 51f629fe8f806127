#include "engine/core_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "engine_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using CoreErrorTest = EngineTest;

TEST_F(CoreErrorTest, TextFileFillsEntriesByKey) {
    const std::string path = dir.file("SYSTEM.TXT");
    testing_support::writeFile(path,
                               "#ERROR_INIT_INIT\r\nNo configuration\r\n"
                               "#ERROR_UNKNOWN\r\nUnknown\xE9\r\n"
                               "#ERROR_NOT_A_KEY\r\n#ERROR_INIT_IO\r\n"
                               "#ERROR_create_cache\r\nwrong case\r\n"
                               "#ERROR_CREATE_CACHE\r\nNo cache\r\n"
                               "#ERROR_OPEN_WORLD_SCREEN");
    engineSettings.systemTextPath = path;
    engine::readCoreErrorTexts();
    const auto& texts = engineSettings.coreErrorTexts;
    EXPECT_EQ(texts[6], "No configuration");
    EXPECT_EQ(texts[0], "Unknown\xE9");
    EXPECT_EQ(texts[1], "");  // a value line is never taken as a key
    EXPECT_EQ(texts[9], "No cache");
    EXPECT_EQ(texts[8], "");
    EXPECT_EQ(texts[10], "");
}

TEST_F(CoreErrorTest, MissingTextFileIsCoreErrorSix) {
    engineSettings.systemTextPath = dir.file("missing.txt");
    EXPECT_THROW(engine::readCoreErrorTexts(), ProgramEnded);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].first, "RERIZUVA ENGINE CORE ERROR:");
}

TEST_F(CoreErrorTest, BoxesShowTheTextThenEndWithShutdown) {
    engineSettings.coreErrorTexts[8] = "Cannot open the screen";
    std::vector<std::string> order;
    engine::setEndOfProgramHook([&] { order.push_back("dump"); });
    engine::setShutdownHook([&] { order.push_back("shutdown"); });
    int status = -1;
    try {
        engine::coreError(engine::kErrorOpenWorldScreen);
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    EXPECT_EQ(status, 8);
    EXPECT_THAT(order, ElementsAre("dump", "shutdown"));
    EXPECT_THAT(boxes, ElementsAre(Pair("RERIZUVA ENGINE CORE ERROR:", "Cannot open the screen"),
                                   Pair("RERIZUVA ENGINE INFORMATION",
                                        "Sorry,Dear User: RERIZUVA ENGINE  has to quit, "
                                        "because of the error")));
}

TEST_F(CoreErrorTest, NoCoreErrorEndsWithSuccess) {
    int status = -1;
    try {
        engine::coreError(engine::kErrorUnknown);
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    EXPECT_NE(status, 0);
    try {
        engine::coreError(200);  // beyond the table: an empty text, still an end
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    EXPECT_EQ(status, 200);
    EXPECT_EQ(boxes.at(2).second, "");
}

TEST_F(CoreErrorTest, OrdinaryEndExitsWithZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    engine::setExitHook({});
    EXPECT_EXIT(engine::endProgram(0), ::testing::ExitedWithCode(0), "");
}

}  // namespace
