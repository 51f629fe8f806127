// The work of a builder that was killed: every placement's undo snapshot is complete on disk
// before the next event is handled, so the newest snapshot holds all but at most the last
// placement. At start the builder names it, and --recover opens it as the work map.
#pragma once

#include <optional>
#include <string>

#include "builder/builder_state.h"

namespace builder {

struct SnapshotFile {
    std::string path;  // log path + "UNDO_" + number
    int number = 0;
};

// The snapshot written last (by modification time; the higher number among equals, as one
// session writes rising numbers). A later session writes from 0 again, so the highest
// number alone would name an older session's work.
std::optional<SnapshotFile> newestSnapshot(const BuilderState& state);

// Removes the temporary files that snapshot writes cut off by a kill left in the log path.
void removeUnfinishedSnapshots(const BuilderState& state);

// At start, after the work map "1" is loaded: clears the leftovers, then names the newest
// snapshot and how to open it, or (recover) loads it as the work map. Returns the note for
// standard error ("" when there is nothing to say).
std::string recoverNewestWork(Builder& builder, bool recover);

}  // namespace builder
