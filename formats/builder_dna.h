// The builder's DNA record of a tile type: the fifty-five keys it reads, each a field named
// like the key with the builder's own stored type, and the valid flag.
//
// Valid flag: reading only ever sets it to 1, which happens when the DNA file cannot be
// opened or when it holds a pair whose key is not a builder key (the trailer every
// builder-written file ends with is such a pair). A type whose flag stays 0 (an empty DNA
// file, or only builder keys) has elements that are neither drawn nor saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/dna_key_table.h"

namespace formats {

struct BuilderDna {
    std::int8_t validFlag = 0;

    // The key fields are the rows of builder_dna_fields.h, which also holds each key's table
    // row; add them there, never here.
#define KEY(type, name, read) type name{};
#include "formats/builder_dna_fields.h"
};

// One per KEY row of the field list.
inline constexpr std::size_t kBuilderDnaKeyCount = 0
#define KEY(...) +1
#include "formats/builder_dna_fields.h"
    ;
// The transparency a type takes when its DNA file cannot be opened.
inline constexpr std::int32_t kMissingDnaTransparency = 255;

std::span<const DnaKeyRule<BuilderDna>> builderDnaKeys();
const DnaKeyRule<BuilderDna>* findBuilderDnaKey(std::string_view key);

// Applies every pair of a DNA file held in memory; a key that is not a builder key sets
// the valid flag.
void applyBuilderDnaText(std::string_view bytes, BuilderDna& dna);
// Reads the DNA file at path into dna. When it cannot be opened: transparency 255, valid
// flag 1, and false.
bool readBuilderDnaFile(std::string_view path, BuilderDna& dna);

}  // namespace formats
