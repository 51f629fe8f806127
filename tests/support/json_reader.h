// A small JSON reader for the tests: checks that a document is well formed and lets a test
// look values up, by pointer (find) or by index operators that give a Null value for what is
// missing. Strings come back as UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support::json {

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<Value> items;
    std::vector<std::pair<std::string, Value>> members;  // in document order

    // The member named key, or nullptr.
    const Value* find(std::string_view key) const;
    // The member named key, or a Null value.
    const Value& operator[](std::string_view key) const;
    // The array item at index, or a Null value.
    const Value& operator[](std::size_t index) const;
    // Items of an array, members of an object.
    std::size_t size() const { return kind == Kind::Array ? items.size() : members.size(); }
    int asInt() const { return static_cast<int>(number); }
    double asDouble() const { return number; }
    const std::string& asString() const { return text; }
    bool isNull() const { return kind == Kind::Null; }
};

// The document, or nullopt when it is not well-formed JSON (trailing text included).
std::optional<Value> parse(std::string_view text);

// The document, or a Null value when it is not well-formed JSON.
Value parseOrNull(std::string_view text);

// The member named key; fails the test (and gives a Null value) when it is missing.
const Value& member(const Value& object, std::string_view key);

}  // namespace testing_support::json
