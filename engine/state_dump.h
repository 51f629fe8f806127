// The state dump: engineSettings, the configuration by key name, the core error texts,
// the head-up status entries, the world objects and the object index lists, as one JSON
// document ended by a line break. Headless runs write it (--dump) to compare runs byte for
// byte.
#pragma once

#include <span>
#include <string>

#include "engine/engine_settings.h"
#include "engine/field_table.h"

namespace engine {

// Every single-valued field of engineSettings by its name, in record order.
std::span<const NamedField<EngineSettings>> engineStateFields();

std::string dumpEngineState(int turn);

}  // namespace engine
