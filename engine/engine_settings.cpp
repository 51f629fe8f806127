#include "engine/engine_settings.h"

#include "engine/world_object.h"

EngineSettings engineSettings;
std::vector<WorldObject> worldObjects(kInitialWorldObjects);
std::vector<DirectionSets> objectAnimations(kInitialWorldObjects);

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
