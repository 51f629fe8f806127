// The DNA window and the tile palette, driven in-process: row layout, filling by position,
// what "SET" writes, the palette's reflow and which clicks choose a tile; and small golden
// pictures of the screen log and the help panel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "builder/dna_window.h"
#include "builder/frame.h"
#include "builder/mini_map.h"
#include "builder/screen_log.h"
#include "builder/tile_palette.h"
#include "builder/window_events.h"
#include "engine/media/pictures.h"
#include "fake_host.h"
#include "formats/dna_file.h"
#include "support/test_support.h"

namespace builder_tests {
namespace {

using builder::Builder;
using testing_support::readFile;
using testing_support::writeFile;

class WindowHost : public FakeHost {
  public:
    builder::DnaGadgets gadgets;
    std::vector<builder::PalettePicture> palette;
    int paletteWidth = 100;
    int tilePaletteWidth() override { return paletteWidth; }
    void showTilePalette(const std::vector<builder::PalettePicture>& pictures) override {
        palette = pictures;
    }
    void showDnaGadgets(const builder::DnaGadgets& shown) override { gadgets = shown; }
};

std::string pairsText(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string text;
    for (const auto& [key, value] : pairs)
        text += key + "\r\n" + value + "\r\n";
    return text;
}

std::vector<std::pair<std::string, std::string>> masterPairs(int count) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < count; ++i)
        pairs.emplace_back("k" + std::to_string(i), "m" + std::to_string(i));
    return pairs;
}

// A builder whose master DNA file and graphics folder lie in a temporary folder, with
// tile types "T0" ... (10 x 10 pictures) whose DNA files are named T0.dll ...
struct DnaFixture {
    testing_support::TempDir folder;
    WindowHost host;
    Builder builder{host};

    explicit DnaFixture(int tiles = 1) {
        builder::BuilderState& state = builder.builderState;
        state = builder::startBuilderState(folder.path());
        state.dnaFile = folder.file("DNA.dll");
        state.gfxPath = folder.path() + "/";
        state.workMapFile = "1";
        builder.screen.resize(64, 64);
        for (int i = 0; i < tiles; ++i) {
            media::Image image;
            image.width = 10;
            image.height = 10;
            image.pixels.assign(100, 0xFF00FF00u);
            builder::TileType tile;
            tile.pictureName = "T" + std::to_string(i);
            tile.paletteImage = builder.screen.addPicture(image);
            state.tiles.push_back(tile);
        }
    }
    void master(int count) { writeFile(folder.file("DNA.dll"), pairsText(masterPairs(count))); }
    std::vector<formats::DnaPair> written(const std::string& tile = "T0") {
        return formats::parseDnaPairs(readFile(folder.file(tile + ".dll")));
    }
    void event(builder::EventKind kind, int command, const std::string& text = "") {
        builder::WindowEvent e;
        e.window = builder::WindowId::Dna;
        e.kind = kind;
        e.command = command;
        e.text = text;
        builder::processWindowEvent(builder, e);
    }
    void set() { event(builder::EventKind::Gadget, builder::kDnaSetButton); }
};

// The rows of the pairs written before the trailer.
std::vector<std::string> keysOf(const std::vector<formats::DnaPair>& pairs) {
    std::vector<std::string> keys;
    for (const formats::DnaPair& pair : pairs)
        if (pair.key.empty() || pair.key[0] != ';') keys.push_back(pair.key);
    return keys;
}

TEST(BuilderDnaWindow, RowsRunInColumnsOfSixteenWithTheButtonsWhereTheNextRowWouldGo) {
    struct Case {
        int pairs;
        int buttonsX, buttonsY;
        int lastRowX, lastRowY;
    };
    for (const Case& c :
         {Case{20, 164, 160, 164, 120}, Case{16, 164, 0, 0, 600}, Case{3, 0, 120, 0, 80}}) {
        DnaFixture fixture;
        fixture.master(c.pairs);
        builder::buildDnaRows(fixture.builder);
        const builder::DnaGadgets& shown = fixture.host.gadgets;
        ASSERT_EQ(shown.rows.size(), static_cast<std::size_t>(c.pairs));
        EXPECT_EQ(shown.rows.back().x, c.lastRowX) << c.pairs;
        EXPECT_EQ(shown.rows.back().y, c.lastRowY) << c.pairs;
        EXPECT_EQ(shown.buttonsX, c.buttonsX) << c.pairs;
        EXPECT_EQ(shown.buttonsY, c.buttonsY) << c.pairs;
        EXPECT_EQ(shown.rows[0].tooltip, "Please enter value for k0 below:");
        EXPECT_EQ(shown.rows[0].keyColour, builder::kDnaMasterKey);
        EXPECT_EQ(shown.rows[0].valueColour, builder::kDnaMasterValue);
        EXPECT_TRUE(fixture.host.boxes.empty());
    }
}

