// One small scene through every stage of the compositor, compared with a committed PNG
// (alpha included). Set RZ_UPDATE_GOLDEN=1 to rewrite the picture after an intended change,
// then look at it before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "compositor_test_util.h"
#include "engine/media/pictures.h"

namespace {

using compositor_test::coordinateImage;
using compositor_test::makeImage;
using compositor_test::solidImage;
using compositor_test::spriteOf;
using media::Argb;
using media::Compositor;

const std::string kGoldenPath =
    std::string(RZ_SOURCE_DIR) + "/tests/media/golden/compositor_scene.png";

// Only exact arithmetic (quarter turns, corner sets, zooms): no sine or cosine, so the
// picture does not depend on the maths library.
media::Image renderScene() {
    Compositor compositor;
    compositor.resize(48, 32);
    compositor.clear(16, 24, 48);

    std::vector<Argb> gradient;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            gradient.push_back(media::makeArgb(255, 40 * x, 60 * y, 90));
        }
    }
    compositor.beginPass();
    const auto background = spriteOf(compositor, makeImage(6, 4, gradient));
    compositor.setFilter(media::Filter::Bilinear);
    compositor.zoomSprite(background, 48, 20);
    compositor.drawSprite(background, 0, 12, 255);
    compositor.setFilter(media::Filter::Nearest);

    const auto disc =
        spriteOf(compositor, makeImage(3, 3,
                                       {0x00FFFFFF, 0x80FF4000, 0x00FFFFFF, 0x80FF4000, 0xFFFFFF00,
                                        0x80FF4000, 0x00FFFFFF, 0x80FF4000, 0x00FFFFFF}));
    compositor.zoomSprite(disc, 9, 9);
    compositor.drawSprite(disc, 2, 14, 200);
    compositor.rotateSprite(disc, 90, false);
    compositor.setBlend(2, 2);
    compositor.drawSprite(disc, 8, 18, 255);

    const auto tile = spriteOf(compositor, coordinateImage(4, 4, 200));
    compositor.setBlend(5, 6);
    compositor.setSpriteCorners(tile, {{{2, 0}, {12, 1}, {9, 9}, {0, 7}}});
    compositor.drawSprite(tile, 30, 14, 230);
    compositor.setBlend(9, 1);  // modulate
    compositor.drawSprite(spriteOf(compositor, solidImage(1, 1, 0xFF80FF80)), 24, 26, 255);

    compositor.endPass();
    compositor.drawText(1, 0, "Hi!", 0xFFFFFFFF, 0xFF602020);
    compositor.rectangle(30, 2, 14, 8, 0xFF00FF00, false);

    // A mirror-like grab squeezed back into a smaller quad, through the filter.
    const auto grabbed = compositor.makeSprite(compositor.grab(0, 12, 24, 12));
    compositor.beginPass();
    compositor.setFilter(media::Filter::Bilinear);
    compositor.zoomSprite(grabbed, 12, 8);
    compositor.drawSprite(grabbed, 34, 22, 160);
    compositor.endPass();

    media::Image image;
    image.width = compositor.frame().width;
    image.height = compositor.frame().height;
    image.pixels = compositor.frame().pixels;
    return image;
}

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The same picture from the widest kernels the processor has and from the SSE2 ones.
TEST(CompositorGolden, SceneMatchesTheCommittedPicture) {
    if (std::getenv("RZ_UPDATE_GOLDEN") != nullptr) {
        const auto png = media::encodePng(renderScene(), true);
        ASSERT_TRUE(png.has_value());
        std::ofstream(kGoldenPath, std::ios::binary) << *png;
        GTEST_SKIP() << "rewrote " << kGoldenPath;
    }
    const auto golden = media::decodePng(readBytes(kGoldenPath));
    ASSERT_TRUE(golden.has_value()) << "missing or unreadable " << kGoldenPath;
    compositor_test::onEveryKernelSet([&] {
        const media::Image scene = renderScene();
        ASSERT_EQ(golden->width, scene.width);
        ASSERT_EQ(golden->height, scene.height);
        int differing = 0;
        for (int y = 0; y < scene.height; ++y) {
            for (int x = 0; x < scene.width; ++x) {
                if (golden->at(x, y) != scene.at(x, y) && ++differing <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << scene.at(x, y)
                                  << " instead of " << golden->at(x, y);
                }
            }
        }
        EXPECT_EQ(differing, 0);
    });
}

}  // namespace
