#include "builder/fatal_report.h"

#include <cstdio>

#include "builder/map_files.h"
#include "engine/media/date_text.h"
#include "engine/media/files.h"
#include "formats/text_lines.h"

namespace builder {

namespace {
constexpr std::string_view kUserFolder = "USER";
constexpr std::string_view kErrorLogName = "USER\\ERR!!!!.txt";
constexpr std::string_view kBackupPrefix = "USER\\_LAZARUS";

std::string underWorkingDirectory(const BuilderState& state, std::string_view name) {
    return state.baseDirectory + std::string(name);
}
}  // namespace

std::string fatalErrorBlock(const media::LocalTime& time, std::string_view sourceUnit, int line,
                            std::string_view what) {
    formats::LineWriter lines;
    lines.line("ROZO ERROR INFO: DATE: " + media::formatDate("%yyyy,%mm,%dd", time) + "   " +
               media::formatDate("%hh:%ii:%ss", time));
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
    const media::LocalTime time = builder.host.localTime();
    const std::string stamp = std::to_string(builder.host.localSeconds());

    // The report and the backup expect the folder; without it the work would be lost.
    media::createDirectory(underWorkingDirectory(state, kUserFolder));

    const std::string logPath = underWorkingDirectory(state, kErrorLogName);
    if (std::FILE* log = std::fopen(media::hostPath(logPath).c_str(), "ab")) {
        const std::string block = fatalErrorBlock(time, sourceUnit, line, what);
        std::fwrite(block.data(), 1, block.size(), log);
        std::fclose(log);
    }

    writeWorkMapFile(builder, underWorkingDirectory(state, std::string(kBackupPrefix) + stamp));

    return "Description is stored in: _ERR!!!!.txt\nBackup off your work is stored:USER\\_LAZARUS" +
           stamp + "\nTo Restore your work load the _LAZARUS With the  MAP EDITOR";
}

void fatalError(Builder& builder, std::string_view sourceUnit, int line, std::string_view what) {
    const std::string message = writeFatalErrorReport(builder, sourceUnit, line, what);
    builder.host.messageBox(kFatalErrorCaption, message);
    throw BuilderEnd{kExitFatalError};
}

}  // namespace builder