TEST(BuilderDnaWindow, TileFilesFillRowsByPositionAndSetWritesEveryRowOnce) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> tile;  // the tile's own file
        std::vector<std::string> shownKeys;                     // rows 0 to 3
        int green;                                              // rows with a green key
        std::vector<std::string> writtenKeys;
    };
    const std::vector<Case> cases = {
        {"shorter file",
         {{"k0", "t0"}, {"k1", "t1"}},
         {"k0", "k1", "k2", "k3"},
         2,
         {"k0", "k1", "k2", "k3", "k4"}},
        {"other order",
         {{"k3", "t3"}, {";c", ";c"}, {"k0", "t0"}},
         {"k3", "k0", "k2", "k3"},
         2,
         {"k3", "k0", "k2", "k4"}},
        {"empty file", {}, {"k0", "k1", "k2", "k3"}, 0, {"k0", "k1", "k2", "k3", "k4"}},
    };
    for (const Case& c : cases) {
        DnaFixture fixture;
        fixture.master(5);
        writeFile(fixture.folder.file("T0.dll"), pairsText(c.tile));
        fixture.builder.builderState.tiles[0].dna.validFlag = 0;
        builder::showTileDna(fixture.builder, fixture.builder.builderState.gfxPath + "T0");
        const builder::DnaGadgets& shown = fixture.host.gadgets;
        ASSERT_EQ(shown.rows.size(), 5u) << c.what;
        int green = 0;
        for (std::size_t row = 0; row < 4; ++row) {
            EXPECT_EQ(shown.rows[row].key, c.shownKeys[row]) << c.what << " row " << row;
            green += shown.rows[row].keyColour == builder::kDnaTileKey ? 1 : 0;
        }
        EXPECT_EQ(green, c.green) << c.what;
        EXPECT_EQ(fixture.host.titles[2],
                  "DNA for Tile: " + fixture.builder.builderState.gfxPath + "T0 File:T0");

        fixture.set();
        const std::vector<formats::DnaPair> written = fixture.written();
        EXPECT_EQ(keysOf(written), c.writtenKeys) << c.what;
        ASSERT_GE(written.size(), 4u);
        EXPECT_EQ(written.back().value, std::string(formats::kDnaTrailer.back()));
        // The tile's own value wins over the master's default of the same key.
        for (const auto& [key, value] : c.tile) {
            if (key[0] == ';') continue;
            for (const formats::DnaPair& pair : written)
                if (pair.key == key) {
                    EXPECT_EQ(pair.value, value) << c.what;
                }
        }
        EXPECT_EQ(fixture.builder.builderState.tiles[0].dna.validFlag, 1)
            << c.what << ": the saved file makes the type placeable";
    }
}

