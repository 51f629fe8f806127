// Line-oriented text held in memory: the reading and writing rules shared by the map and
// DNA files. CR, LF and CR LF end a line when reading; a line read past the end is "";
// every written line ends with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace formats {

// Splits a whole-file buffer into lines. The views point into the buffer.
//
// The next CR and the next LF are searched separately with memchr and remembered, so a
// file of CR LF lines, of lone CRs or of lone LFs is walked once: O(size) in every case.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text)
        : text_(text), nextCr_(find('\r', 0)), nextLf_(find('\n', 0)) {}

    bool atEnd() const { return position_ >= text_.size(); }

    std::string_view next() {
        if (atEnd()) return {};
        if (nextCr_ < position_) nextCr_ = find('\r', position_);
        if (nextLf_ < position_) nextLf_ = find('\n', position_);
        const std::size_t end = nextCr_ < nextLf_ ? nextCr_ : nextLf_;
        const std::string_view line = text_.substr(position_, end - position_);
        if (end >= text_.size()) {
            position_ = text_.size();
        } else if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') {
            position_ = end + 2;
        } else {
            position_ = end + 1;
        }
        return line;
    }

  private:
    std::size_t find(char c, std::size_t from) const {
        if (from >= text_.size()) return text_.size();
        const void* hit = std::memchr(text_.data() + from, c, text_.size() - from);
        return hit == nullptr
                   ? text_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t nextCr_;
    std::size_t nextLf_;
};

// Collects lines for a file that is then written in one piece.
class LineWriter {
  public:
    // A CR or LF inside the text would split one value into two lines and shift every
    // later line of the file, so they are left out.
    void line(std::string_view text);
    void line(std::int32_t value);
    // A value held as float, rounded to the nearest integer with ties to even.
    void lineRounded(float value);

    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

}  // namespace formats
