#include "engine/core_error.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/program_end.h"

namespace engine {
namespace {

// Keys of the core error text file, by code; entries 10 and 11 have none.
constexpr std::array<std::string_view, 10> kTextKeys = {
    "#ERROR_UNKNOWN",           "#ERROR_INIT_IO",
    "#ERROR_INIT_2D_GFX",       "#ERROR_INIT_3D_GFX",
    "#ERROR_INIT_UI",           "#ERROR_INIT_SOUND",
    "#ERROR_INIT_INIT",         "#ERROR_OPEN_DEVELOPER_WINDOW",
    "#ERROR_OPEN_WORLD_SCREEN", "#ERROR_CREATE_CACHE",
};

constexpr int kUnknownErrorStatus = 255;

}  // namespace

void coreError(std::uint8_t code) {
    const auto& texts = engineSettings.coreErrorTexts;
    const std::string_view text = code < texts.size() ? std::string_view(texts[code]) : "";
    showMessageBox(kCoreErrorCaption, text);
    showMessageBox(kQuitCaption, kQuitText);
    endProgram(code == kErrorUnknown ? kUnknownErrorStatus : code);
}

void readCoreErrorTexts() {
    media::TextFile file =
        media::TextFile::open(engineSettings.systemTextPath, media::OpenMode::ReadOnly);
    if (!file.isOpen()) coreError(kErrorInitInit);
    while (!file.atEnd()) {
        const std::string key = file.readLine();
        std::string text = file.readLine();
        const auto* found = std::find(kTextKeys.begin(), kTextKeys.end(), key);
        if (found != kTextKeys.end()) {
            engineSettings.coreErrorTexts[static_cast<std::size_t>(found - kTextKeys.begin())] =
                std::move(text);
        }
    }
}

}  // namespace engine
