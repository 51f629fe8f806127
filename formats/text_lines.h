// Line-oriented text held in memory: the writing rule shared by the map and DNA files (every
// written line ends with CR LF). Reading splits with media::LineReader: CR, LF and CR LF end
// a line; a line read past the end is "".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/media/files.h"

namespace formats {

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
