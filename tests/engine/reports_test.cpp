#include "engine/reports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/world_object.h"
#include "engine_fixture.h"

namespace {

using ReportsTest = EngineTest;

std::set<std::string> entriesOf(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string warningBlock(const std::string& situation) {
    return joinLines({"Warning:", "Following Situation Caused This Warning:", "",
                      "RERIZUVA-ENGINE-WARNING:DATE:2024,03,07  TIME:09:05:01", situation,
                      "Program/Engine Is Continued",
                      "To Awoid Warnings Add Needed File(s) Or Use Correct Path/Data",
                      "This Situation Is NOT Critical, Engine / Application Will Work Fine, But "
                      "Without The Missing Data",
                      ""});
}

TEST_F(ReportsTest, WarningsAppendBlocksOnlyWithDebugLogOne) {
    const std::string path = dir.file("WARN.TXT");
    testing_support::writeFile(path, "earlier\r\n");
    engineSettings.warningReportPath = path;

    engineSettings.useDebugLog = 0;
    engine::warningReport("COULD NOT FIND SOUND:a");
    engineSettings.useDebugLog = 2;
    engine::warningReport("COULD NOT FIND SOUND:b");
    EXPECT_EQ(testing_support::readFile(path), "earlier\r\n");
    EXPECT_EQ(engineSettings.lastWarning, "");

    engineSettings.useDebugLog = 1;
    engine::warningReport("COULD NOT FIND SOUND:c");
    engine::warningReport("COULD NOT FIND SOUND:d");
    EXPECT_EQ(testing_support::readFile(path), "earlier\r\n" +
                                                   warningBlock("COULD NOT FIND SOUND:c") +
                                                   warningBlock("COULD NOT FIND SOUND:d"));
    EXPECT_EQ(engineSettings.lastWarning, "COULD NOT FIND SOUND:d");
}

TEST_F(ReportsTest, WarningsWithoutConfiguredFileWriteNothing) {
    engineSettings.useDebugLog = 1;
    testing_support::writeFile(coreFile("keep"), "");  // the base directory exists
    engine::warningReport("COULD NOT FIND SOUND:x");
    EXPECT_EQ(engineSettings.warningReportPath, base());
    EXPECT_EQ(engineSettings.lastWarning, "COULD NOT FIND SOUND:x");
    EXPECT_EQ(entriesOf(dir.path()), std::set<std::string>{"CORE"});
    EXPECT_EQ(entriesOf(dir.file("CORE")), std::set<std::string>{"keep"});
}

class FaultReportTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        engineSettings.errorReportPath = dir.file("ERR.TXT");
        engineSettings.simCorePath = "MAPS\\";
        engineSettings.nextMapId = 3;
        engineSettings.mapLayer = 2;
        engineSettings.mapLineCounter = 14;
        engineSettings.ioPrefetch = 1;
        engineSettings.loadPic = -2;
        WorldObject& first = worldObjects[0];
        first.picturePath = "GFX\\WALL.png";
        first.sprite3D = 7;
        first.animContainer = "ZOMBIE";
        first.worldFTileSoundFile = "growl";
        first.objectSound = 3;
    }

    static void fault(base::FaultKind kind, int line) {
        base::guardedStep([&] { base::raiseFault(kind, base::SourceUnit::main, line); });
    }
};

TEST_F(FaultReportTest, OneExactBlockPerArmedTurn) {
    base::armFaultGuard(engine::fatalReport);
    fault(base::FaultKind::DivisionByZero, 42);
    fault(base::FaultKind::IndexOutOfRange, 43);  // same turn: passed over
    EXPECT_EQ(engineSettings.errorDetected, 1);
    const std::string stars(66, '*');
    const std::string block = joinLines({
        "THIS ERROR IS MAP/SEGMENT CONTENT ERROR  PLEASE CHECK CONTENT(FILES):",
        "CHECK ******* SECTION FOR DETAILS, THANK YOU",
        std::string(98, '-'),
        "-RERIZUVA-ENGINE- ERROR HANDLER: ERROR DATE:2024,03,07  TIME:09:05:01",
        "Attempted division by zero",
        "Module:Main Module AT LINE:42",
        "FATAL ERROR,CAN NOT CONTINUE RORAZUZ_CORE, PLEASE CONTACT DEVELOPER",
        "HOST-SYSTEMINFO: ",
        "DESKTOPWIDTH: 1920",
        "DESKTOPHEIGHT: 1080",
        "DESKTOPDEPTH: 32",
        "ACTUAL MAP ID# -1000",
        "NEXT MAP ID#3",
        "I/O STOPPED AT ID: 0",
        "OBJECTS IN MAP: 0",
        "LAST OBJECT LOAD: GFX\\WALL.png",
        "OBJECT SPRITE3D ID  7",
        stars,
        "LAST MAP SEGMENT: MAPS\\-1000\\2",
        "TRYED TO LOAD:",
        "AT MAP SEGMENT LINE: 14",
        " IS NOT PART OF THE GFXSYSTEM",
        stars,
        "OBJECT USE ANIMCONTAINER: ZOMBIE",
        "OBJECT USE SOUNDFILE: growl",
        "OBJECT SOUND ID: 3",
        "I/O PREFETCH 1",
        "USE LOAD SCREEN(ANIM) -2",
        "PLEASE SEND THIS INFO: rerizuva-support@example.org OR POST INFO ON DEVELOPERs BOARD",
        "",
    });
    EXPECT_EQ(testing_support::readFile(dir.file("ERR.TXT")), block);

    // The next turn re-arms the guard: its fault is appended.
    engineSettings.errorDetected = 0;
    base::armFaultGuard(engine::fatalReport);
    fault(base::FaultKind::Unknown, 7);
    const std::string text = testing_support::readFile(dir.file("ERR.TXT"));
    ASSERT_EQ(text.substr(0, block.size()), block);
    EXPECT_NE(text.find("UNKNOWN Error\r\nModule:Main Module AT LINE:7\r\n", block.size()),
              std::string::npos);
    EXPECT_EQ(engineSettings.errorDetected, 1);
}

TEST_F(FaultReportTest, UnconfiguredPathWritesNothingButFlagsTheError) {
    engineSettings.errorReportPath = base();
    testing_support::writeFile(coreFile("keep"), "");
    base::armFaultGuard(engine::fatalReport);
    fault(base::FaultKind::InvalidHandle, 1);
    EXPECT_EQ(engineSettings.errorDetected, 1);
    EXPECT_FALSE(base::faultGuardArmed());
    EXPECT_EQ(entriesOf(dir.path()), std::set<std::string>{"CORE"});
    EXPECT_EQ(entriesOf(dir.file("CORE")), std::set<std::string>{"keep"});
}

TEST_F(FaultReportTest, ObjectIndexOutsideTheTableReportsEmptyObject) {
    engineSettings.objectLast = 500;
    engine::fatalReport(base::EngineFault{});
    const std::string text = testing_support::readFile(dir.file("ERR.TXT"));
    EXPECT_NE(text.find("I/O STOPPED AT ID: 500\r\nOBJECTS IN MAP: 0\r\nLAST OBJECT LOAD: \r\n"),
              std::string::npos);
}

}  // namespace
