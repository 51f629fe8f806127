// DARA through failing files (RZ_FILE_FAULTS): a map folder, the work map file or an undo
// snapshot that cannot be written keeps the old file on disk and the work map in memory and
// says so; a snapshot that cannot be read leaves the work map as it is; the fatal error
// report writes the crash backup wherever it still can and names only what it wrote.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "builder_workspace.h"
#include "engine/media/files.h"

namespace builder_tests {
namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct FaultRules {
    explicit FaultRules(const std::string& rules) { setenv("RZ_FILE_FAULTS", rules.c_str(), 1); }
    ~FaultRules() { unsetenv("RZ_FILE_FAULTS"); }
};

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

std::string messageTexts(const DaraRun& run) {
    std::string texts;
    for (const Json& message : run.messages)
        texts += message.value("text", std::string()) + "\n";
    return texts;
}

const std::string kOld = "0\r\n0\r\nENGINETILEINFOEND\r\n";

TEST(FileFaults, TheBuilderKeepsItsWorkAndTheOldFiles) {
    struct Row {
        const char* rules;
        const char* commands;  // after three placements
        const char* message;   // a text the message boxes must hold
        const char* keptFile;  // a file that must keep kOld
        int exitCode = 0;
        int alive = 3;  // elements alive at the end
    };
    const Row rows[] = {
        {"write:*MAPOUT/1:ENOSPC", "browse MAPOUT\nmenu 128\n",
         "Save Map NEW Format:\nCould not write the file:\n", "MAPOUT/1"},
        {"rename:*MAPOUT/1:EACCES", "browse MAPOUT\nmenu 128\n",
         "The file on disk was left as it was.", "MAPOUT/1"},
        {"write:1:ENOSPC", "menu 115\n", "Redraw MAP:\nCould not write the file:\n1", "1"},
        {"rename:1:EACCES", "menu 115\n", "Redraw MAP:\nCould not write the file:\n1", "1"},
        {"write:*UNDO_*:ENOSPC:after=1", "", "Undo/Redo LOG - Save Failed.", "LOG/UNDO_1"},
        {"rename:*UNDO_2:EACCES", "", "Undo/Redo LOG - Save Failed.", "LOG/UNDO_2"},
        {"open:*UNDO_*:EMFILE", "", "Undo/Redo LOG - Save Failed.", "LOG/UNDO_2"},
        // Undo to a snapshot that could not be written: the file of that number is an older
        // session's work, so the map stays as it is.
        {"write:*UNDO_1:ENOSPC", "key tap U\n", "Undo/Redo LOG - Save Failed.", "LOG/UNDO_1"},
        // Undo of a snapshot that cannot be read: the map stays as it is.
        {"read:*UNDO_1:EIO", "key tap U\n", "", "LOG/UNDO_9"},
        {"write:*_MiniMap.png:ENOSPC", "menu 126\n", "Save MiniMap:", "1_MiniMap.png"},
        // The fatal error report: the log lost, the backup written.
        {"write:*ERR!!!!.txt:ENOSPC", "fault\n",
         "Description could not be stored in: _ERR!!!!.txt\nBackup off your work is stored:",
         "USER/ERR!!!!.txt", 3},
        // The backup refused in USER goes to the log path.
        {"open:*USER/_LAZARUS*:EACCES", "fault\n",
         "Description is stored in: _ERR!!!!.txt\nBackup off your work is stored:", "1", 3},
        // Refused everywhere: the message says so.
        {"write:*_LAZARUS*:ENOSPC,open:*ERR!!!!.txt:EACCES", "fault\n",
         "Description could not be stored in: _ERR!!!!.txt\nBackup off your work could not be "
         "stored:USER\\_LAZARUS",
         "USER/ERR!!!!.txt", 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rules);
        BuilderWorkspace workspace;
        for (const char* name : {"MAPOUT/1", "1", "LOG/UNDO_1", "LOG/UNDO_2", "LOG/UNDO_9",
                                 "1_MiniMap.png", "USER/ERR!!!!.txt"}) {
            writeFile(workspace.file(name), kOld);
        }
        const std::string script = kRasterOff + click(20, 20) + click(60, 20) + click(100, 20) +
                                   "mouse 300 300\n" + row.commands;
        const FaultRules faults(row.rules);
        const DaraRun run = workspace.run(script);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.output;
        EXPECT_GE(occurrences(run.output, "RZ_FILE_FAULTS: "), 1) << run.output;
        const std::string texts = messageTexts(run);
        EXPECT_NE(texts.find(row.message), std::string::npos) << texts;
        EXPECT_EQ(readFile(workspace.file(row.keptFile)), kOld) << row.keptFile;
        ASSERT_TRUE(run.dumpRead);
        EXPECT_EQ(aliveCount(run.dump), row.alive);
        for (const media::DirectoryEntry& entry : media::listDirectory(workspace.file("LOG")))
            EXPECT_EQ(entry.name.find(".tmp-"), std::string::npos) << entry.name;
        if (row.exitCode == 3 && texts.find("could not be stored:USER") == std::string::npos) {
            // The backup named holds the three placements.
            bool found = false;
            for (const char* folder : {"USER", "LOG"}) {
                for (const media::DirectoryEntry& entry :
                     media::listDirectory(workspace.file(folder))) {
                    if (!entry.name.starts_with("_LAZARUS")) continue;
                    found = true;
                    const std::string backup =
                        readFile(workspace.file(std::string(folder) + "/" + entry.name));
                    EXPECT_EQ(occurrences(backup, "TILE\r\n"), 3) << backup;
                }
            }
            EXPECT_TRUE(found);
        }
    }
}

}  // namespace
}  // namespace builder_tests
