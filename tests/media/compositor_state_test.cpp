// Handles, pictures, grabs and the 2D primitives of the compositor.
#include <gtest/gtest.h>

#include <set>

#include "compositor_test_util.h"
#include "engine/media/system_font.h"

namespace {

using compositor_test::coordinateImage;
using compositor_test::makeImage;
using compositor_test::pixelAt;
using compositor_test::solidImage;
using compositor_test::spriteOf;
using compositor_test::texel;
using media::Argb;
using media::Compositor;

constexpr Argb kBlack = 0xFF000000;

TEST(CompositorHandles, StaleHandlesFindNothingAndAreNotReused) {
    Compositor compositor;
    compositor.resize(4, 4);
    EXPECT_EQ(compositor.addPicture(media::Image{}), 0u);
    EXPECT_EQ(compositor.addPicture(makeImage(2, 2, {1, 2, 3})), 0u);  // wrong pixel count
    EXPECT_EQ(compositor.addPicture(solidImage(Compositor::kMaxPictureSide + 1, 1, 0)), 0u);
    EXPECT_EQ(compositor.makeSprite(0), 0u);
    EXPECT_EQ(compositor.makeSprite(12345), 0u);

    const auto picture = compositor.addPicture(coordinateImage(3, 2));
    ASSERT_NE(picture, 0u);
    EXPECT_TRUE(compositor.pictureExists(picture));
    EXPECT_EQ(compositor.pictureWidth(picture), 3);
    EXPECT_EQ(compositor.pictureHeight(picture), 2);
    ASSERT_NE(compositor.picture(picture), nullptr);
    EXPECT_EQ(compositor.picture(picture)->at(2, 1), texel(2, 1));

    const auto sprite = compositor.makeSprite(picture);
    ASSERT_NE(sprite, 0u);
    compositor.freeSprite(sprite);
    EXPECT_FALSE(compositor.spriteExists(sprite));
    // Every call on the stale handle is ignored.
    compositor.zoomSprite(sprite, 2, 2);
    compositor.rotateSprite(sprite, 10, true);
    compositor.setSpriteCorners(sprite, {});
    compositor.beginPass();
    compositor.drawSprite(sprite, 0, 0, 255);
    compositor.freeSprite(sprite);
    EXPECT_EQ(pixelAt(compositor, 0, 0), kBlack);

    std::set<std::uint32_t> seen{picture, sprite};
    for (int i = 0; i < 50; ++i) {
        const auto another = compositor.makeSprite(picture);
        EXPECT_TRUE(seen.insert(another).second) << "handle reused: " << another;
        compositor.freeSprite(another);
    }

    compositor.freePicture(picture);
    EXPECT_FALSE(compositor.pictureExists(picture));
    EXPECT_EQ(compositor.pictureWidth(picture), 0);
    EXPECT_EQ(compositor.picture(picture), nullptr);
    compositor.freePicture(picture);
    compositor.drawPicture(picture, 0, 0);
    EXPECT_EQ(pixelAt(compositor, 0, 0), kBlack);
}

TEST(CompositorHandles, SpritesOutliveTheirPicture) {
    Compositor compositor;
    compositor.resize(4, 4);
    const auto picture = compositor.addPicture(coordinateImage(2, 2));
    const auto sprite = compositor.makeSprite(picture);
    compositor.freePicture(picture);
    EXPECT_TRUE(compositor.spriteExists(sprite));
    compositor.beginPass();
    compositor.drawSprite(sprite, 1, 1, 255);
    EXPECT_EQ(pixelAt(compositor, 2, 2), texel(1, 1));
}

TEST(CompositorGrab, CopiesTheClippedRectangleAsAnOpaquePicture) {
    Compositor compositor;
    compositor.resize(4, 4);
    compositor.beginPass();
    compositor.setBlend(2, 1);  // copies alpha too: the screen holds translucent pixels
    auto translucent = coordinateImage(4, 4);
    for (Argb& pixel : translucent.pixels) {
        pixel &= 0x80FFFFFF;
    }
    compositor.drawSprite(compositor.makeSprite(compositor.addPicture(translucent)), 0, 0, 255);
    ASSERT_EQ(pixelAt(compositor, 1, 2), texel(1, 2) & 0x80FFFFFF);

    const auto grabbed = compositor.grab(1, 2, 2, 2);
    ASSERT_NE(grabbed, 0u);
    const media::Image* image = compositor.picture(grabbed);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->at(0, 0), texel(1, 2));
    EXPECT_EQ(image->at(1, 1), texel(2, 3));

