// Sprite geometry: zoom with both filters, quarter and half turns, corner transforms,
// clipping and hostile geometry, each checked pixel by pixel on small screens.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "compositor_test_util.h"

namespace {

using compositor_test::coordinateImage;
using compositor_test::makeImage;
using compositor_test::pixelAt;
using compositor_test::solidImage;
using compositor_test::spriteOf;
using compositor_test::texel;
using media::Argb;
using media::Compositor;
using media::Filter;

constexpr Argb kBlack = 0xFF000000;

class CompositorDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        compositor.resize(8, 8);
        compositor.beginPass();
    }
    // The pixels that differ from opaque black, as (x, y) -> colour checks.
    int changedPixels() const {
        int count = 0;
        for (Argb pixel : compositor.frame().pixels) {
            count += pixel != kBlack ? 1 : 0;
        }
        return count;
    }
    Compositor compositor;
};

TEST_F(CompositorDraw, ZoomNearestRepeatsAndSkipsTexels) {
    const auto sprite = spriteOf(compositor, coordinateImage(2, 2));
    compositor.zoomSprite(sprite, 4, 4);
    compositor.drawSprite(sprite, 1, 2, 255);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(pixelAt(compositor, 1 + x, 2 + y), texel(x / 2, y / 2)) << x << "," << y;
        }
    }
    EXPECT_EQ(changedPixels(), 16);

    // Shrinking 4 -> 2 reads the texels under the pixel centres: 0.5 * 2 = 1 and 1.5 * 2 = 3.
    compositor.clear(0, 0, 0);
    const auto wide = spriteOf(compositor, coordinateImage(4, 1));
    compositor.zoomSprite(wide, 2, 1);
    compositor.drawSprite(wide, 0, 0, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 0), texel(1, 0));
    EXPECT_EQ(pixelAt(compositor, 1, 0), texel(3, 0));
    EXPECT_EQ(changedPixels(), 2);
}

TEST_F(CompositorDraw, FractionalPositionsCoverPixelsWhoseCentreIsInside) {
    const auto sprite = spriteOf(compositor, solidImage(1, 1, 0xFFFFFFFF));
    compositor.zoomSprite(sprite, 2.0f, 1.0f);
    // [0.6, 2.6) holds the centres 1.5 and 2.5; [3.2, 4.2) holds 3.5 (row 3).
    compositor.drawSprite(sprite, 0.6f, 3.2f, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 3), kBlack);
    EXPECT_EQ(pixelAt(compositor, 1, 3), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(compositor, 2, 3), 0xFFFFFFFFu);
    EXPECT_EQ(changedPixels(), 2);
}

TEST_F(CompositorDraw, BilinearSamplesAtPixelCornersWithTheDocumentedRounding) {
    // Red channels 10 21 / 30 41 drawn 1:1 at (1, 1) through the filter.
    const auto sprite =
        spriteOf(compositor, makeImage(2, 2, {0xFF0A0000, 0xFF150000, 0xFF1E0000, 0xFF290000}));
    compositor.setFilter(Filter::Bilinear);
    compositor.drawSprite(sprite, 1, 1, 255);
    EXPECT_EQ(pixelAt(compositor, 1, 1), 0xFF0A0000u);  // the corner clamps to texel (0, 0)
    EXPECT_EQ(pixelAt(compositor, 2, 1), 0xFF100000u);  // (10 + 21) / 2 = 15.5 -> 16
    EXPECT_EQ(pixelAt(compositor, 1, 2), 0xFF140000u);  // (10 + 30) / 2 = 20
    // columns first: (10 + 30) / 2 = 20, (21 + 41) / 2 = 31 (31.0 + 0.5 rounds down in
    // the 8-bit step: (62 * 128 + 128) >> 8 = 31); then (20 + 31) / 2 = 25.5 -> 26
    EXPECT_EQ(pixelAt(compositor, 2, 2), 0xFF1A0000u);
    EXPECT_EQ(changedPixels(), 4);

    // Zoom 2 -> 4 on one row: u = x / 2 - 0.5 gives texel 0, 0, halfway, texel 1.
    compositor.clear(0, 0, 0);
    const auto row = spriteOf(compositor, makeImage(2, 1, {0xFF000000, 0xFFC80000}));
    compositor.zoomSprite(row, 4, 1);
    compositor.drawSprite(row, 0, 5, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 5), 0xFF000000u);
    EXPECT_EQ(pixelAt(compositor, 1, 5), 0xFF000000u);
    EXPECT_EQ(pixelAt(compositor, 2, 5), 0xFF640000u);  // (0 + 200) / 2 = 100
    EXPECT_EQ(pixelAt(compositor, 3, 5), 0xFFC80000u);
}

