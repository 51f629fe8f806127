// Line-oriented text held in memory: the reading and writing rules shared by the map and
// DNA files. CR, LF and CR LF end a line when reading; a line read past the end is "";
// every written line ends with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace formats {

// Splits a whole-file buffer into lines. The views point into the buffer. Lines in these
// files are short, so a plain byte loop beats a library search call per line; every byte is
// looked at once, whatever the line ends.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }

    std::string_view next() {
        const std::size_t size = text_.size();
        if (position_ >= size) return {};
        std::size_t end = position_;
        while (end < size && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        const std::string_view line = text_.substr(position_, end - position_);
        if (end >= size) {
            position_ = size;
        } else if (text_[end] == '\r' && end + 1 < size && text_[end + 1] == '\n') {
            position_ = end + 2;
        } else {
            position_ = end + 1;
        }
        return line;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
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
