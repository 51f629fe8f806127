#include "engine/media/sdl/sdl_text.h"

#include "engine/base/utf8.h"

#include <array>

namespace media {
namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes become U+FFFD.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

std::string displayText(std::string_view text) {
    if (base::isValidUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        base::appendUtf8(
            out, (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char32_t{byte});
    }
    return out;
}

}  // namespace media
