#include "engine/startup_notes.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/pictures.h"

namespace engine {
namespace {

using S = EngineSettings;

struct ConfiguredDirectory {
    std::string_view key;
    std::string S::*path;
    std::string_view what;
};

constexpr ConfiguredDirectory kDirectories[] = {
    {"GFX", &S::gfxPath, "picture"},
    {"SIMCORE", &S::simCorePath, "map"},
    {"SOUNDPATH", &S::soundPath, "sound"},
};

bool isOggExtension(std::string_view extension) {
    constexpr std::string_view kOgg = ".ogg";
    if (extension.size() != kOgg.size()) return false;
    for (std::size_t i = 0; i < kOgg.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(extension[i])) != kOgg[i]) return false;
    }
    return true;
}

// Where the game looked, as a full path of this system.
std::string whereLooked(std::string_view configuredPath) {
    std::string host = media::hostPath(configuredPath);
    if (!host.empty() && host.front() == '/') return host;
    if (host.rfind("./", 0) == 0) host.erase(0, 2);
    return media::workingDirectory() + "/" + host;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::vector<std::string> startUpProblems() {
    const S& s = engineSettings;
    std::vector<std::string> notes;
    // An unset directory is the game's choice (nothing of that kind is loaded); a set one
    // that is missing is usually a typing slip or the wrong working directory.
    for (const ConfiguredDirectory& directory : kDirectories) {
        const std::string& path = s.*directory.path;
        if (path.empty() || media::directoryExists(path)) continue;
        notes.push_back("RERIZUVA2: the " + std::string(directory.what) + " directory " +
                        std::string(directory.key) + " " + quoted(path) + " does not exist (" +
                        whereLooked(path) + ")");
    }
    if (!s.gfxExtension.empty() &&
        media::formatFromExtension("picture" + s.gfxExtension) == media::PictureFormat::Unknown) {
        notes.push_back("RERIZUVA2: the picture extension GFXCODEC " + quoted(s.gfxExtension) +
                        " is none of .png .jpg .jpeg .tif .tiff");
    }
    const std::pair<std::string_view, const std::string*> soundCodecs[] = {
        {"SOUNDCODEC", &s.soundExtension}, {"MUSICCODEC", &s.musicExtension}};
    for (const auto& [key, extension] : soundCodecs) {
        if (extension->empty() || isOggExtension(*extension)) continue;
        notes.push_back("RERIZUVA2: the sound extension " + std::string(key) + " " +
                        quoted(*extension) + " is not .ogg (sounds are read as Ogg Vorbis)");
    }
    return notes;
}

void noteStartUpProblems() {
    for (const std::string& note : startUpProblems())
        std::fprintf(stderr, "%s\n", note.c_str());
}

}  // namespace engine
