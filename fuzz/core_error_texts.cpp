// The core error text file named by SYSTEMTEXT on arbitrary bytes: key and text line pairs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/configuration_pairs.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    engineSettings = EngineSettings{};
    media::LineReader lines(bytes);
    while (!lines.atEnd()) {
        const std::string_view key = lines.next();
        engine::applyCoreErrorText(key, lines.next());
    }
    for (const std::string& text : engineSettings.coreErrorTexts) {
        if (text.size() > size || text.find_first_of("\r\n") != std::string::npos) std::abort();
    }
    return 0;
}
