// Black-box runs of the game: a small CORE to run it in, headless runs of the program, and
// readers for what a run leaves behind. The runs start RZ_GAME_EXE, the game's path that
// every test program is given.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/json.h"
#include "support/test_support.h"

namespace game_test {

namespace json = testing_support::json;
// The support helpers every black-box run of the game uses.
using testing_support::readFile;
using testing_support::runProgram;
using testing_support::TempDir;
using testing_support::writeFile;

// Key/value lines as a configuration file holds them (CR LF line ends).
inline std::string pairs(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text;
    for (const auto& [key, value] : entries)
        text += key + "\r\n" + value + "\r\n";
    return text;
}

// Writes CORE/ini.crc with the paths every run needs (core error texts, codec file,
// settings log, fault report) and a captioned window, then `moreIni` (later pairs win);
// the core error texts and the codec file; and CORE/user.crc when `user` is given.
inline void writeCore(const testing_support::TempDir& dir, std::string_view moreIni = "",
                      std::optional<std::string_view> user = std::nullopt) {
    writeFile(dir.file("CORE/ini.crc"), pairs({{"SYSTEMTEXT", "CORE\\SYSTEM.txt"},
                                               {"CODECS", "CORE\\codecs.txt"},
                                               {"PATH", "CORE\\session.log"},
                                               {"ERRORPATH", "CORE\\errors.log"},
                                               {"SOUNDPATH", ".\\SOUND\\"},
                                               {"SOURCEWIDTH", "800"},
                                               {"SOURCEHEIGHT", "600"},
                                               {"FULLSCREEN", "0"}}) +
                                            std::string(moreIni));
    writeFile(dir.file("CORE/SYSTEM.txt"), pairs({{"#ERROR_INIT_INIT", "Configuration missing"},
                                                  {"#ERROR_OPEN_WORLD_SCREEN", "No screen"}}));
    writeFile(dir.file("CORE/codecs.txt"),
              "GFXCODEC\r\n\r\n.png\r\n\r\nSOUNDCODEC\r\n\r\n.ogg\r\n\r\n");
    if (user) writeFile(dir.file("CORE/user.crc"), *user);
}

// Options of a small headless run.
inline std::vector<std::string> headless(std::vector<std::string> more,
                                         std::string desktop = "320x240") {
    std::vector<std::string> arguments = {"--headless", "--desktop", std::move(desktop)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// Runs the game headless (on a desktop of the given size) in dir and waits for it.
inline testing_support::ProcessResult runHeadless(const testing_support::TempDir& dir,
                                                  std::vector<std::string> options,
                                                  std::string desktop = "320x240") {
    return testing_support::runProgram(
        RZ_GAME_EXE, headless(std::move(options), std::move(desktop)), dir.path());
}

// A dump file, parsed; fails the test when it is missing or not JSON.
inline json::Value readDump(const std::string& path) {
    const std::string text = testing_support::readFile(path);
    auto dump = json::parse(text);
    EXPECT_TRUE(dump.has_value()) << path << ": " << text.substr(0, 200);
    return dump.value_or(json::Value{});
}

// A number of the dump's "engine" section (NaN when it is absent).
inline double engineValue(const json::Value& dump, std::string_view field) {
    const auto engine = dump.find("engine");
    if (engine == dump.end()) return std::numeric_limits<double>::quiet_NaN();
    const auto value = engine->find(field);
    return value != engine->end() ? value->get<double>() : std::numeric_limits<double>::quiet_NaN();
}

// Width and height of a PNG file from its header; 0 x 0 when it is no PNG.
inline std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& path) {
    const std::string bytes = testing_support::readFile(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    auto word = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

// How often text occurs in haystack.
inline int occurrences(std::string_view haystack, std::string_view text) {
    int count = 0;
    for (std::size_t at = haystack.find(text); at != std::string_view::npos;
         at = haystack.find(text, at + text.size())) {
        ++count;
    }
    return count;
}

}  // namespace game_test
