// DNA files: the game's key table and load-time effects, the builder's keys and valid
// flag, the writer's trailer, round trips and the catalogue scan.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/builder_dna.h"
#include "formats/dna_apply.h"
#include "formats/dna_file.h"
#include "formats/tile_catalogue_scan.h"
#include "support/member_text.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using formats::BuilderDna;
using formats::DnaApplyEffects;
using formats::DnaPair;
using formats::TileDna;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

std::string trailer() {
    std::string text;
    for (const auto line : formats::kDnaTrailer)
        text.append(line).append("\r\n");
    return text;
}

TileDna applyGame(std::string_view text, DnaApplyEffects* effectsOut = nullptr, TileDna dna = {}) {
    DnaApplyEffects effects;
    formats::applyGameDnaText(text, dna, effects);
    if (effectsOut != nullptr) *effectsOut = effects;
    return dna;
}

BuilderDna applyBuilder(std::string_view text) {
    BuilderDna dna;
    formats::applyBuilderDnaText(text, dna);
    return dna;
}

// The value each stored type keeps of the line "300.7" read as Integer (300) or as Float
// (300.7, rounded 301): the low byte, the number, the float, the text.
template <class Record>
std::string expectedText(formats::DnaValue read, const formats::DnaField<Record>& field) {
    const bool isFloat = read == formats::DnaValue::Float;
    switch (field.index()) {
        case 0:
            return isFloat ? "45" : "44";  // 8-bit
        case 1:
            return isFloat ? "301" : "300";  // 32-bit
        case 2:
            return isFloat ? "300.7" : "300";  // float
        default:
            return "300.7";  // text
    }
}

