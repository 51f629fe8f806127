// The configuration keys of ini.crc and user.crc: one row per key with the files that
// accept it, how its value line is read, the field of engineSettings that keeps the value
// and the rule applied after storing it. The rows are generated from the KEYED rows of
// engine_settings_fields.h, in record order; the reader walks them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/engine_settings.h"
#include "engine/field_table.h"

namespace engine {

enum class ConfigFile : std::uint8_t { Main, User };

// Which files accept a key: I = ini.crc only, U = user.crc only, B = both.
enum class FileColumn : std::uint8_t { I, U, B };

enum class ValueType : std::uint8_t {
    Text,            // the line as is
    Integer,         // 32-bit integer
    Byte,            // integer keeping its low 8 bits, read as signed
    Float,           // decimal number as 32-bit float
    IntegerAsFloat,  // integer, stored in a float field
};

struct ConfigKey {
    std::string_view name;
    FileColumn file;
    ValueType type;
    FieldPointer<EngineSettings> member;
    void (*sideRule)(EngineSettings&) = nullptr;  // applied after the value is stored
};

std::span<const ConfigKey> configKeys();

// The row of a key line read from the given file; nullptr for a key that file does not
// accept (compared whole, exactly, case-sensitively).
const ConfigKey* findConfigKey(std::string_view name, ConfigFile file);

}  // namespace engine