TEST_F(CompositorDraw, HalfTurnMirrorsBothAxesExactly) {
    const auto sprite = spriteOf(compositor, coordinateImage(4, 2));
    compositor.rotateSprite(sprite, 180.0f, false);
    compositor.drawSprite(sprite, 2, 3, 255);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(pixelAt(compositor, 2 + x, 3 + y), texel(3 - x, 1 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(changedPixels(), 8);
}

TEST(CompositorKernels, TurnedTranslucentSpritesBlendEachTexelAsTheReference) {
    // A soft picture turned by half a turn and zoomed twice (enlarged, so its texels are
    // prepared with a' once) at several draw alphas: every pixel is blendPixel of its texel.
    std::vector<Argb> pixels;
    std::uint32_t seed = 5;
    for (int i = 0; i < 12 * 10; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels.push_back(i % 5 == 0 ? seed & 0x00FFFFFFu : seed);
    }
    compositor_test::onEveryKernelSet([&] {
        for (int alpha : {1, 100, 200, 254, 255}) {
            Compositor compositor;
            compositor.resize(30, 26);
            compositor.clear(40, 80, 120);
            const auto sprite = spriteOf(compositor, makeImage(12, 10, pixels));
            compositor.zoomSprite(sprite, 24, 20);
            compositor.rotateSprite(sprite, 180.0f, false);
            compositor.beginPass();
            compositor.drawSprite(sprite, 3, 4, alpha);
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 24; ++x) {
                    const Argb source =
                        pixels[static_cast<std::size_t>((19 - y) / 2 * 12 + (23 - x) / 2)];
                    ASSERT_EQ(pixelAt(compositor, 3 + x, 4 + y),
                              media::blend::blendPixel(source, 0xFF285078u, alpha, 5, 6))
                        << x << "," << y << " alpha " << alpha;
                }
            }
        }
    });
}

TEST(CompositorKernels, RepeatedScaledDrawsGiveWhatAFirstDrawGives) {
    // A picture keeps the rows of its last scaled draw for the next one of the same size,
    // placement and alpha; any change (alpha, zoom, clipping) must prepare afresh. Each draw
    // of the sequence equals the same draw by a compositor that never drew the picture.
    std::vector<Argb> pixels;
    std::uint32_t seed = 3;
    for (int i = 0; i < 12 * 10; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels.push_back(i % 7 == 0 ? seed & 0x00FFFFFFu : seed);
    }
    struct Draw {
        float x, y, width, height;
        int alpha;
    };
    const Draw draws[] = {
        {4, -6, 30, 25, 200},  // clipped at the top: the lower rows only
        {4, 5, 30, 25, 200},   // the same rows and more
        {4, 5, 30, 25, 200},  {20, 9, 30, 25, 200}, {20, 9, 30, 25, 90},
        {-7, 9, 30, 25, 90},  {3, 2, 31, 25, 90},   {3, 2.5f, 31, 17, 255},
    };
    auto render = [&](Compositor& compositor, media::SpriteHandle sprite, const Draw& draw) {
        compositor.clear(10, 20, 30);
        compositor.zoomSprite(sprite, draw.width, draw.height);
        compositor.beginPass();
        compositor.drawSprite(sprite, draw.x, draw.y, draw.alpha);
        compositor.endPass();
        return compositor.frame().pixels;
    };
    compositor_test::onEveryKernelSet([&] {
        Compositor repeated;
        repeated.resize(40, 36);
        const auto sprite = spriteOf(repeated, makeImage(12, 10, pixels));
        for (const Draw& draw : draws) {
            Compositor fresh;
            fresh.resize(40, 36);
            const auto first = spriteOf(fresh, makeImage(12, 10, pixels));
            EXPECT_EQ(render(repeated, sprite, draw), render(fresh, first, draw))
                << draw.x << "," << draw.y << " " << draw.width << "x" << draw.height << " alpha "
                << draw.alpha;
        }
    });
}