// Every key of both tables in table order: how its line is read, the field it is stored in
// (whose type says how), and for the game its effect. Each row is also applied to a fresh
// record and its field must keep what its stored type keeps.
TEST(DnaTables, EveryKeyReadsAndStoresByItsRow) {
    using enum formats::DnaValue;
    using E = formats::DnaEffect;
    struct GameRow {
        std::string_view key;
        formats::DnaValue read;
        formats::DnaField<TileDna> field;
        formats::DnaEffect effect;
    };
    const std::vector<GameRow> game = {
        {"worldFTileIsActive", Integer, &TileDna::worldFTileIsActive, E::None},
        {"worldFTileTransparency", Integer, &TileDna::worldFTileTransparency,
         E::BaseTransparencyCopy},
        {"worldFTileRotate", Float, &TileDna::worldFTileRotate, E::None},
        {"postEFFECT", Text, &TileDna::postEFFECT, E::None},
        {"worldFTileNoScroll", Integer, &TileDna::worldFTileNoScroll, E::None},
        {"worldFTileCollision", Integer, &TileDna::worldFTileCollision, E::None},
        {"worldFTileTouchTransparency", Integer, &TileDna::worldFTileTouchTransparency, E::None},
        {"worldFTileTouchMove", Integer, &TileDna::worldFTileTouchMove, E::None},
        {"worldFTileGoBack", Integer, &TileDna::worldFTileGoBack, E::None},
        {"worldFTileRandomFollow", Integer, &TileDna::worldFTileRandomFollow, E::None},
        {"worldFTileTouchRotate", Float, &TileDna::worldFTileTouchRotate, E::None},
        {"worldFTileLifeTime", Integer, &TileDna::worldFTileLifeTime, E::LifetimeSwitch},
        {"worldFTileTimerMS", Integer, &TileDna::worldFTileTimerMS, E::None},
        {"worldFTileFadeIn", Float, &TileDna::worldFTileFadeIn, E::None},
        {"worldFTileFadeOut", Float, &TileDna::worldFTileFadeOut, E::None},
        {"worldFTileIsMirror", Integer, &TileDna::worldFTileIsMirror, E::None},
        {"worldFTileFadeOutStep", Float, &TileDna::worldFTileFadeOutStep, E::None},
        {"worldFTileWeaponPower", Integer, &TileDna::worldFTileWeaponPower, E::None},
        {"worldFTileAILevel", Integer, &TileDna::worldFTileAILevel, E::None},
        {"noStream", Integer, &TileDna::noStream, E::None},
        {"worldFTileMirrorAt", Text, &TileDna::worldFTileMirrorAt, E::None},
        {"worldFTileFlire", Integer, &TileDna::worldFTileFlire, E::None},
        {"worldFTileRandomMove", Integer, &TileDna::worldFTileRandomMove, E::None},
        {"worldFTileFadeInStep", Float, &TileDna::worldFTileFadeInStep, E::None},
        {"worldFTileIsGUI", Integer, &TileDna::worldFTileIsGUI, E::None},
        {"worldFTileRandomActivateWeapon", Integer, &TileDna::worldFTileRandomActivateWeapon,
         E::None},
        {"hp", Integer, &TileDna::hp, E::HpMaxCopy},
        {"worldFTileShowHP", Integer, &TileDna::worldFTileShowHP, E::None},
        {"worldFStretch", Integer, &TileDna::worldFStretch, E::None},
        {"worldFTileKillOutOfScreen", Integer, &TileDna::worldFTileKillOutOfScreen, E::None},
        {"worldFTileHideOnStart", Integer, &TileDna::worldFTileHideOnStart, E::HideOnStart},
        {"worldFTilePlayerID", Integer, &TileDna::worldFTilePlayerID, E::PlayerLife},
        {"worldFTileUseKeyboard", Integer, &TileDna::worldFTileUseKeyboard, E::None},
        {"worldFTileUseJoyStick", Integer, &TileDna::worldFTileUseJoyStick, E::None},
        {"worldFTileMoveH", Float, &TileDna::worldFTileMoveH, E::None},
        {"worldFTileMoveV", Float, &TileDna::worldFTileMoveV, E::None},
        {"worldFTilePlayerMOVE", Integer, &TileDna::worldFTilePlayerMOVE, E::None},
        {"worldFTileMove", Integer, &TileDna::worldFTileMove, E::None},
        {"worldFTileExpansionValueH", Float, &TileDna::worldFTileExpansionValueH, E::None},
        {"worldFTileExpansionValueV", Float, &TileDna::worldFTileExpansionValueV, E::None},
        {"worldFTileVELO", Float, &TileDna::worldFTileVELO, E::SpeedCopies},
        {"worldFTileTransport", Integer, &TileDna::worldFTileTransport, E::None},
        {"worldFTileFollow", Text, &TileDna::worldFTileFollow, E::None},
        {"worldFTileFollowObject", Integer, &TileDna::worldFTileFollowObject, E::None},
        {"worldFTileIDString", Text, &TileDna::worldFTileIDString, E::None},
        {"useWeapon", Text, &TileDna::useWeapon, E::None},
        {"worldFTileRandomRotate", Integer, &TileDna::worldFTileRandomRotate, E::RotatingSwitch},
        {"worldFTileSoundFile", Text, &TileDna::worldFTileSoundFile, E::None},
        {"worldFTileSoundPlayOnAction", Integer, &TileDna::worldFTileSoundPlayOnAction, E::None},
        {"worldFTileSoundDuration", Integer, &TileDna::worldFTileSoundDuration, E::None},
        {"worldFTileSoundVolume", Integer, &TileDna::worldFTileSoundVolume, E::None},
        {"worldFTileSoundType", Text, &TileDna::worldFTileSoundType, E::None},
        {"worldFTileRandomSound", Integer, &TileDna::worldFTileRandomSound, E::None},
        {"worldFTileWeight", Float, &TileDna::worldFTileWeight, E::None},
        {"worldFTile_EFFECT_GFX", Text, &TileDna::worldFTile_EFFECT_GFX, E::None},
        {"worldFTileUseShadow", Text, &TileDna::worldFTileUseShadow, E::ShadowPicture},
        {"worldFTileMaxWeaponUseage", Integer, &TileDna::worldFTileMaxWeaponUseage, E::None},
        {"animContainer", Text, &TileDna::animContainer, E::AnimationContainer},
        {"animTimer", Integer, &TileDna::animTimer, E::None},
        {"animAutoPlay", Integer, &TileDna::animAutoPlay, E::None},
        {"worldFTileUseMoveLogic", Integer, &TileDna::worldFTileUseMoveLogic, E::None},
        {"worldFTileIsEMUMousePointer", Integer, &TileDna::worldFTileIsEMUMousePointer, E::None},
        {"worldFTileIsHWMousePointer", Integer, &TileDna::worldFTileIsHWMousePointer, E::None},
        {"worldFTileIsWeapon", Integer, &TileDna::worldFTileIsWeapon, E::None},
        {"worldFTileinGameLiveTime", Integer, &TileDna::worldFTileinGameLiveTime, E::None},
        {"worldFTileinGameLiveTimeCounter", Integer, &TileDna::worldFTileinGameLiveTimeCounter,
         E::None},
    };
    const auto gameKeys = formats::gameDnaKeys();
    ASSERT_EQ(gameKeys.size(), game.size());
    ASSERT_EQ(formats::kGameDnaKeyCount, 66u);
    for (std::size_t i = 0; i < game.size(); ++i) {
        const GameRow& row = game[i];
        EXPECT_EQ(gameKeys[i].key, row.key);
        EXPECT_EQ(formats::findGameDnaKey(row.key), &gameKeys[i]) << row.key;
        EXPECT_EQ(gameKeys[i].value, row.read) << row.key;
        EXPECT_TRUE(gameKeys[i].field == row.field) << row.key;
        EXPECT_EQ(gameKeys[i].effect, row.effect) << row.key;
        const TileDna dna = applyGame(std::string(row.key) + "\r\n300.7\r\n");
        EXPECT_EQ(testing_support::memberText(dna, row.field), expectedText(row.read, row.field))
            << row.key;
    }

    struct BuilderRow {
        std::string_view key;
        formats::DnaValue read;
        formats::DnaField<BuilderDna> field;
    };
    const std::vector<BuilderRow> builder = {
        {"worldFTileRotate", Float, &BuilderDna::worldFTileRotate},
        {"worldFTileCollision", Integer, &BuilderDna::worldFTileCollision},
        {"worldFTileFollow", Integer, &BuilderDna::worldFTileFollow},
        {"worldFTileEmitter", Integer, &BuilderDna::worldFTileEmitter},
        {"worldFTileTransparency", Integer, &BuilderDna::worldFTileTransparency},
        {"worldFTileTouchMove", Integer, &BuilderDna::worldFTileTouchMove},
        {"worldFTileGOBACK", Integer, &BuilderDna::worldFTileGOBACK},
        {"worldFTileTouchTransparency", Integer, &BuilderDna::worldFTileTouchTransparency},
        {"worldFTilePlayerID", Integer, &BuilderDna::worldFTilePlayerID},
        {"worldFTileExpansionValue", Float, &BuilderDna::worldFTileExpansionValue},
        {"worldFTileCollisionEmitter", Integer, &BuilderDna::worldFTileCollisionEmitter},
        {"worldFStretch", Integer, &BuilderDna::worldFStretch},
        {"worldFTileMove", Integer, &BuilderDna::worldFTileMove},
        {"worldFTileVELO", Float, &BuilderDna::worldFTileVELO},
        {"worldFTilePlayerMOVE", Integer, &BuilderDna::worldFTilePlayerMOVE},
        {"worldFTilePLINKI", Integer, &BuilderDna::worldFTilePLINKI},
        {"worldFTileGravity", Float, &BuilderDna::worldFTileGravity},
        {"worldFTileScrollH", Float, &BuilderDna::worldFTileScrollH},
        {"worldFTileDynamicScrollH", Float, &BuilderDna::worldFTileDynamicScrollH},
        {"worldFTileCollisionDestroy", Integer, &BuilderDna::worldFTileCollisionDestroy},
        {"worldFTileLaunch", Integer, &BuilderDna::worldFTileLaunch},
        {"worldFTileGlobalGravity", Integer, &BuilderDna::worldFTileGlobalGravity},
        {"worldFTileFollowObject", Integer, &BuilderDna::worldFTileFollowObject},
        {"worldFTileMoveV", Float, &BuilderDna::worldFTileMoveV},
        {"worldFTileMoveH", Float, &BuilderDna::worldFTileMoveH},
        {"worldFTileIsEMUMousePointer", Integer, &BuilderDna::worldFTileIsEMUMousePointer},
        {"worldFTileIsHWMousePointer", Integer, &BuilderDna::worldFTileIsHWMousePointer},
        {"worldFTileTouchRotate", Integer, &BuilderDna::worldFTileTouchRotate},
        {"useLayerScroll", Integer, &BuilderDna::useLayerScroll},
        {"worldGlobalScrollH", Float, &BuilderDna::worldGlobalScrollH},
        {"worldGlobalScrollV", Float, &BuilderDna::worldGlobalScrollV},
        {"worldFTileShadow", Integer, &BuilderDna::worldFTileShadow},
        {"worldFTileTransport", Integer, &BuilderDna::worldFTileTransport},
        {"worldFTileReflection", Integer, &BuilderDna::worldFTileReflection},
        {"worldFTileFlire", Integer, &BuilderDna::worldFTileFlire},
        {"worldFTileID", Text, &BuilderDna::worldFTileID},
        {"hp", Integer, &BuilderDna::hp},
        {"useWeapon", Text, &BuilderDna::useWeapon},
        {"worldFTileShadowOffsetX", Integer, &BuilderDna::worldFTileShadowOffsetX},
        {"worldFTileShadowOffsetY", Integer, &BuilderDna::worldFTileShadowOffsetY},
        {"worldFTileShadowZoom", Integer, &BuilderDna::worldFTileShadowZoom},
        {"worldFTileNoStopOnCollision", Integer, &BuilderDna::worldFTileNoStopOnCollision},
        {"postEFFECT", Text, &BuilderDna::postEFFECT},
        {"worldFTileLoopH", Integer, &BuilderDna::worldFTileLoopH},
        {"worldFTileLoopV", Integer, &BuilderDna::worldFTileLoopV},
        {"worldFTileParableV", Float, &BuilderDna::worldFTileParableV},
        {"worldFTileParableH", Float, &BuilderDna::worldFTileParableH},
        {"worldFTileBounceTopDown", Float, &BuilderDna::worldFTileBounceTopDown},
        {"worldFTileDoCrushH", Float, &BuilderDna::worldFTileDoCrushH},
        {"worldFTileCollisionSize", Float, &BuilderDna::worldFTileCollisionSize},
        {"worldFTileSuperRotate", Float, &BuilderDna::worldFTileSuperRotate},
        {"worldFTileLook", Float, &BuilderDna::worldFTileLook},
        {"worldFTileLookAngle", Float, &BuilderDna::worldFTileLookAngle},
        {"worldFTilePattern", Integer, &BuilderDna::worldFTilePattern},
        {"geneseID", Text, &BuilderDna::geneseID},
    };
    const auto builderKeys = formats::builderDnaKeys();
    ASSERT_EQ(builderKeys.size(), builder.size());
    ASSERT_EQ(formats::kBuilderDnaKeyCount, 55u);
    for (std::size_t i = 0; i < builder.size(); ++i) {
        const BuilderRow& row = builder[i];
        EXPECT_EQ(builderKeys[i].key, row.key);
        EXPECT_EQ(formats::findBuilderDnaKey(row.key), &builderKeys[i]) << row.key;
        EXPECT_EQ(builderKeys[i].value, row.read) << row.key;
        EXPECT_TRUE(builderKeys[i].field == row.field) << row.key;
        const BuilderDna dna = applyBuilder(std::string(row.key) + "\r\n300.7\r\n");
        EXPECT_EQ(testing_support::memberText(dna, row.field), expectedText(row.read, row.field))
            << row.key;
    }
    EXPECT_EQ(formats::findGameDnaKey("worldFTileGOBACK"), nullptr);
    EXPECT_EQ(formats::findBuilderDnaKey("worldFTileGoBack"), nullptr);
}

