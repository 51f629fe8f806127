#include "engine/configuration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/config_keys.h"
#include "engine/core_error.h"
#include "engine_fixture.h"
#include "support/member_text.h"

namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using ConfigurationTest = EngineTest;

TEST_F(ConfigurationTest, ValueTypesAndSideRules) {
    writeCore("ini.crc",
              "MULTITASK\r\n300\r\n"
              "MATRIXSIZE\r\n500\r\n"
              "GRIDSIZE\r\n  -32xyz\r\n"
              "GFX\r\nC:\\GAME\\GFX\\\r\n"
              "APPENTRY\r\n999\r\n"
              "FUEL\r\n40\r\n"
              "MAXFUEL\r\n300\r\n"
              "SOURCEWIDTH\r\n640.5\r\n"
              "MATRIX_OFFSET_X\r\n12.9\r\n"
              "USEDEBUGLOG\r\nabc\r\n");
    engine::readMainConfiguration(base());
    const EngineSettings& s = engineSettings;
    EXPECT_EQ(s.multitask, 44);  // 300 keeps its low byte
    EXPECT_EQ(s.multitaskCopy, 44);
    EXPECT_EQ(s.matrixSize, 128);
    EXPECT_EQ(s.areaHeight, -32.0f);
    EXPECT_EQ(s.areaWidth, -32.0f);
    EXPECT_EQ(s.gfxPath, "C:\\GAME\\GFX\\");
    EXPECT_EQ(s.mapGfxPath, "C:\\GAME\\GFX\\");
    EXPECT_EQ(s.appEntry, 999);
    EXPECT_EQ(s.nextMapId, 999);
    EXPECT_EQ(s.fuelStart, 40);
    EXPECT_EQ(s.playerStatus[1].value, 40);
    EXPECT_EQ(s.maxFuel, 44);
    EXPECT_EQ(s.SRC_SCRW, 640.5f);
    EXPECT_EQ(s.viewOffsetX, 12.0f);  // an integer key: the fraction is not read
    EXPECT_EQ(s.useDebugLog, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ConfigurationTest, MultitaskBelowZeroBecomesZero) {
    writeCore("ini.crc", "MULTITASK\n200\n");
    engine::readMainConfiguration(base());
    EXPECT_EQ(engineSettings.multitask, 0);  // 200 reads as -56
    writeCore("user.crc", "MULTITASK\n-5\n");
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.multitask, 0);
    writeCore("user.crc", "MULTITASK\n127\n");
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.multitask, 127);
}

TEST_F(ConfigurationTest, FileColumnsAndExactKeys) {
    writeCore("ini.crc",
              "WINDOWW\n800\n"
              "TIMERBASE\n20\n"
              "fullscreen\n1\n"
              "FULLSCREEN \n1\n"
              "VERSION\nfrom ini\n");
    writeCore("user.crc",
              "TIMERBASE\n99\n"
              "WINDOWW\n1024\n"
              "FUEL\n7\n"
              "CLEARSCREEN\n2\n"
              "VERSION\nfrom user\n");
    engine::readMainConfiguration(base());
    EXPECT_EQ(engineSettings.windowW, 0);  // WINDOWW belongs to user.crc
    EXPECT_EQ(engineSettings.fullscreen, 0.0f);
    EXPECT_EQ(engineSettings.version, "from ini");
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.timerBase, 20);  // TIMERBASE belongs to ini.crc
    EXPECT_EQ(engineSettings.windowW, 1024);
    EXPECT_EQ(engineSettings.fuelStart, 0);
    EXPECT_EQ(engineSettings.clearScreen, 0);
    EXPECT_EQ(engineSettings.version, "from user");
}

TEST_F(ConfigurationTest, ClearScreenKeepsOnlyOne) {
    writeCore("user.crc", "CLEARSCREEN\n257\n");  // low byte 1
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.clearScreen, 1);
}

TEST_F(ConfigurationTest, PairsShiftAndLastKeyWithoutValue) {
    // A stray line makes "VERSION" a value and "x" a key; the last key has no value line.
    writeCore("ini.crc", "stray\nVERSION\nx\nAPPMODE\nSCRSWITCHMS\n250\nAPPMODE");
    engine::readMainConfiguration(base());
    EXPECT_EQ(engineSettings.version, "VERSION INFO MISSING");
    EXPECT_EQ(engineSettings.appMode, "");
    EXPECT_EQ(engineSettings.screenSwitchMs, 250);

    writeCore("user.crc", "MAXPLAYERS\n3\nMAXPLAYERS\n");
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.maxPlayers, 0);
}

