// The file-fault switch, a test aid: chosen file operations fail with a chosen error, so
// black-box tests can drive the real programs through a missing file, a denied open or a
// full disk. Both programs read the rules once at start from RZ_FILE_FAULTS; without it
// nothing is ever injected and every check is one test of an empty list.
//
//   RZ_FILE_FAULTS="write:*CACHE*:ENOSPC,rename:*UNDO_*:EACCES:after=2"
//
// A rule is OPERATION:GLOB:ERRNO[:after=N]; rules are separated by commas. GLOB is matched
// against the whole host path ("*" any run of characters, "/" included; "?" one character);
// the first N matching calls of a rule succeed, every later one fails. Each fault injected
// is named on stderr.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace media {

enum class FileOperation : std::uint8_t { Open, Read, Write, Rename, Mkdir };

struct FileFaultRule {
    FileOperation operation = FileOperation::Open;
    std::string glob;
    int error = 0;            // the errno value the operation fails with
    std::uint64_t after = 0;  // matching calls let through before the first fault
    std::uint64_t calls = 0;  // matching calls so far
};

// The name of the environment variable the programs read.
inline constexpr const char* kFileFaultVariable = "RZ_FILE_FAULTS";

// Parses a rule list; nullopt and a reason in error when any part is malformed. An empty
// text is an empty list.
std::optional<std::vector<FileFaultRule>> parseFileFaultRules(std::string_view text,
                                                              std::string& error);

// Whether the glob matches the whole text.
bool fileFaultGlobMatches(std::string_view glob, std::string_view text);

// Replaces the active rules (tests of the file layer; the programs use the variable).
void setFileFaultRules(std::vector<FileFaultRule> rules);

// Reads RZ_FILE_FAULTS once; false with a reason when it is set but malformed.
bool installFileFaultsFromEnvironment(std::string& error);

// The errno an operation on the host path must fail with, 0 when it goes ahead. Counts the
// call against every rule that matches and names an injected fault on stderr.
int injectedFileFault(FileOperation operation, std::string_view hostPath);

// Faults injected since the start (or since the rules were last set).
std::uint64_t injectedFileFaultCount();

}  // namespace media
