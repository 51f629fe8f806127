// The draw pass and the mirror pass of one frame on small scenes, each compared with a
// committed 64 x 48 picture in tests/simulation/golden. Set RZ_UPDATE_GOLDEN=1 to rewrite
// the pictures after an intended change, then look at each before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/media/pictures.h"
#include "engine/media/scancodes.h"
#include "engine/world_frame.h"
#include "simulation/simulation_slots.h"
#include "simulation_fixture.h"
#include "world/world_input.h"

namespace {

using media::Argb;

// A sprite whose pixel x, y is colour(x, y).
media::SpriteHandle spriteOf(int width, int height, const std::function<Argb(int, int)>& colour) {
    media::Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.at(x, y) = colour(x, y);
    }
    return media::makeSprite(media::compositor().addPicture(std::move(image)));
}

media::SpriteHandle solid(int width, int height, Argb colour) {
    return spriteOf(width, height, [colour](int, int) { return colour; });
}

// A square frame, transparent inside: what lies under it shows through.
media::SpriteHandle ring(int side, Argb colour) {
    return spriteOf(side, side, [side, colour](int x, int y) {
        const bool edge = x < 2 || y < 2 || x >= side - 2 || y >= side - 2;
        return edge ? colour : media::makeArgb(0, 0, 0, 0);
    });
}

const Argb kMagenta = media::rgb(255, 0, 255);

// The scene under construction: objects in draw-list order.
struct Scene {
    std::vector<std::int32_t> order;

    WorldObject& add(media::SpriteHandle sprite, float x, float y, float width, float height) {
        const auto i = static_cast<std::int32_t>(order.size());
        growWorldObjects(i + 1);
        WorldObject& object = worldObjects[static_cast<std::size_t>(i)];
        object.worldFTileIsActive = kObjectActive;
        object.hasSprite = 1;
        object.sprite3D = sprite;
        media::zoomSprite(sprite, width, height);
        object.posX = x;
        object.posY = y;
        object.width = width;
        object.height = height;
        object.worldFTileTransparency = 255.0f;
        object.onScreen = 1;
        object.visibleThisFrame = 1;
        order.push_back(i);
        return object;
    }

    // A 64 x 48 gradient over the whole screen, red growing to the right, green downwards.
    void background() {
        add(spriteOf(64, 48, [](int x, int y) { return media::rgb(x * 4, y * 5, 60); }), 0, 0, 64,
            48);
    }

    // The gradient with white grid lines (every 6 pixels across, 5 down), for mirrors.
    void grid() {
        add(spriteOf(64, 48,
                     [](int x, int y) {
                         if (x % 6 == 0 || y % 5 == 0) return media::rgb(255, 255, 255);
                         return media::rgb(x * 4, y * 5, 60);
                     }),
            0, 0, 64, 48);
    }

    // A still mirror surface; its own picture (magenta) is never drawn.
    WorldObject& mirror(const std::string& side, float x, float y) {
        WorldObject& object = add(solid(4, 4, kMagenta), x, y, 16, 12);
        object.worldFTileIsMirror = 200;
        object.worldFTileMirrorAt = side;
        engineSettings.mirrorCount += 1;
        return object;
    }

    // An animated object showing frame 2 of its RIGHT set, 12 x 12.
    WorldObject& animated(Argb colour, float x, float y) {
        WorldObject& object = add(solid(2, 2, kMagenta), x, y, 12, 12);
        const auto i = order.back();
        object.hasAnimContainer = 1;
        object.framesResident = 1;
        object.animDirection = kDirectionRight;
        AnimationSet& set = directionSets(i).rightSet;
        set.frameCount = 2;
        set.currentFrame = 2;
        set.frameSprites3D[2] = ring(6, colour);
        set.frameWidths[2] = 12;
        set.frameHeights[2] = 12;
        set.frameSprites3D[1] = solid(2, 2, kMagenta);  // not the current frame
        return object;
    }

    void shadow(WorldObject& object) {
        object.hasShadow = 1;
        object.shadowSprite3D = solid(2, 2, media::rgb(255, 255, 255));
    }
};

struct GoldenCase {
    const char* name;
    std::function<void(Scene&)> build;
    std::function<void()> beforeFrame;
};

void tapKey(int key) {
    media::inputState().apply({media::InputEventType::KeyDown, key, 0, 0});
    world::worldInput();
    media::inputState().apply({media::InputEventType::KeyUp, key, 0, 0});
    world::worldInput();
}

void mirrorScene(Scene& scene, const std::string& side) {
    scene.grid();
    scene.mirror(side, 24, 18);
}

