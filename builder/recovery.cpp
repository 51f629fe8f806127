#include "builder/recovery.h"

#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "builder/map_files.h"
#include "builder/undo.h"
#include "engine/media/files.h"
#include "formats/map_file.h"

namespace builder {

namespace {
constexpr std::string_view kSnapshotPrefix = "UNDO_";

// The folder the snapshots are in, as the file layer lists it.
std::string snapshotFolder(const BuilderState& state) {
    return state.logPath.empty() ? std::string(".") : state.logPath;
}

// The number of a file named "UNDO_" + digits; nullopt for any other name.
std::optional<int> snapshotNumber(std::string_view name) {
    if (!name.starts_with(kSnapshotPrefix)) return std::nullopt;
    const std::string_view digits = name.substr(kSnapshotPrefix.size());
    int number = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size() ||
        number < 0) {
        return std::nullopt;
    }
    return number;
}

// A temporary file of the atomic replace of a snapshot: "UNDO_" + digits + ".tmp-" + ...
bool isUnfinishedSnapshot(std::string_view name) {
    const std::size_t tmp = name.find(".tmp-");
    return tmp != std::string_view::npos && snapshotNumber(name.substr(0, tmp)).has_value();
}

std::string elementCount(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " element" : " elements");
}
}  // namespace

std::optional<SnapshotFile> newestSnapshot(const BuilderState& state) {
    std::optional<SnapshotFile> newest;
    std::filesystem::file_time_type newestTime{};
    for (const media::DirectoryEntry& entry : media::listDirectory(snapshotFolder(state))) {
        const std::optional<int> number = snapshotNumber(entry.name);
        if (entry.isDirectory || !number) continue;
        const std::string path = state.logPath + entry.name;
        std::error_code error;
        const auto written = std::filesystem::last_write_time(media::hostPath(path), error);
        if (error) continue;
        if (!newest || written > newestTime ||
            (written == newestTime && *number > newest->number)) {
            newest = SnapshotFile{path, *number};
            newestTime = written;
        }
    }
    return newest;
}

void removeUnfinishedSnapshots(const BuilderState& state) {
    for (const media::DirectoryEntry& entry : media::listDirectory(snapshotFolder(state))) {
        if (!entry.isDirectory && isUnfinishedSnapshot(entry.name)) {
            media::deleteFile(state.logPath + entry.name);
        }
    }
}

std::string recoverNewestWork(Builder& builder, bool recover) {
    const BuilderState& state = builder.builderState;
    removeUnfinishedSnapshots(state);
    const std::optional<SnapshotFile> newest = newestSnapshot(state);
    if (!newest) {
        return recover ? "--recover: there is no undo snapshot in " +
                             media::hostPath(snapshotFolder(state)) + "; the work map is " +
                             state.workMapFile
                       : std::string();
    }
    const std::string shown = media::hostPath(newest->path);
    const std::optional<formats::BuilderMapText> map = formats::readBuilderMapFile(newest->path);
    if (!map) return "the newest undo snapshot " + shown + " cannot be read";
    const std::string count = elementCount(map->tiles.size());
    if (!recover) {
        return "the newest work is in the undo snapshot " + shown + " (" + count +
               "); start DARA with --recover to open it as the work map before placing " +
               "anything, as new placements write the snapshots from " +
               media::hostPath(undoSnapshotPath(state, 0)) + " on";
    }
    if (!loadSnapshot(builder, newest->path)) {
        return "--recover: the undo snapshot " + shown + " cannot be read";
    }
    return "recovered the work map from the undo snapshot " + shown + " (" + count +
           "); save it with \"Save Map NEW Format\"";
}

}  // namespace builder
