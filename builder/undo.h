// Undo and redo through snapshots of the work map: "UNDO_" + number in the log path.
//
// Every left-button press (whether or not it placed an element) sets the undo position to
// the undo counter, advances the counter and writes the work map as it stands after the
// press to the snapshot numbered by the undo position. Undo steps the position back one
// and loads that snapshot: the map as it was before the latest press.
// A snapshot that could not be written is never loaded: its number on disk is older work.
#pragma once

#include <string>

#include "builder/builder_state.h"

namespace builder {

std::string undoSnapshotPath(const BuilderState& state, int number);

// The undo bookkeeping of a left-button press and its snapshot (message 118 when it cannot
// be written).
void recordPlacement(Builder& builder);

void undo(Builder& builder);
void redo(Builder& builder);

}  // namespace builder
