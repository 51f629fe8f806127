// The builder's message boxes: the start-up failure report, the numbered builder errors and
// the notices of the sound failure handling (a file that could not be written, a map too
// large for the element table).
#pragma once

#include <string_view>

#include "builder/builder_state.h"

namespace builder {

inline constexpr std::string_view kStartupFailureCaption = "DARA ERROR ";
inline constexpr std::string_view kBuilderErrorCaption = "MAP BUILDER ERROR:";

inline constexpr int kErrorMainWindow = 100;
inline constexpr int kErrorTileWindow = 102;
inline constexpr int kErrorUndoLog = 118;
inline constexpr int kErrorDefaultDna = 119;
inline constexpr int kErrorSaveDna = 124;

inline constexpr int kExitFailure = 1;

// "DARA ERROR " with the file name, " Result:   ", 0 and "   FAIL"; then the program ends.
[[noreturn]] void startupFailure(Builder& builder, std::string_view fileName);

// Shows message `number`; 100 and every number without a text end the program (the latter
// silently). Returns for the messages after which the builder goes on.
void builderError(Builder& builder, int number);

// A file that could not be written: names it; the builder goes on.
void reportWriteFailure(Builder& builder, std::string_view what, std::string_view fileName);

// A map file holding more elements than the element table: loading stopped at the end.
void reportMapTooLarge(Builder& builder, std::string_view fileName, int capacity);

}  // namespace builder
