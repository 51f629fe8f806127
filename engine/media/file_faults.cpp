// The file-fault switch: a strictly parsed rule list and the check the file layer makes
// before each open, read, write, rename and directory creation.
#include "engine/media/file_faults.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace media {

namespace {

struct Named {
    std::string_view name;
    int value;
};

constexpr std::array<Named, 5> kOperations = {{{"open", static_cast<int>(FileOperation::Open)},
                                               {"read", static_cast<int>(FileOperation::Read)},
                                               {"write", static_cast<int>(FileOperation::Write)},
                                               {"rename", static_cast<int>(FileOperation::Rename)},
                                               {"mkdir", static_cast<int>(FileOperation::Mkdir)}}};

// The errors a file operation meets in practice.
constexpr std::array<Named, 11> kErrors = {{{"ENOENT", ENOENT},
                                            {"EACCES", EACCES},
                                            {"EPERM", EPERM},
                                            {"ENOSPC", ENOSPC},
                                            {"EDQUOT", EDQUOT},
                                            {"EIO", EIO},
                                            {"EROFS", EROFS},
                                            {"EMFILE", EMFILE},
                                            {"EISDIR", EISDIR},
                                            {"ENOTDIR", ENOTDIR},
                                            {"EEXIST", EEXIST}}};

template <std::size_t N>
std::optional<int> lookUp(const std::array<Named, N>& table, std::string_view name) {
    for (const Named& entry : table)
        if (entry.name == name) return entry.value;
    return std::nullopt;
}

template <std::size_t N>
std::string_view nameOf(const std::array<Named, N>& table, int value) {
    for (const Named& entry : table)
        if (entry.value == value) return entry.name;
    return "?";
}

struct Switch {
    std::vector<FileFaultRule> rules;
    std::uint64_t injected = 0;
};

Switch& faultSwitch() {
    static Switch state;
    return state;
}

// Splits text at every separator; empty parts are kept, so the caller sees them.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// What the text is, the text in double quotes, then what is wrong with it. Built by appending
// only: GCC 12 reports a false -Wrestrict overlap for "literal" + std::string in Release.
std::string quoted(std::string_view what, std::string_view text, std::string_view problem) {
    std::string message(what);
    message += "\"";
    message += text;
    message += "\"";
    message += problem;
    return message;
}

std::optional<FileFaultRule> parseRule(std::string_view text, std::string& error) {
    const std::vector<std::string_view> fields = split(text, ':');
    if (fields.size() < 3 || fields.size() > 4) {
        error = quoted("", text, ": expected OPERATION:GLOB:ERRNO[:after=N]");
        return std::nullopt;
    }
    FileFaultRule rule;
    const std::optional<int> operation = lookUp(kOperations, fields[0]);
    if (!operation) {
        error = quoted("unknown operation ", fields[0], " (open, read, write, rename, mkdir)");
        return std::nullopt;
    }
    rule.operation = static_cast<FileOperation>(*operation);
    if (fields[1].empty()) {
        error = quoted("", text, ": empty glob");
        return std::nullopt;
    }
    rule.glob = std::string(fields[1]);
    const std::optional<int> code = lookUp(kErrors, fields[2]);
    if (!code) {
        error = quoted("unknown error name ", fields[2], "");
        return std::nullopt;
    }
    rule.error = *code;
    if (fields.size() == 4) {
        constexpr std::string_view kAfter = "after=";
        const std::string_view count =
            fields[3].substr(fields[3].starts_with(kAfter) ? kAfter.size() : fields[3].size());
        const char* end = count.data() + count.size();
        // Digits only: from_chars alone would take a sign-less prefix and stop.
        const auto parsed = std::from_chars(count.data(), end, rule.after);
        if (!fields[3].starts_with(kAfter) || count.empty() || parsed.ec != std::errc() ||
            parsed.ptr != end) {
            error = quoted("", fields[3], ": expected after=N");
            return std::nullopt;
        }
    }
    return rule;
}

}  // namespace

std::optional<std::vector<FileFaultRule>> parseFileFaultRules(std::string_view text,
                                                              std::string& error) {
    std::vector<FileFaultRule> rules;
    if (text.empty()) return rules;
    for (std::string_view part : split(text, ',')) {
        std::optional<FileFaultRule> rule = parseRule(part, error);
        if (!rule) return std::nullopt;
        rules.push_back(std::move(*rule));
    }
    return rules;
}

bool fileFaultGlobMatches(std::string_view glob, std::string_view text) {
    // Greedy with one backtrack point: the last "*" seen takes one more character.
    std::size_t g = 0;
    std::size_t t = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (g < glob.size() && glob[g] == '*') {
            star = g++;
            resume = t;
        } else if (g < glob.size() && (glob[g] == '?' || glob[g] == text[t])) {
            ++g;
            ++t;
        } else if (star != std::string_view::npos) {
            g = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == '*')
        ++g;
    return g == glob.size();
}

void setFileFaultRules(std::vector<FileFaultRule> rules) {
    faultSwitch() = Switch{std::move(rules), 0};
}

bool installFileFaultsFromEnvironment(std::string& error) {
    const char* text = std::getenv(kFileFaultVariable);
    if (text == nullptr) return true;
    std::optional<std::vector<FileFaultRule>> rules = parseFileFaultRules(text, error);
    if (!rules) {
        error = std::string(kFileFaultVariable) + ": " + error;
        return false;
    }
    setFileFaultRules(std::move(*rules));
    return true;
}

int injectedFileFault(FileOperation operation, std::string_view hostPath) {
    Switch& state = faultSwitch();
    int error = 0;
    for (FileFaultRule& rule : state.rules) {
        if (rule.operation != operation || !fileFaultGlobMatches(rule.glob, hostPath)) continue;
        rule.calls += 1;
        if (error == 0 && rule.calls > rule.after) error = rule.error;
    }
    if (error != 0) {
        state.injected += 1;
        std::fprintf(stderr, "%s: %s %.*s: %s\n", kFileFaultVariable,
                     std::string(nameOf(kOperations, static_cast<int>(operation))).c_str(),
                     static_cast<int>(hostPath.size()), hostPath.data(),
                     std::string(nameOf(kErrors, error)).c_str());
        errno = error;
    }
    return error;
}

std::uint64_t injectedFileFaultCount() {
    return faultSwitch().injected;
}

}  // namespace media
