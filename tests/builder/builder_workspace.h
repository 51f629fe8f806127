// A working directory for DARA with its configuration chain, a graphics folder of tile
// pictures and DNA files, and a way to run the builder headless with a script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/json.h"
#include "support/test_support.h"

namespace builder_tests {

using Json = testing_support::json::Value;
using testing_support::json::parseOrNull;

struct TileSpec {
    std::string name;
    int width = 16;
    int height = 16;
    std::uint32_t colour = 0xFFFF0000;  // ARGB
    // The DNA pairs; a file written by the builder also carries the trailer (valid flag 1).
    std::vector<std::pair<std::string, std::string>> dna = {{"worldFTileTransparency", "255"}};
    bool trailer = true;
};

struct WorkspaceSetup {
    int maxTiles = 100;
    int matrixRaster = 32;
    int windowMode = 0;
    bool withStartIni = true;
    bool withAppIniFile = true;
    std::string gfxPathValue = "GFX\\";
    // The master DNA file "_DATA\DNA.dll" (with the trailer); none when withMasterDna is off.
    bool withMasterDna = true;
    std::vector<std::pair<std::string, std::string>> masterDna = {
        {"worldFTileTransparency", "255"}, {"worldFStretch", "0"}, {"worldFTileID", "none"}};
    std::vector<TileSpec> tiles = {
        {"A", 16, 16, 0xFFFF0000, {{"worldFTileTransparency", "255"}}, true},
        {"B", 32, 32, 0xFF0000FF, {{"worldFTileTransparency", "255"}}, true}};
};

struct DaraRun {
    int exitCode = -1;
    std::string output;
    std::vector<Json> messages;  // one per message box, in order
    Json dump;                   // the --dump file
    bool dumpRead = false;
};

inline constexpr const char* kTestDesktop = "640x480";

class BuilderWorkspace {
  public:
    explicit BuilderWorkspace(const WorkspaceSetup& setup = {});

    const std::string& path() const { return directory_.path(); }
    std::string file(const std::string& relative) const { return directory_.file(relative); }
    // Runs DARA headless on the 640 x 480 desktop with the script (one command a line).
    DaraRun run(const std::string& script, const std::vector<std::string>& extraArguments = {});

  private:
    testing_support::TempDir directory_;
    int runs_ = 0;
};

// Script lines of a click at a desktop point (the left button unless told).
inline std::string click(int x, int y, const std::string& button = "left") {
    return "mouse " + std::to_string(x) + " " + std::to_string(y) + "\npress " + button +
           "\nrelease " + button + "\n";
}

// Raster mode OFF: the build cursor follows the pointer.
inline const std::string kRasterOff = "key tap C\n";

// A four-line configuration record.
std::string configRecord(const std::string& key, const std::string& value);

// The elements of a dump that are alive.
int aliveCount(const Json& dump);

}  // namespace builder_tests
