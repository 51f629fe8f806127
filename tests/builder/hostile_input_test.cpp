// Input the builder cannot trust: a save folder with directories where its files belong,
// pointer numbers at the ends of the int range, key releases it never sees, a configured
// screen size far beyond the frame.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/builder_state.h"
#include "builder/frame.h"
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

TEST(BuilderHostileInput, MapFolderSaveNamesEveryFileItCouldNotWrite) {
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
TEST(BuilderHostileInput, PointerJumpsAcrossTheWholeIntRangeKeepTheirDirection) {
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

builder::WindowEvent eventOf(builder::EventKind kind, int key = 0) {
    builder::WindowEvent event;
    event.window = builder::WindowId::Dna;  // moves the build cursor only
    event.kind = kind;
    event.key = key;
    return event;
}

// A key released while a dialog or another program has the focus never reaches the
// builder's windows. Losing the focus counts as letting go of every key, as reading the
// keyboard's state would show; otherwise a held arrow scrolls on every later event.
TEST(BuilderHostileInput, LosingTheFocusLetsGoOfHeldKeys) {
    FakeHost host;
    builder::Builder builder{host};
    builder::BuilderState& state = builder.builderState;
    state = builder::startBuilderState("/nowhere");
    state.rasterMode = builder::kRasterOff;
    builder::processWindowEvent(builder, eventOf(builder::EventKind::KeyDown, media::dik::LEFT));
    builder::processWindowEvent(builder, eventOf(builder::EventKind::MouseMove));
    EXPECT_EQ(state.mapScrollX, -2) << "a held arrow scrolls on every event";

    builder::processWindowEvent(builder, eventOf(builder::EventKind::FocusLost));
    builder::processWindowEvent(builder, eventOf(builder::EventKind::MouseMove));
    builder::processWindowEvent(builder, eventOf(builder::EventKind::MouseMove));
    EXPECT_EQ(state.mapScrollX, -2);
    EXPECT_EQ(host.presented, 0) << "a focus change draws nothing";

    // The C key went up unseen: its release is acted on once, as a release.
    builder::processWindowEvent(builder, eventOf(builder::EventKind::KeyDown, media::dik::C));
    state.rasterMode = builder::kRasterMatrixSize;
    builder::processWindowEvent(builder, eventOf(builder::EventKind::FocusLost));
    EXPECT_EQ(state.rasterMode, builder::kRasterOff);
    builder::processWindowEvent(builder, eventOf(builder::EventKind::MouseMove));
    state.rasterMode = builder::kRasterMatrixSize;
    builder::processWindowEvent(builder, eventOf(builder::EventKind::MouseMove));
    EXPECT_EQ(state.rasterMode, builder::kRasterMatrixSize) << "seen once only";
}

// Without windows (a window mode other than 0) the screen size is the configuration's
// WIDTH and HEIGHT, which may be any float. The grid is drawn on the frame only, so a huge
// size neither overflows the grid arithmetic nor walks billions of points.
TEST(BuilderHostileInput, AHugeConfiguredScreenSizeDrawsAGridOnlyOnTheFrame) {
    FakeHost host;
    builder::Builder builder{host};
    builder::BuilderState& state = builder.builderState;
    state = builder::startBuilderState("/nowhere");
    state.matrixRaster = 1;
    state.screenWidth = 1e30f;
    state.screenHeight = 3e9f;
    builder.screen.resize(8, 4);
    builder::drawFrame(builder);
    const media::Framebuffer& frame = builder.screen.frame();
    EXPECT_EQ(frame.pixels[0] & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(frame.pixels[7 + 3 * 8] & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(host.presented, 1);

    state.matrixRaster = -1;
    state.screenWidth = -1e30f;
    state.screenHeight = -3e9f;
    builder::drawFrame(builder);
    EXPECT_EQ(frame.pixels[0] & 0xFFFFFFu, 0x00FF00u) << "the first point is on the frame";
    EXPECT_EQ(frame.pixels[1] & 0xFFFFFFu, 0x0A0A0Au);
}

}  // namespace
}  // namespace builder_tests
