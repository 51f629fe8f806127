// A small JSON reader for the tests: checks that a document is well formed and lets a
// test look values up. Strings come back as UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace json_probe {

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool flag = false;
    double number = 0.0;
    std::string text;
    std::vector<Value> items;
    std::vector<std::pair<std::string, Value>> members;

    // The member named key, or nullptr.
    const Value* find(std::string_view key) const {
        for (const auto& [name, value] : members) {
            if (name == key) return &value;
        }
        return nullptr;
    }
};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    // The document, or nullopt when it is not well-formed JSON (trailing text included).
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

    static void appendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
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
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                    out.push_back('"');
                    break;
                case '\\':
                    out.push_back('\\');
                    break;
                case '/':
                    out.push_back('/');
                    break;
                case 'b':
                    out.push_back('\b');
                    break;
                case 'f':
                    out.push_back('\f');
                    break;
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case 'u': {
                    if (pos_ + 4 > text_.size()) return std::nullopt;
                    std::uint32_t code = 0;
                    for (int i = 0; i < 4; ++i) {
                        const char h = text_[pos_++];
                        code <<= 4;
                        if (h >= '0' && h <= '9')
                            code |= static_cast<std::uint32_t>(h - '0');
                        else if (h >= 'a' && h <= 'f')
                            code |= static_cast<std::uint32_t>(h - 'a' + 10);
                        else if (h >= 'A' && h <= 'F')
                            code |= static_cast<std::uint32_t>(h - 'A' + 10);
                        else
                            return std::nullopt;
                    }
                    appendUtf8(out, code);
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<Value> parseValue() {
        skipSpace();
        if (pos_ >= text_.size()) return std::nullopt;
        Value value;
        const char c = text_[pos_];
        if (c == '{') {
            ++pos_;
            value.kind = Value::Kind::Object;
            if (take('}')) return value;
            do {
                std::optional<std::string> name = parseString();
                if (!name || !take(':')) return std::nullopt;
                std::optional<Value> member = parseValue();
                if (!member) return std::nullopt;
                value.members.emplace_back(std::move(*name), std::move(*member));
            } while (take(','));
            if (!take('}')) return std::nullopt;
        } else if (c == '[') {
            ++pos_;
            value.kind = Value::Kind::Array;
            if (take(']')) return value;
            do {
                std::optional<Value> item = parseValue();
                if (!item) return std::nullopt;
                value.items.push_back(std::move(*item));
            } while (take(','));
            if (!take(']')) return std::nullopt;
        } else if (c == '"') {
            std::optional<std::string> text = parseString();
            if (!text) return std::nullopt;
            value.kind = Value::Kind::String;
            value.text = std::move(*text);
        } else if (takeWord("true") || takeWord("false")) {
            value.kind = Value::Kind::Bool;
            value.flag = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
        } else if (takeWord("null")) {
            value.kind = Value::Kind::Null;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[pos_]) !=
                                              std::string_view::npos) {
                ++pos_;
            }
            if (start == pos_) return std::nullopt;
            value.kind = Value::Kind::Number;
            value.number = std::stod(std::string(text_.substr(start, pos_ - start)));
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

inline std::optional<Value> parse(std::string_view text) {
    return Parser(text).document();
}

}  // namespace json_probe
