#include "game/install_hint.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/configuration.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"

// Set by the install rules; a build without them only knows the program's own place.
#ifndef RZ_INSTALL_BINDIR
#define RZ_INSTALL_BINDIR ""
#endif
#ifndef RZ_INSTALL_DEMODIR
#define RZ_INSTALL_DEMODIR ""
#endif
#ifndef RZ_BIN_TO_DEMODIR
#define RZ_BIN_TO_DEMODIR "../share/rerizuva2/demo"
#endif

namespace game {
namespace {

// The directory of the running program, from /proc; empty when it cannot be read.
std::string programDirectory() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return {};
    const std::string path(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Where the launcher keeps the player's copy of the demo game.
std::string playersCopy() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') return std::string(dataHome) + "/rerizuva2/demo";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "~") + "/.local/share/rerizuva2/demo";
}

}  // namespace

std::string installedDemoDirectory() {
    const std::string beside = programDirectory();
    if (!beside.empty()) {
        const std::string demo = beside + "/" + RZ_BIN_TO_DEMODIR;
        char* resolved = realpath(demo.c_str(), nullptr);
        const std::string found = resolved != nullptr ? resolved : "";
        std::free(resolved);
        if (!found.empty() && media::directoryExists(found + "/CORE")) return found;
    }
    const std::string configured = RZ_INSTALL_DEMODIR;
    if (!configured.empty() && media::directoryExists(configured + "/CORE")) return configured;
    return {};
}

void pointToInstalledDemoWhenNoCore(std::string_view workingDirectory) {
    const std::string ini =
        engine::engineBaseDirectory(workingDirectory) + std::string(engine::kMainConfigName);
    if (media::fileExists(ini)) return;
    const std::string demo = installedDemoDirectory();
    std::string note = "RERIZUVA2: no CORE/ini.crc in " + std::string(workingDirectory) +
                       ": the game starts in a game directory. ";
    if (!demo.empty()) {
        const std::string beside = programDirectory();
        note += "The demo game is installed in " + demo + "; play it with " +
                (beside.empty() ? std::string("rerizuva2-play") : beside + "/rerizuva2-play") +
                ", which plays it in your own copy, " + playersCopy() + ".";
    } else if (std::string_view(RZ_INSTALL_DEMODIR).empty()) {
        note += "The demo game is demo/ in the source tree (scripts/play runs it there).";
    } else {
        note += std::string("'cmake --install' puts the demo game in ") + RZ_INSTALL_DEMODIR +
                " and its launcher in " + RZ_INSTALL_BINDIR + "/rerizuva2-play.";
    }
    std::fprintf(stderr, "%s\n", note.c_str());
}

}  // namespace game
