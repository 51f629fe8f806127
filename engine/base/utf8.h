// UTF-8 for the places where single-byte game text meets the outside world: window titles,
// message boxes and the JSON of dumps and logs.
#pragma once

#include <string>
#include <string_view>

namespace base {

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates); such text
// is shown as it is, anything else is taken as single-byte text.
bool isValidUtf8(std::string_view text);

// Appends one code point as UTF-8. Code points beyond U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t code);

}  // namespace base
