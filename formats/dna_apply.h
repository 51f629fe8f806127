// Applying a DNA file to a TileDna, as the game does when it creates an object from a map
// record or resets a reused record with the master file.
//
// Pairs are applied in file order, each by the row of its key in one table: a key that
// occurs twice takes its last value, a key the table does not hold (also one differing
// only in letter case) is ignored. Effects that reach beyond the record (the player's
// life value, the shadow picture, the animation container) come back as DnaApplyEffects
// for the loader to carry out, so this layer stays free of the world and the media.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/dna_key_table.h"
#include "formats/tile_dna.h"

namespace formats {

struct DnaApplyEffects {
    // worldFTilePlayerID was read as not 0: the life value of the player status takes this
    // hp, the object's hit points at that moment (a later "hp" line does not change it).
    std::optional<std::int32_t> playerLife;
    // The last worldFTileUseShadow value that was not empty: load this shadow picture.
    // (Loading a shadow replaces the previous one, so only the last load shows.)
    std::string shadowPicture;
    // The last animContainer value that was neither empty nor "NOPE": the object takes the
    // configured frame count and the container of that name when its directory exists.
    std::string animContainer;
};

inline constexpr std::string_view kNoAnimationContainer = "NOPE";
// One per KEY row of the record's field list.
inline constexpr std::size_t kGameDnaKeyCount = 0
#define KEY(...) +1
#define COMPANION(...)
#include "engine/tile_dna_fields.h"
    ;

// The game's keys, one row each.
std::span<const DnaKeyRule<TileDna>> gameDnaKeys();
const DnaKeyRule<TileDna>* findGameDnaKey(std::string_view key);

// Applies one pair; false when the key is not a game key (nothing changes then).
bool applyGameDnaPair(std::string_view key, std::string_view value, TileDna& dna,
                      DnaApplyEffects& effects);
// Applies every pair of a DNA file held in memory.
void applyGameDnaText(std::string_view bytes, TileDna& dna, DnaApplyEffects& effects);
// Applies the DNA file at path; false when it cannot be opened (dna is left unchanged).
bool applyGameDnaFile(std::string_view path, TileDna& dna, DnaApplyEffects& effects);

// The velocity scaling that follows every application whose file could be opened:
// worldFTileVELO times xFactor / yFactor, speedX times xFactor, speedY times yFactor.
void scaleDnaVelocity(TileDna& dna, float xFactor, float yFactor);

}  // namespace formats
