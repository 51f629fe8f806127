#include "builder/configuration.h"

#include <functional>
#include <string>
#include <string_view>

#include "builder/messages.h"
#include "engine/base/text_values.h"

namespace builder {

namespace {

using base::parseFloat;
using base::parseInteger;

template <class Row>
void applyRows(BuilderState& state, std::span<const ConfigRecord> records,
               std::span<const Row> rows) {
    for (const ConfigRecord& record : records) {
        for (const Row& row : rows) {
            if (record.key == row.key) {
                row.apply(state, record.value);
                break;
            }
        }
    }
}

struct KeyRow {
    std::string_view key;
    void (*apply)(BuilderState&, const std::string&);
};

constexpr KeyRow kStartIniKeys[] = {
    {"DEFAULTINISCRIPT", [](BuilderState& s, const std::string& v) { s.defaultIniScript = v; }},
};

constexpr KeyRow kDefaultIniKeys[] = {
    {"RESBASEW", [](BuilderState& s, const std::string& v) { s.designWidth = parseFloat(v); }},
    {"RESBASEH", [](BuilderState& s, const std::string& v) { s.designHeight = parseFloat(v); }},
    {"WINDOWMODE", [](BuilderState& s, const std::string& v) { s.windowMode = parseInteger(v); }},
    {"WINDOWFLAGS", [](BuilderState& s, const std::string& v) { s.windowFlags = parseInteger(v); }},
    {"DEPTH", [](BuilderState& s, const std::string& v) { s.colourDepth = parseInteger(v); }},
    {"WIDTH", [](BuilderState& s, const std::string& v) { s.screenWidth = parseFloat(v); }},
    {"HEIGHT", [](BuilderState& s, const std::string& v) { s.screenHeight = parseFloat(v); }},
    {"TOP", [](BuilderState& s, const std::string& v) { s.windowTop = parseInteger(v); }},
    {"LEFT", [](BuilderState& s, const std::string& v) { s.windowLeft = parseInteger(v); }},
    {"NAME", [](BuilderState& s, const std::string& v) { s.windowName = v; }},
    {"R", [](BuilderState& s, const std::string& v) { s.transparentRed = parseInteger(v); }},
    {"G", [](BuilderState& s, const std::string& v) { s.transparentGreen = parseInteger(v); }},
    {"B", [](BuilderState& s, const std::string& v) { s.transparentBlue = parseInteger(v); }},
    {"GFXDETAIL",
     [](BuilderState& s, const std::string& v) { s.spriteFiltering = parseInteger(v); }},
    {"APPINIFILE", [](BuilderState& s, const std::string& v) { s.applicationIni = v; }},
    {"DNA", [](BuilderState& s, const std::string& v) { s.dnaFile = v; }},
    {"MAXTILES", [](BuilderState& s, const std::string& v) { s.maxElements = parseInteger(v); }},
    {"MATRIXRASTER",
     [](BuilderState& s, const std::string& v) { s.matrixRaster = parseInteger(v); }},
};

// Path keys of the application ini: the field each one fills with base directory + value.
struct PathRow {
    std::string_view key;
    std::string BuilderState::*field;
};

constexpr PathRow kApplicationPathKeys[] = {
    {"GFXPATH", &BuilderState::gfxPath},
    {"SNDPATH", &BuilderState::soundPath},
    {"SAVEPATH", &BuilderState::savePath},
    {"LOADPATH", &BuilderState::loadPath},
    {"GFXSCRIPTS", &BuilderState::scriptPath},
    {"MAPENV", &BuilderState::mapPath},
    {"LOGFILE", &BuilderState::logPath},
    {"UNIVERSE", &BuilderState::universePath},
    {"DEVELOPEPATH", &BuilderState::developPath},
    {"DESCRIPTOR", &BuilderState::descriptorPath},
    {"GUIINI", &BuilderState::guiIni},
    {"CODECS", &BuilderState::codecFile},
};

constexpr KeyRow kCodecKeys[] = {
    {"GFXCODEC", [](BuilderState& s, const std::string& v) { s.gfxCodec = v; }},
    {"SOUNDCODEC", [](BuilderState& s, const std::string& v) { s.soundCodec = v; }},
    {"MUSICCODEC", [](BuilderState& s, const std::string& v) { s.musicCodec = v; }},
};

constexpr KeyRow kGuiKeys[] = {
    {"MAXGUIITEMS", [](BuilderState& s, const std::string& v) { s.maxGuiItems = parseInteger(v); }},
    {"USEBGBOX", [](BuilderState& s, const std::string& v) { s.useBgBox = parseInteger(v); }},
    {"GUITOP", [](BuilderState& s, const std::string& v) { s.guiTop = parseInteger(v); }},
    {"GUIH",
     [](BuilderState& s, const std::string& v) {
         s.guiH = parseInteger(v);
         s.guiHCopy = s.guiH;
     }},
    {"GUIOBJECTSIZE",
     [](BuilderState& s, const std::string& v) { s.guiObjectSize = parseInteger(v); }},
};

std::vector<ConfigRecord> readOrFail(Builder& builder, const std::string& path) {
    std::optional<std::vector<ConfigRecord>> records = media::readConfigRecords(path);
    if (!records) startupFailure(builder, path);
    return std::move(*records);
}

}  // namespace

void applyStartIni(BuilderState& state, std::span<const ConfigRecord> records) {
    applyRows(state, records, std::span<const KeyRow>(kStartIniKeys));
}

void applyDefaultIniScript(BuilderState& state, std::span<const ConfigRecord> records) {
    applyRows(state, records, std::span<const KeyRow>(kDefaultIniKeys));
}

void applyApplicationIni(BuilderState& state, std::span<const ConfigRecord> records) {
    for (const ConfigRecord& record : records) {
        if (record.key == "PROMO") {
            state.promo = parseInteger(record.value);
            continue;
        }
        for (const PathRow& row : kApplicationPathKeys) {
            if (record.key == row.key) {
                state.*row.field = state.baseDirectory + record.value;
                break;
            }
        }
    }
}

void applyCodecFile(BuilderState& state, std::span<const ConfigRecord> records) {
    applyRows(state, records, std::span<const KeyRow>(kCodecKeys));
}

void applyGuiIni(BuilderState& state, std::span<const ConfigRecord> records) {
    applyRows(state, records, std::span<const KeyRow>(kGuiKeys));
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
