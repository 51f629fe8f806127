#include "game/demo_scene.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>
#include <vector>

#include "engine/media/files.h"
#include "engine/media/headless/harness.h"
#include "engine/media/json_writer.h"
#include "engine/media/scancodes.h"
#include "engine/media/services.h"

namespace game {
namespace {

using media::Argb;

struct DemoSprite {
    media::SpriteHandle sprite = 0;
    float x = 0, y = 0, vx = 0, vy = 0;
    float size = 64;
    float angle = 0, spin = 0;
    int alpha = 255;
    bool additive = false;
};

struct Scene {
    media::WindowHandle window = 0;
    int width = 0;
    int height = 0;
    std::vector<media::PictureHandle> pictures;
    std::vector<DemoSprite> sprites;
    DemoSprite player;
    std::string keysText;
};

constexpr int kSpriteCount = 14;
constexpr int kMaxDemoPictures = 6;

bool isPictureName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const std::string_view extension : {".png", ".jpg", ".jpeg", ".tif", ".tiff"}) {
        if (name.size() > extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0) {
            return true;
        }
    }
    return false;
}

// Pictures of the demo folder: demo/ below the working directory, or the working directory
// itself when it is the demo folder.
std::vector<media::PictureHandle> loadDemoPictures() {
    std::vector<std::string> folders = {"demo/"};
    const std::string here = media::workingDirectory();
    if (here.size() >= 5 && here.compare(here.size() - 5, 5, "/demo") == 0) folders.push_back("./");
    std::vector<media::PictureHandle> pictures;
    for (const std::string& folder : folders) {
        for (const media::DirectoryEntry& entry : media::listDirectory(folder)) {
            if (entry.isDirectory || !isPictureName(entry.name)) continue;
            if (pictures.size() >= kMaxDemoPictures) return pictures;
            const media::PictureHandle picture =
                media::loadPicture(folder + entry.name, media::ColourKey{true, 0, 255, 0});
            if (picture != 0) pictures.push_back(picture);
        }
        if (!pictures.empty()) break;
    }
    return pictures;
}

// A generated picture: a soft disc, a ring, a checker tile or a diamond in one colour.
media::Image generatedPicture(int kind, Argb colour) {
    constexpr int kSize = 64;
    media::Image image;
    image.width = image.height = kSize;
    image.pixels.assign(kSize * kSize, 0);
    const float centre = (kSize - 1) / 2.0f;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = static_cast<float>(x) - centre;
            const float dy = static_cast<float>(y) - centre;
            const float distance = std::sqrt(dx * dx + dy * dy) / centre;
            float coverage = 0.0f;
            switch (kind % 4) {
                case 0:
                    coverage = std::clamp(1.0f - distance, 0.0f, 1.0f);
                    break;
                case 1:
                    coverage = std::abs(distance - 0.75f) < 0.15f ? 1.0f : 0.0f;
                    break;
                case 2:
                    coverage = ((x / 8 + y / 8) % 2 == 0) ? 1.0f : 0.35f;
                    break;
                default:
                    coverage = std::abs(dx) + std::abs(dy) < centre ? 1.0f : 0.0f;
                    break;
            }
            const auto alpha = static_cast<std::uint32_t>(std::lround(coverage * 255.0f));
            image.at(x, y) = (colour & 0x00FFFFFFu) | (alpha << 24);
        }
    }
    return image;
}

std::vector<media::PictureHandle> generatedPictures() {
    constexpr std::array<Argb, 4> kColours = {media::rgb(255, 96, 64), media::rgb(64, 200, 255),
                                              media::rgb(250, 220, 80), media::rgb(140, 255, 120)};
    std::vector<media::PictureHandle> pictures;
    for (int kind = 0; kind < 4; ++kind) {
        pictures.push_back(media::compositor().addPicture(
            generatedPicture(kind, kColours[static_cast<std::size_t>(kind)])));
    }
    return pictures;
}

float randomIn(int low, int high) {
    return static_cast<float>(low + media::randomInt(high - low));
}

