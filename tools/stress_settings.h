// Points the game's settings at a stress level's data folder (tools/stress_level.h), for the
// benchmarks and the tests that run one without the configuration files.
#pragma once

#include <string>

#include "engine/engine_settings.h"

namespace stress {

// data is the folder writeStressData wrote, without a trailing separator; the screen and the
// design size are both width x height; one player, animations of four frames.
inline void useStressData(const std::string& data, int width, int height) {
    EngineSettings& s = engineSettings;
    s.gfxPath = data + "/GFX/";
    s.simCorePath = data + "/MAPS/";
    s.cachePath = data + "/CACHE/";
    s.soundPath = data + "/SOUND/";
    s.animSystemPath = data + "/ANIM/";
    s.gfxExtension = ".png";
    s.soundExtension = ".ogg";
    s.SCRW = s.SRC_SCRW = static_cast<float>(width);
    s.SCRH = s.SRC_SCRH = static_cast<float>(height);
    s.maxPlayers = 1;
    s.maxAnimFrames = 4;
}

}  // namespace stress
