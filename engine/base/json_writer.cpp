// The programs keep this writer rather than a JSON library because of the number format: a
// 32-bit float is written in its own shortest form (0.1f as 0.1, where a library widening it
// to double writes 0.10000000149011612), so dumps stay readable and byte-stable; and the game
// builds from the packages a player has (the tests read JSON with nlohmann-json).
#include "engine/base/json_writer.h"

#include "engine/base/utf8.h"

#include <charconv>
#include <cmath>

namespace base {

void JsonWriter::appendQuoted(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out.push_back(kHex[byte >> 4]);
                    out.push_back(kHex[byte & 0xF]);
                } else if (byte >= 0x80) {
                    appendUtf8(out, char32_t{byte});  // U+0080..U+00FF
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

void JsonWriter::newline() {
    if (!pretty_) return;
    out_.push_back('\n');
    out_.append(stack_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (stack_.empty()) return;
    Level& level = stack_.back();
    if (!level.empty) out_.push_back(',');
    level.empty = false;
    newline();
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    out_.push_back('{');
    stack_.push_back(Level{true, true});
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    const bool wasEmpty = stack_.empty() || stack_.back().empty;
    if (!stack_.empty()) stack_.pop_back();
    if (!wasEmpty) newline();
    out_.push_back('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    out_.push_back('[');
    stack_.push_back(Level{false, true});
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    const bool wasEmpty = stack_.empty() || stack_.back().empty;
    if (!stack_.empty()) stack_.pop_back();
    if (!wasEmpty) newline();
    out_.push_back(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    appendQuoted(out_, name);
    out_ += pretty_ ? ": " : ":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    appendQuoted(out_, text);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::uint64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(float number) {
    beforeValue();
    if (!std::isfinite(number)) {
        out_ += "null";
        return *this;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), number);
    out_.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

}  // namespace base
