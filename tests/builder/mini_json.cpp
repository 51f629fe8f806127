#include "mini_json.h"

#include <cstdlib>

namespace builder_tests {

namespace {

const Json kNull{};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool parse(Json& out) {
        if (!value(out)) return false;
        skipBlanks();
        return position_ == text_.size();
    }

  private:
    void skipBlanks() {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\n' ||
                                            text_[position_] == '\r' || text_[position_] == '\t')) {
            ++position_;
        }
    }

    bool literal(std::string_view word) {
        if (text_.substr(position_, word.size()) != word) return false;
        position_ += word.size();
        return true;
    }

    bool string(std::string& out) {
        if (position_ >= text_.size() || text_[position_] != '"') return false;
        ++position_;
        while (position_ < text_.size() && text_[position_] != '"') {
            char c = text_[position_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (position_ >= text_.size()) return false;
            c = text_[position_++];
            switch (c) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (position_ + 4 > text_.size()) return false;
                    const long code =
                        std::strtol(std::string(text_.substr(position_, 4)).c_str(), nullptr, 16);
                    position_ += 4;
                    out += static_cast<char>(code & 0xFF);  // single-byte texts only
                    break;
                }
                default:
                    out += c;
                    break;
            }
        }
        if (position_ >= text_.size()) return false;
        ++position_;
        return true;
    }

    bool value(Json& out) {
        skipBlanks();
        if (position_ >= text_.size()) return false;
        const char c = text_[position_];
        if (c == '{') {
            out.type = Json::Type::Object;
            ++position_;
            skipBlanks();
            if (position_ < text_.size() && text_[position_] == '}') {
                ++position_;
                return true;
            }
            for (;;) {
                skipBlanks();
                std::string key;
                if (!string(key)) return false;
                skipBlanks();
                if (!literal(":")) return false;
                Json member;
                if (!value(member)) return false;
                out.members[key] = std::move(member);
                skipBlanks();
                if (literal(",")) continue;
                return literal("}");
            }
        }
        if (c == '[') {
            out.type = Json::Type::Array;
            ++position_;
            skipBlanks();
            if (position_ < text_.size() && text_[position_] == ']') {
                ++position_;
                return true;
            }
            for (;;) {
                Json item;
                if (!value(item)) return false;
                out.items.push_back(std::move(item));
                skipBlanks();
                if (literal(",")) continue;
                return literal("]");
            }
        }
        if (c == '"') {
            out.type = Json::Type::String;
            return string(out.text);
        }
        if (literal("true")) {
            out.type = Json::Type::Bool;
            out.boolean = true;
            return true;
        }
        if (literal("false")) {
            out.type = Json::Type::Bool;
            return true;
        }
        if (literal("null")) return true;
        const std::string rest(text_.substr(position_, 64));
        char* end = nullptr;
        out.number = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) return false;
        out.type = Json::Type::Number;
        position_ += static_cast<std::size_t>(end - rest.c_str());
        return true;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace

const Json& Json::operator[](std::string_view key) const {
    const auto it = members.find(key);
    return it == members.end() ? kNull : it->second;
}

const Json& Json::operator[](std::size_t index) const {
    return index < items.size() ? items[index] : kNull;
}

Json parseJson(std::string_view text, bool* ok) {
    Json out;
    const bool parsed = Parser(text).parse(out);
    if (ok != nullptr) *ok = parsed;
    return parsed ? out : Json{};
}

}  // namespace builder_tests
