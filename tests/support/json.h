// JSON for the tests: nlohmann-json. Prefer member() or at() for lookups that may miss: they
// fail the test (at() by an exception) where operator[] on a const value has no member to
// give.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

namespace testing_support::json {

// Members keep their document order: the dump tests check the order fields are written in.
using Value = nlohmann::ordered_json;

// The document, or nullopt when it is not well-formed JSON (trailing text included).
inline std::optional<Value> parse(std::string_view text) {
    Value value = Value::parse(text, nullptr, false);
    if (value.is_discarded()) return std::nullopt;
    return value;
}

// The document, or a null value when it is not well-formed JSON.
inline Value parseOrNull(std::string_view text) {
    std::optional<Value> value = parse(text);
    return value ? std::move(*value) : Value();
}

// The member named key; fails the test (and gives a null value) when it is missing.
inline const Value& member(const Value& object, std::string_view key) {
    static const Value null;
    if (object.is_object()) {
        const auto found = object.find(key);
        if (found != object.end()) return *found;
    }
    ADD_FAILURE() << "no member \"" << key << "\"";
    return null;
}

}  // namespace testing_support::json
