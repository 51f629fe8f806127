// Comparing names (file names, extensions, key names) without regard to letter case.
#pragma once

#include <strings.h>

#include <string_view>

namespace base {

// Both texts whole, letters compared through strncasecmp. A text holding a NUL byte (which
// strncasecmp would stop at) equals only itself.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a.find('\0') != std::string_view::npos) return a == b;
    return strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace base
