// The codec file on arbitrary bytes: four-line records, then the three extensions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/configuration_pairs.h"
#include "engine/engine_settings.h"
#include "engine/media/config_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<media::ConfigRecord> records = media::parseConfigRecords(bytes);
    std::size_t total = 0;
    for (const media::ConfigRecord& record : records)
        total += record.key.size() + record.value.size() + 1;
    // Each record holds at least one byte of the text, and only bytes of the text.
    if (total > size + records.size()) std::abort();
    engineSettings = EngineSettings{};
    engine::applyCodecRecords(records);
    return 0;
}
