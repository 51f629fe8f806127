// The two append-only reports: warning blocks for missing optional data (written only
// when USEDEBUGLOG is 1) and the fault report, written by the fault guard once per
// main-loop turn. Neither stops the program; a report file that cannot be opened is
// skipped silently.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/media/platform.h"

namespace engine {

inline constexpr std::string_view kContactAddress = "rerizuva-support@example.org";

// Where the reports take the local time and the desktop from; the start-up connects them
// to the media services, tests fix them. Defaults: the C library's local time and an
// unknown desktop (0 x 0, 32 bits). An empty function restores the default.
void setLocalTimeSource(std::function<base::LocalTime()> source);
void setDesktopSource(std::function<media::DesktopInfo()> source);

// "%yyyy,%mm,%dd  TIME:%hh:%ii:%ss", e.g. "2024,03,07  TIME:09:05:01".
std::string dateStamp(const base::LocalTime& time);

// Appends a warning block naming the situation to the WARNINGS file when USEDEBUGLOG is
// exactly 1, and keeps the situation as the last warning.
void warningReport(std::string_view situation);

// Sets errorDetected and appends one fault report block to the ERRORPATH file. The main
// loop arms the fault guard with it, so it runs at most once per turn.
void fatalReport(const base::EngineFault& fault);

}  // namespace engine