    const auto clipped = compositor.grab(-3, 3, 5, 10);
    ASSERT_NE(clipped, 0u);
    EXPECT_EQ(compositor.pictureWidth(clipped), 2);
    EXPECT_EQ(compositor.pictureHeight(clipped), 1);
    EXPECT_EQ(compositor.picture(clipped)->at(1, 0), texel(1, 3));

    EXPECT_EQ(compositor.grab(4, 0, 2, 2), 0u);
    EXPECT_EQ(compositor.grab(-2, 0, 2, 2), 0u);
    EXPECT_EQ(compositor.grab(0, 0, 0, 2), 0u);
    EXPECT_EQ(compositor.grab(0, 0, 2, -1), 0u);
    EXPECT_EQ(compositor.grab(2147483000, 2147483000, 2147483000, 5), 0u);
    EXPECT_NE(compositor.grab(-1000000, -1000000, 2147483647, 2147483647), 0u);
}

// A refilled grab shows the new screen through its sprite, also where an enlarged draw
// kept prepared rows of the old pixels; a rectangle of another size leaves it as it was.
TEST(CompositorGrab, RegrabRefillsInPlaceOnlyAtTheSameSize) {
    Compositor compositor;
    compositor.resize(8, 8);
    compositor.clear(255, 0, 0);
    const auto grabbed = compositor.grab(0, 0, 2, 2);
    const auto sprite = compositor.makeSprite(grabbed);
    compositor.beginPass();
    compositor.zoomSprite(sprite, 4, 4);
    compositor.drawSprite(sprite, 4, 4, 200);  // prepares the rows of the red grab
    compositor.endPass();

    compositor.clear(0, 0, 255);
    EXPECT_FALSE(compositor.regrab(grabbed, 0, 0, 3, 2));
    EXPECT_EQ(compositor.picture(grabbed)->at(0, 0) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_FALSE(compositor.regrab(grabbed + 1000, 0, 0, 2, 2));
    ASSERT_TRUE(compositor.regrab(grabbed, 0, 0, 2, 2));
    EXPECT_EQ(compositor.picture(grabbed)->at(1, 1), 0xFF0000FFu);
    compositor.clear(0, 0, 0);
    compositor.beginPass();
    compositor.drawSprite(sprite, 4, 4, 200);
    compositor.endPass();
    EXPECT_EQ(pixelAt(compositor, 5, 5) & 0xFFFFFFu, 0x0000C8u);
}

TEST(CompositorGrab, FreedGrabsRecycleMemoryWithoutDisturbingLiveSprites) {
    Compositor compositor;
    compositor.resize(4, 1);
    compositor.plot(0, 0, 0xFF112233);
    // The first grab lives on in a sprite after its picture is freed.
    const auto first = compositor.grab(0, 0, 4, 1);
    const auto sprite = compositor.makeSprite(first);
    compositor.freePicture(first);
    compositor.clear(9, 9, 9);
    // A grab freed with no sprite left gives its memory to the next grab.
    const auto second = compositor.grab(0, 0, 4, 1);
    compositor.freePicture(second);
    compositor.plot(3, 0, 0xFF445566);
    const auto third = compositor.grab(1, 0, 3, 1);
    ASSERT_NE(third, 0u);
    EXPECT_EQ(compositor.picture(third)->pixels,
              (std::vector<Argb>{0xFF090909, 0xFF090909, 0xFF445566}));
    compositor.beginPass();
    compositor.drawSprite(sprite, 0, 0, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 0), 0xFF112233u);
    EXPECT_EQ(pixelAt(compositor, 3, 0), kBlack);
}

