// The builder's rules driven directly, without the program: hostile numbers, drawing order,
// the keyboard's release detection, the script and the command line.
#include <gtest/gtest.h>

#include <climits>

#include "builder/configuration.h"
#include "builder/editing.h"
#include "builder/fatal_report.h"
#include "builder/frame.h"
#include "builder/input_tracking.h"
#include "builder/keyboard_actions.h"
#include "builder/menu_commands.h"
#include "builder/qt/dara_options.h"
#include "builder/script.h"
#include "engine/media/config_records.h"
#include "engine/media/scancodes.h"
#include "fake_host.h"

namespace builder_tests {
namespace {

using builder::Builder;

// A builder on a 640 x 480 screen with one 10 x 10 tile type of the given colour.
struct LogicFixture {
    FakeHost host;
    Builder builder{host};

    explicit LogicFixture(media::Argb colour = 0xFFFF0000u, int maxTiles = 100) {
        builder::BuilderState& state = builder.builderState;
        state = builder::startBuilderState("/nowhere");
        state.desktopWidth = 640;
        state.desktopHeight = 480;
        state.screenWidth = 640.0f;
        state.screenHeight = 480.0f;
        state.maxElements = maxTiles;
        state.matrixRaster = 32;
        state.logPath = "/nonexistent-log-folder/";
        builder::sizeElementTable(state);
        builder.screen.resize(640, 480);
        media::Image image;
        image.width = 10;
        image.height = 10;
        image.pixels.assign(100, colour);
        builder::TileType tile;
        tile.pictureName = "T";
        tile.paletteImage = builder.screen.addPicture(image);
        tile.sprite = builder.screen.makeSprite(tile.paletteImage);
        tile.width = 10.0f;
        tile.height = 10.0f;
        tile.dna.validFlag = 1;
        tile.dna.worldFTileTransparency = 255;
        state.tiles.push_back(tile);
    }

    void placeAt(int x, int y, int layer) {
        builder.builderState.buildCursorX = x;
        builder.builderState.buildCursorY = y;
        builder.builderState.actualLayer = layer;
        ASSERT_TRUE(builder::placeElement(builder));
    }

