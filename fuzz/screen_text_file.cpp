// A "copyright" or "thank" file on arbitrary bytes: its lines, as drawn, in upper case.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/screen_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& line : engine::screenTextLines(bytes)) {
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
        const std::string upper = engine::upperCaseText(line);
        // One byte for one byte, and upper case stays upper case.
        if (upper.size() != line.size() || engine::upperCaseText(upper) != upper) std::abort();
        total += line.size();
    }
    if (total > size) std::abort();
    return 0;
}
