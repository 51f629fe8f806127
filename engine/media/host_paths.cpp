// Mapping of configured (Windows style) paths to host paths.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/base/ascii_case.h"
#include "engine/media/files.h"

namespace media {

namespace {

namespace fs = std::filesystem;

// A name that is there, a dangling link included.
bool nameExists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The entry of directory that equals name without regard to letter case: an exact match
// when there is one, otherwise the first match in name order. Empty when none matches.
std::string findIgnoringCase(const std::string& directory, std::string_view name) {
    std::error_code error;
    std::string best;
    for (fs::directory_iterator it(directory.empty() ? "." : directory, error), end;
         !error && it != end; it.increment(error)) {
        std::string candidate = it->path().filename().string();
        if (!base::equalsIgnoringCase(candidate, name)) continue;
        if (candidate == name) return candidate;
        if (best.empty() || candidate < best) best = std::move(candidate);
    }
    return best;
}

// "\" becomes "/" and runs of separators collapse to one.
std::string normaliseSeparators(std::string_view configuredPath) {
    std::string mapped;
    mapped.reserve(configuredPath.size());
    for (char c : configuredPath) {
        if (c == '\\') c = '/';
        if (c == '/' && !mapped.empty() && mapped.back() == '/') continue;
        mapped.push_back(c);
    }
    return mapped;
}

}  // namespace

std::string hostPath(std::string_view configuredPath) {
    std::string mapped = normaliseSeparators(configuredPath);
    if (mapped.empty() || nameExists(mapped)) return mapped;

    // Walk the components; the first one that exists neither as written nor in another
    // letter case ends the search, and the rest is kept as written.
    std::string result = mapped.front() == '/' ? "/" : "";
    bool searching = true;
    std::size_t start = result.size();
    while (start < mapped.size()) {
        std::size_t end = mapped.find('/', start);
        if (end == std::string::npos) end = mapped.size();
        const std::string_view component(mapped.data() + start, end - start);
        std::string resolved(component);
        if (searching && component != "." && component != "..") {
            if (!nameExists(result + resolved)) {
                std::string match = findIgnoringCase(result, component);
                if (match.empty()) {
                    searching = false;
                } else {
                    resolved = std::move(match);
                }
            }
        }
        result += resolved;
        if (end < mapped.size()) result += '/';
        start = end + 1;
    }
    return result;
}

std::string workingDirectory() {
    std::error_code error;
    std::string directory = fs::current_path(error).string();
    if (error || directory.empty()) return ".";
    while (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    return directory;
}

}  // namespace media
