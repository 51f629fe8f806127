// The pure rules of the screen texts (upper case, file lines), apart from the drawing, so
// that the file reader can be fuzzed on its own.
#include "engine/media/files.h"
#include "engine/screen_texts.h"

namespace engine {

void upperCaseInPlace(std::string& text) {
    for (char& c : text) {
        const auto code = static_cast<unsigned char>(c);
        if ((code >= 0x61 && code <= 0x7A) || code > 0xDF) c = static_cast<char>(code - 0x20);
    }
}

std::string upperCaseText(std::string_view text) {
    std::string upper(text);
    upperCaseInPlace(upper);
    return upper;
}

std::vector<std::string> screenTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    media::LineReader reader(bytes);
    while (!reader.atEnd())
        lines.emplace_back(reader.next());
    return lines;
}

}  // namespace engine
