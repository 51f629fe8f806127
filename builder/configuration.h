// The configuration chain: the start ini names the default ini script, which names the
// application ini, which names the codec file and the GUI ini. Each reader assigns the
// keys it knows and skips the others; a later record of the same key wins.
#pragma once

#include <span>

#include "builder/builder_state.h"
#include "engine/media/config_records.h"

namespace builder {

using media::ConfigRecord;

void applyStartIni(BuilderState& state, std::span<const ConfigRecord> records);
void applyDefaultIniScript(BuilderState& state, std::span<const ConfigRecord> records);
// Every path value is stored as base directory + value, as it stands (PROMO is a number).
void applyApplicationIni(BuilderState& state, std::span<const ConfigRecord> records);
void applyCodecFile(BuilderState& state, std::span<const ConfigRecord> records);
void applyGuiIni(BuilderState& state, std::span<const ConfigRecord> records);

// Readers that end the program with the start-up failure report when their file cannot
// be opened.
void readStartIni(Builder& builder);
void readDefaultIniScript(Builder& builder);
void readApplicationIni(Builder& builder);
// Readers that skip a missing file silently.
void readCodecFile(Builder& builder);
void readGuiIni(Builder& builder);

}  // namespace builder
