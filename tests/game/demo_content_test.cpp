// The bundled demo, run as scripts/play runs it: the title screen must show a scene that
// moves, with every file the demo names in place.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/media/image.h"
#include "engine/media/pictures.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::runProgram;
using testing_support::TempDir;

// A copy of the source tree's demo folder without the reports of earlier runs.
void copyDemo(const TempDir& dir) {
    fs::copy(fs::path(RZ_SOURCE_DIR) / "demo", dir.path(), fs::copy_options::recursive);
    for (const char* report : {"session.log", "warnings.log", "errors.log"}) {
        fs::remove(fs::path(dir.file("CORE")) / report);
    }
    // And without the level states a game run in the source folder left in the cache.
    for (const auto& entry : fs::directory_iterator(dir.file("DATA/CACHE"))) {
        if (entry.path().filename() != ".gitignore") fs::remove_all(entry.path());
    }
}

std::size_t countPixels(const media::Image& image, bool (*wanted)(media::Argb)) {
    std::size_t count = 0;
    for (media::Argb pixel : image.pixels)
        count += wanted(pixel) ? 1 : 0;
    return count;
}

TEST(DemoContent, TitleScreenShowsAMovingSceneWithEveryFileInPlace) {
    TempDir dir;
    copyDemo(dir);
    const auto run = runProgram(RZ_GAME_EXE,
                                {"--headless", "--frames", "120", "--screenshot-at", "30:early.png",
                                 "--screenshot-at", "120:late.png", "--dump", "end.json"},
                                dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::optional<media::Image> early = media::decodePicture(dir.file("early.png"));
    const std::optional<media::Image> late = media::decodePicture(dir.file("late.png"));
    ASSERT_TRUE(early && late);
    ASSERT_EQ(early->pixels.size(), late->pixels.size());
    // The sky covers the whole screen; nothing of it is black.
    const std::size_t black =
        countPixels(*late, [](media::Argb p) { return (p & 0xFFFFFFu) == 0; });
    EXPECT_LT(black, late->pixels.size() / 100) << "black pixels: " << black;
    // The title's gold letters are there once they have faded in.
    const std::size_t gold = countPixels(*late, [](media::Argb p) {
        return media::redOf(p) > 200 && media::greenOf(p) > 100 && media::blueOf(p) < 120;
    });
    EXPECT_GT(gold, std::size_t{5000});
    std::size_t changed = 0;
    for (std::size_t i = 0; i < late->pixels.size(); ++i)
        changed += early->pixels[i] != late->pixels[i] ? 1 : 0;
    EXPECT_GT(changed, late->pixels.size() / 20) << "the scene hardly moves";

    const std::string dump = readFile(dir.file("end.json"));
    EXPECT_NE(dump.find("\"actualMapId\": 1003"), std::string::npos);
    EXPECT_NE(dump.find("\"loaded\": 1"), std::string::npos);
    EXPECT_EQ(dump.find("\"loaded\": 0"), std::string::npos) << "a tile picture is missing";
    EXPECT_EQ(readFile(dir.file("CORE/warnings.log")).find("COULD NOT FIND"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("CORE/errors.log")), "") << "a fault was reported";
}

}  // namespace
