#include "support/json_reader.h"

#include "engine/base/utf8.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>

namespace testing_support::json {

namespace {

const Value kNull{};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<Value> document() {
        std::optional<Value> value = parseValue();
        skipSpace();
        if (!value || pos_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    bool take(char c) {
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool takeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    // The four hex digits of a \u escape.
    std::optional<std::uint32_t> parseHex4() {
        if (pos_ + 4 > text_.size()) return std::nullopt;
        std::uint32_t code = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + pos_ + 4) return std::nullopt;
        pos_ += 4;
        return code;
    }

    std::optional<std::string> parseString() {
        if (!take('"')) return std::nullopt;
        std::string out;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (pos_ >= text_.size()) return std::nullopt;
            const char escape = text_[pos_++];
            static constexpr std::string_view kEscapes = "\"\\/bfnrt";
            static constexpr std::string_view kMeanings = "\"\\/\b\f\n\r\t";
            if (const std::size_t at = kEscapes.find(escape); at != std::string_view::npos) {
                out.push_back(kMeanings[at]);
            } else if (escape == 'u') {
                const std::optional<std::uint32_t> code = parseHex4();
                if (!code) return std::nullopt;
                base::appendUtf8(out, static_cast<char32_t>(*code));
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    // Members of an object or items of an array, after the opening bracket.
    template <typename AddOne>
    bool parseList(char close, AddOne addOne) {
        if (take(close)) return true;
        do {
            if (!addOne()) return false;
        } while (take(','));
        return take(close);
    }

    std::optional<Value> parseValue() {
        skipSpace();
        if (pos_ >= text_.size()) return std::nullopt;
        Value value;
        const char c = text_[pos_];
        if (c == '{') {
            ++pos_;
            value.kind = Value::Kind::Object;
            const bool ok = parseList('}', [&] {
                std::optional<std::string> name = parseString();
                if (!name || !take(':')) return false;
                std::optional<Value> memberValue = parseValue();
                if (!memberValue) return false;
                value.members.emplace_back(std::move(*name), std::move(*memberValue));
                return true;
            });
            if (!ok) return std::nullopt;
        } else if (c == '[') {
            ++pos_;
            value.kind = Value::Kind::Array;
            const bool ok = parseList(']', [&] {
                std::optional<Value> item = parseValue();
                if (!item) return false;
                value.items.push_back(std::move(*item));
                return true;
            });
            if (!ok) return std::nullopt;
        } else if (c == '"') {
            std::optional<std::string> text = parseString();
            if (!text) return std::nullopt;
            value.kind = Value::Kind::String;
            value.text = std::move(*text);
        } else if (takeWord("true")) {
            value.kind = Value::Kind::Bool;
            value.boolean = true;
        } else if (takeWord("false")) {
            value.kind = Value::Kind::Bool;
        } else if (takeWord("null")) {
            value.kind = Value::Kind::Null;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[pos_]) !=
                                              std::string_view::npos) {
                ++pos_;
            }
            const char* first = text_.data() + start;
            const char* last = text_.data() + pos_;
            const auto [end, error] = std::from_chars(first, last, value.number);
            if (start == pos_ || error != std::errc() || end != last) return std::nullopt;
            value.kind = Value::Kind::Number;
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

const Value* Value::find(std::string_view key) const {
    for (const auto& [name, value] : members) {
        if (name == key) return &value;
    }
    return nullptr;
}

const Value& Value::operator[](std::string_view key) const {
    const Value* found = find(key);
    return found != nullptr ? *found : kNull;
}

const Value& Value::operator[](std::size_t index) const {
    return index < items.size() ? items[index] : kNull;
}

std::optional<Value> parse(std::string_view text) {
    return Parser(text).document();
}

Value parseOrNull(std::string_view text) {
    return parse(text).value_or(Value{});
}

const Value& member(const Value& object, std::string_view key) {
    const Value* found = object.find(key);
    if (found == nullptr) {
        ADD_FAILURE() << "missing member " << key;
        return kNull;
    }
    return *found;
}

}  // namespace testing_support::json
