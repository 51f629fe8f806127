// Second-look cases: the map folder save names its own failures, hostile pointer numbers,
// keys that go up while the builder cannot see them.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/builder_state.h"
#include "builder/input_tracking.h"
#include "builder/keyboard_actions.h"
#include "builder/window_events.h"
#include "engine/media/scancodes.h"
#include "fake_host.h"
#include "formats/map_directory.h"
#include "formats/tile_paths.h"
#include "support/test_support.h"

namespace builder_tests {
namespace {

namespace fs = std::filesystem;
using formats::TileRecord;
using testing_support::TempDir;

TEST(BuilderReview, MapFolderSaveNamesEveryFileItCouldNotWrite) {
    TempDir dir;
    fs::create_directories(dir.file("1"));  // a directory where layer file 1 belongs
    fs::create_directories(dir.file("_"));  // and one where the tile count belongs
    const std::vector<TileRecord> tiles = {{"A", 0, 0, 0, 1, 1, 0}, {"B", 0, 0, 0, 1, 1, 2}};
    const auto result = formats::saveMapDirectory(
        {.directory = dir.path(), .records = tiles, .highestLayer = 2, .lastElementIndex = 1});
    EXPECT_EQ(result.filesFailed, (std::vector<std::string>{formats::layerFilePath(dir.path(), 1),
                                                            formats::joinPath(dir.path(), "_")}));
}

// Script pointers may be any int; the movement between them must not overflow, only its
// direction counts.
TEST(BuilderReview, PointerJumpsAcrossTheWholeIntRangeKeepTheirDirection) {
    builder::MouseTracker mouse;
    mouse.moveTo(INT_MIN, INT_MAX);
    mouse.examine();
    EXPECT_LT(mouse.deltaX(), 0);
    EXPECT_GT(mouse.deltaY(), 0);
    mouse.moveTo(INT_MAX, INT_MIN);
    mouse.examine();
    EXPECT_GT(mouse.deltaX(), 0);
    EXPECT_LT(mouse.deltaY(), 0);
}

}  // namespace
}  // namespace builder_tests
