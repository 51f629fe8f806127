// The game's DNA application on arbitrary bytes, starting from a filled record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/dna_apply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::TileDna dna;
    dna.hp = 50;
    formats::DnaApplyEffects effects;
    formats::applyGameDnaText(bytes, dna, effects);
    formats::scaleDnaVelocity(dna, 1.6f, 1.3333334f);
    return 0;
}