TEST_F(ConfigurationTest, CodecFileGroupsOfFourLines) {
    const std::string codecs = dir.file("codecs.txt");
    testing_support::writeFile(codecs,
                               "SOUNDCODEC\r\n\r\n.ogg\r\n\r\n"
                               "OTHER\r\nGFXCODEC\r\n.bad\r\n\r\n"
                               "GFXCODEC\r\nskipped\r\n.png\r\nskipped\r\n"
                               "MUSICCODEC\r\n\r\n.mus");
    writeCore("ini.crc", "CODECS\n" + codecs + "\n");
    writeCore("user.crc", "CODECS\nnowhere\n");
    engine::readMainConfiguration(base());
    engine::readUserConfiguration(base());
    EXPECT_EQ(engineSettings.soundExtension, ".ogg");
    EXPECT_EQ(engineSettings.gfxExtension, ".png");
    EXPECT_EQ(engineSettings.musicExtension, ".mus");
    EXPECT_EQ(engineSettings.codecsPath, "nowhere");  // stored, but read too late to act
}

TEST_F(ConfigurationTest, MissingCodecFileLeavesExtensionsEmpty) {
    writeCore("ini.crc", "CODECS\n" + dir.file("none.txt") + "\n");
    engine::readMainConfiguration(base());
    EXPECT_EQ(engineSettings.gfxExtension, "");
    EXPECT_EQ(engineSettings.soundExtension, "");
}

TEST_F(ConfigurationTest, SettingsLogReplacesAnOlderLongerLog) {
    const std::string log = dir.file("session.log");
    std::string old;
    for (int i = 0; i < 40; ++i)
        old += "an old line that must go\r\n";
    testing_support::writeFile(log, old);
    const std::string codecs = dir.file("codecs.txt");
    testing_support::writeFile(codecs, "SOUNDCODEC\n\n.wav\n\nGFXCODEC\n\n.png\n\n");
    writeCore("ini.crc", "PATH\n" + log + "\nCODECS\n" + codecs +
                             "\nSOUNDPATH\nSND\\\nGFX\nGFX\\\nANIMSYSTEM\nANIM\\\n"
                             "SIMCORE\nMAPS\\\n");
    writeCore("user.crc", "SOUNDPATH\nOTHER\\\n");
    engine::readMainConfiguration(base());
    engine::readUserConfiguration(base());
    EXPECT_EQ(testing_support::readFile(log), "ENGINE LOCAL BASE: " + base() +
                                                  "\r\n"
                                                  " \r\n"
                                                  "RORAZUZ SETTINGS FOR ACTUAL SESSION:\r\n"
                                                  "SOUNDS LOCATED: SND\\\r\n"
                                                  "SOUND CODEC: .wav\r\n"
                                                  "2DGFX LOCATED: GFX\\\r\n"
                                                  "GFX CODEC: .png\r\n"
                                                  "ANIMS LOCATED: ANIM\\\r\n"
                                                  "MAPS LOCATED: MAPS\\\r\n"
                                                  "ENGINE BASE: " +
                                                  base() + "\r\n");
    EXPECT_EQ(engineSettings.soundPath, "OTHER\\");
}

TEST_F(ConfigurationTest, MissingMainFileIsCoreErrorSix) {
    try {
        engine::readMainConfiguration(base());
        FAIL() << "the program should have ended";
    } catch (const ProgramEnded& end) {
        EXPECT_EQ(end.status, 6);
    }
    EXPECT_THAT(boxes, ElementsAre(Pair("RERIZUVA ENGINE CORE ERROR:", ""),
                                   Pair("RERIZUVA ENGINE INFORMATION",
                                        "Sorry,Dear User: RERIZUVA ENGINE  has to quit, "
                                        "because of the error")));
}

TEST_F(ConfigurationTest, MissingMainFileEndsTheProcessWithStatusSix) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    engine::setExitHook({});
    engine::setMessageBoxHook({});
    EXPECT_EXIT(engine::readMainConfiguration(base()), ::testing::ExitedWithCode(6),
                "RERIZUVA ENGINE CORE ERROR:");
}

