// The font loads at start-up and the screens appear in a headless run: the game over texts
// with a font and without one, and the noise screen of a map that does not exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "support/game_run.h"

namespace game_test {
namespace {

struct Screen {
    int black = 0;
    int noiseGreen = 0;
    int other = 0;
};

Screen countColours(const std::string& path) {
    const auto image = media::decodePng(readFile(path));
    EXPECT_TRUE(image.has_value()) << path;
    Screen screen;
    for (media::Argb p : image ? image->pixels : std::vector<media::Argb>{}) {
        p |= 0xFF000000u;
        if (p == media::makeArgb(255, 0, 0, 0)) {
            ++screen.black;
        } else if (p == media::makeArgb(255, 0, 100, 0)) {
            ++screen.noiseGreen;
        } else {
            ++screen.other;
        }
    }
    return screen;
}

TEST(GameScreens, GameOverTextsNeedTheFontAndAMissingMapShowsNoise) {
    struct Row {
        std::string appEntry;
        bool font;
        bool texts, noise;
    };
    for (const Row& row : std::vector<Row>{{"4096", true, true, false},
                                           {"4096", false, false, false},
                                           {"7", true, false, true}}) {
        TempDir dir;
        writeCore(dir, pairs({{"SIMCORE", ".\\MAPS\\"},
                              {"APPENTRY", row.appEntry},
                              {"TEXTSMOOTH", "0"},        // texts also without objects to draw
                              {"SCRSWITCHMS", "600000"},  // game over stays on screen
                              {"FONT", ".\\FONT\\"},
                              {"FONTFUNDAMENT", row.font ? ".\\FONT\\list.txt" : ".\\none"}}));
        writeFile(dir.file("MAPS/4096/_"), "0\r\n");
        const media::Image letter{4, 6, std::vector<media::Argb>(24, 0xFFFF0000u)};
        for (const char* name : {"G", "A", "M", "E", "O", "V", "R"})
            writeFile(dir.file(std::string("FONT/") + name + ".png"),
                      media::encodePng(letter, true).value());
        writeFile(dir.file("FONT/list.txt"), "GAMEOVR\r\n");

        const auto run = runHeadless(
            dir, {"--frames", "3", "--screenshot-at", "3:shot.png", "--dump", "end.json"});
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const Screen screen = countColours(dir.file("shot.png"));
        EXPECT_EQ(screen.other > 0, row.texts) << row.appEntry << " font " << row.font;
        EXPECT_EQ(screen.noiseGreen > 0, row.noise) << row.appEntry;
        if (row.appEntry == "4096") {
            EXPECT_EQ(engineValue(readDump(dir.file("end.json")), "blinkCounter"), 3.0);
        }
    }
}

}  // namespace
}  // namespace game_test
