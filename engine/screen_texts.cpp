#include "engine/screen_texts.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "engine/base/fault_guard.h"
#include "engine/bitmap_font.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"

namespace engine {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::TEXT_ENGINE;

constexpr std::int32_t kStatusFuel = 1;
constexpr std::int32_t kStatusIdCards = 2;
constexpr std::int32_t kStatusLife = 4;
constexpr std::int32_t kStatusLifeBar = 5;
constexpr std::int32_t kStatusFuelBar = 6;

struct CachedFile {
    bool present = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::vector<std::string> lines;
};

// Reading a file every frame only to draw the same lines again is wasted work: a stat tells
// whether the file changed since it was read.
std::map<std::string, CachedFile>& screenFileCache() {
    static std::map<std::string, CachedFile> cache;
    return cache;
}

// Texts are put together and upper-cased in buffers kept between frames, so drawing the
// texts of a running level does no heap work once the buffers have their size.
std::string& lineBuffer() {
    static std::string line;
    return line;
}

void drawUpper(std::string_view text, float x, float y, float zoom, int alpha) {
    static std::string upper;
    upper.assign(text);
    upperCaseInPlace(upper);
    drawFontText(upper, x, y, zoom, 0.0f, alpha);
}

// lead + text + "|", in the line buffer (valid until the next call).
std::string_view framedText(std::string_view lead, std::string_view text) {
    std::string& line = lineBuffer();
    line.assign(lead);
    line.append(text);
    line.push_back('|');
    return line;
}

void drawGameOver(float w, float h) {
    EngineSettings& s = engineSettings;
    ++s.blinkCounter;
    if (s.blinkCounter < kBlinkHideFrom) {
        drawUpper(" GAME OVER|", 0.4f * w, 0.5f * h, 1.0f, 200);
        drawUpper(" press start|", 0.4f * w, 0.6f * h, 1.0f, 200);
    }
    if (s.blinkCounter > kBlinkRestartAbove) s.blinkCounter = 0;
}

void drawFileLines(std::string_view name, float w, float h) {
    const std::string path = engineSettings.engineBase + std::string(name);
    for (const std::string& line : cachedScreenTextLines(path)) {
        drawUpper(line, 0.2f * w, 0.1f * h, 0.3f, 220);
    }
}

void drawStatus(std::int32_t entry, float x, float y, int alpha) {
    const std::string& text = CHECKED_AT(engineSettings.playerStatus, entry).text;
    drawFontText(framedText(" ", text), x, y, 1.0f, 0.0f, alpha);
}

// Each bar is a pair on one spot: the background run first, the value run over it.
void drawLevelTexts(float w, float h) {
    drawUpper(framedText("  ", engineSettings.version), 0.6f * w, 1.0f, 0.4f, 150);
    drawStatus(kStatusIdCards, 0.5f * w, 0.1f * h, 250);
    drawStatus(kStatusLifeBar, 0.8f * w, 0.1f * h, 200);
    drawStatus(kStatusLife, 0.8f * w, 0.1f * h, 250);
    drawStatus(kStatusFuelBar, 0.4f * w, 0.1f * h, 200);
    drawStatus(kStatusFuel, 0.4f * w, 0.1f * h, 250);
}

}  // namespace

const std::vector<std::string>& cachedScreenTextLines(const std::string& configuredPath) {
    CachedFile& cached = screenFileCache()[configuredPath];
    std::error_code error;
    const std::filesystem::path host(media::hostPath(configuredPath));
    const bool present = std::filesystem::is_regular_file(host, error);
    const std::uintmax_t size = present ? std::filesystem::file_size(host, error) : 0;
    const auto modified =
        present ? std::filesystem::last_write_time(host, error) : std::filesystem::file_time_type{};
    if (error || present != cached.present || size != cached.size || modified != cached.modified) {
        const std::optional<std::string> bytes =
            present ? media::readWholeFile(configuredPath) : std::nullopt;
        cached.present = bytes.has_value() && !error;
        cached.size = size;
        cached.modified = modified;
        cached.lines = bytes ? screenTextLines(*bytes) : std::vector<std::string>{};
    }
    return cached.lines;
}

void drawScreenTexts(std::int32_t mapId) {
    const EngineSettings& s = engineSettings;
    const float w = s.SCRW;
    const float h = s.SCRH;
    // A file whose last line lacks the final "|" would leave the cursor where it ended, and
    // its lines would wander further across the screen every frame: each run starts at (0, 0).
    textCursor = TextCursor{};
    if (mapId == kGameOverScreen) {
        drawGameOver(w, h);
    } else if (mapId > kTitleScreen && mapId <= kTitleSequenceStart) {
        drawFileLines("copyright", w, h);
    } else if (mapId == kClosingScreen) {
        drawFileLines("thank", w, h);
    } else if (mapId != kTitleScreen) {
        drawLevelTexts(w, h);
    }
    if (s.paused == 1) drawUpper(" game paused|", 0.45f * w, 0.45f * h, 1.0f, 240);
    if (s.errorDetected == 1) {
        drawUpper(" error detected, engine goes on |", 0.1f * w, 0.45f * h, 0.8f, 100);
    }
}

}  // namespace engine