TEST_F(CompositorDraw, QuarterTurnIsClockwiseAboutTheCentre) {
    // A 4x2 picture at (1, 2): centre (3, 3); turned it covers x 2..3, y 1..4, its top row
    // running down the right-hand column.
    const auto sprite = spriteOf(compositor, coordinateImage(4, 2));
    compositor.rotateSprite(sprite, 90.0f, false);
    compositor.drawSprite(sprite, 1, 2, 255);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pixelAt(compositor, 3, 1 + i), texel(i, 0)) << i;
        EXPECT_EQ(pixelAt(compositor, 2, 1 + i), texel(i, 1)) << i;
    }
    EXPECT_EQ(changedPixels(), 8);

    // Relative turns add up: 45 + 45 draws what 90 draws; -270 is 90 as well.
    const auto turnedFrame = compositor.frame().pixels;
    for (float first : {45.0f, -315.0f}) {
        compositor.clear(0, 0, 0);
        compositor.rotateSprite(sprite, first, false);
        compositor.rotateSprite(sprite, 45.0f, true);
        compositor.drawSprite(sprite, 1, 2, 255);
        EXPECT_EQ(compositor.frame().pixels, turnedFrame) << first;
    }
}

TEST_F(CompositorDraw, OddAngleKeepsTheAreaAndStaysInsideTheTurnedSquare) {
    const auto sprite = spriteOf(compositor, solidImage(4, 4, 0xFFFFFFFF));
    compositor.rotateSprite(sprite, 30.0f, false);
    compositor.drawSprite(sprite, 2, 2, 255);
    // 16 square pixels of area give 16 +- a few covered pixel centres, all within the
    // turned square's circumcircle (radius 2.83 around (4, 4)).
    EXPECT_NEAR(changedPixels(), 16, 3);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (pixelAt(compositor, x, y) != kBlack) {
                EXPECT_LE(std::hypot(x + 0.5 - 4.0, y + 0.5 - 4.0), 2.83) << x << "," << y;
            }
        }
    }
}

TEST_F(CompositorDraw, CornersMapThePictureOntoTheQuad) {
    // A horizontally mirrored rectangle: upper left of the picture at the right.
    const auto sprite = spriteOf(compositor, coordinateImage(4, 2));
    compositor.setSpriteCorners(sprite, {{{4, 0}, {0, 0}, {0, 2}, {4, 2}}});
    compositor.drawSprite(sprite, 1, 1, 255);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(pixelAt(compositor, 1 + x, 1 + y), texel(3 - x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(changedPixels(), 8);

    // Zooming drops the corners again.
    compositor.clear(0, 0, 0);
    compositor.zoomSprite(sprite, 4, 2);
    compositor.drawSprite(sprite, 1, 1, 255);
    EXPECT_EQ(pixelAt(compositor, 1, 1), texel(0, 0));
}

TEST_F(CompositorDraw, TrapezoidCoversEachPixelOnceAndKeepsItsCornerTexels) {
    // Additive blending shows a pixel covered twice as a doubled value.
    const auto flat = spriteOf(compositor, solidImage(2, 2, 0xFF010203));
    compositor.setSpriteCorners(flat, {{{0, 0}, {8, 0}, {6, 4}, {2, 4}}});
    compositor.setBlend(2, 2);
    compositor.drawSprite(flat, 0, 0, 255);
    // Row centres 0.5 .. 3.5 meet the slanted sides at x = y / 2 and x = 8 - y / 2.
    const int expectedRuns[4][2] = {{0, 8}, {1, 7}, {1, 7}, {2, 6}};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = y < 4 && x >= expectedRuns[y][0] && x < expectedRuns[y][1];
            EXPECT_EQ(pixelAt(compositor, x, y), inside ? 0xFF010203u : kBlack) << x << "," << y;
        }
    }

    compositor.clear(0, 0, 0);
    compositor.setBlend(5, 6);
    const auto quad = spriteOf(compositor, coordinateImage(2, 2));
    compositor.setSpriteCorners(quad, {{{0, 0}, {8, 0}, {6, 4}, {2, 4}}});
    compositor.drawSprite(quad, 0, 0, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 0), texel(0, 0));
    EXPECT_EQ(pixelAt(compositor, 7, 0), texel(1, 0));
    EXPECT_EQ(pixelAt(compositor, 5, 3), texel(1, 1));
    EXPECT_EQ(pixelAt(compositor, 2, 3), texel(0, 1));
}

