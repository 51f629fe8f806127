// Mapping of configured (Windows style) paths to host paths.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media/files.h"

namespace media {

namespace {

bool nameExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

// The entry of directory that equals name without regard to letter case: an exact match
// when there is one, otherwise the first match in name order. Empty when none matches.
std::string findIgnoringCase(const std::string& directory, std::string_view name) {
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) return {};
    std::string best;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view candidate(entry->d_name);
        if (!equalIgnoringCase(candidate, name)) continue;
        if (candidate == name) {
            best = candidate;
            break;
        }
        if (best.empty() || candidate < best) best = candidate;
    }
    closedir(dir);
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
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return ".";
        buffer.resize(buffer.size() * 2);
    }
    std::string directory(buffer.data());
    while (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    return directory;
}

}  // namespace media
