// A small streaming JSON writer for the state dumps and the message log. Output is
// deterministic: keys in the order written, floats in their shortest exact form.
// Texts are single-byte: bytes 0x80-0xFF are written as the code points U+0080-U+00FF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace base {

class JsonWriter {
  public:
    // pretty: one member per line with two-space indentation; otherwise one line.
    explicit JsonWriter(bool pretty = true) : pretty_(pretty) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The next value's key (only inside an object).
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(std::int32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::int8_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint8_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(float number);  // NaN and infinities are written as null
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // key(name).value(v) in one call.
    template <class T>
    JsonWriter& member(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    // The text so far (complete once every object and array is closed).
    const std::string& text() const { return out_; }

    // Appends a single-byte text as a JSON string literal (quotes included).
    static void appendQuoted(std::string& out, std::string_view text);

  private:
    void beforeValue();
    void newline();

    struct Level {
        bool isObject = false;
        bool empty = true;
    };
    std::string out_;
    std::vector<Level> stack_;
    bool pretty_ = true;
    bool afterKey_ = false;
};

}  // namespace base