TEST(GameDna, StoresEachKeyWithItsType) {
    const TileDna dna = applyGame(
        "worldFTileSoundVolume\r\n200\r\n"       // 8-bit: low byte as signed
        "worldFTileIsActive\r\n300\r\n"          // 300 -> 44
        "worldFTileTouchRotate\r\n2.5\r\n"       // float line, 32-bit rounded to even
        "worldFTileWeight\r\n3.5\r\n"            // -> 4
        "worldFTileFlire\r\n7.9\r\n"             // integer line into a float: fraction dropped
        "worldFTileMoveH\r\n-1.25\r\n"           // float
        "worldFTileRotate\r\nabc\r\n"            // not a number: 0
        "useWeapon\r\n  FIRE BALL \r\n"          // text: the whole line
        "worldFTileTimerMS\r\n4294967296\r\n");  // wraps
    EXPECT_EQ(dna.worldFTileSoundVolume, -56);
    EXPECT_EQ(dna.worldFTileIsActive, 44);
    EXPECT_EQ(dna.worldFTileTouchRotate, 2);
    EXPECT_EQ(dna.worldFTileWeight, 4);
    EXPECT_EQ(dna.worldFTileFlire, 7.0f);
    EXPECT_EQ(dna.worldFTileMoveH, -1.25f);
    EXPECT_EQ(dna.worldFTileRotate, 0.0f);
    EXPECT_EQ(dna.useWeapon, "  FIRE BALL ");
    EXPECT_EQ(dna.worldFTileTimerMS, 0);
}

