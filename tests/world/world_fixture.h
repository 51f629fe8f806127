// A fresh engine state on the headless media services, with the world's directories in a
// temporary directory and helpers that write the pictures, DNA files and maps a test needs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "engine/program_end.h"
#include "engine/reports.h"
#include "engine/world_object.h"
#include "formats/map_file.h"
#include "support/test_support.h"

namespace world_test {

// Thrown by the exit hook, so a core error ends the test's call instead of the process.
struct ProgramEnded {
    int status = 0;
};

// Key line / value line pairs with CR LF line ends.
inline std::string pairs(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text;
    for (const auto& [key, value] : entries)
        text += key + "\r\n" + value + "\r\n";
    return text;
}

inline formats::TileRecord tile(std::string name, float x, float y, float width, float height,
                                std::int32_t layer = 0) {
    return formats::TileRecord{std::move(name), 0, x, y, width, height, layer};
}

class WorldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine::resetEngineState(engine::engineBaseDirectory(dir.path()));
        engine::setExitHook([](int status) { throw ProgramEnded{status}; });
        engine::setMessageBoxHook([](std::string_view, std::string_view) {});
        engine::setLocalTimeSource([] { return base::LocalTime{2024, 3, 7, 9, 5, 1}; });
        auto platform = std::make_unique<media::HeadlessPlatform>(1280, 1024);
        media::initServices(std::move(platform), 7);
        EngineSettings& s = engineSettings;
        s.gfxPath = dir.path() + "/GFX/";
        s.mapGfxPath = s.gfxPath;
        s.effectGfxPath = dir.path() + "/FX/";
        s.simCorePath = dir.path() + "/MAPS/";
        s.cachePath = dir.path() + "/CACHE/";
        s.soundPath = dir.path() + "/SOUND/";
        s.animSystemPath = dir.path() + "/ANIM/";
        s.warningReportPath = dir.path() + "/warnings.txt";
        s.gfxExtension = ".png";
        s.soundExtension = ".ogg";
        s.useDebugLog = 1;
        s.maxPlayers = 1;
        s.maxAnimFrames = 31;
        media::createDirectory(s.cachePath);
        window = media::openWindow(0, 0, 2001, 1201, "world", media::WindowStyle::Captioned);
        ASSERT_NE(window, 0u);
        setScreen(800, 600, 800, 600);
    }

    void TearDown() override {
        media::shutdownServices();
        engine::setExitHook({});
        engine::setMessageBoxHook({});
        engine::setLocalTimeSource({});
        base::disarmFaultGuard();
    }

    // The opened screen and the design size.
    void setScreen(int width, int height, float designWidth, float designHeight) {
        EngineSettings& s = engineSettings;
        ASSERT_NE(media::openScreen(window, 0, 0, width, height), 0);
        s.SCRW = static_cast<float>(width);
        s.SCRH = static_cast<float>(height);
        s.SRC_SCRW = designWidth;
        s.SRC_SCRH = designHeight;
    }

    // A picture of one colour (opaque) at a host path.
    static void writePicture(const std::string& path, int width, int height,
                             media::Argb colour = media::makeArgb(255, 200, 40, 40)) {
        media::Image image;
        image.width = width;
        image.height = height;
        image.pixels.assign(static_cast<std::size_t>(width) * height, colour);
        testing_support::writeFile(path, "");  // makes the directories
        ASSERT_TRUE(media::writePng(path, image, true)) << path;
    }

    void writeTilePicture(const std::string& name, int width = 32, int height = 32) const {
        writePicture(dir.file("GFX/" + name + ".png"), width, height);
    }

    void writeDna(const std::string& name,
                  const std::vector<std::pair<std::string, std::string>>& entries) const {
        testing_support::writeFile(dir.file("GFX/" + name + ".dll"), pairs(entries));
    }

    // A tile with its picture and DNA file.
    void writeTile(const std::string& name,
                   const std::vector<std::pair<std::string, std::string>>& dna = {}, int width = 32,
                   int height = 32) const {
        writeTilePicture(name, width, height);
        writeDna(name, dna);
    }

    // Layer file `layer` of map `map` below `root` ("MAPS" or "CACHE").
    void writeLayer(int map, int layer, const std::vector<formats::TileRecord>& records,
                    const std::string& root = "MAPS") const {
        std::vector<const formats::TileRecord*> pointers;
        for (const auto& record : records)
            pointers.push_back(&record);
        testing_support::writeFile(
            dir.file(root + "/" + std::to_string(map) + "/" + std::to_string(layer)),
            formats::formatLayerText(pointers, layer));
    }

    void writeTileCount(int map, const std::string& text) const {
        testing_support::writeFile(dir.file("MAPS/" + std::to_string(map) + "/_"), text);
    }

    WorldObject& object(std::int32_t i) { return worldObjects.at(static_cast<std::size_t>(i)); }

    // Number of warning blocks written so far.
    int warningCount() const {
        const std::string text = testing_support::readFile(dir.file("warnings.txt"));
        int count = 0;
        const std::string_view mark = "RERIZUVA-ENGINE-WARNING:DATE:";
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + 1))
            ++count;
        return count;
    }

    testing_support::TempDir dir;
    media::WindowHandle window = 0;
};

}  // namespace world_test
