// The fatal error report: when handling an event fails, the builder appends a block to
// "USER\ERR!!!!.txt", saves the work map as the crash backup "USER\_LAZARUS" + seconds, tells
// the user where both are and ends.
#pragma once

#include <string>
#include <string_view>

#include "builder/builder_state.h"
#include "builder/source_units.h"

namespace builder {

inline constexpr std::string_view kFatalErrorCaption = "RIVORERAR FATAL ERROR:";
inline constexpr int kExitFatalError = 3;

// The six lines appended for one fault.
std::string fatalErrorBlock(const base::LocalTime& time, std::string_view sourceUnit, int line,
                            std::string_view what);

// Writes the error log block and the crash backup; returns the message to show. Creates
// the USER folder when it is missing; when the backup cannot be written there it goes to
// the log path. The message names only what was really written.
std::string writeFatalErrorReport(Builder& builder, std::string_view sourceUnit, int line,
                                  std::string_view what);

// Writes the report, shows the message and ends the program.
[[noreturn]] void fatalError(Builder& builder, std::string_view sourceUnit, int line,
                             std::string_view what);

}  // namespace builder