TEST(GameDna, CompanionFieldsFollowTheirKeys) {
    const TileDna dna = applyGame(
        "worldFTileTransparency\r\n200\r\nhp\r\n40\r\nworldFTileVELO\r\n2.5\r\n"
        "worldFTileLifeTime\r\n10\r\nworldFTileRandomRotate\r\n0\r\n");
    EXPECT_EQ(dna.worldFTileTransparency, 200.0f);
    EXPECT_EQ(dna.baseTransparency, 200);
    EXPECT_EQ(dna.hp, 40);
    EXPECT_EQ(dna.hpMax, 40);
    EXPECT_EQ(dna.speedX, 2.5f);
    EXPECT_EQ(dna.speedY, 2.5f);
    EXPECT_EQ(dna.lifetimeActive, 1);
    EXPECT_EQ(dna.rotating, 1);  // any value switches rotation on
    EXPECT_EQ(applyGame("worldFTileLifeTime\r\n-3\r\n").lifetimeActive, 0);
}

TEST(GameDna, HideOnStartActsOnWhatWasReadBefore) {
    EXPECT_EQ(
        applyGame("worldFTileIsActive\r\n1\r\nworldFTileHideOnStart\r\n1\r\n").worldFTileIsActive,
        0);
    EXPECT_EQ(
        applyGame("worldFTileHideOnStart\r\n1\r\nworldFTileIsActive\r\n1\r\n").worldFTileIsActive,
        1);
    const TileDna faded =
        applyGame("worldFTileTransparency\r\n180\r\nworldFTileHideOnStart\r\n2\r\n");
    EXPECT_EQ(faded.worldFTileTransparency, 0.0f);
    EXPECT_EQ(faded.baseTransparency, 180);
}

