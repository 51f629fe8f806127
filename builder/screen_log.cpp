#include "builder/screen_log.h"

#include <array>
#include <string>
#include <string_view>

#include "builder/source_units.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERscreen;

constexpr media::Argb kLogText = media::makeArgb(255, 0, 0, 0);
constexpr media::Argb kLogBackground = media::makeArgb(255, 255, 255, 255);
constexpr media::Argb kHelpBackground = media::makeArgb(255, 15, 15, 15);
constexpr media::Argb kHelpText = media::makeArgb(255, 200, 255, 0);
constexpr int kHelpAbove = 16;

struct HelpLine {
    int offset;
    std::string_view text;
};
constexpr std::array<HelpLine, 12> kHelpLines = {{
    {0, "HELP: [H]"},
    {16, "[SCREEN UP]/[SCREEN DOWN] to change layer"},
    {32, "LeftMouseButton=Build Tile"},
    {48, "[U] = Undo, [R] = Redo, [G] To Use GRID,[C] To Switch ALL Raster Build OFF"},
    {64, "Use MouseWheel to resize tile"},
    {80, "[CURSOR]-Keys to move map in all directions"},
    {96, "Close TileMenuWindow To Start Tile Build"},
    {112, "Use [TAB] To Reactivate TileMenuWindow"},
    {128, "[LeftALT] RasterBuildMode: Use TileDimnsions To Move Tile"},
    {142, "Right MouseButton To Delete Tile  Using The Actual Layer"},
    {158, ""},
    {174, "DARA map builder for the RERIZUVA2 game engine"},
}};
}  // namespace

void drawScreenLog(Builder& builder) {
    const BuilderState& state = builder.builderState;
    media::Compositor& screen = builder.screen;
    auto line = [&](int y, const std::string& text) {
        screen.drawText(0, y, text, kLogText, kLogBackground);
    };
    // With an empty work map (last element -1) the three lines about the last element show
    // their labels with nothing after them.
    const MapElement* last = nullptr;
    if (state.lastElement >= 0) last = &BUILDER_AT(state.elements, state.lastElement);

    line(8, "RIVORERAR ScreenLog: Press [H] for QuickHelp");
    line(28, "Tiles used in Map:" + std::to_string(state.lastElement) + " of " +
                 std::to_string(state.maxElements));
    line(48, "MaxUndo" + std::to_string(state.undoCounter));
    line(68, "Actual Tile:" + std::to_string(state.selectedTile));
    line(88, "Internal Static TileID:" + (last ? std::to_string(last->tileIndex) : std::string()));
    line(108, "GFXFileName:" + (last ? last->pictureName : std::string()));
    line(128, "Actual Map Layer " + std::to_string(state.actualLayer));
    line(148, "Global TileID:" + (last ? last->dna.worldFTileID : std::string()));
    line(168, "Max Used Layer: " + std::to_string(state.maxUsedLayer));
    line(188, "RasterMODE:" + std::string(rasterModeName(state.rasterMode)));
    if (state.windowsHidden == 1) line(208, "For TileWindow press [TAB]");
}

void drawHelpPanel(Builder& builder) {
    const BuilderState& state = builder.builderState;
    const int halfWidth = state.helpScreenWidth / 2;
    const int halfHeight = state.helpScreenHeight / 2;
    // The panel covers the lower-left quarter and the 16 pixels above it, down to the
    // desktop's last row (a height of only half the desktop would stop 16 rows short).
    const int panelHeight = state.helpScreenHeight - halfHeight + kHelpAbove;
    builder.screen.rectangle(0, halfHeight - kHelpAbove, halfWidth, panelHeight, kHelpBackground,
                             true);
    for (const HelpLine& help : kHelpLines) {
        builder.screen.drawText(32, halfHeight + help.offset, help.text, kHelpText);
    }
}

}  // namespace builder