TEST_F(CompositorDraw, ClipsAtEveryEdge) {
    const auto sprite = spriteOf(compositor, coordinateImage(4, 4));
    compositor.drawSprite(sprite, -2, -3, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 0), texel(2, 3));
    EXPECT_EQ(pixelAt(compositor, 1, 0), texel(3, 3));
    EXPECT_EQ(changedPixels(), 2);

    compositor.clear(0, 0, 0);
    compositor.rotateSprite(sprite, 180.0f, false);
    compositor.drawSprite(sprite, 6, 7, 255);
    EXPECT_EQ(pixelAt(compositor, 6, 7), texel(3, 3));
    EXPECT_EQ(pixelAt(compositor, 7, 7), texel(2, 3));
    EXPECT_EQ(changedPixels(), 2);
}

TEST_F(CompositorDraw, HostileGeometryDrawsNothingOrClipsWithoutHanging) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const auto sprite = spriteOf(compositor, solidImage(2, 2, 0xFFFFFFFF));
    for (float position : {nan, inf, -inf, 1e30f, -1e30f, 3e9f}) {
        compositor.drawSprite(sprite, position, 0, 255);
        compositor.drawSprite(sprite, 0, position, 255);
    }
    for (auto size :
         {std::pair{0.0f, 2.0f}, {2.0f, 0.0f}, {-2.0f, 2.0f}, {nan, 2.0f}, {2.0f, inf}}) {
        compositor.zoomSprite(sprite, size.first, size.second);
        compositor.drawSprite(sprite, 1, 1, 255);
    }
    compositor.zoomSprite(sprite, 2, 2);
    compositor.rotateSprite(sprite, nan, false);
    compositor.drawSprite(sprite, 1, 1, 255);
    compositor.setSpriteCorners(sprite, {{{0, 0}, {nan, 0}, {2, 2}, {0, 2}}});
    compositor.drawSprite(sprite, 1, 1, 255);
    compositor.setSpriteCorners(sprite, {{{0, 0}, {2, 0}, {4, 0}, {6, 0}}});  // no area
    compositor.drawSprite(sprite, 1, 1, 255);
    EXPECT_EQ(changedPixels(), 0);

    // Enormous sprites, plain and turned, fill the screen and return at once.
    compositor.rotateSprite(sprite, 0.0f, false);
    compositor.zoomSprite(sprite, 1e30f, 1e30f);
    compositor.drawSprite(sprite, -1e15f, -1e15f, 255);
    EXPECT_EQ(changedPixels(), 64);
    compositor.clear(0, 0, 0);
    compositor.rotateSprite(sprite, 45.0f, false);
    compositor.zoomSprite(sprite, 1e9f, 1e9f);
    compositor.rotateSprite(sprite, 45.0f, false);
    compositor.drawSprite(sprite, -5e8f, -5e8f, 255);
    EXPECT_EQ(changedPixels(), 64);
    compositor.clear(0, 0, 0);
    compositor.setSpriteCorners(
        sprite, {{{-1e20f, -1e20f}, {1e20f, -1e20f}, {1e20f, 1e20f}, {-3e20f, 1e20f}}});
    compositor.drawSprite(sprite, 0, 0, 255);
    EXPECT_EQ(changedPixels(), 64);
}

