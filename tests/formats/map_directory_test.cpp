// Map directories and the level cache on disk: which layer files are read and written,
// the tile-count file, the picture copies, unsafe tile names and failed writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/level_cache.h"
#include "formats/map_directory.h"
#include "support/game_map.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using formats::TileRecord;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

std::string layerText(const std::vector<TileRecord>& tiles) {
    return formats::formatMapText(tiles);
}

std::vector<std::string> entries(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(MapDirectory, GameReadsLayersZeroTo24InOrderAndSkipsMissingOnes) {
    TempDir dir;
    writeFile(dir.file("7/3"), layerText({{"ONLY", 0, 1, 2, 3, 4, 3}}));
    auto map = testing_support::readGameMap(dir.file("7"));
    EXPECT_EQ(map.layerFilesRead, 1);
    ASSERT_EQ(map.tiles.size(), 1u);
    EXPECT_EQ(map.tiles[0].name, "ONLY");

    writeFile(dir.file("7/0"), layerText({{"FIRST", 0, 0, 0, 0, 0, 0}}));
    writeFile(dir.file("7/24"), layerText({{"TOP", 0, 0, 0, 0, 0, 24}}));
    writeFile(dir.file("7/30"), layerText({{"NEVER", 0, 0, 0, 0, 0, 30}}));
    map = testing_support::readGameMap(dir.file("7"));
    ASSERT_EQ(map.tiles.size(), 3u);
    EXPECT_EQ(map.tiles[0].name, "FIRST");
    EXPECT_EQ(map.tiles[1].name, "ONLY");
    EXPECT_EQ(map.tiles[2].name, "TOP");

    EXPECT_TRUE(testing_support::readGameMap(dir.file("missing")).tiles.empty());

    // The builder skips missing layer files the same way.
    TempDir only;
    writeFile(only.file("3"), layerText({{"ONLY", 0, 1, 2, 3, 4, 3}}));
    const auto folder = formats::readBuilderMapFolder(only.path());
    EXPECT_EQ(folder.layerFilesRead, 1);
    EXPECT_EQ(folder.highestLayer, 3);
    ASSERT_EQ(folder.tiles.size(), 1u);
    EXPECT_EQ(folder.tiles[0].name, "ONLY");
}

TEST(MapDirectory, TileCountIsTheFirstLineOrZero) {
    TempDir dir;
    EXPECT_EQ(formats::readTileCount(dir.path()), 0);
    writeFile(dir.file("_"), "599\r\n12\r\n");
    EXPECT_EQ(formats::readTileCount(dir.path()), 599);
}

TEST(MapDirectory, BuilderSavesAndReloadsATileOnLayer30) {
    TempDir dir;
    const std::string folder = dir.path() + "/";
    const std::vector<TileRecord> tiles = {{"LOW", 2, 1.5f, 2.5f, 3, 4, 1},
                                           {"HIGH", 5, 10, 20, 30, 40, 30},
                                           {"LOW", 2, 7, 8, 9, 10, 1}};
    const auto result = formats::saveMapDirectory(
        {.directory = folder, .records = tiles, .highestLayer = 2, .lastElementIndex = 6});
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.layersWritten, 31);  // "0" to "30", the empty ones too
    EXPECT_EQ(readFile(dir.file("0")), "0\r\n0\r\nENGINETILEINFOEND\r\n");
    EXPECT_EQ(readFile(dir.file("_")), "6\r\n");

    const auto back = formats::readBuilderMapFolder(folder);
    EXPECT_EQ(back.layerFilesRead, 31);
    EXPECT_EQ(back.highestLayer, 30);
    ASSERT_EQ(back.tiles.size(), 3u);
    EXPECT_EQ(back.tiles[0].x, 2);  // 1.5 rounds to even
    EXPECT_EQ(back.tiles[1].y, 8);
    EXPECT_EQ(back.tiles[2].name, "HIGH");
    EXPECT_EQ(back.tiles[2].layer, 30);
    EXPECT_EQ(testing_support::readGameMap(folder).tiles.size(), 2u);  // the game stops at 24
}