void setUpSprites(Scene& scene) {
    scene.pictures = loadDemoPictures();
    if (scene.pictures.empty()) scene.pictures = generatedPictures();
    for (int i = 0; i < kSpriteCount; ++i) {
        DemoSprite sprite;
        const auto picture = scene.pictures[static_cast<std::size_t>(i) % scene.pictures.size()];
        sprite.sprite = media::makeSprite(picture);
        sprite.size = randomIn(24, 96);
        sprite.x = randomIn(0, std::max(1, scene.width - 96));
        sprite.y = randomIn(0, std::max(1, scene.height - 96));
        sprite.vx = randomIn(-4, 4) + 0.5f;
        sprite.vy = randomIn(-3, 3) + 0.25f;
        sprite.spin = randomIn(-60, 60) / 10.0f + 0.35f;
        sprite.alpha = 128 + media::randomInt(127);
        sprite.additive = i % 3 == 0;
        scene.sprites.push_back(sprite);
    }
    scene.player.sprite = media::makeSprite(scene.pictures.front());
    scene.player.size = 48;
    scene.player.x = static_cast<float>(scene.width) / 2;
    scene.player.y = static_cast<float>(scene.height) / 2;
}

void update(Scene& scene) {
    for (DemoSprite& sprite : scene.sprites) {
        sprite.x += sprite.vx;
        sprite.y += sprite.vy;
        if (sprite.x < 0 || sprite.x + sprite.size > static_cast<float>(scene.width))
            sprite.vx = -sprite.vx;
        if (sprite.y < 0 || sprite.y + sprite.size > static_cast<float>(scene.height))
            sprite.vy = -sprite.vy;
        sprite.angle = std::fmod(sprite.angle + sprite.spin + 360.0f, 360.0f);
    }
    // The player follows the cursor keys and the joystick.
    const int dx = (media::keyHeld(media::dik::RIGHT) ? 1 : 0) -
                   (media::keyHeld(media::dik::LEFT) ? 1 : 0) + media::joystickX();
    const int dy = (media::keyHeld(media::dik::DOWN) ? 1 : 0) -
                   (media::keyHeld(media::dik::UP) ? 1 : 0) + media::joystickY();
    scene.player.x = std::clamp(scene.player.x + 4.0f * static_cast<float>(dx), 0.0f,
                                static_cast<float>(scene.width) - scene.player.size);
    scene.player.y = std::clamp(scene.player.y + 4.0f * static_cast<float>(dy), 0.0f,
                                static_cast<float>(scene.height) - scene.player.size);
    scene.player.angle = std::fmod(scene.player.angle + 2.5f, 360.0f);
}

void drawSprite(const DemoSprite& sprite) {
    media::zoomSprite(sprite.sprite, sprite.size, sprite.size);
    media::rotateSprite(sprite.sprite, sprite.angle, false);
    media::drawSprite(sprite.sprite, sprite.x, sprite.y, sprite.alpha);
}

void draw(const Scene& scene, int turn) {
    media::beginSpritePass();
    media::clearScreen(14, 16, 32);
    for (int band = 0; band < 8; ++band) {
        const int y = band * scene.height / 8;
        media::rectangle(0, y, scene.width, scene.height / 16, media::rgb(20 + band * 3, 22, 44),
                         true);
    }
    for (std::size_t i = 0; i < scene.sprites.size(); ++i) {
        const DemoSprite& sprite = scene.sprites[i];
        media::setSpriteFilter(i % 2 == 0);
        if (sprite.additive) {
            media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendOne);
        } else {
            media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        }
        drawSprite(sprite);
    }
    media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
    drawSprite(scene.player);
    media::endSpritePass();

    media::beginText();
    media::setTextTransparent(false);
    media::drawText(10, 10, "RERIZUVA2 compositor demo - cursor keys move, Esc ends",
                    media::rgb(0, 200, 0), media::rgb(0, 0, 0));
    media::setTextTransparent(true);
    media::drawText(
        10, 30,
        "turn " + std::to_string(turn) + "  clock " + std::to_string(media::milliseconds()) + " ms",
        media::rgb(255, 255, 255));
    if (!scene.keysText.empty()) media::drawText(10, 50, scene.keysText, media::rgb(250, 220, 80));
    media::rectangle(media::mouseX() - 3, media::mouseY() - 3, 7, 7, media::rgb(255, 255, 255),
                     false);
    media::endText();
}

