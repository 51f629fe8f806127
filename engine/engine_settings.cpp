#include "engine/engine_settings.h"

#include "engine/field_table.h"
#include "engine/world_object.h"

EngineSettings engineSettings;
std::vector<WorldObject> worldObjects(kInitialWorldObjects);
std::vector<std::unique_ptr<DirectionSets>> objectAnimations(kInitialWorldObjects);

namespace {

// A field declared in EngineSettings beside its list would have no dump or key row.
constexpr std::size_t kListedFields = 0
#define RZ_COUNT(...) +1
#define FIELD RZ_COUNT
#define TABLE RZ_COUNT
#define UNDUMPED RZ_COUNT
#define KEYED RZ_COUNT
#define CODEC RZ_COUNT
#include "engine/engine_settings_fields.h"
#undef RZ_COUNT
    ;
static_assert(engine::hasFieldCount<EngineSettings, kListedFields>,
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