TEST(GameDna, PlayerLifeTakesTheHitPointsOfThatMoment) {
    TileDna before;
    before.hp = 70;
    DnaApplyEffects effects;
    const TileDna dna = applyGame("worldFTilePlayerID\r\n1\r\nhp\r\n100\r\n", &effects, before);
    ASSERT_TRUE(effects.playerLife.has_value());
    EXPECT_EQ(*effects.playerLife, 70);
    EXPECT_EQ(dna.hp, 100);
    applyGame("hp\r\n100\r\nworldFTilePlayerID\r\n1\r\n", &effects);
    EXPECT_EQ(effects.playerLife, 100);
    applyGame("hp\r\n100\r\nworldFTilePlayerID\r\n0\r\n", &effects);
    EXPECT_FALSE(effects.playerLife.has_value());
}

TEST(GameDna, AnimationContainerAndShadowEffects) {
    DnaApplyEffects effects;
    TileDna dna = applyGame("animContainer\r\nNOPE\r\nworldFTileUseShadow\r\n\r\n", &effects);
    EXPECT_EQ(effects.animContainer, "");
    EXPECT_EQ(effects.shadowPicture, "");
    EXPECT_EQ(dna.animContainer, "NOPE");
    applyGame("animContainer\r\n\r\n", &effects);
    EXPECT_EQ(effects.animContainer, "");
    applyGame(
        "animContainer\r\nWALKER\r\nanimContainer\r\nNOPE\r\nworldFTileUseShadow\r\nSH1\r\n"
        "worldFTileUseShadow\r\n\r\n",
        &effects);
    EXPECT_EQ(effects.animContainer, "WALKER");
    EXPECT_EQ(effects.shadowPicture, "SH1");
}

TEST(GameDna, UnknownAndCaseVariantKeysAreIgnoredAndTheLastValueWins) {
    const TileDna dna = applyGame("HP\r\n5\r\nhp \r\n6\r\nhp\r\n7\r\nhp\r\n8\r\n" + trailer() +
                                  "worldFTileMoveV\r\n");  // odd line count: empty value
    EXPECT_EQ(dna.hp, 8);
    EXPECT_EQ(dna.worldFTileMoveV, 0.0f);
    const TileDna none = applyGame(trailer());
    EXPECT_EQ(none.hp, 0);
    EXPECT_EQ(none.worldFTileIsActive, 0);
}

