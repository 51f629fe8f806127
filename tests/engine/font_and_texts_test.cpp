// The bitmap font (loading, glyph sizes, the cursor rules) and the screen texts chosen by the
// map id, drawn on a small screen and found again by their colours.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/frame_slots.h"
#include "engine/screen_texts.h"
#include "engine/world_frame.h"
#include "screens_fixture.h"

namespace {

using engine::drawFontText;
using engine::glyphTable;
using engine::textCursor;
using ::testing::ElementsAre;

constexpr media::Argb kBlack = media::rgb(0, 0, 0);
constexpr media::Argb kRed = media::rgb(255, 0, 0);
constexpr media::Argb kBlue = media::rgb(0, 0, 255);

class FontTest : public ScreensTest {
  protected:
    void SetUp() override {
        ScreensTest::SetUp();
        openScreen(96, 64);
    }
    // I 3 wide, A 4 x 5, B 5 x 5, a 4 x 4, b 2 x 4, c 3 x 3; the letters of GAME OVER 4 x 5.
    void loadBlockFont() {
        writeGlyph('I', 3, 6, media::rgb(90, 90, 90));
        writeGlyph('B', 5, 5, media::rgb(0, 255, 0));
        writeGlyph('a', 4, 4, media::rgb(255, 255, 0));
        writeGlyph('b', 2, 4, media::rgb(0, 255, 255));
        writeGlyph('c', 3, 3, kBlue);
        for (char letter : std::string("GAMEOVR"))
            writeGlyph(letter, 4, 5, kRed);
        writeList("IBabcGAMEOVR");
        engine::loadFont();
    }
    void draw(std::string_view text, float x, float y, float zoom = 1.0f) {
        media::beginSpritePass();
        drawFontText(text, x, y, zoom, 0.0f, 255);
        media::endSpritePass();
    }
};

TEST_F(FontTest, CursorFollowsTheRulesOfEveryCharacter) {
    loadBlockFont();
    struct Row {
        std::string text;
        float zoom;
        float x, y;  // cursor after the text
    };
    const std::vector<Row> rows = {
        {" GAME OVER|", 1.0f, 0.0f, 0.0f},
        {"ab", 1.0f, 4.0f + 4.0f + 2.0f, 0.0f},  // the first character is drawn twice
        {" A\\B", 1.0f, 5.0f, 1.2f * 5.0f},      // new line: 1.2 x the height of "A"
        {" A\\B", 2.0f, 10.0f, 1.2f * 5.0f * 2.0f},
        {" A", -1.0f, 3.0f + 3.0f + 4.0f, 0.0f},  // negative zoom draws at 1
        {" A", 2.0f, 3.0f + 3.0f + 8.0f, 0.0f},   // blanks are not zoomed
        {" ?", 1.0f, 6.0f, 0.0f},                 // no glyph: nothing drawn, cursor stays
        {"", 1.0f, 0.0f, 0.0f},
    };
    for (const Row& row : rows) {
        textCursor = {};
        draw(row.text, 10.0f, 10.0f, row.zoom);
        EXPECT_FLOAT_EQ(textCursor.x, row.x) << row.text << " zoom " << row.zoom;
        EXPECT_FLOAT_EQ(textCursor.y, row.y) << row.text << " zoom " << row.zoom;
    }
}

TEST_F(FontTest, TextsStartAtTheirPositionOrWhereTheLastTextEnded) {
    loadBlockFont();
    draw(" GAME OVER|", 10.0f, 10.0f);
    EXPECT_EQ(pixel(16, 10), kRed) << "G starts two I widths right of x";
    EXPECT_EQ(pixel(15, 10), kBlack);
    EXPECT_EQ(countPixels(kRed), 8 * 4 * 5);

    draw("ab", 10.0f, 30.0f);  // no final "|": the cursor stays at (10, 0)
    draw(" c|", 30.0f, 50.0f);
    EXPECT_EQ(pixel(30 + 10 + 6, 50), kBlue);
    EXPECT_EQ(pixel(30 + 10 + 5, 50), kBlack);
    EXPECT_EQ(textCursor.x, 0.0f);

    media::clearScreen(0, 0, 0);
    draw(" A|", 0.0f, 0.0f, -1.0f);
    EXPECT_EQ(countPixels(kRed), 4 * 5) << "zoom -1 draws at 1";

    // "b" (2 x 4 at (46, 40)) turned a quarter about its centre lies 4 wide, 2 high; the
    // next quarter adds to it and stands it upright again.
    const media::Argb cyan = media::rgb(0, 255, 255);
    for (const auto& [left, top] : {std::pair{45, 41}, std::pair{46, 40}}) {
        media::clearScreen(0, 0, 0);
        media::beginSpritePass();
        drawFontText(" b|", 40.0f, 40.0f, 1.0f, 90.0f, 255);
        media::endSpritePass();
        EXPECT_EQ(countPixels(cyan), 8);
        EXPECT_EQ(pixel(left, top), cyan);
        EXPECT_EQ(pixel(left - 1, top), kBlack);
        EXPECT_EQ(pixel(left, top - 1), kBlack);
    }
}

TEST_F(FontTest, GlyphSizesCrossTheScaleFactors) {
    EngineSettings& s = engineSettings;
    s.SRC_SCRW = s.SCRW / 2.0f;  // scalerX 2, scalerY 1
    writeGlyph('X', 20, 40, kRed);
    writeList("X");
    engine::loadFont();
    EXPECT_FLOAT_EQ(s.scalerX, 2.0f);
    EXPECT_FLOAT_EQ(glyphTable['X'].width, 20.0f);
    EXPECT_FLOAT_EQ(glyphTable['X'].height, 80.0f);
    draw(" X|", 0.0f, 0.0f);
    EXPECT_EQ(countPixels(kRed), 20 * 64) << "20 wide, 80 high (cut by the 64 rows)";
}

TEST_F(FontTest, CharacterListLoadsItsFirstLineWithTheFirstCharacterTwice) {
    std::vector<std::string> names;
    for (const engine::GlyphSource& source : engine::glyphSourcesOfLine("ab"))
        names.push_back(source.pictureName);
    EXPECT_THAT(names, ElementsAre("_a", "_a", "_b"));
    EXPECT_TRUE(engine::glyphSourcesOfLine("").empty());

    writeGlyph('a', 4, 4, kRed);
    writeGlyph('b', 2, 4, kRed);
    writeGlyph('c', 2, 4, kRed);
    testing_support::writeFile(dir.file("FONT/list.txt"), "ab\r\nc\r\n");
    engine::loadFont();
    EXPECT_NE(glyphTable['a'].sprite, 0u);
    EXPECT_NE(glyphTable['b'].sprite, 0u);
    EXPECT_EQ(glyphTable['c'].sprite, 0u) << "only the first line is read";
}

TEST_F(FontTest, MissingCharacterListDrawsNothing) {
    engine::loadFont();
    media::clearScreen(7, 7, 7);
    draw(" GAME OVER|", 10.0f, 10.0f);
    draw("\\", 10.0f, 10.0f);
    EXPECT_EQ(countOtherThan(media::rgb(7, 7, 7)), 0);
    EXPECT_EQ(textCursor.y, 0.0f);
}

TEST(FontCharacters, EachCharacterHasItsGlyphAndPicture) {
    struct Row {
        unsigned char character, code;
        const char* name;
    };
    const std::vector<Row> rows = {
        {'.', '.', "POINT"},   {'"', 34, "FUEL"},      {'&', '&', "GUIBACK"},
        {0xD6, 214, "IDCARD"}, {0xF6, 0xF6, "IDCARD"}, {0xE4, 0xE4, "HERZ"},
        {'@', 64, "LIFE"},     {0xFC, 'u', "_u"},      {0xDC, 'u', "_u"},
        {0xDF, 'S', "S"},      {'+', '+', "PLUS"},     {'z', 'z', "_z"},
        {'A', 'A', "A"},       {'7', '7', "7"},        {':', ':', "POINTPOINT"},
    };
    for (const Row& row : rows) {
        const engine::GlyphSource source = engine::glyphSourceOf(row.character);
        EXPECT_EQ(source.code, row.code) << int(row.character);
        EXPECT_EQ(source.pictureName, row.name) << int(row.character);
    }
}

TEST(ScreenTextRules, UpperCaseAndFileLines) {
    EXPECT_EQ(engine::upperCaseText(" press start|"), " PRESS START|");
    EXPECT_EQ(engine::upperCaseText("\xF6\xE4\xFC\xFF\xDF\xD6@{`"), "\xD6\xC4\xDC\xDF\xDF\xD6@{`");
    EXPECT_THAT(engine::screenTextLines("a\r\nb"), ElementsAre("a", "b"));
    EXPECT_THAT(engine::screenTextLines("a\r\n\n\rc\r"), ElementsAre("a", "", "", "c"));
    EXPECT_TRUE(engine::screenTextLines("").empty());
}

class ScreenTextsTest : public ScreensTest {
  protected:
    void SetUp() override {
        ScreensTest::SetUp();
        openScreen(160, 120);
        writeLetterFont();
        engine::loadFont();
    }
    // Draws the texts of a map on a black screen; true when anything shows.
    bool textsShow(std::int32_t mapId) {
        media::clearScreen(0, 0, 0);
        media::beginSpritePass();
        engine::drawScreenTexts(mapId);
        media::endSpritePass();
        return countOtherThan(kBlack) > 0;
    }
};

TEST_F(ScreenTextsTest, GameOverBlinksIn59Of121Frames) {
    int shown = 0;
    for (int frame = 0; frame < 121; ++frame)
        shown += textsShow(engine::kGameOverScreen);
    EXPECT_EQ(shown, 59);
    EXPECT_EQ(engineSettings.blinkCounter, 0);
}

TEST_F(ScreenTextsTest, SharpTextsRunTwicePerFrameAndHalveTheBlink) {
    EngineSettings& s = engineSettings;
    engine::frameSlots = engine::FrameSlots{};
    s.actualMapId = engine::kGameOverScreen;
    s.textSmooth = 0;
    std::vector<int> shownFrames;
    for (int frame = 1; frame <= 61; ++frame) {
        s.drawLast = 0;  // a non-empty draw list: the pass clears and draws the texts
        engine::worldFrame();
        if (frame == 1) {
            EXPECT_EQ(s.blinkCounter, 2);
        }
        if (countOtherThan(kBlack) > 0) shownFrames.push_back(frame);
    }
    EXPECT_EQ(shownFrames.size(), 31u);
    EXPECT_EQ(shownFrames.front(), 1);
    EXPECT_EQ(shownFrames[29], 30);
    EXPECT_EQ(shownFrames.back(), 61) << "a new cycle after 60 frames";
}

TEST_F(ScreenTextsTest, LevelBarsDrawBackgroundThenValue) {
    EngineSettings& s = engineSettings;
    s.version = "";
    s.playerStatus[6].text = "&&&";
    EXPECT_TRUE(textsShow(3));
    EXPECT_EQ(countOtherThan(kBlack), 3 * 6 * 12) << "only the fuel background bar";
    EXPECT_NE(pixel(64 + 16, 12), kBlack) << "at (0.4 W, 0.1 H), two blanks right";

    s.playerStatus[1].text = "\"";
    textsShow(3);
    EXPECT_EQ(countOtherThan(kBlack), 3 * 6 * 12);
    EXPECT_GT(media::redOf(pixel(64 + 16, 12)), 200u) << "the value over the background";
    EXPECT_EQ(media::redOf(pixel(64 + 16 + 6, 12)), 55u) << "the background at alpha 200";
}

TEST_F(ScreenTextsTest, BlankTitleShowsOnlyPauseAndErrorLines) {
    EngineSettings& s = engineSettings;
    struct Row {
        std::int32_t paused;
        std::int8_t error;
        bool shows;
    };
    for (const Row& row :
         std::vector<Row>{{0, 0, false}, {1, 0, true}, {0, 1, true}, {2, 0, false}}) {
        s.paused = row.paused;
        s.errorDetected = row.error;
        EXPECT_EQ(textsShow(engine::kTitleScreen), row.shows) << row.paused << row.error;
    }
}

TEST_F(ScreenTextsTest, TitleAndClosingScreensDrawTheirFiles) {
    EXPECT_FALSE(textsShow(1002)) << "no copyright file";
    writeCore("copyright", " (c) demo|");
    EXPECT_TRUE(textsShow(1002));
    EXPECT_FALSE(textsShow(engine::kClosingScreen));
    writeCore("thank", " thanks|");
    EXPECT_TRUE(textsShow(engine::kClosingScreen));

    writeCore("copyright", " no final reset\\");  // the next frame starts at (0, 0) again
    textsShow(1001);
    const std::vector<media::Argb> first = media::compositor().frame().pixels;
    textsShow(1001);
    EXPECT_EQ(media::compositor().frame().pixels, first);

    const std::string path = coreFile("thank");
    EXPECT_THAT(engine::cachedScreenTextLines(path), ElementsAre(" thanks|"));
    writeCore("thank", "one\r\ntwo, a longer line\r\n");
    EXPECT_THAT(engine::cachedScreenTextLines(path), ElementsAre("one", "two, a longer line"));
    std::remove(path.c_str());
    EXPECT_TRUE(engine::cachedScreenTextLines(path).empty());
}

}  // namespace
