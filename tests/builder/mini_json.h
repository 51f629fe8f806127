// A small JSON reader for the builder's dumps and message logs in tests.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace builder_tests {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json, std::less<>> members;

    // Member lookup; a Null value when missing.
    const Json& operator[](std::string_view key) const;
    const Json& operator[](std::size_t index) const;
    std::size_t size() const { return type == Type::Array ? items.size() : members.size(); }
    int asInt() const { return static_cast<int>(number); }
    double asDouble() const { return number; }
    const std::string& asString() const { return text; }
    bool isNull() const { return type == Type::Null; }
};

// Parses a JSON text; a Null value (and ok false) when it is not valid.
Json parseJson(std::string_view text, bool* ok = nullptr);

}  // namespace builder_tests
