// Numbers in the line-oriented text files of both programs, and the strict numbers of
// command lines, replays and scripts.
//
// Reading a file's number never fails: a line without a number reads as 0. Integers wrap on
// overflow (deliberately, as two's complement 32-bit), never undefined behaviour. Floats are the C
// library's decimal conversion stored as a 32-bit float. Writing rounds to the nearest
// integer with ties to even.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// Blanks and tabs skipped, an optional sign, decimal digits up to the first other
// character; no digits gives 0. Wraps modulo 2^32.
std::int32_t parseInteger(std::string_view text);

// A strict integer: the whole text is digits of the radix (a leading '-' only where low is
// negative), the value within low..high; anything else is nullopt.
template <typename Integer>
std::optional<Integer> parseStrictInteger(std::string_view text, Integer low, Integer high,
                                          int radix = 10) {
    if (text.empty() || (text.front() == '-' && low >= 0)) return std::nullopt;
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, radix);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

struct SizeValue {
    int width = 0;
    int height = 0;
};

// "WxH" with both sides strict integers in 1..maxSide (a desktop or screen size).
std::optional<SizeValue> parseSizeText(std::string_view text, int maxSide);

// The decimal number at the start of the text (leading white space skipped); 0 when none.
float parseFloat(std::string_view text);

// An integer stored in an 8-bit field keeps its low 8 bits, read as signed (300 -> 44,
// 200 -> -56).
constexpr std::int8_t lowByteSigned(std::int32_t value) {
    return static_cast<std::int8_t>(
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu));
}

// The nearest integer, ties to even (12.5 -> 12, 13.5 -> 14, -0.5 -> 0). Values beyond the
// 32-bit range saturate and NaN gives 0, so hostile input never reaches undefined behaviour.
std::int32_t roundToInt(double value);

}  // namespace base