// A map saved, opened in the builder and saved again is the same map, file for file.
TEST(MapDirectory, SaveReadSaveIsByteStable) {
    TempDir first;
    TempDir second;
    const std::vector<TileRecord> tiles = {{"WALL", 3, 1.5f, -2.5f, 32.4f, 16, 0},
                                           {"DOOR", 1, 100, 200, 64, 64, 2},
                                           {"SKY", 0, 5, 6, 7, 8, 30},
                                           {"WALL", 3, 9, 9, 9, 9, 2}};
    ASSERT_TRUE(
        formats::saveMapDirectory(
            {.directory = first.path(), .records = tiles, .highestLayer = 2, .lastElementIndex = 3})
            .complete());
    const auto opened = formats::readBuilderMapFolder(first.path());
    std::vector<TileRecord> again;
    for (const auto& tile : opened.tiles) {
        again.push_back({tile.name, tile.tileIndex, static_cast<float>(tile.x),
                         static_cast<float>(tile.y), static_cast<float>(tile.width),
                         static_cast<float>(tile.height), tile.layer});
    }
    ASSERT_TRUE(
        formats::saveMapDirectory({.directory = second.path(),
                                   .records = again,
                                   .highestLayer = opened.highestLayer,
                                   .lastElementIndex = formats::readTileCount(first.path())})
            .complete());
    const auto names = entries(first.path());
    ASSERT_EQ(names.size(), 32u);  // "0" to "30" and "_"
    EXPECT_EQ(entries(second.path()), names);
    for (const std::string& name : names) {
        EXPECT_EQ(readFile(second.file(name)), readFile(first.file(name))) << name;
    }
}

TEST(MapDirectory, ARecordNamingAnotherLayerMovesToThatFileOnTheNextSave) {
    TempDir dir;
    writeFile(dir.file("2"),
              "0\r\n0\r\nTILE\r\nMOVER\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n"
              "ENGINETILEINFOEND\r\n");
    const auto read = testing_support::readGameMap(dir.path());
    ASSERT_EQ(read.tiles.size(), 1u);
    EXPECT_EQ(read.tiles[0].layer, 5);
    formats::saveMapDirectory({.directory = dir.path(), .records = read.tiles, .highestLayer = 5});
    EXPECT_EQ(testing_support::readGameMap(dir.path()).tiles.size(), 1u);
    EXPECT_EQ(readFile(dir.file("2")), "0\r\n0\r\nENGINETILEINFOEND\r\n");
    EXPECT_NE(readFile(dir.file("5")).find("MOVER"), std::string::npos);
}

TEST(MapDirectory, SaveNeverWritesLayersNoReaderOpens) {
    TempDir dir;
    const std::vector<TileRecord> tiles = {{"FAR", 0, 0, 0, 1, 1, 2000000000},
                                           {"NEG", 0, 0, 0, 1, 1, -3}};
    const auto result = formats::saveMapDirectory(
        {.directory = dir.path(), .records = tiles, .highestLayer = 2000000000});
    EXPECT_EQ(result.layersWritten, 129);
    EXPECT_TRUE(formats::readBuilderMapFolder(dir.path()).tiles.empty());
}

