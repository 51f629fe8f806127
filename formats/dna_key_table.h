// The machinery shared by the game's and the builder's DNA key tables: one row per key
// with the key name, how its value line is read, the record field it is stored in (the
// field's type says how it is stored) and, for the game, the load-time effect.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "engine/base/text_values.h"

namespace formats {

// How a value line is read.
enum class DnaValue : std::uint8_t {
    Integer,  // blanks skipped, sign, digits up to the first other character; wraps
    Float,    // decimal conversion to a 32-bit float
    Text,     // the whole line
};

// What the game does with a key beyond storing its value.
enum class DnaEffect : std::uint8_t {
    None,
    BaseTransparencyCopy,  // worldFTileTransparency: baseTransparency takes the whole number
    HpMaxCopy,             // hp: hpMax takes the value too
    LifetimeSwitch,        // worldFTileLifeTime: lifetimeActive = value above 0
    HideOnStart,           // 1: switched off; 2: drawn fully transparent
    PlayerLife,            // worldFTilePlayerID not 0: the life value takes the current hp
    SpeedCopies,           // worldFTileVELO: speedX and speedY take the value
    RotatingSwitch,        // worldFTileRandomRotate: rotating = 1
    ShadowPicture,         // worldFTileUseShadow not empty: that shadow picture is loaded
    AnimationContainer,    // animContainer not empty and not "NOPE": its frames are used
};

// A record field by type: an 8-bit field keeps the low 8 bits of the number, a 32-bit
// field the number (a float value rounded to nearest), a float field the number.
template <class Record>
using DnaField = std::variant<std::int8_t Record::*, std::int32_t Record::*, float Record::*,
                              std::string Record::*>;

template <class Record>
struct DnaKeyRule {
    std::string_view key;
    DnaValue value;
    DnaField<Record> field;
    DnaEffect effect = DnaEffect::None;
};

// Reads the value line as the rule says and stores it in the rule's field.
template <class Record>
void storeDnaValue(Record& record, const DnaKeyRule<Record>& rule, std::string_view text) {
    if (auto* text_field = std::get_if<std::string Record::*>(&rule.field)) {
        (record.*(*text_field)).assign(text);
        return;
    }
    const bool isFloat = rule.value == DnaValue::Float;
    const float floatValue = isFloat ? base::parseFloat(text) : 0.0f;
    const std::int32_t integer = isFloat ? base::roundToInt(floatValue) : base::parseInteger(text);
    if (auto* int8Field = std::get_if<std::int8_t Record::*>(&rule.field)) {
        record.*(*int8Field) = base::lowByteSigned(integer);
    } else if (auto* int32Field = std::get_if<std::int32_t Record::*>(&rule.field)) {
        record.*(*int32Field) = integer;
    } else if (auto* floatField = std::get_if<float Record::*>(&rule.field)) {
        record.*(*floatField) = isFloat ? floatValue : static_cast<float>(integer);
    }
}

// A table's rows ordered by key, built at compile time, for a binary search by name.
template <class Record, std::size_t N>
struct DnaKeyIndex {
    std::array<const DnaKeyRule<Record>*, N> sorted{};

    explicit constexpr DnaKeyIndex(const std::array<DnaKeyRule<Record>, N>& rules) {
        for (std::size_t i = 0; i < N; ++i)
            sorted[i] = &rules[i];
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto* a, const auto* b) { return a->key < b->key; });
    }

    constexpr bool keysUnique() const {
        for (std::size_t i = 1; i < N; ++i) {
            if (sorted[i - 1]->key == sorted[i]->key) return false;
        }
        return true;
    }

    // The rule of exactly this key (case-sensitive, no trimming), or nullptr.
    constexpr const DnaKeyRule<Record>* find(std::string_view key) const {
        const auto it =
            std::lower_bound(sorted.begin(), sorted.end(), key,
                             [](const auto* rule, std::string_view k) { return rule->key < k; });
        return it != sorted.end() && (*it)->key == key ? *it : nullptr;
    }
};

}  // namespace formats
