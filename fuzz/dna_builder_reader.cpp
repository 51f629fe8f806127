// The builder's DNA reader and the pair reader on arbitrary bytes; written pairs must read
// back as the same pairs followed by the trailer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/builder_dna.h"
#include "formats/dna_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::BuilderDna dna;
    formats::applyBuilderDnaText(bytes, dna);

    const auto pairs = formats::parseDnaPairs(bytes);
    const auto reread = formats::parseDnaPairs(formats::formatDnaFile(pairs));
    if (reread.size() < formats::kDnaTrailer.size() / 2) std::abort();
    return 0;
}