TEST(BuilderDnaWindow, EditsAreWrittenPlaceholdersNeverAndFailuresAreTold) {
    {  // an edited key and value
        DnaFixture fixture;
        fixture.master(3);
        builder::buildDnaRows(fixture.builder);
        fixture.event(builder::EventKind::Gadget, 500 + 1, "worldFTileTransparency");
        fixture.event(builder::EventKind::Gadget, 1000 + 1, "77");
        fixture.event(builder::EventKind::Menu, builder::kDnaMenuSet);
        const std::vector<formats::DnaPair> written = fixture.written();
        EXPECT_EQ(keysOf(written),
                  (std::vector<std::string>{"k0", "worldFTileTransparency", "k2"}));
        EXPECT_EQ(written[1].value, "77");
        EXPECT_EQ(fixture.builder.builderState.tiles[0].dna.worldFTileTransparency, 77);
        // KILL shows the master again and leaves the file.
        fixture.event(builder::EventKind::Gadget, builder::kDnaKillButton);
        EXPECT_EQ(fixture.host.gadgets.rows[1].key, "k1");
        EXPECT_EQ(fixture.host.titles[2],
                  "DNA for Tile: " + fixture.folder.file("DNA.dll") + " File:T0");
        EXPECT_EQ(keysOf(fixture.written())[1], "worldFTileTransparency");
    }
    {  // no master: message 119, 97 placeholder rows that are never written
        DnaFixture fixture;
        builder::buildDnaRows(fixture.builder);
        ASSERT_EQ(fixture.host.boxes.size(), 1u);
        EXPECT_EQ(fixture.host.boxes[0],
                  "MAP BUILDER ERROR:|MAP Builder did not find default "
                  "DNA\nRIVORERAR  will use default DNA");
        const builder::DnaGadgets& shown = fixture.host.gadgets;
        ASSERT_EQ(shown.rows.size(), 97u);
        EXPECT_EQ(shown.rows[96].key, "_key_FAIL");
        EXPECT_EQ(shown.rows[96].x, 6 * 164);
        EXPECT_EQ(shown.rows[0].keyColour, builder::kDnaPlaceholderKey);
        EXPECT_EQ(shown.rows[0].valueColour, builder::kDnaPlaceholderValue);
        fixture.event(builder::EventKind::Gadget, 1000, "changed");
        fixture.set();
        EXPECT_TRUE(keysOf(fixture.written()).empty());
    }
    {  // the file cannot be created: message 124
        DnaFixture fixture;
        fixture.master(2);
        builder::buildDnaRows(fixture.builder);
        fixture.builder.builderState.gfxPath = fixture.folder.file("missing/");
        fixture.set();
        ASSERT_FALSE(fixture.host.boxes.empty());
        EXPECT_EQ(fixture.host.boxes.back(), "MAP BUILDER ERROR:|Sorry! Could not save DNA?!?");
    }
}

TEST(BuilderTilePalette, ReflowsWithTheWidthAndChoosesStrictlyInsideACell) {
    DnaFixture fixture(5);
    fixture.master(2);
    builder::BuilderState& state = fixture.builder.builderState;
    state.tiles[1].paletteImage = 0;  // a picture that did not load
    builder::drawTilePalette(fixture.builder);
    // 100 pixels: three pictures a row; the missing one takes the next picture's place.
    const std::vector<std::pair<int, int>> expected = {{0, 0}, {32, 0}, {32, 0}, {64, 0}, {0, 32}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(state.tiles[i].paletteX, expected[i].first) << i;
        EXPECT_EQ(state.tiles[i].paletteY, expected[i].second) << i;
    }
    EXPECT_EQ(fixture.host.palette.size(), 4u);

    struct Click {
        int x, y;
        int chosen;  // -1: nothing
    };
    for (const Click& click : {Click{0, 5, -1}, Click{5, 0, -1}, Click{1, 1, 0}, Click{31, 31, 0},
                               Click{32, 5, -1}, Click{33, 5, 2}, Click{65, 31, 3},
                               Click{5, 32, -1}, Click{5, 33, 4}, Click{40, 40, -1}}) {
        EXPECT_EQ(builder::paletteTileAt(state, click.x, click.y), click.chosen)
            << click.x << "," << click.y;
    }
    builder::WindowEvent press;
    press.window = builder::WindowId::Tiles;
    press.kind = builder::EventKind::ButtonDown;
    press.button = 1;
    press.x = 70;
    press.y = 10;
    builder::processWindowEvent(fixture.builder, press);
    EXPECT_EQ(state.selectedTile, 3);
    EXPECT_EQ(fixture.host.titles[1], "Tile:3MAP: 1");
    EXPECT_EQ(fixture.host.titles[2], "DNA for Tile: " + state.gfxPath + "T3 File:T3");

    fixture.host.paletteWidth = 200;  // six a row
    builder::drawTilePalette(fixture.builder);
    EXPECT_EQ(state.tiles[4].paletteX, 96);
}