TEST(GameDna, AMissingFileChangesNothing) {
    TileDna dna;
    dna.hp = 9;
    DnaApplyEffects effects;
    EXPECT_FALSE(formats::applyGameDnaFile("/no/such/file.dll", dna, effects));
    EXPECT_EQ(dna.hp, 9);
}

TEST(GameDna, VelocityScaling) {
    TileDna dna = applyGame("worldFTileVELO\r\n3\r\n");
    formats::scaleDnaVelocity(dna, 1.0f, 1.0f);
    EXPECT_EQ(dna.worldFTileVELO, 3.0f);
    EXPECT_EQ(dna.speedX, 3.0f);
    formats::scaleDnaVelocity(dna, 2.0f, 1.0f);
    formats::scaleDnaVelocity(dna, 2.0f, 1.0f);  // an unset speed scales again
    EXPECT_EQ(dna.worldFTileVELO, 12.0f);
    EXPECT_EQ(dna.speedX, 12.0f);
    EXPECT_EQ(dna.speedY, 3.0f);
}

TEST(BuilderDna, ValidFlagRules) {
    EXPECT_EQ(applyBuilder("").validFlag, 0);  // an empty file, as the scan creates
    EXPECT_EQ(applyBuilder(trailer()).validFlag, 1);
    std::string builderKeysOnly;
    for (const auto& rule : formats::builderDnaKeys()) {
        builderKeysOnly.append(rule.key).append("\r\n1\r\n");
    }
    EXPECT_EQ(applyBuilder(builderKeysOnly).validFlag, 0);
    EXPECT_EQ(applyBuilder("worldFTileIsActive\r\n1\r\n").validFlag, 1);  // a game-only key
    EXPECT_EQ(applyBuilder("Hp\r\n1\r\n").validFlag, 1);

    BuilderDna missing;
    EXPECT_FALSE(formats::readBuilderDnaFile("/no/such/file.dll", missing));
    EXPECT_EQ(missing.validFlag, 1);
    EXPECT_EQ(missing.worldFTileTransparency, 255);

    // Reading never clears the flag.
    BuilderDna kept;
    kept.validFlag = 1;
    formats::applyBuilderDnaText("hp\r\n3\r\n", kept);
    EXPECT_EQ(kept.validFlag, 1);
}

TEST(BuilderDna, StoresItsOwnTypes) {
    const BuilderDna dna = applyBuilder(
        "worldFTileTouchMove\r\n300\r\nworldFStretch\r\n2.7\r\nworldFTileDoCrushH\r\n200.5\r\n"
        "worldFTileDynamicScrollH\r\n-2.5\r\nworldFTileFollow\r\n12abc\r\ngeneseID\r\nG 1\r\n");
    EXPECT_EQ(dna.worldFTileTouchMove, 44);
    EXPECT_EQ(dna.worldFStretch, 2.0f);
    EXPECT_EQ(dna.worldFTileDoCrushH, -56);  // 200.5 -> 200 (even) -> low byte
    EXPECT_EQ(dna.worldFTileDynamicScrollH, -2);
    EXPECT_EQ(dna.worldFTileFollow, 12);
    EXPECT_EQ(dna.geneseID, "G 1");
}

TEST(DnaFile, WriterSkipsPlaceholdersAndEndsWithTheTrailer) {
    const std::vector<DnaPair> rows = {
        {"hp", "5"}, {"_key_FAIL", "1"}, {"useWeapon", "_val_FAIL"}, {"postEFFECT", ""}};
    const std::string text = formats::formatDnaFile(rows);
    EXPECT_EQ(text, "hp\r\n5\r\npostEFFECT\r\n\r\n" + trailer());
    EXPECT_EQ(formats::kDnaTrailer[3], ";DO NOT CHANGE THIS FILE BY HAND!!!");
    EXPECT_EQ(formats::kDnaTrailer[4], ";YOU MAY ENCOUNTER DATALOSS/MALFUNCTIONS");
    EXPECT_EQ(formats::kDnaTrailer[5],
              ";ALWAYS USE THE DARA-MAP-BUILDER TO CREATE VALID MAP AND DNA DATAS!");
    for (const auto line : formats::kDnaTrailer)
        EXPECT_EQ(line.front(), ';');
    EXPECT_EQ(applyBuilder(text).validFlag, 1);
}

