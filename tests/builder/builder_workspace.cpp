#include "builder_workspace.h"

#include <gtest/gtest.h>

#include "engine/media/pictures.h"
#include "formats/dna_file.h"

namespace builder_tests {

using testing_support::readFile;
using testing_support::writeFile;

std::string configRecord(const std::string& key, const std::string& value) {
    return key + "\r\n-\r\n" + value + "\r\n-\r\n";
}

namespace {
void writeTile(const std::string& gfxFolder, const TileSpec& tile) {
    media::Image image;
    image.width = tile.width;
    image.height = tile.height;
    image.pixels.assign(static_cast<std::size_t>(tile.width) * tile.height, tile.colour);
    const auto png = media::encodePng(image, false);
    ASSERT_TRUE(png.has_value());
    writeFile(gfxFolder + "/" + tile.name + ".png", *png);
    std::vector<formats::DnaPair> pairs;
    for (const auto& [key, value] : tile.dna)
        pairs.push_back({key, value});
    std::string dna;
    if (tile.trailer) {
        dna = formats::formatDnaFile(pairs);
    } else {
        for (const auto& pair : pairs)
            dna += pair.key + "\r\n" + pair.value + "\r\n";
    }
    writeFile(gfxFolder + "/" + tile.name + ".dll", dna);
}
}  // namespace

BuilderWorkspace::BuilderWorkspace(const WorkspaceSetup& setup) {
    if (setup.withStartIni) {
        writeFile(file("_DATA/ini.txt"), configRecord("DEFAULTINISCRIPT", "_DATA\\default.ini"));
    }
    std::string defaults = configRecord("WINDOWMODE", std::to_string(setup.windowMode)) +
                           configRecord("R", "255") + configRecord("G", "0") +
                           configRecord("B", "255") +
                           configRecord("MAXTILES", std::to_string(setup.maxTiles)) +
                           configRecord("MATRIXRASTER", std::to_string(setup.matrixRaster));
    if (setup.withAppIniFile) defaults += configRecord("APPINIFILE", "_DATA\\app.ini");
    writeFile(file("_DATA/default.ini"), defaults);
    writeFile(file("_DATA/app.ini"), configRecord("GFXPATH", setup.gfxPathValue) +
                                         configRecord("LOGFILE", "LOG\\") +
                                         configRecord("CODECS", "_DATA\\codec.ini") +
                                         configRecord("GUIINI", "_DATA\\gui.ini"));
    writeFile(file("_DATA/codec.ini"), configRecord("GFXCODEC", ".png"));
    writeFile(file("LOG/.keep"), "");
    if (setup.withMasterDna) {
        std::vector<formats::DnaPair> master;
        for (const auto& [key, value] : setup.masterDna)
            master.push_back({key, value});
        writeFile(file("_DATA/DNA.dll"), formats::formatDnaFile(master));
    }
    for (const TileSpec& tile : setup.tiles)
        writeTile(file("GFX"), tile);
}

DaraRun BuilderWorkspace::run(const std::string& script, const std::vector<std::string>& extra) {
    ++runs_;
    const std::string tag = std::to_string(runs_);
    const std::string scriptPath = file("run" + tag + ".script");
    const std::string logPath = file("run" + tag + ".messages");
    const std::string dumpPath = file("run" + tag + ".dump.json");
    writeFile(scriptPath, script);
    std::vector<std::string> arguments = {"--headless", "--desktop", kTestDesktop,
                                          "--script",   scriptPath,  "--message-log",
                                          logPath,      "--dump",    dumpPath};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    DaraRun result;
    const testing_support::ProcessResult process =
        testing_support::runProgram(RZ_BUILDER_EXE, arguments, path());
    result.exitCode = process.exitCode;
    result.output = process.output;
    // Under the sanitizers the program's own reports land here.
    for (const char* report : {"runtime error:", "AddressSanitizer", "LeakSanitizer"}) {
        EXPECT_EQ(result.output.find(report), std::string::npos) << result.output;
    }
    const std::string log = readFile(logPath);
    std::size_t start = 0;
    while (start < log.size()) {
        std::size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        if (end > start) result.messages.push_back(parseOrNull(log.substr(start, end - start)));
        start = end + 1;
    }
    const std::string dump = readFile(dumpPath);
    std::optional<Json> parsed = testing_support::json::parse(dump);
    result.dumpRead = parsed.has_value();
    result.dump = std::move(parsed).value_or(Json{});
    return result;
}

int aliveCount(const Json& dump) {
    int alive = 0;
    for (const Json& element : dump.at("elements"))
        alive += element["alive"].get<int>() != 0 ? 1 : 0;
    return alive;
}

}  // namespace builder_tests
