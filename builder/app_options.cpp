#include "builder/app_options.h"

#include <charconv>
#include <string_view>

namespace builder {

namespace {
std::optional<DesktopSize> parseDesktop(std::string_view text) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    DesktopSize size;
    const std::string_view width = text.substr(0, x);
    const std::string_view height = text.substr(x + 1);
    const auto w = std::from_chars(width.data(), width.data() + width.size(), size.width);
    const auto h = std::from_chars(height.data(), height.data() + height.size(), size.height);
    if (w.ec != std::errc() || w.ptr != width.data() + width.size() || h.ec != std::errc() ||
        h.ptr != height.data() + height.size()) {
        return std::nullopt;
    }
    // The sprite screen holds width * height pixels: keep it to sizes a desktop can have.
    if (size.width < 1 || size.height < 1 || size.width > 16384 || size.height > 16384) {
        return std::nullopt;
    }
    return size;
}
}  // namespace

DaraOptions parseDaraOptions(const std::vector<std::string>& arguments) {
    DaraOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= arguments.size()) {
                options.error = argument + " needs a value";
                return;
            }
            target = arguments[++i];
        };
        if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--recover") {
            options.recover = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--desktop") {
            std::string text;
            value(text);
            if (!options.error.empty()) break;
            options.desktop = parseDesktop(text);
            if (!options.desktop) options.error = "--desktop wants WIDTHxHEIGHT, not " + text;
        } else if (argument == "--script") {
            value(options.script);
        } else if (argument == "--message-log") {
            value(options.messageLog);
        } else if (argument == "--dump") {
            value(options.dump);
        } else {
            options.error = "unknown option " + argument;
        }
        if (!options.error.empty()) break;
    }
    return options;
}

std::string daraUsage() {
    return "Usage: DARA [options]\n"
           "The map builder. It reads \\_DATA\\ini.txt below the working directory.\n"
           "\n"
           "  --headless           no windows on screen (Qt's offscreen platform); folder\n"
           "                       browsers and questions are answered by the script, message\n"
           "                       boxes with OK\n"
           "  --desktop WxH        the desktop size (default 1920x1080 headless, otherwise the\n"
           "                       primary screen)\n"
           "  --script FILE        play the commands of FILE as window events\n"
           "  --message-log FILE   append one JSON line per message box (caption, text, buttons)\n"
           "  --dump FILE          write the builder state as JSON at the end\n"
           "  --recover            open the newest undo snapshot (the work of a builder that\n"
           "                       was killed) as the work map\n"
           "  --help               this text\n"
           "\n"
           "Script commands are described in docs/builder.md.\n";
}

}  // namespace builder