TEST(MapDirectory, PictureAndDnaCopiesGoIntoAnExistingDataFolderOnly) {
    TempDir gfx;
    writeFile(gfx.file("WALL.png"), "picture");
    writeFile(gfx.file("WALL.dll"), "hp\r\n5\r\n");
    writeFile(gfx.file("ODD.png"), "no dna");
    const std::vector<TileRecord> tiles = {{"WALL", 0, 0, 0, 1, 1, 0},
                                           {"WALL", 0, 5, 0, 1, 1, 0},
                                           {"ODD", 1, 0, 0, 1, 1, 0},
                                           {"GONE", 2, 0, 0, 1, 1, 0}};
    const std::string gfxDir = gfx.path() + "\\";

    TempDir without;
    auto result = formats::saveMapDirectory({.directory = without.path(),
                                             .records = tiles,
                                             .graphicsDirectory = gfxDir,
                                             .pictureExtension = ".png"});
    EXPECT_EQ(result.filesCopied, 0);
    EXPECT_FALSE(fs::exists(without.file("_DATA")));

    TempDir with;
    fs::create_directories(with.file("_DATA/2DGFX"));
    result = formats::saveMapDirectory({.directory = with.path() + "\\",
                                        .records = tiles,
                                        .graphicsDirectory = gfxDir,
                                        .pictureExtension = ".png"});
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.filesCopied, 3);
    EXPECT_EQ(result.copiesFailed, 3);  // ODD.dll, GONE.png, GONE.dll
    EXPECT_EQ(readFile(with.file("_DATA/2DGFX/WALL.dll")), "hp\r\n5\r\n");
    EXPECT_EQ(entries(with.file("_DATA/2DGFX")),
              (std::vector<std::string>{"ODD.png", "WALL.dll", "WALL.png"}));
}

TEST(MapDirectory, UnsafeTileNamesNeverBecomePathsOfWrittenFiles) {
    TempDir root;
    fs::create_directories(root.file("gfx"));
    fs::create_directories(root.file("map/_DATA/2DGFX"));
    // Sources that a careless copy would pick up, and the targets it would write.
    writeFile(root.file("x.png"), "outside");
    writeFile(root.file("x.dll"), "outside");
    const std::vector<TileRecord> tiles = {{"..\\..\\x", 0, 0, 0, 1, 1, 0},
                                           {"../../x", 0, 0, 0, 1, 1, 0},
                                           {"a\tb", 0, 0, 0, 1, 1, 0},
                                           {"..", 0, 0, 0, 1, 1, 0}};
    const auto before = entries(root.path());
    const auto result = formats::saveMapDirectory({.directory = root.file("map") + "\\",
                                                   .records = tiles,
                                                   .lastElementIndex = 3,
                                                   .graphicsDirectory = root.file("gfx") + "\\",
                                                   .pictureExtension = ".png"});
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.unsafeNames.size(), 4u);
    EXPECT_EQ(result.filesCopied, 0);
    EXPECT_EQ(entries(root.path()), before);
    EXPECT_TRUE(entries(root.file("map/_DATA/2DGFX")).empty());
    EXPECT_EQ(entries(root.file("map")), (std::vector<std::string>{"0", "_", "_DATA"}));
    // The records themselves are kept: a name is only text inside the layer file.
    EXPECT_EQ(testing_support::readGameMap(root.file("map")).tiles.size(), 4u);
}

TEST(MapDirectory, ALayerThatCannotBeWrittenIsReportedAndTheRestIsWritten) {
    TempDir dir;
    fs::create_directories(dir.file("1"));  // a directory where layer file 1 belongs
    const std::vector<TileRecord> tiles = {{"A", 0, 0, 0, 1, 1, 0}, {"B", 0, 0, 0, 1, 1, 2}};
    const auto result = formats::saveMapDirectory(
        {.directory = dir.path(), .records = tiles, .highestLayer = 2, .lastElementIndex = 1});
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.layersFailed, 1);
    EXPECT_EQ(result.layersWritten, 2);
    EXPECT_TRUE(result.tileCountWritten);
    EXPECT_EQ(testing_support::readGameMap(dir.path()).tiles.size(), 2u);
}

