#include "formats/dna_apply.h"

#include "engine/media/files.h"
#include "formats/dna_file.h"

namespace formats {

namespace {

using V = DnaValue;
using E = DnaEffect;
using D = TileDna;

// Key, how its value line is read, the field it is stored in, and its load-time effect.
constexpr std::array<DnaKeyRule<TileDna>, kGameDnaKeyCount> kGameDnaKeys = {{
    {"worldFTileIsActive", V::Integer, &D::worldFTileIsActive},
    {"worldFTileTransparency", V::Integer, &D::worldFTileTransparency, E::BaseTransparencyCopy},
    {"worldFTileRotate", V::Float, &D::worldFTileRotate},
    {"postEFFECT", V::Text, &D::postEFFECT},
    {"worldFTileNoScroll", V::Integer, &D::worldFTileNoScroll},
    {"worldFTileCollision", V::Integer, &D::worldFTileCollision},
    {"worldFTileTouchTransparency", V::Integer, &D::worldFTileTouchTransparency},
    {"worldFTileTouchMove", V::Integer, &D::worldFTileTouchMove},
    {"worldFTileGoBack", V::Integer, &D::worldFTileGoBack},
    {"worldFTileRandomFollow", V::Integer, &D::worldFTileRandomFollow},
    {"worldFTileTouchRotate", V::Float, &D::worldFTileTouchRotate},
    {"worldFTileLifeTime", V::Integer, &D::worldFTileLifeTime, E::LifetimeSwitch},
    {"worldFTileTimerMS", V::Integer, &D::worldFTileTimerMS},
    {"worldFTileFadeIn", V::Float, &D::worldFTileFadeIn},
    {"worldFTileFadeOut", V::Float, &D::worldFTileFadeOut},
    {"worldFTileIsMirror", V::Integer, &D::worldFTileIsMirror},
    {"worldFTileFadeOutStep", V::Float, &D::worldFTileFadeOutStep},
    {"worldFTileWeaponPower", V::Integer, &D::worldFTileWeaponPower},
    {"worldFTileAILevel", V::Integer, &D::worldFTileAILevel},
    {"noStream", V::Integer, &D::noStream},
    {"worldFTileMirrorAt", V::Text, &D::worldFTileMirrorAt},
    {"worldFTileFlire", V::Integer, &D::worldFTileFlire},
    {"worldFTileRandomMove", V::Integer, &D::worldFTileRandomMove},
    {"worldFTileFadeInStep", V::Float, &D::worldFTileFadeInStep},
    {"worldFTileIsGUI", V::Integer, &D::worldFTileIsGUI},
    {"worldFTileRandomActivateWeapon", V::Integer, &D::worldFTileRandomActivateWeapon},
    {"hp", V::Integer, &D::hp, E::HpMaxCopy},
    {"worldFTileShowHP", V::Integer, &D::worldFTileShowHP},
    {"worldFStretch", V::Integer, &D::worldFStretch},
    {"worldFTileKillOutOfScreen", V::Integer, &D::worldFTileKillOutOfScreen},
    {"worldFTileHideOnStart", V::Integer, &D::worldFTileHideOnStart, E::HideOnStart},
    {"worldFTilePlayerID", V::Integer, &D::worldFTilePlayerID, E::PlayerLife},
    {"worldFTileUseKeyboard", V::Integer, &D::worldFTileUseKeyboard},
    {"worldFTileUseJoyStick", V::Integer, &D::worldFTileUseJoyStick},
    {"worldFTileMoveH", V::Float, &D::worldFTileMoveH},
    {"worldFTileMoveV", V::Float, &D::worldFTileMoveV},
    {"worldFTilePlayerMOVE", V::Integer, &D::worldFTilePlayerMOVE},
    {"worldFTileMove", V::Integer, &D::worldFTileMove},
    {"worldFTileExpansionValueH", V::Float, &D::worldFTileExpansionValueH},
    {"worldFTileExpansionValueV", V::Float, &D::worldFTileExpansionValueV},
    {"worldFTileVELO", V::Float, &D::worldFTileVELO, E::SpeedCopies},
    {"worldFTileTransport", V::Integer, &D::worldFTileTransport},
    {"worldFTileFollow", V::Text, &D::worldFTileFollow},
    {"worldFTileFollowObject", V::Integer, &D::worldFTileFollowObject},
    {"worldFTileIDString", V::Text, &D::worldFTileIDString},
    {"useWeapon", V::Text, &D::useWeapon},
    {"worldFTileRandomRotate", V::Integer, &D::worldFTileRandomRotate, E::RotatingSwitch},
    {"worldFTileSoundFile", V::Text, &D::worldFTileSoundFile},
    {"worldFTileSoundPlayOnAction", V::Integer, &D::worldFTileSoundPlayOnAction},
    {"worldFTileSoundDuration", V::Integer, &D::worldFTileSoundDuration},
    {"worldFTileSoundVolume", V::Integer, &D::worldFTileSoundVolume},
    {"worldFTileSoundType", V::Text, &D::worldFTileSoundType},
    {"worldFTileRandomSound", V::Integer, &D::worldFTileRandomSound},
    {"worldFTileWeight", V::Float, &D::worldFTileWeight},
    {"worldFTile_EFFECT_GFX", V::Text, &D::worldFTile_EFFECT_GFX},
    {"worldFTileUseShadow", V::Text, &D::worldFTileUseShadow, E::ShadowPicture},
    {"worldFTileMaxWeaponUseage", V::Integer, &D::worldFTileMaxWeaponUseage},
    {"animContainer", V::Text, &D::animContainer, E::AnimationContainer},
    {"animTimer", V::Integer, &D::animTimer},
    {"animAutoPlay", V::Integer, &D::animAutoPlay},
    {"worldFTileUseMoveLogic", V::Integer, &D::worldFTileUseMoveLogic},
    {"worldFTileIsEMUMousePointer", V::Integer, &D::worldFTileIsEMUMousePointer},
    {"worldFTileIsHWMousePointer", V::Integer, &D::worldFTileIsHWMousePointer},
    {"worldFTileIsWeapon", V::Integer, &D::worldFTileIsWeapon},
    {"worldFTileinGameLiveTime", V::Integer, &D::worldFTileinGameLiveTime},
    {"worldFTileinGameLiveTimeCounter", V::Integer, &D::worldFTileinGameLiveTimeCounter},
}};

constexpr DnaKeyIndex<TileDna, kGameDnaKeyCount> kGameDnaIndex(kGameDnaKeys);
static_assert(kGameDnaIndex.keysUnique(), "every game DNA key has one row");

void applyEffect(DnaEffect effect, std::string_view value, TileDna& dna, DnaApplyEffects& effects) {
    switch (effect) {
        case E::None:
            break;
        case E::BaseTransparencyCopy:
            dna.baseTransparency = base::parseInteger(value);
            break;
        case E::HpMaxCopy:
            dna.hpMax = dna.hp;
            break;
        case E::LifetimeSwitch:
            dna.lifetimeActive = dna.worldFTileLifeTime > 0 ? 1 : 0;
            break;
        case E::HideOnStart:
            if (dna.worldFTileHideOnStart == 1) dna.worldFTileIsActive = 0;
            if (dna.worldFTileHideOnStart == 2) dna.worldFTileTransparency = 0.0f;
            break;
        case E::PlayerLife:
            if (dna.worldFTilePlayerID != 0) effects.playerLife = dna.hp;
            break;
        case E::SpeedCopies:
            dna.speedX = dna.worldFTileVELO;
            dna.speedY = dna.worldFTileVELO;
            break;
        case E::RotatingSwitch:
            dna.rotating = 1;
            break;
        case E::ShadowPicture:
            if (!value.empty()) effects.shadowPicture.assign(value);
            break;
        case E::AnimationContainer:
            if (!value.empty() && value != kNoAnimationContainer) {
                effects.animContainer.assign(value);
            }
            break;
    }
}

}  // namespace

std::span<const DnaKeyRule<TileDna>> gameDnaKeys() {
    return kGameDnaKeys;
}

const DnaKeyRule<TileDna>* findGameDnaKey(std::string_view key) {
    return kGameDnaIndex.find(key);
}

bool applyGameDnaPair(std::string_view key, std::string_view value, TileDna& dna,
                      DnaApplyEffects& effects) {
    const DnaKeyRule<TileDna>* rule = kGameDnaIndex.find(key);
    if (rule == nullptr) return false;
    storeDnaValue(dna, *rule, value);
    applyEffect(rule->effect, value, dna, effects);
    return true;
}

void applyGameDnaText(std::string_view bytes, TileDna& dna, DnaApplyEffects& effects) {
    forEachDnaPair(bytes, [&](std::string_view key, std::string_view value) {
        applyGameDnaPair(key, value, dna, effects);
    });
}

bool applyGameDnaFile(std::string_view path, TileDna& dna, DnaApplyEffects& effects) {
    const auto bytes = media::readWholeFile(path);
    if (!bytes) return false;
    applyGameDnaText(*bytes, dna, effects);
    return true;
}

void scaleDnaVelocity(TileDna& dna, float xFactor, float yFactor) {
    const float ratio = xFactor / yFactor;
    dna.worldFTileVELO *= ratio;
    dna.speedX *= xFactor;
    dna.speedY *= yFactor;
}

}  // namespace formats
