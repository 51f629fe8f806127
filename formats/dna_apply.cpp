#include "formats/dna_apply.h"

#include "engine/media/files.h"
#include "formats/dna_file.h"

namespace formats {

namespace {

using V = DnaValue;
using E = DnaEffect;
using D = TileDna;

// Key, how its value line is read, the field it is stored in, and its load-time effect: one
// row per KEY row of the record's field list, in record order.
constexpr auto kGameDnaKeys = std::to_array<DnaKeyRule<TileDna>>({
#define KEY(type, name, read, effect) {#name, V::read, &D::name, E::effect},
#define COMPANION(type, name)
#include "engine/tile_dna_fields.h"
});
static_assert(kGameDnaKeys.size() == kGameDnaKeyCount);

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
