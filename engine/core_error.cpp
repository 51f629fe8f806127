#include "engine/core_error.h"

#include <string>

#include "engine/configuration_pairs.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/program_end.h"

namespace engine {
namespace {

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
        const std::string text = file.readLine();
        applyCoreErrorText(key, text);
    }
}

}  // namespace engine
