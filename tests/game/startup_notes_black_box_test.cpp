// Start-up notes on stderr: one plain line for each configured directory that is missing and
// each codec extension no reader handles; the run itself goes on as without them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace game_test {
namespace {

struct NoteCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> ini;
    const char* codecs;                 // the codec file, nullptr: the usual one
    int notes;                          // lines starting "RERIZUVA2: the "
    std::vector<std::string> expected;  // texts that must be on stderr once each
};

TEST(GameStartUpNotes, MissingDirectoriesAndUnknownExtensionsAreNamedOnceEach) {
    const std::string usualCodecs = "GFXCODEC\r\n\r\n.png\r\n\r\nSOUNDCODEC\r\n\r\n.ogg\r\n\r\n";
    const std::vector<NoteCase> cases = {
        {"all present", {{"GFX", "GFX\\"}, {"SIMCORE", ".\\MAPS\\"}}, nullptr, 0, {}},
        {"missing picture and map directories",
         {{"GFX", ".\\NOGFX\\"}, {"SIMCORE", "NOMAPS\\"}},
         nullptr,
         2,
         {"RERIZUVA2: the picture directory GFX \".\\NOGFX\\\" does not exist (", "/NOGFX/)\n",
          "RERIZUVA2: the map directory SIMCORE \"NOMAPS\\\" does not exist ("}},
        {"letter case does not matter", {{"GFX", "gfx\\"}, {"SIMCORE", "maps"}}, nullptr, 0, {}},
        {"unknown codecs",
         {},
         "GFXCODEC\r\n\r\n.bmp\r\n\r\nSOUNDCODEC\r\n\r\n.OGG\r\n\r\nMUSICCODEC\r\n\r\n.mp3\r\n\r\n",
         2,
         {"RERIZUVA2: the picture extension GFXCODEC \".bmp\" is none of .png .jpg .jpeg .tif "
          ".tiff\n",
          "RERIZUVA2: the sound extension MUSICCODEC \".mp3\" is not .ogg (sounds are read as Ogg "
          "Vorbis)\n"}},
    };
    for (const NoteCase& row : cases) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        std::filesystem::create_directories(dir.file("GFX"));
        std::filesystem::create_directories(dir.file("MAPS"));
        std::filesystem::create_directories(dir.file("SOUND"));
        writeCore(dir, pairs(row.ini));
        writeFile(dir.file("CORE/codecs.txt"), row.codecs ? row.codecs : usualCodecs);
        const auto result = runHeadless(dir, {"--frames", "1"});
        EXPECT_EQ(result.exitCode, 0) << result.output;
        for (const std::string& line : row.expected)
            EXPECT_EQ(occurrences(result.output, line), 1) << line << "\n" << result.output;
        EXPECT_EQ(occurrences(result.output, "RERIZUVA2: the "), row.notes) << result.output;
    }
}

}  // namespace
}  // namespace game_test