const std::vector<GoldenCase>& goldenCases() {
    static const std::vector<GoldenCase> cases = {
        {"blend_pairs",
         [](Scene& scene) {
             scene.background();
             const char* pairs[] = {"", "2x2", "9x1", "5x2", "2x6", "3x4"};
             float x = 2;
             for (const char* pair : pairs) {
                 scene.add(solid(2, 2, media::makeArgb(160, 200, 120, 40)), x, 16, 8, 16)
                     .postEFFECT = pair;
                 x += 10;
             }
         },
         {}},
        // "2x2", then "5" (keeps additive), "" (normal again), "0x6" (keeps normal).
        {"blend_kept_without_pair",
         [](Scene& scene) {
             scene.background();
             const char* texts[] = {"2x2", "5", "", "0x6"};
             float x = 4;
             for (const char* text : texts) {
                 scene.add(solid(2, 2, media::rgb(120, 120, 200)), x, 10, 12, 28).postEFFECT = text;
                 x += 15;
             }
         },
         {}},
        // Drawn at the origin and again at its place; the fade-in counts in both.
        {"stretch_drawn_twice",
         [](Scene& scene) {
             WorldObject& object = scene.add(ring(8, media::rgb(40, 220, 90)), 36, 20, 20, 16);
             object.worldFStretch = 1;
             object.worldFTileFadeIn = 55;
         },
         {}},
        // Shadows: a still object (left) needs GLOBAL_GFX_FX, an animated one (right) not,
        // and gets one shadow either way.
        {"shadows_with_gfx_fx",
         [](Scene& scene) {
             engineSettings.globalGfxFx = 1;
             scene.shadow(scene.add(ring(8, media::rgb(0, 90, 255)), 8, 14, 16, 16));
             scene.shadow(scene.animated(media::rgb(255, 140, 0), 40, 16));
         },
         {}},
        {"shadows_without_gfx_fx",
         [](Scene& scene) {
             scene.shadow(scene.add(ring(8, media::rgb(0, 90, 255)), 8, 14, 16, 16));
             scene.shadow(scene.animated(media::rgb(255, 140, 0), 40, 16));
         },
         {}},
        // Alpha 255 - 100 - 100 for the still object (left); the animated one (right) keeps
        // its fade-out out: 255 - 100.
        {"fade_in_and_out",
         [](Scene& scene) {
             scene.background();
             WorldObject& still = scene.add(solid(2, 2, media::rgb(255, 255, 255)), 6, 12, 20, 20);
             still.worldFTileFadeIn = 100;
             still.worldFTileFadeOut = 100;
             WorldObject& animated = scene.animated(media::rgb(255, 255, 255), 38, 16);
             animated.worldFTileFadeIn = 100;
             animated.worldFTileFadeOut = 100;
         },
         {}},
        {"mirror_left", [](Scene& scene) { mirrorScene(scene, "LEFT"); }, {}},
        {"mirror_right", [](Scene& scene) { mirrorScene(scene, "RIGHT"); }, {}},
        {"mirror_top", [](Scene& scene) { mirrorScene(scene, "TOP"); }, {}},
        {"mirror_down", [](Scene& scene) { mirrorScene(scene, "DOWN"); }, {}},
        // FLOOR with the view offset: grabbed and drawn 6, 4 pixels further on.
        {"mirror_floor_offset",
         [](Scene& scene) {
             mirrorScene(scene, "FLOOR");
             engineSettings.viewOffsetX = 6;
             engineSettings.viewOffsetY = 4;
         },
         {}},
        // F10 switches the mirror pass off: neither the surface nor the mirror's picture.
        {"mirrors_off_by_f10", [](Scene& scene) { mirrorScene(scene, "LEFT"); },
         [] { tapKey(media::dik::F10); }},
        // An unknown side draws nothing, a stretched mirror is still drawn at the origin.
        {"mirror_unknown_side_and_stretch",
         [](Scene& scene) {
             scene.background();
             scene.mirror("SIDEWAYS", 24, 18);
             scene.mirror("", 40, 30).worldFStretch = 1;
         },
         {}},
    };
    return cases;
}

std::string goldenPath(const std::string& name) {
    return std::string(RZ_SOURCE_DIR) + "/tests/simulation/golden/" + name + ".png";
}

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class ObjectDrawGolden : public SimulationTest {};

TEST_F(ObjectDrawGolden, ScenesMatchTheCommittedPictures) {
    const bool update = std::getenv("RZ_UPDATE_GOLDEN") != nullptr;
    for (const GoldenCase& row : goldenCases()) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        world::resetWorldInput();
        simulation::installSimulationSlots(engine::frameSlots);
        engine::frameSlots.objectUpdate = nullptr;  // the draw list is made by hand
        engine::frameSlots.objectTimer = nullptr;
        engine::frameSlots.worldInput = nullptr;
        media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        Scene scene;
        row.build(scene);
        EngineSettings& s = engineSettings;
        s.objectLast = static_cast<std::int32_t>(scene.order.size()) - 1;
        for (std::int32_t i : scene.order)
            s.drawList[static_cast<std::size_t>(i)] = i;
        s.drawLast = s.objectLast;
        if (row.beforeFrame) row.beforeFrame();
        engine::worldFrame();

        const media::Framebuffer& frame = media::compositor().frame();
        media::Image shot;
        shot.width = frame.width;
        shot.height = frame.height;
        shot.pixels = frame.pixels;
        const std::string path = goldenPath(row.name);
        if (update) {
            const auto png = media::encodePng(shot, false);
            ASSERT_TRUE(png.has_value());
            std::ofstream(path, std::ios::binary) << *png;
            continue;
        }
        const auto golden = media::decodePng(readBytes(path));
        ASSERT_TRUE(golden.has_value()) << "missing or unreadable " << path;
        ASSERT_EQ(golden->width, shot.width);
        ASSERT_EQ(golden->height, shot.height);
        int differing = 0;
        for (int y = 0; y < shot.height; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                const Argb want = golden->at(x, y) & 0xFFFFFFu;
                const Argb got = shot.at(x, y) & 0xFFFFFFu;
                if (want != got && ++differing <= 3) {
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got
                                  << " instead of " << want;
                }
            }
        }
        EXPECT_EQ(differing, 0);
    }
    if (update) GTEST_SKIP() << "rewrote the pictures in tests/simulation/golden";
}

}  // namespace
