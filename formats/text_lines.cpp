#include "formats/text_lines.h"

#include <charconv>

#include "engine/base/text_values.h"

namespace formats {

void LineWriter::line(std::string_view text) {
    if (text.find_first_of("\r\n") == std::string_view::npos) {
        text_.append(text);
    } else {
        for (const char c : text) {
            if (c != '\r' && c != '\n') text_.push_back(c);
        }
    }
    text_.append("\r\n");
}

void LineWriter::line(std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof(digits), value);
    text_.append(digits, result.ptr);
    text_.append("\r\n");
}

void LineWriter::lineRounded(float value) {
    line(base::roundToInt(value));
}

}  // namespace formats
