// A stress level for measurements: a small game folder (CORE configuration and DATA
// content) with one map of many objects, most of them off screen. Seeded, so the same
// parameters always give the same files.
//
// On screen lie the moving colliders (walkers that turn back at walls), walls, mirrors,
// animated objects and still decoration, inside a frame of walls that keeps the walkers on
// screen; off screen lie the remaining walls and decoration.
#pragma once

#include <cstdint>
#include <string>

namespace stress {

struct StressLevel {
    std::uint64_t seed = 1;
    std::int32_t objects = 20000;   // records in the map
    std::int32_t tileNames = 200;   // distinct tile names (pictures and DNA files)
    std::int32_t onScreen = 1000;   // records that start on the screen
    std::int32_t movers = 500;      // moving colliders, all on screen
    std::int32_t colliders = 5000;  // entries of the collision list, movers included
    std::int32_t mirrors = 20;      // on screen
    std::int32_t animated = 100;    // on screen, with an animation container
    std::int32_t screenWidth = 1920;
    std::int32_t screenHeight = 1080;
    std::int32_t appSmooth = 1;  // APPSMOOTH
    std::int32_t map = 1;        // the map number, also APPENTRY
};

// Writes folder/CORE/ (ini.crc, user.crc, codecs.txt, SYSTEMTEXT.txt) and folder/DATA/
// (GFX pictures and DNA files, ANIM frames, MAPS/<map>/). The screen is the headless default
// desktop (FULLSCREEN 1) and the design has the screen's size. Returns the number of files
// that could not be written.
int writeStressGame(const std::string& folder, const StressLevel& level);

// Only DATA/GFX, DATA/ANIM and DATA/MAPS/<map>/ below dataFolder (benchmarks that set their
// own paths).
int writeStressData(const std::string& dataFolder, const StressLevel& level);

}  // namespace stress