TEST(BuilderMiniMap, TheWholeMapAtATenthBesideTheWorkMapFile) {
    DnaFixture fixture;
    builder::BuilderState& state = fixture.builder.builderState;
    state.desktopWidth = 640;
    state.desktopHeight = 480;
    state.maxElements = 4;
    builder::sizeElementTable(state);
    state.tiles[0].sprite = fixture.builder.screen.makeSprite(state.tiles[0].paletteImage);
    state.workMapFile = fixture.folder.file("work");
    // One element reaches past the screen's right edge, one above its top.
    const std::pair<float, float> places[] = {{700.0f, 10.0f}, {5.0f, -40.0f}};
    for (const auto& [x, y] : places) {
        builder::MapElement& element =
            state.elements[static_cast<std::size_t>(++state.lastElement)];
        element.alive = 1;
        element.sprite = state.tiles[0].sprite;
        element.x = x;
        element.y = y;
        element.width = 100.0f;
        element.height = 30.0f;
        element.dna.worldFTileTransparency = 255;
    }
    ASSERT_TRUE(builder::saveMiniMap(fixture.builder));
    const auto mini = media::decodePicture(fixture.folder.file("work_MiniMap.png"));
    ASSERT_TRUE(mini.has_value());
    EXPECT_EQ(mini->width, 80);   // 0 to 800
    EXPECT_EQ(mini->height, 52);  // -40 to 480
    EXPECT_EQ(mini->at(75, 6), 0xFF00FF00u) << "the first element, at (70, 5) to (80, 8)";
    EXPECT_EQ(mini->at(40, 30), 0xFF0A0A0Au) << "the ground";
}

// Small goldens of the screen log (empty map, tool windows hidden) and the help panel.
// RZ_UPDATE_GOLDEN=1 rewrites them.
TEST(BuilderScreenLog, LogAndHelpPanelMatchTheirGoldens) {
    for (const bool help : {false, true}) {
        FakeHost host;
        Builder builder{host};
        builder::BuilderState& state = builder.builderState;
        state = builder::startBuilderState("/nowhere");
        state.desktopWidth = state.helpScreenWidth = 400;
        state.desktopHeight = state.helpScreenHeight = help ? 240 : 230;
        state.maxElements = 10;
        state.windowsHidden = 1;
        state.helpShown = help ? 1 : 0;
        builder.screen.resize(state.desktopWidth, state.desktopHeight);
        builder::drawFrame(builder);
        const media::Framebuffer& frame = builder.screen.frame();
        if (help) {
            // The panel: the lower-left quarter and 16 pixels above it.
            const int top = 240 / 2 - 16;
            EXPECT_EQ(frame.pixels[static_cast<std::size_t>(top) * 400 + 2], 0xFF0F0F0Fu);
            EXPECT_NE(frame.pixels[static_cast<std::size_t>(top - 1) * 400 + 2], 0xFF0F0F0Fu);
            EXPECT_EQ(frame.pixels[239u * 400 + 199], 0xFF0F0F0Fu);
            EXPECT_NE(frame.pixels[239u * 400 + 200], 0xFF0F0F0Fu);
        }
        media::Image picture;
        picture.width = frame.width;
        picture.height = frame.height;
        picture.pixels = frame.pixels;
        for (media::Argb& pixel : picture.pixels)
            pixel |= 0xFF000000u;
        const std::string path = std::string(RZ_SOURCE_DIR) + "/tests/builder/golden/" +
                                 (help ? "help_panel.png" : "screen_log.png");
        if (std::getenv("RZ_UPDATE_GOLDEN") != nullptr) {
            ASSERT_TRUE(media::writePng(path, picture, false));
        }
        const auto golden = media::decodePicture(path);
        ASSERT_TRUE(golden.has_value()) << path;
        ASSERT_EQ(golden->width, picture.width);
        ASSERT_EQ(golden->height, picture.height);
        int differing = 0;
        for (std::size_t i = 0; i < picture.pixels.size(); ++i)
            differing += golden->pixels[i] != picture.pixels[i] ? 1 : 0;
        EXPECT_EQ(differing, 0) << path;
    }
}

}  // namespace
}  // namespace builder_tests