// Every key in file order: the files that accept it, how it is read, its field, the field's
// start value and whether a side rule follows.
TEST(ConfigKeys, EveryKeyWithItsFilesTypeFieldAndStartValue) {
    using S = EngineSettings;
    using enum engine::FileColumn;
    using enum engine::ValueType;
    using engine::ConfigFile;
    struct Row {
        std::string_view key;
        engine::FileColumn file;
        engine::ValueType type;
        engine::FieldPointer<S> member;
        std::string_view start;
        bool rule;
    };
    const std::vector<Row> rows = {
        {"SYSTEMTEXT", B, Text, &S::systemTextPath, "", false},
        {"ATOMSYSTEM", B, Text, &S::atomSystem, "", false},
        {"GRIDSIZE", B, IntegerAsFloat, &S::areaHeight, "0", true},
        {"MATRIXSIZE", B, Integer, &S::matrixSize, "0", true},
        {"MATRIX_OFFSET_X", B, IntegerAsFloat, &S::viewOffsetX, "0", false},
        {"MATRIX_OFFSET_Y", B, IntegerAsFloat, &S::viewOffsetY, "0", false},
        {"USEDEBUGLOG", B, Byte, &S::useDebugLog, "0", false},
        {"SCRSWITCHMS", B, Integer, &S::screenSwitchMs, "0", false},
        {"BLOOM", B, Byte, &S::bloom, "0", false},
        {"FRAMECOLLISION", B, Byte, &S::frameCollision, "0", false},
        {"CODECS", B, Text, &S::codecsPath, "", false},
        {"GFX", B, Text, &S::gfxPath, "", true},
        {"EFFECT_GFX", B, Text, &S::effectGfxPath, "", false},
        {"AREACOLLISION", B, Byte, &S::areaCollision, "0", false},
        {"MAXOBJECTS", B, Integer, &S::maxObjects, "0", false},
        {"COREBRAIN", B, Text, &S::coreBrain, "", false},
        {"DEBUGLOG", B, Text, &S::debugLog, "", false},
        {"SIMCORE", B, Text, &S::simCorePath, "", false},
        {"GLOBAL_GFX_FX", B, Byte, &S::globalGfxFx, "0", false},
        {"FONTFUNDAMENT", B, Text, &S::fontFundamentPath, "", false},
        {"FONT", B, Text, &S::fontPath, "", false},
        {"SOURCEWIDTH", B, Float, &S::SRC_SCRW, "1", false},
        {"ANIMSYSTEM", B, Text, &S::animSystemPath, "", false},
        {"MAXANIMFRAMES", B, Integer, &S::maxAnimFrames, "1", false},
        {"SOURCEHEIGHT", B, Float, &S::SRC_SCRH, "1", false},
        {"SOUNDPATH", B, Text, &S::soundPath, "", false},
        {"FILELOADMUSIC", B, Text, &S::fileLoadMusic, "", false},
        {"LOADPIC", B, Byte, &S::loadPic, "0", false},
        {"GUI", B, Text, &S::gui, "", false},
        {"IOPREFETCH", B, Byte, &S::ioPrefetch, "0", false},
        {"ERRORPATH", B, Text, &S::errorReportPath, "BASE\\", false},
        {"WARNINGS", B, Text, &S::warningReportPath, "BASE\\", false},
        {"USRSCROLL", B, Byte, &S::userScroll, "0", false},
        {"VERSION", B, Text, &S::version, "VERSION INFO MISSING", false},
        {"DYNAMICSCROLL", B, Byte, &S::dynamicScroll, "0", false},
        {"PIP", B, Byte, &S::pip, "0", false},
        {"APPENTRY", B, Integer, &S::appEntry, "0", true},
        {"APPMODE", B, Text, &S::appMode, "REGION", false},
        {"APPSMOOTH", B, Byte, &S::appSmooth, "0", false},
        {"MULTITASK", B, Byte, &S::multitaskCopy, "0", true},
        {"PATH", B, Text, &S::settingsLogPath, "", false},
        {"VSYNC", B, Integer, &S::vsync, "1", false},
        {"MAXPLAYERS", B, Integer, &S::maxPlayers, "0", false},
        {"FULLSCREEN", B, Float, &S::fullscreen, "0", false},
        {"WINDOWW", U, Integer, &S::windowW, "0", false},
        {"WINDOWH", U, Integer, &S::windowH, "0", false},
        {"USEWINDOWHD", U, Byte, &S::useWindowHd, "0", false},
        {"TEXTSMOOTH", B, Byte, &S::textSmooth, "0", false},
        {"CLEARSCREEN", U, Byte, &S::clearScreen, "1", true},
        {"FUEL", I, Integer, &S::fuelStart, "0", true},
        {"MAXFUEL", I, Byte, &S::maxFuel, "0", false},
        {"CACHE", I, Text, &S::cachePath, "", false},
        {"USECACHE", I, Byte, &S::useCache, "0", false},
        {"USELOADSCREEN", I, Text, &S::useLoadScreen, "", false},
        {"TIMERBASE", I, Integer, &S::timerBase, "50", false},
    };
    engine::resetEngineState("BASE\\");
    const auto keys = engine::configKeys();
    ASSERT_EQ(keys.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const engine::ConfigKey& key = keys[i];
        EXPECT_EQ(key.name, row.key);
        EXPECT_EQ(key.file, row.file) << row.key;
        EXPECT_EQ(key.type, row.type) << row.key;
        EXPECT_TRUE(key.member == row.member) << row.key;
        EXPECT_EQ(key.sideRule != nullptr, row.rule) << row.key;
        EXPECT_EQ(testing_support::memberText(engineSettings, row.member), row.start) << row.key;
        EXPECT_EQ(engine::findConfigKey(row.key, ConfigFile::Main) == &key, row.file != U)
            << row.key;
        EXPECT_EQ(engine::findConfigKey(row.key, ConfigFile::User) == &key, row.file != I)
            << row.key;
    }
    EXPECT_EQ(engine::findConfigKey("", ConfigFile::Main), nullptr);
    EXPECT_EQ(engine::findConfigKey("fuel", ConfigFile::Main), nullptr);
}

}  // namespace