void readInput(Scene& scene) {
    media::pollKeyboard();
    media::pollMouse();
    std::string pressed;
    for (int code = 1; code < media::kKeyCount; ++code) {
        if (media::keyPressed(code)) pressed += " " + std::to_string(code);
    }
    if (!pressed.empty()) scene.keysText = "keys pressed:" + pressed;
}

std::string dumpScene(const Scene& scene, int turn) {
    media::JsonWriter json;
    json.beginObject();
    json.member("turn", turn);
    json.key("engine").beginObject();
    json.member("scene", "compositor demo");
    json.member("milliseconds", media::milliseconds());
    json.member("screenWidth", scene.width);
    json.member("screenHeight", scene.height);
    json.endObject();
    json.key("settings").beginObject();
    json.member("headless", media::harness().options().headless);
    json.endObject();
    json.key("coreErrorTexts").beginArray().endArray();
    json.key("playerStatus").beginArray().endArray();
    json.key("objects").beginArray();
    auto object = [&json](const DemoSprite& sprite) {
        json.beginObject();
        json.member("posX", sprite.x);
        json.member("posY", sprite.y);
        json.member("size", sprite.size);
        json.member("angle", sprite.angle);
        json.member("alpha", sprite.alpha);
        json.endObject();
    };
    object(scene.player);
    for (const DemoSprite& sprite : scene.sprites)
        object(sprite);
    json.endArray();
    for (const char* list : {"drawList", "collisionList", "weaponList", "mirrorList"}) {
        json.key(list).beginArray().endArray();
    }
    json.endObject();
    return json.text() + "\n";
}

bool openScene(Scene& scene) {
    // Half the desktop, in a captioned window one pixel larger, like a windowed game.
    scene.width = std::max(160, media::desktopWidth(0) / 2);
    scene.height = std::max(120, media::desktopHeight(0) / 2);
    scene.window = media::openWindow(0, 0, scene.width + 1, scene.height + 1,
                                     "RERIZUVA2 compositor demo", media::WindowStyle::Captioned);
    if (scene.window == 0 ||
        media::openScreen(scene.window, 0, 0, scene.width, scene.height) == 0) {
        return false;
    }
    media::beginSpritePass();
    media::clearScreen(0, 0, 0);
    media::endSpritePass();
    media::flip();
    return true;
}

}  // namespace

int runDemoScene() {
    media::Harness& harness = media::harness();
    Scene scene;
    if (!openScene(scene)) {
        media::messageBox("RERIZUVA2", "The demo screen could not be opened.");
        return 1;
    }
    setUpSprites(scene);
    harness.setDumpWriter([&scene](int turn) { return dumpScene(scene, turn); });
    media::pollKeyboard();

    for (int turn = 1;; ++turn) {
        if (!harness.beginTurn(turn)) break;
        media::pollEvents();
        if (media::inputState().quitRequested()) break;
        if (media::isForegroundWindow(scene.window)) {
            {
                media::Harness::PhaseTimer timer(harness, media::Harness::Phase::Update);
                update(scene);
            }
            {
                media::Harness::PhaseTimer timer(harness, media::Harness::Phase::Draw);
                draw(scene, turn);
            }
            media::flip();
            harness.afterFlip(turn);
        } else {
            media::sleepMilliseconds(25);
        }
        readInput(scene);
        if (media::keyHeld(media::dik::ESCAPE)) break;
    }
    // The dump is written before the scene goes away.
    harness.endOfProgram();
    harness.setDumpWriter(nullptr);
    return 0;
}

}  // namespace game
