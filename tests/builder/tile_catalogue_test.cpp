// The tile catalogue read from a real graphics folder: picture names whose extension is
// in another letter case, and the valid flag across the scans every map load repeats.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "builder/builder_state.h"
#include "builder/editing.h"
#include "builder/tile_catalogue.h"
#include "engine/media/pictures.h"
#include "fake_host.h"
#include "support/test_support.h"

namespace builder_tests {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;
using testing_support::writeFile;

void writePicture(const std::string& path, int width, int height) {
    media::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0xFFFF0000u);
    const auto png = media::encodePng(image, false);
    ASSERT_TRUE(png.has_value());
    writeFile(path, *png);
}

// A builder whose graphics folder is a temporary directory, with GFXCODEC ".png".
struct CatalogueFixture {
    TempDir gfx;
    FakeHost host;
    builder::Builder builder{host};

    CatalogueFixture() {
        builder::BuilderState& state = builder.builderState;
        state = builder::startBuilderState(gfx.path());
        state.gfxPath = gfx.path() + "\\";
        state.gfxCodec = ".png";
        state.maxElements = 10;
        builder::sizeElementTable(state);
        builder.screen.resize(64, 64);
    }
    const builder::TileType& tile(int index) const {
        return builder.builderState.tiles.at(static_cast<std::size_t>(index));
    }
};

// Pictures made on a system that ignores letter case may end in ".PNG" while the codec
// file says ".png": the type is named without the extension, its picture still loads
// (a missing sprite would silently make it unplaceable) and it gets its DNA file.
TEST(BuilderTileCatalogue, APictureExtensionInAnotherLetterCaseStillLoads) {
    CatalogueFixture fixture;
    writePicture(fixture.gfx.file("Rock.PNG"), 12, 8);
    writeFile(fixture.gfx.file("Rock.dll"), "worldFTileTransparency\r\n255\r\n;end\r\n;\r\n");
    builder::loadTileCatalogue(fixture.builder);
    ASSERT_EQ(fixture.builder.builderState.tiles.size(), 1u);
    EXPECT_EQ(fixture.tile(0).pictureName, "Rock");
    EXPECT_TRUE(builder::spriteExists(fixture.builder, fixture.tile(0).sprite));
    EXPECT_EQ(fixture.tile(0).width, 12.0f);
    EXPECT_EQ(fixture.tile(0).dna.validFlag, 1);
    EXPECT_EQ(fixture.tile(0).dna.worldFTileTransparency, 255);
    ASSERT_TRUE(builder::placeElement(fixture.builder));
    EXPECT_EQ(fixture.builder.builderState.elements[0].alive, 1);
    EXPECT_EQ(fixture.builder.builderState.elements[0].pictureName, "Rock");
}

// Every map load scans the folder again. A scan keeps each position's valid flag (reading
// DNA only ever sets it), so elements of a type that was valid are still saved after a map
// load; a picture new to the folder gets an empty DNA file and stays invalid.
TEST(BuilderTileCatalogue, RescanKeepsTheValidFlagAndANewPictureStartsInvalid) {
    CatalogueFixture fixture;
    writePicture(fixture.gfx.file("A.png"), 4, 4);
    writeFile(fixture.gfx.file("A.dll"), "worldFTileTransparency\r\n255\r\n;end\r\n;\r\n");
    builder::loadTileCatalogue(fixture.builder);
    ASSERT_EQ(fixture.tile(0).dna.validFlag, 1);

    // A's DNA loses its trailer (only builder keys left) and a picture B appears.
    writeFile(fixture.gfx.file("A.dll"), "worldFTileTransparency\r\n128\r\n");
    writePicture(fixture.gfx.file("B.png"), 4, 4);
    builder::loadTileCatalogue(fixture.builder);
    ASSERT_EQ(fixture.builder.builderState.tiles.size(), 2u);
    EXPECT_EQ(fixture.tile(0).dna.validFlag, 1) << "kept from the earlier scan";
    EXPECT_EQ(fixture.tile(0).dna.worldFTileTransparency, 128) << "but the values are new";
    EXPECT_EQ(fixture.tile(1).pictureName, "B");
    EXPECT_EQ(fixture.tile(1).dna.validFlag, 0);
    EXPECT_TRUE(fs::exists(fixture.gfx.file("B.dll"))) << "an empty DNA file is made";
    EXPECT_TRUE(builder::spriteExists(fixture.builder, fixture.tile(0).sprite));
    EXPECT_TRUE(builder::spriteExists(fixture.builder, fixture.tile(1).sprite));
}

}  // namespace
}  // namespace builder_tests