TEST(DnaFile, TileKeysInAnotherOrderThanTheMasterRepeatAndTheMasterDefaultWins) {
    // The DNA window builds its rows from the master, then overwrites them by position
    // with the tile's own pairs.
    const std::vector<DnaPair> master = {{"hp", "10"}, {"useWeapon", "NONE"}, {"noStream", "0"}};
    const std::vector<DnaPair> tile = {{"useWeapon", "GUN"}, {"hp", "99"}};
    std::vector<DnaPair> rows = master;
    for (std::size_t i = 0; i < tile.size(); ++i)
        rows[i] = tile[i];
    const std::string text = formats::formatDnaFile(rows);
    const auto pairs = formats::parseDnaPairs(text);
    ASSERT_EQ(pairs.size(), 3u + 4u);
    EXPECT_EQ(pairs[2], (DnaPair{"noStream", "0"}));
    const TileDna game = applyGame(text);
    EXPECT_EQ(game.hp, 99);
    EXPECT_EQ(game.useWeapon, "GUN");

    // A tile whose own file lists hp after a key the master lists first.
    rows = {{"useWeapon", "GUN"}, {"hp", "10"}, {"useWeapon", "NONE"}};
    EXPECT_EQ(applyGame(formats::formatDnaFile(rows)).useWeapon, "NONE");
}

TEST(DnaFile, WriteReadWriteIsByteStableOnDisk) {
    TempDir dir;
    const std::string path = dir.file("WALL.dll");
    const std::vector<DnaPair> rows = {{"hp", "5"}, {"worldFTileRotate", "1.5"}, {"x", ""}};
    ASSERT_TRUE(formats::writeDnaFile(path, rows));
    const std::string first = readFile(path);
    auto pairs = formats::parseDnaPairs(first);
    // Read back, the trailer comes in as four pairs; the window leaves out lines with ";".
    std::erase_if(pairs, [](const DnaPair& p) {
        return p.key.find(';') != std::string::npos || p.value.find(';') != std::string::npos;
    });
    ASSERT_TRUE(formats::writeDnaFile(path, pairs));
    EXPECT_EQ(readFile(path), first);
}

TEST(DnaFile, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    EXPECT_FALSE(formats::writeDnaFile(dir.file("no/such/dir/X.dll"), {}));
    fs::create_directories(dir.file("X.dll"));  // a directory where the file should be
    EXPECT_FALSE(formats::writeDnaFile(dir.file("X.dll"), {}));
}

TEST(CatalogueScan, CreatesAnEmptyDnaFileForEveryPictureWithoutOne) {
    TempDir gfx;
    writeFile(gfx.file("WALL.png"), "p");
    writeFile(gfx.file("WALL.dll"), "hp\r\n5\r\n");
    writeFile(gfx.file("NEW.png"), "p");
    writeFile(gfx.file("SHOUT.PNG"), "p");
    writeFile(gfx.file("multi.png.bak"), "p");
    writeFile(gfx.file("notes.txt"), "p");
    fs::create_directories(gfx.file("dir.png"));
    // Backslashes are path separators once the name is part of a configured path.
    writeFile(gfx.path() + "/..\\..\\ESCAPE.png", "p");
    writeFile(gfx.path() + "/sub\\INNER.png", "p");
    const auto names = formats::scanTileCatalogue(gfx.path() + "\\", ".png");
    EXPECT_EQ(names, (std::vector<std::string>{"NEW", "SHOUT", "WALL", "multi"}));
    EXPECT_TRUE(fs::exists(gfx.file("NEW.dll")));
    EXPECT_EQ(readFile(gfx.file("NEW.dll")), "");
    EXPECT_EQ(readFile(gfx.file("WALL.dll")), "hp\r\n5\r\n");
    EXPECT_FALSE(fs::exists(fs::path(gfx.path()).parent_path().parent_path() / "ESCAPE.dll"));
    EXPECT_FALSE(fs::exists(gfx.file("sub")));

    BuilderDna fresh;
    EXPECT_TRUE(formats::readBuilderDnaFile(gfx.file("NEW.dll"), fresh));
    EXPECT_EQ(fresh.validFlag, 0);  // neither drawn nor saved until its DNA is saved once

    EXPECT_TRUE(formats::scanTileCatalogue(gfx.path() + "\\", "").empty());
    EXPECT_TRUE(formats::scanTileCatalogue(gfx.file("missing") + "\\", ".png").empty());
}

}  // namespace
