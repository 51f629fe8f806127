#include "builder/undo.h"

#include <algorithm>

#include "builder/map_files.h"
#include "builder/messages.h"

namespace builder {

std::string undoSnapshotPath(const BuilderState& state, int number) {
    return state.logPath + "UNDO_" + std::to_string(number);
}

void recordPlacement(Builder& builder) {
    BuilderState& state = builder.builderState;
    state.undoPosition = state.undoCounter;
    state.highestUndo = std::max(state.highestUndo, state.undoCounter);
    state.undoCounter += 1;
    if (writeWorkMapFile(builder, undoSnapshotPath(state, state.undoPosition))) {
        builder.unwrittenSnapshots.erase(state.undoPosition);
    } else {
        builder.unwrittenSnapshots.insert(state.undoPosition);
        builderError(builder, kErrorUndoLog);
    }
}

namespace {
// Loads the snapshot at the undo position unless this session failed to write it.
void loadSnapshotAtPosition(Builder& builder) {
    const BuilderState& state = builder.builderState;
    if (builder.unwrittenSnapshots.contains(state.undoPosition)) return;
    loadSnapshot(builder, undoSnapshotPath(state, state.undoPosition));
}
}  // namespace

void undo(Builder& builder) {
    BuilderState& state = builder.builderState;
    state.undoPosition -= 1;
    if (state.undoPosition >= 0) {
        loadSnapshotAtPosition(builder);
    } else {
        state.undoPosition = 0;
    }
}

void redo(Builder& builder) {
    BuilderState& state = builder.builderState;
    state.undoPosition -= 1;
    if (state.undoPosition >= 0) {
        loadSnapshotAtPosition(builder);
    } else {
        state.undoPosition = state.highestUndo;
    }
}

}  // namespace builder
