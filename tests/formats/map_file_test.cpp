// Reading and writing map text: both readers' number rules, stray and missing lines,
// rounding on write, and byte-stable round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/base/text_values.h"
#include "formats/map_file.h"

namespace {

using formats::parseBuilderMapText;
using formats::parseGameMapText;
using formats::TileRecord;

std::string record(const std::string& name, const std::string& x, const std::string& y,
                   const std::string& w, const std::string& h, const std::string& layer) {
    return "TILE\r\n" + name + "\r\n7\r\n" + x + "\r\n" + y + "\r\n" + w + "\r\n" + h + "\r\n" +
           layer + "\r\n";
}

TEST(MapFile, HeaderAndEndMarkerOnlyGiveNoTiles) {
    const auto game = parseGameMapText("0\r\n0\r\nENGINETILEINFOEND\r\n");
    EXPECT_TRUE(game.tiles.empty());
    const auto builder = parseBuilderMapText("0\r\n0\r\nENGINETILEINFOEND\r\n");
    EXPECT_TRUE(builder.tiles.empty());
}

TEST(MapFile, GameKeepsFractionsAndBuilderDropsThem) {
    const std::string text = "3\r\n-4\r\n" + record("WALL", "10.75", "-2.5", "12.6", "7.9", "2") +
                             "ENGINETILEINFOEND\r\n";
    const auto game = parseGameMapText(text);
    ASSERT_EQ(game.tiles.size(), 1u);
    EXPECT_EQ(game.viewOffsetX, 3);
    EXPECT_EQ(game.viewOffsetY, -4);
    EXPECT_EQ(game.tiles[0].name, "WALL");
    EXPECT_FLOAT_EQ(game.tiles[0].x, 10.75f);
    EXPECT_FLOAT_EQ(game.tiles[0].y, -2.5f);
    EXPECT_FLOAT_EQ(game.tiles[0].width, 12.6f);
    EXPECT_FLOAT_EQ(game.tiles[0].height, 7.9f);
    EXPECT_EQ(game.tiles[0].layer, 2);

    const auto builder = parseBuilderMapText(text);
    ASSERT_EQ(builder.tiles.size(), 1u);
    EXPECT_EQ(builder.tiles[0].x, 10);
    EXPECT_EQ(builder.tiles[0].y, -2);
    EXPECT_EQ(builder.tiles[0].width, 12);
    EXPECT_EQ(builder.tiles[0].height, 7);
}

TEST(MapFile, StrayLinesAreSkippedAndTheEndMarkerStopsReading) {
    // Blank lines and other text between records, lone CR and lone LF line ends, and a
    // record after the end marker that must not be read.
    const std::string text = "0\n0\r\n\r\n" + record("A", "1", "2", "3", "4", "0") +
                             "\n\nnot a keyword\rtile\r\n" + record("B", "5", "6", "7", "8", "5") +
                             "ENGINETILEINFOEND\r\n" + record("C", "0", "0", "0", "0", "0");
    const auto game = parseGameMapText(text);
    ASSERT_EQ(game.tiles.size(), 2u);
    EXPECT_EQ(game.tiles[0].name, "A");
    EXPECT_EQ(game.tiles[1].name, "B");
    EXPECT_EQ(game.tiles[1].layer, 5);  // the record's own layer line wins over its file
    const auto builder = parseBuilderMapText(text);
    ASSERT_EQ(builder.tiles.size(), 2u);
    EXPECT_EQ(builder.tiles[1].name, "B");
    EXPECT_EQ(builder.tiles[1].layer, 5);
}

TEST(MapFile, RecordCutShortReadsMissingLinesAsEmpty) {
    const auto game = parseGameMapText("0\r\n0\r\nTILE\r\nHALF\r\n0\r\n12");
    ASSERT_EQ(game.tiles.size(), 1u);
    EXPECT_EQ(game.tiles[0].name, "HALF");
    EXPECT_FLOAT_EQ(game.tiles[0].x, 12.0f);
    EXPECT_FLOAT_EQ(game.tiles[0].width, 0.0f);
    EXPECT_EQ(game.tiles[0].layer, 0);

    const auto builder = parseBuilderMapText("0\r\n0\r\nTILE\r\nHALF\r\n0\r\n12");
    ASSERT_EQ(builder.tiles.size(), 1u);
    EXPECT_EQ(builder.tiles[0].name, "HALF");
    EXPECT_EQ(builder.tiles[0].x, 12);
    EXPECT_EQ(builder.tiles[0].y, 0);
    EXPECT_EQ(builder.tiles[0].layer, 0);

    const auto bare = parseGameMapText("0\r\n0\r\nTILE");
    ASSERT_EQ(bare.tiles.size(), 1u);
    EXPECT_EQ(bare.tiles[0].name, "");

    // No header at all, or an empty text: nothing but zeros.
    const auto empty = parseGameMapText("");
    EXPECT_TRUE(empty.tiles.empty());
    EXPECT_EQ(empty.viewOffsetX, 0);
}

TEST(MapFile, NonNumbersReadAsZeroAndIntegersWrap) {
    const auto builder = parseBuilderMapText(
        "abc\r\n\r\n" + record("X", "4294967297", "-2147483649", "  +9x", "\t-0", "nope"));
    EXPECT_EQ(builder.viewOffsetX, 0);
    ASSERT_EQ(builder.tiles.size(), 1u);
    EXPECT_EQ(builder.tiles[0].x, 1);
    EXPECT_EQ(builder.tiles[0].y, 2147483647);
    EXPECT_EQ(builder.tiles[0].width, 9);
    EXPECT_EQ(builder.tiles[0].height, 0);
    EXPECT_EQ(builder.tiles[0].layer, 0);
}

TEST(MapFile, GameFloatsMatchTheDecimalConversionForEveryLineShape) {
    // Plain integer lines take a direct path; the result must equal the general one.
    for (const std::string line :
         {"0", "-0", "+7", "-123", "999999999", "-999999999", "1234567890", "16777217", "33554435",
          "000000001", "12.6", " 5", "5 ", "-", "+", "", "1e3", ".5", "x"}) {
        const auto game = parseGameMapText("0\n0\nTILE\nN\n0\n" + line + "\n");
        ASSERT_EQ(game.tiles.size(), 1u);
        const float expected = base::parseFloat(line);
        EXPECT_EQ(game.tiles[0].x, expected) << line;
        EXPECT_EQ(std::signbit(game.tiles[0].x), std::signbit(expected)) << line;
    }
}

TEST(MapFile, WriterRoundsTiesToEvenAndEndsLinesWithCrLf) {
    const TileRecord tiles[] = {{"T", 4, 12.5f, 13.5f, -0.5f, 2.5001f, 3}};
    EXPECT_EQ(formats::formatMapText(tiles),
              "0\r\n0\r\nTILE\r\nT\r\n4\r\n12\r\n14\r\n0\r\n3\r\n3\r\nENGINETILEINFOEND\r\n");
    EXPECT_EQ(formats::formatMapText({}), "0\r\n0\r\nENGINETILEINFOEND\r\n");
}

TEST(MapFile, WriterKeepsTheRecordStructureWhenANameHoldsALineBreak) {
    const TileRecord tiles[] = {{"BAD\r\nNAME", 0, 1, 2, 3, 4, 0}, {"NEXT", 0, 5, 6, 7, 8, 0}};
    const auto back = parseGameMapText(formats::formatMapText(tiles));
    ASSERT_EQ(back.tiles.size(), 2u);
    EXPECT_EQ(back.tiles[0].name, "BADNAME");
    EXPECT_EQ(back.tiles[1].name, "NEXT");
    EXPECT_FLOAT_EQ(back.tiles[1].height, 8.0f);
}

TEST(MapFile, WriteReadWriteIsByteStable) {
    const TileRecord tiles[] = {{"FLOOR", 3, 0.0f, 32.4f, 640.5f, 480.0f, 0},
                                {"ENGINETILEINFOEND", 1, -7.0f, 1e6f, 1.5f, 2.5f, 30},
                                {"", 0, 1.0f, 2.0f, 3.0f, 4.0f, -1}};
    const std::string first = formats::formatMapText(tiles);
    const auto game = parseGameMapText(first);
    EXPECT_EQ(formats::formatMapText(game.tiles), first);
    ASSERT_EQ(game.tiles.size(), 3u);
    EXPECT_EQ(game.tiles[1].name, "ENGINETILEINFOEND");
}

}  // namespace
