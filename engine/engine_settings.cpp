#include "engine/engine_settings.h"

#include "engine/world_object.h"

EngineSettings engineSettings;
std::vector<WorldObject> worldObjects(kInitialWorldObjects);
std::vector<DirectionSets> objectAnimations(kInitialWorldObjects);

namespace {

// The record as the list alone declares it: a field declared in EngineSettings outside the
// list (which would have no dump or key row) makes the sizes differ.
struct SettingsFromList {
#define RZ_DECLARE(type, name, start, ...) type name = start;
#define FIELD RZ_DECLARE
#define TABLE RZ_DECLARE
#define UNDUMPED RZ_DECLARE
#define KEYED RZ_DECLARE
#define CODEC RZ_DECLARE
#include "engine/engine_settings_fields.h"
#undef RZ_DECLARE
};
static_assert(sizeof(EngineSettings) == sizeof(SettingsFromList),
              "declare the fields of EngineSettings in engine_settings_fields.h");

}  // namespace

namespace engine {

std::string engineBaseDirectory(std::string_view workingDirectory) {
    return std::string(workingDirectory) + "\\CORE\\";
}

void resetEngineState(std::string_view engineBase) {
    engineSettings = EngineSettings{};
    engineSettings.engineBase = std::string(engineBase);
    engineSettings.errorReportPath = engineSettings.engineBase;
    engineSettings.warningReportPath = engineSettings.engineBase;
    resetWorldObjects();
}

}  // namespace engine