TEST(CompositorGrab, SmoothingRedrawAveragesEachTwoByTwoBlock) {
    // The post pass grabs the screen from (1, 1) and draws it back there through the
    // bilinear filter: each pixel becomes the mean of itself and its upper-left neighbours.
    Compositor compositor;
    compositor.resize(3, 3);
    compositor.beginPass();
    compositor.setBlend(2, 1);
    compositor.drawSprite(compositor.makeSprite(compositor.addPicture(
                              makeImage(3, 3,
                                        {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000, 0xFF400000,
                                         0xFF800000, 0xFF000000, 0xFF000000, 0xFFC00000}))),
                          0, 0, 255);
    const auto grabbed = compositor.makeSprite(compositor.grab(1, 1, 2, 2));
    compositor.setBlend(5, 6);
    compositor.setFilter(media::Filter::Bilinear);
    compositor.drawSprite(grabbed, 1, 1, 255);
    EXPECT_EQ(pixelAt(compositor, 1, 1), 0xFF400000u);
    EXPECT_EQ(pixelAt(compositor, 2, 1), 0xFF600000u);  // (0x40 + 0x80) / 2
    EXPECT_EQ(pixelAt(compositor, 1, 2), 0xFF200000u);  // (0x40 + 0x00) / 2
    EXPECT_EQ(pixelAt(compositor, 2, 2), 0xFF600000u);  // (0x40 + 0x80 + 0x00 + 0xC0) / 4
}

TEST(Compositor2d, ClearPlotAndRectanglesAreOpaqueAndClipped) {
    Compositor compositor;
    compositor.resize(6, 5);
    compositor.clear(1, 2, 3);
    EXPECT_EQ(pixelAt(compositor, 5, 4), 0xFF010203u);

    compositor.plot(2, 2, 0x00ABCDEF);
    EXPECT_EQ(pixelAt(compositor, 2, 2), 0xFFABCDEFu);
    compositor.plot(-1, 0, 0xFFFFFFFF);
    compositor.plot(6, 0, 0xFFFFFFFF);
    compositor.plot(0, 5, 0xFFFFFFFF);

    compositor.clear(0, 0, 0);
    compositor.rectangle(1, 1, 4, 3, 0x00FF0000, false);
    const char* outline[] = {"......", ".####.", ".#..#.", ".####.", "......"};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(pixelAt(compositor, x, y), outline[y][x] == '#' ? 0xFFFF0000u : kBlack)
                << x << "," << y;
        }
    }
    compositor.rectangle(-1000000, 3, 2147483647, 2147483647, 0xFF00FF00, true);
    EXPECT_EQ(pixelAt(compositor, 5, 4), 0xFF00FF00u);
    EXPECT_EQ(pixelAt(compositor, 5, 2), kBlack);
    compositor.rectangle(0, 0, 0, 3, 0xFFFFFFFF, true);
    compositor.rectangle(0, 0, 3, -1, 0xFFFFFFFF, false);
    EXPECT_EQ(pixelAt(compositor, 0, 0), kBlack);
}

