// The builder's configuration chain on arbitrary bytes: the same records read as each file
// of the chain in turn (start ini, default ini script, application ini, codec file, GUI
// ini), into one state.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "builder/builder_state.h"
#include "builder/configuration.h"
#include "engine/media/config_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<media::ConfigRecord> records = media::parseConfigRecords(bytes);
    builder::BuilderState state;
    builder::applyStartIni(state, records);
    builder::applyDefaultIniScript(state, records);
    builder::applyApplicationIni(state, records);
    builder::applyCodecFile(state, records);
    builder::applyGuiIni(state, records);
    return 0;
}
