#include "builder/configuration.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "builder/messages.h"
#include "engine/base/text_values.h"

namespace builder {

namespace {

using base::parseFloat;
using base::parseInteger;

// How a row stores its value line.
enum class ConfigRead : std::uint8_t {
    Text,     // the line as is
    Path,     // base directory + the line
    Integer,  // 32-bit integer
    Float,    // 32-bit float
};

// Which file of the chain holds a key.
enum class ConfigSource : std::uint8_t { StartIni, DefaultIni, ApplicationIni, Codec, Gui };

using S = BuilderState;
using Member = std::variant<std::string S::*, std::int32_t S::*, float S::*>;

struct KeyRow {
    ConfigSource file;
    std::string_view key;
    ConfigRead read;
    Member member;
    void (*rule)(S&) = nullptr;  // applied after the value is stored
};

// Side rules: what a key does beyond storing its value.
void copyGuiHeight(S& s) {
    s.guiHCopy = s.guiH;
}

using enum ConfigRead;
using enum ConfigSource;

// One row per CONFIG field of the record, in record order.
constexpr auto kKeys = std::to_array<KeyRow>({
#define FIELD(...)
#define HIDDEN(...)
#define TABLE(...)
#define DERIVED(...)
#define CONFIG(type, name, start, file, key, read, rule) {file, key, read, &S::name, rule},
#include "builder/builder_state_fields.h"
});

// The read column and the kind of field a row names must agree.
constexpr bool readFitsMember(const KeyRow& row) {
    switch (row.read) {
        case Text:
        case Path:
            return std::holds_alternative<std::string S::*>(row.member);
        case Integer:
            return std::holds_alternative<std::int32_t S::*>(row.member);
        case Float:
            return std::holds_alternative<float S::*>(row.member);
    }
    return false;
}
static_assert(std::all_of(kKeys.begin(), kKeys.end(), readFitsMember));

void store(S& s, const KeyRow& row, const std::string& value) {
    switch (row.read) {
        case Text:
            s.*std::get<std::string S::*>(row.member) = value;
            break;
        case Path:
            s.*std::get<std::string S::*>(row.member) = s.baseDirectory + value;
            break;
        case Integer:
            s.*std::get<std::int32_t S::*>(row.member) = parseInteger(value);
            break;
        case Float:
            s.*std::get<float S::*>(row.member) = parseFloat(value);
            break;
    }
    if (row.rule != nullptr) row.rule(s);
}

// Each record of the file takes the row of its key; keys the file does not hold are skipped.
void applyFile(S& state, std::span<const ConfigRecord> records, ConfigSource file) {
    for (const ConfigRecord& record : records) {
        for (const KeyRow& row : kKeys) {
            if (row.file == file && record.key == row.key) {
                store(state, row, record.value);
                break;
            }
        }
    }
}

std::vector<ConfigRecord> readOrFail(Builder& builder, const std::string& path) {
    std::optional<std::vector<ConfigRecord>> records = media::readConfigRecords(path);
    if (!records) startupFailure(builder, path);
    return std::move(*records);
}

}  // namespace

void applyStartIni(BuilderState& state, std::span<const ConfigRecord> records) {
    applyFile(state, records, StartIni);
}

void applyDefaultIniScript(BuilderState& state, std::span<const ConfigRecord> records) {
    applyFile(state, records, DefaultIni);
}

void applyApplicationIni(BuilderState& state, std::span<const ConfigRecord> records) {
    applyFile(state, records, ApplicationIni);
}

void applyCodecFile(BuilderState& state, std::span<const ConfigRecord> records) {
    applyFile(state, records, Codec);
}

void applyGuiIni(BuilderState& state, std::span<const ConfigRecord> records) {
    applyFile(state, records, Gui);
}

void readStartIni(Builder& builder) {
    applyStartIni(builder.builderState, readOrFail(builder, builder.builderState.startIni));
}

void readDefaultIniScript(Builder& builder) {
    applyDefaultIniScript(builder.builderState,
                          readOrFail(builder, builder.builderState.defaultIniScript));
}

void readApplicationIni(Builder& builder) {
    applyApplicationIni(builder.builderState,
                        readOrFail(builder, builder.builderState.applicationIni));
}

void readCodecFile(Builder& builder) {
    if (auto records = media::readConfigRecords(builder.builderState.codecFile)) {
        applyCodecFile(builder.builderState, *records);
    }
}

void readGuiIni(Builder& builder) {
    if (auto records = media::readConfigRecords(builder.builderState.guiIni)) {
        applyGuiIni(builder.builderState, *records);
    }
}

}  // namespace builder