TEST(MapDirectory, AFailedLayerWriteKeepsTheOldFileAndIsReported) {
    {
        // A folder where layer file 1 belongs cannot be replaced, whoever runs the save.
        TempDir dir;
        writeFile(dir.file("0"), "old layer");
        fs::create_directories(dir.file("1/kept"));
        const std::vector<TileRecord> tiles = {{"T", 0, 0, 0, 1, 1, 0}, {"U", 0, 0, 0, 1, 1, 1}};
        const auto result = formats::saveMapDirectory(
            {.directory = dir.path(), .records = tiles, .lastElementIndex = 1});
        EXPECT_FALSE(result.complete());
        EXPECT_EQ(result.layersWritten, 1);
        EXPECT_EQ(result.layersFailed, 1);
        ASSERT_EQ(result.filesFailed.size(), 1u);
        EXPECT_TRUE(result.filesFailed[0].ends_with("1")) << result.filesFailed[0];
        EXPECT_TRUE(fs::is_directory(dir.file("1/kept")));
        EXPECT_NE(readFile(dir.file("0")), "old layer");
    }
    if (geteuid() == 0) return;  // permissions do not bind the superuser
    TempDir dir;
    writeFile(dir.file("0"), "old layer");
    writeFile(dir.file("_"), "old count");
    chmod(dir.path().c_str(), 0500);
    const std::vector<TileRecord> tiles = {{"T", 0, 0, 0, 1, 1, 0}};
    const auto result = formats::saveMapDirectory(
        {.directory = dir.path(), .records = tiles, .lastElementIndex = 0});
    chmod(dir.path().c_str(), 0700);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.layersFailed, 1);
    EXPECT_FALSE(result.tileCountWritten);
    EXPECT_EQ(readFile(dir.file("0")), "old layer");
    EXPECT_EQ(readFile(dir.file("_")), "old count");
}

TEST(LevelCache, WritesAll25LayersAndReadsBackByteStable) {
    TempDir cache;
    const std::string cacheDir = cache.path() + "\\";
    const std::vector<TileRecord> objects = {{"PLAYER", 0, 160.4f, 320.5f, 53, 40, 3},
                                             {"WALL", 0, 0, 0, 1280, 16, 0},
                                             {"HIGH", 0, 0, 0, 1, 1, 30}};
    ASSERT_TRUE(formats::saveLevelCache(cacheDir, 5, objects));
    std::vector<std::string> expected;
    for (int layer = 0; layer < 25; ++layer)
        expected.push_back(std::to_string(layer));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(cache.file("5")), expected);
    EXPECT_EQ(readFile(cache.file("5/3")),
              "0\r\n0\r\nTILE\r\nPLAYER\r\n0\r\n160\r\n320\r\n53\r\n40\r\n3\r\n"
              "ENGINETILEINFOEND\r\n");

    const auto reread = testing_support::readGameMap(formats::levelCacheDirectory(cacheDir, 5));
    ASSERT_EQ(reread.tiles.size(), 2u);
    const std::string first = readFile(cache.file("5/0")) + readFile(cache.file("5/3"));
    ASSERT_TRUE(formats::saveLevelCache(cacheDir, 5, reread.tiles));
    EXPECT_EQ(readFile(cache.file("5/0")) + readFile(cache.file("5/3")), first);
}

TEST(LevelCache, ContinueFileHoldsTheMapNumberWithoutALineEnd) {
    TempDir cache;
    EXPECT_EQ(formats::readContinueMap(cache.path()), std::nullopt);
    ASSERT_TRUE(formats::writeContinueMap(cache.path() + "\\", 7));
    EXPECT_EQ(readFile(cache.file("_")), "7");
    EXPECT_EQ(formats::readContinueMap(cache.path()), 7);
}

TEST(LevelCache, FailureIsReportedToTheCaller) {
    TempDir dir;
    writeFile(dir.file("blocker"), "a file where the cache directory should be");
    EXPECT_FALSE(formats::saveLevelCache(dir.file("blocker") + "/", 1, {}));
    EXPECT_FALSE(formats::saveLevelCache(dir.file("no/such/base") + "/", 1, {}));
}

}  // namespace
