#include "engine/base/date_text.h"

#include <array>
#include <cstdio>

namespace base {
namespace {

std::string padded(int value, int digits) {
    if (value < 0) value = 0;
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%0*d", digits, value);
    return buffer.data();
}

}  // namespace

std::string formatDate(std::string_view mask, const LocalTime& time) {
    struct Field {
        std::string_view token;
        int value;
        int digits;
    };
    // Longer tokens first so that %yyyy is not read as %yy followed by "yy".
    const std::array<Field, 7> fields = {{
        {"%yyyy", time.year, 4},
        {"%yy", time.year % 100, 2},
        {"%mm", time.month, 2},
        {"%dd", time.day, 2},
        {"%hh", time.hour, 2},
        {"%ii", time.minute, 2},
        {"%ss", time.second, 2},
    }};
    std::string out;
    out.reserve(mask.size() + 8);
    std::size_t i = 0;
    while (i < mask.size()) {
        bool replaced = false;
        if (mask[i] == '%') {
            for (const Field& field : fields) {
                if (mask.substr(i, field.token.size()) == field.token) {
                    out += padded(field.value, field.digits);
                    i += field.token.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += mask[i++];
    }
    return out;
}

}  // namespace base
