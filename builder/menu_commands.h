// The commands of the tile window's menu bar, by number.
#pragma once

#include "builder/builder_state.h"

namespace builder {

inline constexpr int kMenuSaveMapFolder = 128;
inline constexpr int kMenuLoadMapFolder = 129;
inline constexpr int kMenuQuit = 106;
inline constexpr int kMenuRedrawMap = 115;
inline constexpr int kMenuNewMap = 117;
inline constexpr int kMenuRefreshTiles = 116;
inline constexpr int kMenuHideWindow = 122;
inline constexpr int kMenuShowMiniMap = 125;
inline constexpr int kMenuSaveMiniMap = 126;
inline constexpr int kMenuShowWorkMap = 127;
inline constexpr int kMenuAbout = 107;

void runMenuCommand(Builder& builder, int command);

// The single commands, also for the tests.
void saveMapFolderCommand(Builder& builder);
void loadMapFolderCommand(Builder& builder);
void quitCommand(Builder& builder);
void redrawMapCommand(Builder& builder);
void newMapCommand(Builder& builder);

}  // namespace builder
