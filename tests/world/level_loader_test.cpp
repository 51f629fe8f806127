#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <type_traits>
#include <variant>

#include "engine/media/files.h"
#include "support/ogg_tone.h"
#include "world/hud_texts.h"
#include "world/level_loader.h"
#include "world/object_dna.h"
#include "world/object_streaming.h"
#include "world/screen_fit.h"
#include "world_fixture.h"

namespace world_test {
namespace {

using testing_support::writeFile;

class LevelLoaderTest : public WorldTest {
  protected:
    void load(std::int32_t map) {
        engineSettings.nextMapId = map;
        world::loadLevel();
    }
};

// ---- Screen fit -------------------------------------------------------------------------

TEST_F(LevelLoaderTest, DesignOf800x600OnA1280x1024ScreenUsesTheBandFactor) {
    setScreen(1280, 1024, 800, 600);
    writeTile("WALL");
    writeLayer(1, 0, {tile("WALL", 100, 50, 33, 20)});
    load(1);

    const EngineSettings& s = engineSettings;
    EXPECT_EQ(s.aspectText, "1.33");
    EXPECT_EQ(s.scalerX, 1.6f);
    EXPECT_EQ(s.scalerY, 800.0f / 600.0f);
    const WorldObject& wall = object(0);
    // In double arithmetic 100 x 1.6 is 160.0000024 and its ceiling 161.
    EXPECT_EQ(std::ceil(100.0 * static_cast<double>(1.6f)), 161.0);
    EXPECT_EQ(wall.posX, 160.0f);
    EXPECT_EQ(wall.homeX, 160.0f);
    EXPECT_EQ(wall.width, 53.0f);
    EXPECT_EQ(wall.posY, 67.0f);  // ceiling(50 x 1.3333334)
    EXPECT_EQ(wall.homeY, 67.0f);
    EXPECT_EQ(wall.height, 27.0f);
    EXPECT_EQ(wall.displayWidth, 53.0f);
    EXPECT_EQ(wall.maxHeight, 27.0f);
    EXPECT_EQ(wall.area, 53 * 27);
}

TEST_F(LevelLoaderTest, SameAspectScalesBothAxesAlike) {
    setScreen(2000, 1200, 1000, 600);
    writeTile("WALL");
    writeLayer(1, 0, {tile("WALL", 10, 20, 30, 40)});
    load(1);
    EXPECT_EQ(engineSettings.aspectText, "");
    EXPECT_EQ(engineSettings.scalerX, 2.0f);
    EXPECT_EQ(engineSettings.scalerY, 2.0f);
    EXPECT_EQ(object(0).posY, 40.0f);
    EXPECT_EQ(object(0).height, 80.0f);
}

TEST(ScreenFitFactors, AnAspectOutsideTheTableSubtractsTheAspectDifference) {
    const world::FitFactors factors = world::screenFitFactors(1280, 1024, 1200, 600);
    EXPECT_EQ(factors.aspectText, "2.00");
    const float band = (1280.0f / 16.0f) * 10.0f;
    EXPECT_EQ(factors.scalerY, band / 600.0f - (1280.0f / 1024.0f - 1200.0f / 600.0f));
    EXPECT_EQ(world::screenFitFactors(1280, 720, 1000, 600).aspectText, "1.67");
    EXPECT_EQ(world::formatAspect(16.0f / 9.0f), "1.78");
}

// ---- Level cache --------------------------------------------------------------------------

class LevelCacheTest : public LevelLoaderTest {
  protected:
    void SetUp() override {
        LevelLoaderTest::SetUp();
        setScreen(1280, 1024, 800, 600);
        writeTile("WALL");
        writeTile("CRATE");
        writeLayer(5, 0, {tile("WALL", 100, 30, 33, 20), tile("CRATE", 200, 60, 33, 20)});
        writeLayer(5, 2, {tile("WALL", 300, 90, 33, 20, 2)});
        writeLayer(6, 0, {tile("CRATE", 0, 0, 10, 10)});
    }
};

TEST_F(LevelCacheTest, ALeftLevelComesBackWithItsSavedStateUnscaled) {
    engineSettings.useCache = 1;
    load(5);
    ASSERT_EQ(engineSettings.objectLast, 2);
    EXPECT_EQ(engineSettings.loadedFromCache, 0);
    object(0).savePointX = 20.0f;  // touched a save point
    object(0).savePointY = 24.0f;
    object(1).posX += 7.0f;  // moved
    object(2).removed = 1;   // used up
    world::saveLevelState(5);
    load(6);
    load(5);

    EXPECT_EQ(engineSettings.loadedFromCache, 1);
    ASSERT_EQ(engineSettings.objectLast, 1);
    EXPECT_EQ(object(0).tileName, "WALL");
    EXPECT_EQ(object(0).posX, 20.0f);
    EXPECT_EQ(object(0).posY, 24.0f);
    EXPECT_EQ(object(0).homeX, 20.0f);
    EXPECT_EQ(object(1).tileName, "CRATE");
    EXPECT_EQ(object(1).posX, 320.0f + 7.0f);
    for (std::int32_t i = 0; i <= 1; ++i) {
        EXPECT_EQ(object(i).width, 53.0f) << i;  // not scaled a second time
        EXPECT_EQ(object(i).height, 27.0f) << i;
        EXPECT_EQ(object(i).displayWidth, 53.0f) << i;
    }
    EXPECT_EQ(engineSettings.scalerX, 1.6f);
    EXPECT_EQ(engineSettings.scalerY, 1024.0f / 600.0f);  // the plain ratio
}

TEST_F(LevelCacheTest, APickedUpObjectStaysGone) {
    engineSettings.useCache = 1;
    load(5);
    object(1).worldFTileIsActive = kObjectGone;  // a coin taken, a card, an opened door
    world::saveLevelState(5);
    load(6);
    load(5);
    ASSERT_EQ(engineSettings.objectLast, 1);
    EXPECT_EQ(object(0).tileName, "WALL");
    EXPECT_EQ(object(1).tileName, "WALL");
}

TEST_F(LevelCacheTest, WithoutUseCacheTheMapIsReadAndFittedAgain) {
    load(5);
    object(1).posX = 5.0f;
    world::saveLevelState(5);
    EXPECT_FALSE(media::directoryExists(dir.file("CACHE/5")));
    load(6);
    load(5);
    EXPECT_EQ(engineSettings.loadedFromCache, 0);
    EXPECT_EQ(object(1).posX, 320.0f);
    EXPECT_EQ(object(1).width, 53.0f);
    EXPECT_EQ(engineSettings.objectLast, 2);

    // A state saved by an earlier run with the cache on is not brought back while it is off.
    writeLayer(5, 0, {tile("CRATE", 7, 7, 9, 9)}, "CACHE");
    load(6);
    load(5);
    EXPECT_EQ(engineSettings.loadedFromCache, 0);
    EXPECT_EQ(engineSettings.objectLast, 2);
    EXPECT_EQ(object(0).tileName, "WALL");
    EXPECT_EQ(object(0).posX, 160.0f);
    EXPECT_EQ(object(1).width, 53.0f);
}

TEST_F(LevelCacheTest, AMissingCacheDirectoryStillLoadsTheMap) {
    engineSettings.cachePath = dir.path() + "/NO_CACHE/";
    load(5);
    EXPECT_EQ(engineSettings.mapMissing, 0);
    EXPECT_EQ(engineSettings.objectLast, 2);
    EXPECT_FALSE(media::directoryExists(dir.file("NO_CACHE/5")));
}

TEST_F(LevelCacheTest, AnEmptyLevelSavesNoPhantomRecord) {
    engineSettings.useCache = 1;
    load(5);
    load(9);  // no such map
    EXPECT_EQ(engineSettings.mapMissing, 1);
    world::saveLevelState(9);
    for (int layer = 0; layer <= 24; ++layer) {
        const std::string text =
            testing_support::readFile(dir.file("CACHE/9/" + std::to_string(layer)));
        EXPECT_EQ(text, "0\r\n0\r\nENGINETILEINFOEND\r\n") << layer;
    }
}

TEST_F(LevelCacheTest, ACacheLayerThatCannotBeWrittenIsCoreError9) {
    engineSettings.useCache = 1;
    load(5);
    writeFile(dir.file("blocked"), "a file where the cache should be");
    engineSettings.cachePath = dir.file("blocked") + "/";
    try {
        world::saveLevelState(5);
        ADD_FAILURE() << "the save went on";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.status, 9);
    }
}

// ---- Objects, lists and the player ---------------------------------------------------------

TEST_F(LevelLoaderTest, ListsAndCountsEndAsLastIndexes) {
    writeTile("WALL", {{"worldFTileCollision", "1"}});
    writeTile("MIRROR", {{"worldFTileIsMirror", "120"}});
    writeTile("SHOT", {{"worldFTileIsWeapon", "1"}, {"worldFTileCollision", "1"}});
    writeLayer(2, 0, {tile("WALL", 0, 0, 8, 8), tile("MIRROR", 8, 0, 8, 8)});
    writeLayer(2, 3, {tile("SHOT", 0, 8, 8, 8, 3), tile("SHOT", 8, 8, 8, 8, 3)});
    load(2);
    const EngineSettings& s = engineSettings;
    EXPECT_EQ(s.objectLast, 3);
    EXPECT_EQ(s.collisionLast, 2);
    EXPECT_EQ(s.collisionList[0], 0);
    EXPECT_EQ(s.collisionList[2], 3);
    EXPECT_EQ(s.weaponLast, 1);
    EXPECT_EQ(s.lastWeapon, 1);
    EXPECT_EQ(s.weaponList[1], 3);
    EXPECT_EQ(s.mirrorCount, 1);
    EXPECT_EQ(s.mirrorList[0], 1);
    EXPECT_EQ(s.mapLineCounter, 4 * 7);
    EXPECT_EQ(object(2).layer, 3);
    ASSERT_GE(worldObjects.size(), 5u);  // a spare follows the last object
    EXPECT_EQ(object(4).tileName, "");
}

TEST_F(LevelLoaderTest, APlayerAsFirstRecordGetsIndexZeroAndItsLifeValue) {
    writeTile("HERO", {{"hp", "57"}, {"worldFTilePlayerID", "1"}});
    writeTile("WALL");
    writeLayer(3, 0, {tile("HERO", 0, 0, 8, 8), tile("WALL", 8, 0, 8, 8)});
    load(3);
    EXPECT_EQ(engineSettings.playerObject, 0);
    EXPECT_EQ(object(0).worldFTilePlayerID, 1);
    EXPECT_EQ(engineSettings.playerStatus[world::kStatusLife].value, 57);
    EXPECT_EQ(engineSettings.playerStatus[world::kStatusLife].text, "@@@@@");
    EXPECT_EQ(engineSettings.playerStatus[world::kStatusLifeBar].text, "&&&&&");
}

TEST_F(LevelLoaderTest, MaxPlayersDecidesWhetherAPlayerTileBecomesThePlayer) {
    writeTile("WALL");
    writeTile("HERO", {{"worldFTilePlayerID", "1"}, {"hp", "30"}});
    writeLayer(3, 0, {tile("WALL", 0, 0, 8, 8), tile("HERO", 8, 0, 8, 8)});
    engineSettings.carriedTotal = 44;
    load(3);
    EXPECT_EQ(engineSettings.playerObject, 1);
    EXPECT_EQ(object(1).carriedTotal, 44);  // the total follows the player into the level

    engineSettings.maxPlayers = 0;
    load(4);
    load(3);
    EXPECT_EQ(engineSettings.playerObject, 0);
    EXPECT_EQ(object(1).worldFTilePlayerID, 0);
    EXPECT_EQ(engineSettings.carriedTotal, 44);
}

TEST_F(LevelLoaderTest, EachTileNameIsPrefetchedOnceAndAMissingPictureKeepsItsEntry) {
    writeTile("WALL");
    writeDna("GHOST", {});  // no picture
    writeLayer(1, 0,
               {tile("WALL", 0, 0, 8, 8), tile("GHOST", 0, 0, 8, 8), tile("WALL", 8, 0, 8, 8),
                tile("GHOST", 8, 0, 8, 8), tile("", 0, 0, 1, 1)});
    load(1);
    const EngineSettings& s = engineSettings;
    ASSERT_EQ(s.pictureCacheCount, 2);
    EXPECT_EQ(s.pictureCache[0].name, "WALL");
    EXPECT_EQ(s.pictureCache[0].loaded, 1);
    EXPECT_TRUE(media::pictureExists(s.pictureCache[0].sprite));
    EXPECT_EQ(s.pictureCache[1].name, "GHOST");
    EXPECT_EQ(s.pictureCache[1].loaded, 0);

    const media::PictureHandle wall = s.pictureCache[0].sprite;
    load(2);  // the unload empties the cache and frees the pictures
    EXPECT_EQ(s.pictureCacheCount, 0);
    EXPECT_FALSE(media::pictureExists(wall));
}

TEST_F(LevelLoaderTest, ThePictureCacheGrowsPastItsFirstSize) {
    std::vector<formats::TileRecord> records;
    for (int i = 0; i < 530; ++i)
        records.push_back(tile("T" + std::to_string(i), 0, 0, 1, 1));
    writeLayer(1, 0, records);
    load(1);
    EXPECT_EQ(engineSettings.pictureCacheCount, 530);
    EXPECT_EQ(engineSettings.pictureCache[529].name, "T529");
    EXPECT_EQ(engineSettings.objectLast, 529);
}

TEST_F(LevelLoaderTest, TheLoadingBarIsDrawnOnlyAboveATotalOf500) {
    writeTile("DOT");
    std::vector<formats::TileRecord> records(600, tile("DOT", 0, 0, 1, 1));
    writeLayer(1, 0, records);
    writeLayer(2, 0, records);
    writeLayer(3, 0, records);
    writeTileCount(1, "599\r\n");
    writeTileCount(3, "500\r\n");
    const auto barPixel = [] {
        const media::Framebuffer& frame = media::compositor().frame();
        return frame.pixels[static_cast<std::size_t>(485 * frame.width + 400)] & 0xFFFFFFu;
    };
    load(2);  // no tile-count file
    EXPECT_EQ(barPixel(), 0u);
    load(3);  // exactly 500
    EXPECT_EQ(barPixel(), 0u);
    load(1);
    EXPECT_EQ(barPixel(), media::rgb(200, 1, 1) & 0xFFFFFFu);
    EXPECT_EQ(engineSettings.loadingTotal, 599);
    EXPECT_NEAR(engineSettings.loadingProgress, 1.0 + 600.0 * 800.0 / 599.0, 0.05);
}

TEST_F(LevelLoaderTest, AMissingMapSetsMapMissingAndLeavesTheLevelEmpty) {
    writeTile("WALL");
    writeLayer(1, 0, {tile("WALL", 0, 0, 8, 8)});
    writeLayer(1, 6, {tile("WALL", 0, 0, 8, 8, 6)});
    load(1);
    EXPECT_EQ(engineSettings.mapLayer, 6);
    load(8);
    EXPECT_EQ(engineSettings.mapMissing, 1);
    EXPECT_EQ(engineSettings.objectLast, 0);
    EXPECT_EQ(engineSettings.actualMapId, 8);
    EXPECT_EQ(object(0).tileName, "");

    // A fault now reports map 8 with no layer read, not the last layer of map 1.
    engineSettings.errorReportPath = dir.file("ERR.TXT");
    base::armFaultGuard(engine::fatalReport);
    base::guardedStep(
        [] { base::raiseFault(base::FaultKind::IndexOutOfRange, base::SourceUnit::IO, 1); });
    const std::string report = testing_support::readFile(dir.file("ERR.TXT"));
    EXPECT_NE(report.find("LAST MAP SEGMENT: " + engineSettings.simCorePath + "8\\0\r\n"),
              std::string::npos)
        << report;

    load(1);
    EXPECT_EQ(engineSettings.mapMissing, 0);
}

// ---- Master DNA, unload and record reuse ---------------------------------------------------

TEST_F(LevelLoaderTest, EveryObjectStartsFromTheMasterDnaWhateverWasLoadedBefore) {
    writeDna("DNA", {{"worldFTileIsActive", "1"}, {"worldFTileTransparency", "255"}});
    writeTile("WALL", {{"worldFTileCollision", "1"}});
    writeTile("SPIN", {{"worldFTileRotate", "0.5"}, {"worldFTileUseShadow", "SHADE"}});
    writePicture(dir.file("FX/SHADE.png"), 8, 8);
    writeLayer(1, 0, {tile("SPIN", 0, 0, 8, 8), tile("SPIN", 0, 0, 8, 8)});
    writeLayer(2, 0,
               {tile("WALL", 0, 0, 8, 8), tile("WALL", 0, 0, 8, 8), tile("WALL", 0, 0, 8, 8)});
    load(1);
    ASSERT_EQ(object(0).hasShadow, 1);
    const media::SpriteHandle shadow = object(0).shadowSprite3D;
    object(1).rotationAngle = 2.0f;
    object(1).liveTimeAccumulator = 9;
    load(2);
    EXPECT_FALSE(media::spriteExists(shadow));
    for (std::int32_t i = 0; i <= 2; ++i) {
        EXPECT_EQ(object(i).worldFTileIsActive, 1) << i;
        EXPECT_EQ(object(i).worldFTileTransparency, 255.0f) << i;
        EXPECT_EQ(object(i).hasShadow, 0) << i;
        EXPECT_EQ(object(i).shadowSprite3D, 0u) << i;
        EXPECT_EQ(object(i).worldFTileRotate, 0.0f) << i;
        EXPECT_EQ(object(i).rotationAngle, 0.0f) << i;
        EXPECT_EQ(object(i).liveTimeAccumulator, 0) << i;
        EXPECT_EQ(object(i).dnaName, "WALL") << i;
        EXPECT_EQ(object(i).savePointX, -1.0f) << i;
    }
}

// ---- Music, MULTITASK, HUD ------------------------------------------------------------------

TEST_F(LevelLoaderTest, MissingLevelMusicWarnsWithTheFirstPathTried) {
    load(12);
    EXPECT_EQ(engineSettings.levelMusic, -1);
    EXPECT_EQ(warningCount(), 1);
    EXPECT_EQ(engineSettings.lastWarning,
              "COULD NOT FIND SOUND:" + engineSettings.soundPath + "#L12.ogg");
}

TEST_F(LevelLoaderTest, LevelMusicFallsBackToOneOfThreeSharedTunes) {
    const std::string tone = testing_support::encodeOggTone(1, 8000, 800);
    for (int n = 3; n <= 5; ++n)
        writeFile(dir.file("SOUND/#L" + std::to_string(n) + ".ogg"), tone);
    load(12);
    EXPECT_NE(engineSettings.levelMusic, -1);
    EXPECT_TRUE(media::soundExists(static_cast<media::SoundHandle>(engineSettings.levelMusic)));
    EXPECT_EQ(warningCount(), 0);

    writeFile(dir.file("SOUND/#L1000.ogg"), tone);
    const auto previous = static_cast<media::SoundHandle>(engineSettings.levelMusic);
    load(1000);
    EXPECT_FALSE(media::soundExists(previous));  // one level music at a time
    EXPECT_TRUE(media::soundExists(static_cast<media::SoundHandle>(engineSettings.levelMusic)));
}

TEST_F(LevelLoaderTest, TheLoadRestoresMultitaskAndRebuildsTheHudTexts) {
    EngineSettings& s = engineSettings;
    s.multitask = 0;
    s.multitaskCopy = 12;
    s.maxFuel = 3;
    s.playerStatus[world::kStatusIdCards].value = 2;
    load(1);
    EXPECT_EQ(s.multitask, 12);
    EXPECT_EQ(s.playerStatus[world::kStatusFuel].value, 3);
    EXPECT_EQ(s.playerStatus[world::kStatusFuel].text, "\"\"\"");
    EXPECT_EQ(s.playerStatus[world::kStatusFuelBar].text, "&&&");
    EXPECT_EQ(s.playerStatus[world::kStatusIdCards].text, "\xD6\xD6");
    EXPECT_EQ(s.loading, 0);
    EXPECT_EQ(s.levelStartTick, media::milliseconds());

    s.playerStatus[world::kStatusIdCards].value = 2000000000;
    world::rebuildHudTexts();
    EXPECT_EQ(s.playerStatus[world::kStatusIdCards].text.size(),
              static_cast<std::size_t>(world::kHudTextLimit));
}

}  // namespace
}  // namespace world_test