// A clear takes effect lazily: whatever follows it sees the cleared screen, whether or not
// the screen was looked at in between; a draw covering the whole screen opaquely replaces it.
TEST(Compositor2d, ClearThenDrawGivesTheSameScreenWhetherOrNotTheClearWasSeen) {
    struct Case {
        const char* what;
        Argb texel;
        float x, y, width, height;
        int alpha;
        bool bilinear;
    };
    const Case cases[] = {
        {"opaque over the whole screen", 0xFF102030, 0, 0, 4, 4, 255, false},
        {"opaque, bilinear, over the whole screen", 0xFF102030, 0, 0, 4, 4, 255, true},
        {"opaque beyond every edge", 0xFF102030, -3, -2, 9, 9, 255, false},
        {"opaque leaving column 0", 0xFF102030, 0.6f, 0, 4, 4, 255, false},
        {"opaque at alpha 200", 0xFF102030, 0, 0, 4, 4, 200, false},
        {"half transparent", 0x80102030, 0, 0, 4, 4, 255, false},
        {"part of the screen", 0xFF102030, 1, 1, 2, 2, 255, false},
    };
    for (const Case& c : cases) {
        auto render = [&](bool lookAfterClear) {
            Compositor compositor;
            compositor.resize(4, 4);
            const auto sprite = spriteOf(compositor, solidImage(2, 2, c.texel));
            compositor.zoomSprite(sprite, c.width, c.height);
            compositor.clear(50, 60, 70);
            if (lookAfterClear) {
                EXPECT_EQ(pixelAt(compositor, 3, 3), 0xFF323C46u);
            }
            compositor.beginPass();
            compositor.setFilter(c.bilinear ? media::Filter::Bilinear : media::Filter::Nearest);
            compositor.drawSprite(sprite, c.x, c.y, c.alpha);
            compositor.endPass();
            return compositor.frame().pixels;
        };
        EXPECT_EQ(render(false), render(true)) << c.what;
    }
    Compositor compositor;
    compositor.resize(2, 2);
    compositor.clear(1, 2, 3);
    compositor.resize(3, 3);  // a new screen is black, the pending clear forgotten
    EXPECT_EQ(pixelAt(compositor, 2, 2), kBlack);
}

TEST(Compositor2d, TextDrawsOneCellPerByteWithOptionalBackground) {
    Compositor compositor;
    compositor.resize(24, 16);
    compositor.drawText(0, 0, "I", 0xFFFFFF00);
    // The ink lies in the first cell, the rest stays black.
    int ink = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 24; ++x) {
            const Argb pixel = pixelAt(compositor, x, y);
            if (pixel != kBlack) {
                EXPECT_EQ(pixel, 0xFFFFFF00u);
                EXPECT_LT(x, 7);
                ++ink;
            }
        }
    }
    EXPECT_GT(ink, 10);

    compositor.clear(0, 0, 0);
    compositor.drawText(5, 0, "  ", 0xFFFFFFFF, 0xFF0000FF);
    EXPECT_EQ(pixelAt(compositor, 4, 0), kBlack);
    EXPECT_EQ(pixelAt(compositor, 5, 0), 0xFF0000FFu);
    EXPECT_EQ(pixelAt(compositor, 20, 15), 0xFF0000FFu);
    EXPECT_EQ(pixelAt(compositor, 21, 15), kBlack);

    // Far off or partly off the screen: clipped, no fault.
    compositor.drawText(-2147483647, -5, "clipped text", 0xFFFFFFFF, 0xFF00FF00);
    compositor.drawText(2147483600, 2147483600, "far away", 0xFFFFFFFF, 0xFF00FF00);
    compositor.drawText(-4, -8, "X\x01\xff", 0xFFFFFFFF, 0xFF00FF00);
    EXPECT_EQ(pixelAt(compositor, 3, 0), 0xFF00FF00u);  // the blank last column of a cell
}

TEST(Compositor2d, SystemFontHasDistinctGlyphsAndABoxForOtherBytes) {
    std::set<media::SystemGlyph> glyphs;
    for (int code = 33; code <= 126; ++code) {
        const auto& glyph = media::systemFontGlyph(static_cast<unsigned char>(code));
        EXPECT_TRUE(glyphs.insert(glyph).second) << "glyph " << char(code) << " repeats";
        EXPECT_EQ(glyph[0] | glyph[1] | glyph[15], 0) << "glyph " << char(code);
        for (std::uint8_t row : glyph) {
            EXPECT_EQ(row & 1, 0) << "glyph " << char(code) << " touches the next cell";
        }
    }
    const media::SystemGlyph blank{};
    EXPECT_EQ(media::systemFontGlyph(' '), blank);
    const auto& box = media::systemFontGlyph(0);
    EXPECT_NE(box, blank);
    EXPECT_FALSE(glyphs.count(box));
    for (int code : {1, 10, 31, 127, 128, 255}) {
        EXPECT_EQ(media::systemFontGlyph(static_cast<unsigned char>(code)), box) << code;
    }
}

}  // namespace
