#include "builder/fatal_report.h"

#include "builder/map_files.h"
#include "engine/base/date_text.h"
#include "engine/media/files.h"
#include "formats/text_lines.h"

namespace builder {

namespace {
constexpr std::string_view kUserFolder = "USER";
constexpr std::string_view kErrorLogName = "USER\\ERR!!!!.txt";
constexpr std::string_view kBackupPrefix = "USER\\_LAZARUS";
constexpr std::string_view kBackupFallbackName = "_LAZARUS";

std::string underWorkingDirectory(const BuilderState& state, std::string_view name) {
    return state.baseDirectory + std::string(name);
}

// Appends the block to the error log; false when it could not be written in full.
bool appendToErrorLog(const std::string& path, const std::string& block) {
    return media::appendToFile(path, block);
}
}  // namespace

std::string fatalErrorBlock(const base::LocalTime& time, std::string_view sourceUnit, int line,
                            std::string_view what) {
    formats::LineWriter lines;
    lines.line("ROZO ERROR INFO: DATE: " + base::formatDate("%yyyy,%mm,%dd", time) + "   " +
               base::formatDate("%hh:%ii:%ss", time));
    lines.line("ERROR: Include: " + std::string(sourceUnit));
    lines.line("LINE: " + std::to_string(line));
    lines.line("WHAT: " + std::string(what));
    lines.line("-");
    lines.line("-");
    return lines.text();
}

std::string writeFatalErrorReport(Builder& builder, std::string_view sourceUnit, int line,
                                  std::string_view what) {
    const BuilderState& state = builder.builderState;
    const base::LocalTime time = builder.host.localTime();
    const std::string stamp = std::to_string(builder.host.localSeconds());

    // The report and the backup expect the folder; without it the work would be lost.
    media::createDirectory(underWorkingDirectory(state, kUserFolder));

    const bool logWritten = appendToErrorLog(underWorkingDirectory(state, kErrorLogName),
                                             fatalErrorBlock(time, sourceUnit, line, what));

    // When USER cannot take the backup (a file of that name, no rights), the folder of the
    // undo snapshots is the next place that is known to be the user's.
    const std::string backupName = std::string(kBackupPrefix) + stamp;
    std::string backupShown = backupName;
    bool backupWritten = writeWorkMapFile(builder, underWorkingDirectory(state, backupName));
    if (!backupWritten && !state.logPath.empty()) {
        backupShown = state.logPath + std::string(kBackupFallbackName) + stamp;
        backupWritten = writeWorkMapFile(builder, backupShown);
        if (!backupWritten) backupShown = backupName;
    }

    // The message never claims a file that was not written.
    std::string message = logWritten ? "Description is stored in: _ERR!!!!.txt"
                                     : "Description could not be stored in: _ERR!!!!.txt";
    if (backupWritten) {
        message += "\nBackup off your work is stored:" + backupShown +
                   "\nTo Restore your work load the _LAZARUS With the  MAP EDITOR";
    } else {
        message += "\nBackup off your work could not be stored:" + backupShown;
    }
    return message;
}

void fatalError(Builder& builder, std::string_view sourceUnit, int line, std::string_view what) {
    const std::string message = writeFatalErrorReport(builder, sourceUnit, line, what);
    builder.host.messageBox(kFatalErrorCaption, message);
    throw BuilderEnd{kExitFatalError};
}

}  // namespace builder