namespace world_test {
namespace {

// Every field of an object as text, media handles as "handle"/"none" (their numbers depend
// on what was loaded before) and times left out.
std::string describe(std::int32_t i) {
    const WorldObject& object = worldObjects[static_cast<std::size_t>(i)];
    static const std::set<std::string_view> kHandles = {"sprite3D", "sprite", "shadowSprite",
                                                        "shadowSprite3D", "objectSound"};
    static const std::set<std::string_view> kTimes = {"lastSeenTick", "lifetimeStart",
                                                      "lastFrameTick", "soundStartTick"};
    std::string text;
    for (const WorldObjectField& field : kWorldObjectFields) {
        if (kTimes.count(field.name) != 0) continue;
        std::string value = std::visit(
            [&](auto pointer) {
                const auto& member = object.*pointer;
                if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>) {
                    return member;
                } else {
                    return std::to_string(member);
                }
            },
            field.member);
        if (kHandles.count(field.name) != 0) value = value == "0" ? "none" : "handle";
        text += std::string(field.name) + "=" + value + ";";
    }
    for (const AnimationDirection& direction : kAnimationDirections) {
        const AnimationSet& set = readDirectionSets(i).*direction.set;
        text += std::string(direction.name) + ":" + std::to_string(set.frameCount) + "/" +
                std::to_string(set.currentFrame);
        for (std::size_t f = 0; f < kAnimationFrameSlots; ++f) {
            text += "," + std::to_string(set.frameSprites[f] != 0) +
                    std::to_string(set.frameSprites3D[f] != 0) + ":" +
                    std::to_string(set.frameWidths[f]) + "x" + std::to_string(set.frameHeights[f]);
        }
        text += ";";
    }
    return text;
}

class RecordReuseTest : public LevelLoaderTest {
  protected:
    void writeContent() const {
        writeDna("DNA", {{"worldFTileIsActive", "1"},
                         {"worldFTileTransparency", "200"},
                         {"worldFTileUseShadow", "SHADE"},
                         {"worldFTileVELO", "2"}});
        writePicture(dir.file("FX/SHADE.png"), 4, 4);
        writePicture(dir.file("FX/DARK.png"), 4, 4);
        writeTile("WALL", {{"worldFTileCollision", "1"}, {"hp", "30"}});
        writeTile("SPIN", {{"worldFTileRotate", "0.5"},
                           {"worldFTileUseShadow", "DARK"},
                           {"animContainer", "HERO"},
                           {"worldFTileLifeTime", "4"}});
        writeTile("PLAYER", {{"worldFTilePlayerID", "1"}, {"hp", "90"}});
        writePicture(dir.file("ANIM/HERO/DEFAULT/1.png"), 8, 8);
        writePicture(dir.file("ANIM/HERO/LEFT/1.png"), 8, 8);
        std::vector<formats::TileRecord> big;
        for (int i = 0; i < 12; ++i)
            big.push_back(tile(i % 3 == 0 ? "SPIN" : "WALL", i * 10.0f, 5, 20, 30));
        writeLayer(1, 0, big);
        writeLayer(
            2, 0,
            {tile("WALL", 1, 2, 3, 4), tile("SPIN", 5, 6, 16, 8), tile("PLAYER", 0, 0, 9, 9)});
        writeLayer(2, 4, {tile("WALL", 7, 7, 7, 7, 4), tile("GONE", 1, 1, 1, 1, 4)});
        std::vector<formats::TileRecord> larger;
        for (int i = 0; i < 20; ++i)
            larger.push_back(tile(i % 2 == 0 ? "SPIN" : "PLAYER", i * 3.0f, 1, 10, 10));
        writeLayer(3, 0, larger);
    }
    void load(std::int32_t map) { LevelLoaderTest::load(map); }
    std::vector<std::string> describeLevel() {
        std::vector<std::string> objects;
        for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i)
            objects.push_back(describe(i));
        return objects;
    }
    // Everything an object of a running level may be given.
    void runLevel() {
        for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i) {
            WorldObject& o = object(i);
            o.onScreen = 1;
            world::streamStep(i);
            o.rotationAngle = 1.5f;
            o.liveTimeAccumulator = 3;
            o.followTarget = 2;
            o.linkedObject = 1;
            directionSets(i).defaultSet.currentFrame = 1;
            directionSets(i).upSet.currentFrame = 1;
            o.centerX = 99.0f;
            o.fireState = 2;
        }
    }
};

