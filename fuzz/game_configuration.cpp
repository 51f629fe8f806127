// ini.crc and user.crc on arbitrary bytes: key/value line pairs into the engine settings,
// the same bytes read as either file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/configuration_pairs.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"

namespace {

void readPairs(std::string_view bytes, engine::ConfigFile file) {
    media::LineReader lines(bytes);
    while (!lines.atEnd()) {
        const std::string_view key = lines.next();
        const std::string_view value = lines.next();
        engine::applyConfigurationPair(key, value, file);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    engineSettings = EngineSettings{};
    readPairs(bytes, engine::ConfigFile::Main);
    readPairs(bytes, engine::ConfigFile::User);
    return 0;
}
