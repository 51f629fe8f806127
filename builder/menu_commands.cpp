#include "builder/menu_commands.h"

#include <string>

#include "builder/frame.h"
#include "builder/map_files.h"
#include "builder/messages.h"
#include "builder/mini_map.h"
#include "builder/tile_palette.h"

namespace builder {

namespace {

constexpr std::string_view kOpenMapTitle = "MAP-BUILDER: Open MAP File:";
constexpr std::string_view kSaveMapTitle = "Save Map New Format:";
constexpr std::string_view kQuitCaption = "MAP BUILDER: Quit?";
constexpr std::string_view kQuitText =
    "Do you really want to quit\nMAP Builder?\nNot saved MAPs will be lost";
constexpr std::string_view kNewMapText = "START NEW MAP ?";
constexpr std::string_view kAboutCaption = "MAP BUILDER MESSAGE:\n";
constexpr std::string_view kAboutText =
    "DARA - the map builder\nRIVORERAR\n* RORAZUZ *\nDEVELOPER VERSION";
constexpr float kMiniMapZoom = 0.1f;
}  // namespace

void saveMapFolderCommand(Builder& builder) {
    BuilderState& state = builder.builderState;
    const std::string folder = builder.host.browseFolder(kSaveMapTitle, state.workingDirectory);
    if (folder.empty()) return;
    saveMapFolder(builder, folderWithSeparator(folder));
}

void loadMapFolderCommand(Builder& builder) {
    BuilderState& state = builder.builderState;
    if (state.workMapFile.empty()) state.workMapFile = state.workingDirectory;
    const std::string folder = builder.host.browseFolder(kOpenMapTitle, state.workingDirectory);
    if (folder.empty()) return;
    loadMapFolder(builder, folderWithSeparator(folder));
}

void quitCommand(Builder& builder) {
    builder.builderState.quit = builder.host.question(kQuitCaption, kQuitText) ? 1 : 0;
}

void redrawMapCommand(Builder& builder) {
    BuilderState& state = builder.builderState;
    // A work map that cannot be written stays in memory as it is: reloading would lose it.
    if (!writeWorkMapFile(builder, state.workMapFile)) {
        reportWriteFailure(builder, "Redraw MAP:", state.workMapFile);
        return;
    }
    loadWorkMapFile(builder, state.workMapFile);
}

void newMapCommand(Builder& builder) {
    BuilderState& state = builder.builderState;
    if (!builder.host.question(kBuilderErrorCaption, kNewMapText)) return;
    state.lastElement = -1;
    state.highestElement = 0;
    state.mapScrollX = 0;
    state.mapScrollY = 0;
    drawFrame(builder);
}

void runMenuCommand(Builder& builder, int command) {
    BuilderState& state = builder.builderState;
    switch (command) {
        case kMenuSaveMapFolder:
            saveMapFolderCommand(builder);
            break;
        case kMenuLoadMapFolder:
            loadMapFolderCommand(builder);
            break;
        case kMenuQuit:
            quitCommand(builder);
            break;
        case kMenuRedrawMap:
            redrawMapCommand(builder);
            break;
        case kMenuNewMap:
            newMapCommand(builder);
            break;
        case kMenuRefreshTiles:
            drawTilePalette(builder);
            break;
        case kMenuHideWindow:
            state.windowsHidden = 1;
            break;
        case kMenuShowMiniMap:
            state.mapZoomX = kMiniMapZoom;
            state.mapZoomY = kMiniMapZoom;
            break;
        case kMenuShowWorkMap:
            state.mapZoomX = 1.0f;
            state.mapZoomY = 1.0f;
            break;
        case kMenuAbout:
            builder.host.messageBox(kAboutCaption, kAboutText);
            break;
        case kMenuSaveMiniMap:
            if (!saveMiniMap(builder))
                reportWriteFailure(builder, "Save MiniMap:", miniMapPath(state));
            break;
        default:
            break;
    }
}

}  // namespace builder
