#include "formats/builder_dna.h"

#include "engine/field_table.h"
#include "engine/media/files.h"
#include "formats/dna_file.h"

namespace formats {

namespace {

using V = DnaValue;
using B = BuilderDna;

// Key, how its value line is read, and the field it is stored in: one row per KEY row of
// the record's field list, in record order.
constexpr auto kBuilderDnaKeys = std::to_array<DnaKeyRule<BuilderDna>>({
#define KEY(type, name, read) {#name, V::read, &B::name},
#include "formats/builder_dna_fields.h"
});
static_assert(kBuilderDnaKeys.size() == kBuilderDnaKeyCount);

// The valid flag and the keys: a field declared in BuilderDna beside its list would have no
// key row.
static_assert(engine::hasFieldCount<BuilderDna, 1 + kBuilderDnaKeyCount>,
              "declare the key fields of BuilderDna in builder_dna_fields.h");

constexpr DnaKeyIndex<BuilderDna, kBuilderDnaKeyCount> kBuilderDnaIndex(kBuilderDnaKeys);
static_assert(kBuilderDnaIndex.keysUnique(), "every builder DNA key has one row");

}  // namespace

std::span<const DnaKeyRule<BuilderDna>> builderDnaKeys() {
    return kBuilderDnaKeys;
}

const DnaKeyRule<BuilderDna>* findBuilderDnaKey(std::string_view key) {
    return kBuilderDnaIndex.find(key);
}

void applyBuilderDnaText(std::string_view bytes, BuilderDna& dna) {
    forEachDnaPair(bytes, [&](std::string_view key, std::string_view value) {
        const DnaKeyRule<BuilderDna>* rule = kBuilderDnaIndex.find(key);
        if (rule == nullptr) {
            dna.validFlag = 1;
            return;
        }
        storeDnaValue(dna, *rule, value);
    });
}

bool readBuilderDnaFile(std::string_view path, BuilderDna& dna) {
    const auto bytes = media::readWholeFile(path);
    if (!bytes) {
        dna.worldFTileTransparency = kMissingDnaTransparency;
        dna.validFlag = 1;
        return false;
    }
    applyBuilderDnaText(*bytes, dna);
    return true;
}

}  // namespace formats
