#include "builder/startup.h"

#include <string>

#include "builder/configuration.h"
#include "builder/dna_window.h"
#include "builder/map_files.h"
#include "builder/messages.h"
#include "builder/tile_catalogue.h"
#include "builder/tile_palette.h"

namespace builder {

namespace {

void takeDesktopSize(Builder& builder) {
    const DesktopSize desktop = builder.host.desktopSize();
    builder.builderState.desktopWidth = desktop.width;
    builder.builderState.desktopHeight = desktop.height;
}

void openWindows(Builder& builder) {
    BuilderState& state = builder.builderState;
    takeDesktopSize(builder);
    state.screenWidth = static_cast<float>(state.desktopWidth);
    state.screenHeight = static_cast<float>(state.desktopHeight);
    takeDesktopSize(builder);

    const WindowsOpened opened =
        builder.host.openWindows({state.desktopWidth, state.desktopHeight});
    builder.mainWindowOpen = opened.mainWindow;
    if (!opened.mainWindow || !opened.spriteScreen) builderError(builder, kErrorMainWindow);
    builder.screen.resize(state.desktopWidth, state.desktopHeight);
    state.helpScreenWidth = state.desktopWidth;
    state.helpScreenHeight = state.desktopHeight;
    builder.tileWindowOpen = opened.tileWindow;
    if (!opened.tileWindow) builderError(builder, kErrorTileWindow);
    builder.dnaWindowOpen = opened.dnaWindow;
    if (!opened.dnaWindow) builderError(builder, kErrorDefaultDna);
    if (opened.dnaWindow) buildDnaRows(builder);
    builder.host.activateWindow(WindowId::Main);
}

void applySpriteFiltering(Builder& builder) {
    builder.screen.setFilter(builder.builderState.spriteFiltering == 0 ? media::Filter::Nearest
                                                                       : media::Filter::Bilinear);
}

}  // namespace

void startBuilder(Builder& builder, std::string_view workingDirectory) {
    BuilderState& state = builder.builderState;
    state = startBuilderState(workingDirectory);

    readStartIni(builder);
    readDefaultIniScript(builder);
    applySpriteFiltering(builder);
    readApplicationIni(builder);
    if (state.windowMode == 0) openWindows(builder);

    readApplicationIni(builder);
    readCodecFile(builder);
    loadTileCatalogue(builder);
    sizeElementTable(state);
    builder.mouse.examine();
    readGuiIni(builder);
    drawTilePalette(builder);

    state.mapId = 1;
    state.workMapFile = std::to_string(state.mapId);
    loadWorkMapFile(builder, state.workMapFile);

    if (!builder.mainWindowOpen) builderError(builder, kErrorMainWindow);
    builder.host.activateWindow(WindowId::Tiles);
}

void endBuilder(Builder& builder) {
    builder.host.closeWindows();
    builder.mainWindowOpen = false;
    builder.tileWindowOpen = false;
    builder.dnaWindowOpen = false;
}

}  // namespace builder