// Every object the loader made from its tile's prototype holds, field by field, what
// applying the tile's DNA file to it directly gives (the unload's master reset, the fixed
// creation steps, the tile's file), apart from the fields its placement sets afterwards.
TEST_F(RecordReuseTest, APrototypeCopyEqualsApplyingTheDnaDirectly) {
    static const std::set<std::string_view> kPlacement = {
        "posX",         "posY",         "homeX",         "homeY",         "width",
        "height",       "layer",        "hasVelocity",   "movesBothWays", "area",
        "lastSeenTick", "maxWidth",     "maxHeight",     "displayWidth",  "displayHeight",
        "sprite",       "sprite3D",     "hasSprite",     "shadowSprite",  "shadowSprite3D",
        "hasShadow",    "pictureWidth", "pictureHeight", "zoomX",         "zoomY",
        "lifetimeStart"};
    writeContent();
    load(2);
    load(3);  // reused records too
    for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i) {
        const WorldObject& loaded = object(i);
        WorldObject direct;
        direct.streamState = kStreamedOut;
        world::applyDnaToRecord(direct, world::kMasterDnaName, true);
        direct.animFrameCount = 0;
        direct.dnaName.clear();
        direct.savePointX = -1.0f;
        direct.savePointY = -1.0f;
        world::applyDnaToRecord(direct, loaded.tileName, false);
        for (const WorldObjectField& field : kWorldObjectFields) {
            if (kPlacement.count(field.name) != 0) continue;
            std::visit(
                [&](auto pointer) {
                    EXPECT_EQ(loaded.*pointer, direct.*pointer)
                        << "object " << i << " " << loaded.tileName << ": " << field.name;
                },
                field.member);
        }
    }
}

TEST_F(RecordReuseTest, AMapLoadsTheSameWhateverWasLoadedBefore) {
    writeContent();
    load(2);
    const std::vector<std::string> fresh = describeLevel();
    ASSERT_EQ(fresh.size(), 5u);

    for (const std::int32_t before : {1, 3}) {
        load(before);
        runLevel();
        load(2);
        runLevel();
        load(7);  // an empty level between
        load(2);
        const std::vector<std::string> again = describeLevel();
        ASSERT_EQ(again.size(), fresh.size());
        for (std::size_t i = 0; i < fresh.size(); ++i)
            EXPECT_EQ(again[i], fresh[i]) << "object " << i << " after map " << before;
    }
}

}  // namespace
}  // namespace world_test