TEST_F(CompositorDraw, AlphaOutOfRangeIsClampedAndNoDrawOutsideAPass) {
    const auto sprite = spriteOf(compositor, solidImage(1, 1, 0xFFFFFFFF));
    compositor.drawSprite(sprite, 0, 0, 300);
    EXPECT_EQ(pixelAt(compositor, 0, 0), 0xFFFFFFFFu);
    compositor.drawSprite(sprite, 1, 0, -20);
    EXPECT_EQ(pixelAt(compositor, 1, 0), kBlack);

    compositor.endPass();
    EXPECT_FALSE(compositor.inPass());
    compositor.drawSprite(sprite, 2, 0, 255);
    EXPECT_EQ(pixelAt(compositor, 2, 0), kBlack);
    // The blend pair and filter outlive the pass.
    compositor.setBlend(2, 2);
    compositor.beginPass();
    compositor.drawSprite(sprite, 0, 0, 255);
    EXPECT_EQ(pixelAt(compositor, 0, 0), 0xFFFFFFFFu);
}

TEST_F(CompositorDraw, AxisAlignedAndQuadPathsAgree) {
    // A zoomed picture drawn plainly and through equal corners gives the same pixels, with
    // either filter and a translucent blend.
    std::vector<Argb> pixels;
    for (int i = 0; i < 9; ++i) {
        pixels.push_back(media::makeArgb(40 + 20 * i, 25 * i, 255 - 25 * i, 7 * i));
    }
    for (Filter filter : {Filter::Nearest, Filter::Bilinear}) {
        compositor.setFilter(filter);
        compositor.clear(9, 9, 9);
        const auto sprite = spriteOf(compositor, makeImage(3, 3, pixels));
        compositor.zoomSprite(sprite, 7, 5);
        compositor.drawSprite(sprite, 0.25f, 1, 180);
        const auto plain = compositor.frame().pixels;
        compositor.clear(9, 9, 9);
        compositor.setSpriteCorners(sprite, {{{0, 0}, {7, 0}, {7, 5}, {0, 5}}});
        compositor.drawSprite(sprite, 0.25f, 1, 180);
        EXPECT_EQ(compositor.frame().pixels, plain);
    }
}

TEST(CompositorKernels, WideAndSse2KernelsDrawTheSameScenes) {
    // Soft pictures (transparent margins, translucent texels) zoomed, turned and warped at
    // several alphas and blend pairs, partly off the screen: the widest kernels and the SSE2
    // ones give the same screen bit for bit.
    std::vector<Argb> pixels;
    std::uint32_t seed = 11;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 19; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const bool margin = x < 3 || x > 16 || (y + x) % 9 == 0;
            pixels.push_back(margin ? seed & 0x00FFFFFFu : seed | (x % 4 == 0 ? 0xFF000000u : 0));
        }
    }
    auto render = [&] {
        Compositor compositor;
        compositor.resize(90, 70);
        compositor.clear(30, 60, 90);
        const auto sprite = spriteOf(compositor, makeImage(19, 21, pixels));
        compositor.beginPass();
        int step = 0;
        for (auto [sf, df] : {std::pair{5, 6}, {2, 2}, {5, 2}}) {
            compositor.setBlend(sf, df);
            for (float degrees : {0.0f, 17.0f, 90.0f, 200.0f, 333.3f}) {
                for (int alpha : {255, 200, 31}) {
                    ++step;
                    compositor.zoomSprite(sprite, 19.0f + step % 40, 45.0f - step % 30);
                    compositor.rotateSprite(sprite, degrees, false);
                    compositor.drawSprite(sprite, -20.0f + step * 1.7f, -10.0f + step % 60, alpha);
                }
            }
            compositor.setSpriteCorners(sprite, {{{0, 0}, {50, 8}, {40, 44}, {-6, 30}}});
            compositor.drawSprite(sprite, 20.5f, 10.25f, 180);
        }
        compositor.endPass();
        return compositor.frame().pixels;
    };
    media::blend::forceBaselineKernels(true);
    const auto baseline = render();
    media::blend::forceBaselineKernels(false);
    EXPECT_EQ(render(), baseline);
}

