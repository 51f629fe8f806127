#include "engine/base/text_values.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>

namespace base {

std::int32_t parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;  // unsigned arithmetic wraps without undefined behaviour
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::optional<SizeValue> parseSizeText(std::string_view text, int maxSide) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = parseStrictInteger(text.substr(0, x), 1, maxSide);
    const auto height = parseStrictInteger(text.substr(x + 1), 1, maxSide);
    if (!width || !height) return std::nullopt;
    return SizeValue{*width, *height};
}

namespace {

// Decimal conversion must not follow the user's locale (a GUI toolkit may set one whose
// decimal mark is a comma): the files are the same on every machine.
locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

float parseFloat(std::string_view text) {
    // strtof needs a terminated string; lines may come straight from a large buffer, so
    // copy only a bounded prefix (no decimal number in these files is longer).
    char buffer[128];
    const std::size_t n = text.size() < sizeof(buffer) - 1 ? text.size() : sizeof(buffer) - 1;
    for (std::size_t i = 0; i < n; ++i)
        buffer[i] = text[i];
    buffer[n] = '\0';
    // Only plain decimal numbers: no hexadecimal floats, no "inf" or "nan" words.
    std::size_t i = 0;
    while (buffer[i] == ' ' || buffer[i] == '\t')
        ++i;
    if (buffer[i] == '+' || buffer[i] == '-') ++i;
    if (!isDigit(buffer[i]) && !(buffer[i] == '.' && isDigit(buffer[i + 1]))) return 0.0f;
    if (buffer[i] == '0' && (buffer[i + 1] == 'x' || buffer[i + 1] == 'X')) return 0.0f;
    char* end = nullptr;
    const float value = strtof_l(buffer, &end, classicLocale());
    if (end == buffer) return 0.0f;
    return value;
}

std::int32_t roundToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(std::nearbyint(value));  // default mode: ties to even
}

}  // namespace base
