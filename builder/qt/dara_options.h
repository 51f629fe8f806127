// The command line of DARA, read with Qt's command-line parser. Both "--script FILE" and
// "--script=FILE" work.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "builder/builder_host.h"

namespace builder {

struct DaraOptions {
    bool headless = false;
    bool help = false;
    bool recover = false;                // --recover: the newest undo snapshot becomes the work map
    std::optional<DesktopSize> desktop;  // --desktop WxH
    std::string script;
    std::string messageLog;
    std::string dump;
    std::string error;  // "" when the command line was understood
};

inline constexpr DesktopSize kHeadlessDesktop{1920, 1080};

DaraOptions parseDaraOptions(const std::vector<std::string>& arguments);
std::string daraUsage();

}  // namespace builder