TEST_F(CompositorDraw, OneToOneBilinearShortcutMatchesTheGeneralPath) {
    // A 1:1 bilinear draw at whole pixels (the smoothing pass) has its own fast path; the
    // quad path computes the same taps in general, so both must agree, clipped or not.
    std::vector<Argb> pixels;
    std::uint32_t seed = 7;
    for (int i = 0; i < 9 * 7; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels.push_back(seed);
    }
    compositor.setFilter(Filter::Bilinear);
    const auto sprite = spriteOf(compositor, makeImage(9, 7, pixels));
    for (int alpha : {255, 150}) {
        for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {-3, -2}, {2, 4}}) {
            compositor.clear(20, 40, 60);
            compositor.zoomSprite(sprite, 9, 7);
            compositor.drawSprite(sprite, static_cast<float>(x), static_cast<float>(y), alpha);
            const auto fast = compositor.frame().pixels;
            compositor.clear(20, 40, 60);
            compositor.setSpriteCorners(sprite, {{{0, 0}, {9, 0}, {9, 7}, {0, 7}}});
            compositor.drawSprite(sprite, static_cast<float>(x), static_cast<float>(y), alpha);
            EXPECT_EQ(compositor.frame().pixels, fast) << x << "," << y << " alpha " << alpha;
        }
    }
}

TEST(CompositorStress, RandomGeometryStaysInsideEveryBuffer) {
    // Random zooms, turns and corner sets, tiny and huge, on pictures one texel wide or
    // high: the sanitizer build turns any read or write outside a picture or the screen
    // into a failure.
    Compositor compositor;
    compositor.resize(13, 11);
    std::uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    auto coordinate = [&]() {
        static constexpr float kScales[] = {1.0f, 4.0f, 20.0f, 1e4f, 1e12f};
        const float unit = static_cast<float>(next() % 2001) / 1000.0f - 1.0f;
        return unit * kScales[next() % 5] + 6.0f;
    };
    std::vector<media::SpriteHandle> sprites;
    for (auto [w, h] : {std::pair{1, 1}, {1, 5}, {7, 1}, {3, 3}, {2, 9}}) {
        sprites.push_back(spriteOf(compositor, coordinateImage(w, h)));
    }
    compositor.beginPass();
    for (int i = 0; i < 4000; ++i) {
        const auto sprite = sprites[next() % sprites.size()];
        compositor.setFilter(next() % 2 == 0 ? Filter::Nearest : Filter::Bilinear);
        compositor.setBlend(static_cast<int>(next() % 11), static_cast<int>(next() % 11));
        switch (next() % 3) {
            case 0:
                compositor.zoomSprite(sprite, coordinate() - 6.0f, coordinate() - 6.0f);
                break;
            case 1:
                compositor.zoomSprite(sprite, coordinate() - 6.0f, coordinate() - 6.0f);
                compositor.rotateSprite(sprite, static_cast<float>(next() % 7200) / 10.0f, false);
                break;
            default:
                compositor.setSpriteCorners(sprite, {{{coordinate(), coordinate()},
                                                      {coordinate(), coordinate()},
                                                      {coordinate(), coordinate()},
                                                      {coordinate(), coordinate()}}});
        }
        compositor.drawSprite(sprite, coordinate() - 6.0f, coordinate() - 6.0f,
                              static_cast<int>(next() % 300) - 20);
    }
    EXPECT_EQ(compositor.frame().pixels.size(), 13u * 11u);
}

}  // namespace