    media::Argb pixel(int x, int y) const {
        const media::Framebuffer& frame = builder.screen.frame();
        return frame.pixels[static_cast<std::size_t>(y) * frame.width + x] & 0xFFFFFFu;
    }
};

TEST(BuilderLogic, DrawsLayerByLayerAndNeverWalksEmptyLayers) {
    LogicFixture fixture;
    fixture.placeAt(300, 300, 3);
    fixture.builder.builderState.tiles[0].dna.worldFTileTransparency = 255;
    // A second type in blue, placed first but on a lower layer: red stays on top.
    fixture.builder.builderState.elements[0].layer = 3;
    fixture.placeAt(305, 305, 2);
    fixture.builder.builderState.elements[1].sprite = [&] {
        media::Image blue;
        blue.width = 10;
        blue.height = 10;
        blue.pixels.assign(100, 0xFF0000FFu);
        return fixture.builder.screen.makeSprite(fixture.builder.screen.addPicture(blue));
    }();
    // A layer number far beyond anything real must not make drawing walk every layer.
    fixture.builder.builderState.maxUsedLayer = INT_MAX;
    fixture.builder.builderState.buildCursorX = 600;  // the cursor preview out of the way
    builder::drawFrame(fixture.builder);
    EXPECT_EQ(fixture.pixel(306, 306), 0xFF0000u) << "layer 3 over layer 2";
    EXPECT_EQ(fixture.pixel(312, 312), 0x0000FFu);
    EXPECT_EQ(fixture.host.presented, 1);
    EXPECT_EQ(fixture.host.waited, builder::kPreviewWaitMilliseconds) << "raster mode 2 waits";
}

TEST(BuilderLogic, PostEffectNeedsTwoNonZeroFactors) {
    EXPECT_TRUE(builder::parsePostEffect("2,2").applies());
    EXPECT_EQ(builder::parsePostEffect(" 5, 9").destination, 9);
    EXPECT_FALSE(builder::parsePostEffect("0,2").applies());
    EXPECT_FALSE(builder::parsePostEffect("7").applies());
    EXPECT_FALSE(builder::parsePostEffect("").applies());
    EXPECT_EQ(builder::parsePostEffect("3,4,5").destination, 4);
}

TEST(BuilderLogic, HugeNumbersStayInsideTheirRanges) {
    LogicFixture fixture(0xFFFF0000u, INT_MAX);
    builder::BuilderState& state = fixture.builder.builderState;
    EXPECT_EQ(builder::elementCapacity(state), std::int64_t{INT_MAX} + 1);
    EXPECT_LE(state.elements.size(), static_cast<std::size_t>(builder::kEagerElementSlots));
    fixture.placeAt(1, 1, 1);
    EXPECT_EQ(state.lastElement, 0);

    // A raster step past the desktop never moves the cursor, whatever its size.
    state.matrixRaster = INT_MAX;
    fixture.builder.mouse.moveTo(50, 50);
    fixture.builder.mouse.examine();
    builder::moveBuildCursor(fixture.builder, 50, 50);
    EXPECT_EQ(state.buildCursorX, 1);
    builder::scrollMap(fixture.builder, INT_MAX, INT_MIN);
    builder::scrollMap(fixture.builder, INT_MAX, 0);
    EXPECT_EQ(state.mapScrollX, -2) << "the scroll total wraps as a 32-bit number";

    // A negative MAXTILES accepts no element.
    LogicFixture none(0xFFFF0000u, -5);
    EXPECT_EQ(builder::elementCapacity(none.builder.builderState), 0);
    EXPECT_FALSE(builder::placeElement(none.builder));
}

TEST(BuilderLogic, AnInvalidTypeIsPlacedDeadAndNeitherDrawnNorDeleted) {
    LogicFixture fixture;
    fixture.builder.builderState.tiles[0].dna.validFlag = 0;
    fixture.placeAt(100, 100, 1);
    EXPECT_EQ(fixture.builder.builderState.elements[0].alive, 0);
    fixture.builder.builderState.buildCursorX = 600;  // keep the preview away
    builder::drawFrame(fixture.builder);
    EXPECT_EQ(fixture.pixel(105, 105), 0x0A0A0Au);
    fixture.builder.builderState.buildCursorX = 105;
    fixture.builder.builderState.buildCursorY = 105;
    EXPECT_FALSE(builder::deleteElement(fixture.builder));
}

TEST(BuilderLogic, KeyReleasesAreSeenOnceAndOnlyAfterTheKeyWasSeenDown) {
    builder::KeyboardTracker keys;
    keys.setKey(media::dik::G, true);
    keys.setKey(media::dik::G, false);
    keys.examine();
    EXPECT_FALSE(keys.released(media::dik::G)) << "down and up between two examinations";
    keys.setKey(media::dik::G, true);
    keys.examine();
    EXPECT_TRUE(keys.held(media::dik::G));
    keys.setKey(media::dik::G, false);
    keys.examine();
    EXPECT_TRUE(keys.released(media::dik::G));
    keys.examine();
    EXPECT_FALSE(keys.released(media::dik::G));
    keys.setKey(-3, true);  // out of range: ignored
    keys.setKey(999, true);
}

TEST(BuilderLogic, RasterKeysActInTableOrder) {
    LogicFixture fixture;
    Builder& b = fixture.builder;
    fixture.placeAt(100, 100, 1);
    auto tap = [&](std::initializer_list<int> codes) {
        for (int code : codes)
            b.keyboard.setKey(code, true);
        builder::examineKeyboard(b);
        for (int code : codes)
            b.keyboard.setKey(code, false);
        builder::examineKeyboard(b);
    };
    // C comes before the raster-2 arrows: Right released with C scrolls nothing.
    tap({media::dik::C, media::dik::RIGHT});
    EXPECT_EQ(b.builderState.rasterMode, builder::kRasterOff);
    EXPECT_EQ(b.builderState.elements[0].x, 100.0f);
    // In mode OFF a held Right moves 1; G then switches to raster 2 before the release of
    // Right is looked at, which moves 32.
    tap({media::dik::G, media::dik::RIGHT});
    EXPECT_EQ(b.builderState.rasterMode, builder::kRasterMatrixSize);
    EXPECT_EQ(b.builderState.elements[0].x, 100.0f + 1.0f + 32.0f);
    // Left Alt: raster OBJECT_SIZE; Down then scrolls by the selected tile's height.
    tap({media::dik::LMENU, media::dik::DOWN});
    EXPECT_EQ(b.builderState.elements[0].y, 110.0f);
}

TEST(BuilderLogic, FolderBrowsersHaveTheirTitlesAndACancelDoesNothing) {
    LogicFixture fixture;
    fixture.placeAt(10, 10, 1);
    builder::runMenuCommand(fixture.builder, builder::kMenuLoadMapFolder);
    builder::runMenuCommand(fixture.builder, builder::kMenuSaveMapFolder);
    ASSERT_EQ(fixture.host.browsed.size(), 2u);
    EXPECT_EQ(fixture.host.browsed[0], "MAP-BUILDER: Open MAP File:|/nowhere");
    EXPECT_EQ(fixture.host.browsed[1], "Save Map New Format:|/nowhere");
    EXPECT_EQ(fixture.builder.builderState.lastElement, 0);
    EXPECT_TRUE(fixture.host.boxes.empty());
    builder::runMenuCommand(fixture.builder, builder::kMenuAbout);
    ASSERT_EQ(fixture.host.boxes.size(), 1u);
    EXPECT_EQ(fixture.host.boxes[0].substr(0, 22), "MAP BUILDER MESSAGE:\n|");
}

TEST(BuilderLogic, FatalReportBlockHasSixLines) {
    EXPECT_EQ(
        builder::fatalErrorBlock({2014, 8, 1, 9, 5, 7}, "BUILDERMOUSE", 42, "Division by zero"),
        "ROZO ERROR INFO: DATE: 2014,08,01   09:05:07\r\nERROR: Include: BUILDERMOUSE\r\n"
        "LINE: 42\r\nWHAT: Division by zero\r\n-\r\n-\r\n");
}

TEST(BuilderLogic, ConfigurationRecordsAndPathPrefixes) {
    const auto records = media::parseConfigRecords(
        "GFXPATH\nx\n\\gfx\\\nx\rPROMO\r\n\r\n12\r\n\r\nCODECS\n\ncodec.txt\n\nGFXPATH\n\ng2\\\n");
    builder::BuilderState state = builder::startBuilderState("/w");
    builder::applyApplicationIni(state, records);
    EXPECT_EQ(state.gfxPath, "/w\\g2\\") << "the later record wins";
    EXPECT_EQ(state.codecFile, "/w\\codec.txt");
    EXPECT_EQ(state.promo, 12) << "PROMO is a number, never prefixed";
    EXPECT_FALSE(media::readConfigRecords("").has_value()) << "an empty name opens nothing";
}

TEST(BuilderLogic, ScriptLinesAndOptions) {
    std::string error;
    auto key = builder::parseScriptLine("key tap PGUP", error);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->verb, builder::ScriptVerb::KeyTap);
    EXPECT_EQ(key->a, media::dik::PRIOR);
    auto browse = builder::parseScriptLine("browse /a folder/with blanks", error);
    ASSERT_TRUE(browse.has_value());
    EXPECT_EQ(browse->text, "/a folder/with blanks");
    EXPECT_EQ(builder::parseScriptLine("browse cancel", error)->text, "");
    EXPECT_FALSE(builder::parseScriptLine("  # a comment", error).has_value());
    EXPECT_TRUE(error.empty());
    for (const char* bad : {"mouse 1", "press middle", "key tap NOSUCHKEY", "wheel x", "dna menu 5",
                            "tiles click 1 2 3", "jump"}) {
        error.clear();
        EXPECT_FALSE(builder::parseScriptLine(bad, error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    const builder::ParsedScript script = builder::parseScript("mouse 1 2\n\nquit\nmouse\n");
    EXPECT_EQ(script.error.substr(0, 7), "line 4:");

    const auto options =
        builder::parseDaraOptions({"--headless", "--desktop", "800x600", "--dump", "d"});
    EXPECT_TRUE(options.error.empty());
    ASSERT_TRUE(options.desktop.has_value());
    EXPECT_EQ(options.desktop->height, 600);
    EXPECT_FALSE(options.recover);
    EXPECT_TRUE(builder::parseDaraOptions({"--recover"}).recover);
    EXPECT_FALSE(builder::parseDaraOptions({"--desktop", "0x600"}).error.empty());
    EXPECT_FALSE(builder::parseDaraOptions({"--desktop", "99999x99999"}).error.empty());
    EXPECT_FALSE(builder::parseDaraOptions({"--script"}).error.empty());
    EXPECT_EQ(builder::parseDaraOptions({"--fast"}).error, "unknown option --fast");
    EXPECT_EQ(builder::parseDaraOptions({"-x"}).error, "unknown option -x");
    EXPECT_EQ(builder::parseDaraOptions({"stray"}).error, "unknown option stray");
    EXPECT_EQ(builder::parseDaraOptions({"--dump"}).error, "--dump needs a value");
    EXPECT_EQ(builder::parseDaraOptions({"--script=s.txt"}).script, "s.txt");
}

}  // namespace
}  // namespace builder_tests
