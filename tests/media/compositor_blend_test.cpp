// Blending: every Direct3D factor pair against a formula written out by hand, the fast
// kernels against the reference pixel by pixel, and the unknown-code fallback.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "compositor_test_util.h"
#include "engine/media/compositor_blend.h"
#include "engine/media/compositor_sample.h"

namespace {

using compositor_test::makeImage;
using compositor_test::pixelAt;
using media::Argb;
using media::Compositor;

// The factor of a channel in 0..255, written independently of the implementation:
// channels are indexed 0 alpha, 1 red, 2 green, 3 blue; src[0] is the modulated alpha.
double handFactor(int code, const double* src, const double* dst, int channel) {
    switch (code) {
        case 1:
            return 0.0;
        case 2:
            return 255.0;
        case 3:
            return src[channel];
        case 4:
            return 255.0 - src[channel];
        case 5:
            return src[0];
        case 6:
            return 255.0 - src[0];
        case 7:
            return dst[0];
        case 8:
            return 255.0 - dst[0];
        case 9:
            return dst[channel];
        case 10:
            return 255.0 - dst[channel];
    }
    ADD_FAILURE() << "bad code " << code;
    return 0.0;
}

Argb handBlend(Argb source, Argb destination, int drawAlpha, int sf, int df) {
    const double modulated = std::round((source >> 24) * drawAlpha / 255.0);
    const double src[4] = {modulated, double(media::redOf(source)), double(media::greenOf(source)),
                           double(media::blueOf(source))};
    const double dst[4] = {double(destination >> 24), double(media::redOf(destination)),
                           double(media::greenOf(destination)), double(media::blueOf(destination))};
    std::uint32_t out[4];
    for (int c = 0; c < 4; ++c) {
        // A sum of whole products over 255 never ends in exactly .5, so std::round is exact.
        const double value = std::round(
            (src[c] * handFactor(sf, src, dst, c) + dst[c] * handFactor(df, src, dst, c)) / 255.0);
        out[c] = static_cast<std::uint32_t>(std::min(255.0, value));
    }
    return media::makeArgb(out[0], out[1], out[2], out[3]);
}

TEST(CompositorBlend, EveryFactorPairMatchesTheHandFormula) {
    // Each column of the 8x1 screen gets its own destination (alpha included) and source.
    const std::vector<Argb> destinations = {0xFF000000, 0xFFFFFFFF, 0x80402010, 0x00C0FF01,
                                            0xFF7F8081, 0x10203040, 0xFE0102FD, 0x337700CC};
    const std::vector<Argb> sources = {0xFFFFFFFF, 0x80FF0000, 0x00123456, 0xC0808080,
                                       0x01FEDCBA, 0xFF000000, 0x7F7F7F7F, 0xAA55AA55};
    for (int alpha : {255, 200, 128, 1, 0}) {
        for (int sf = 1; sf <= 10; ++sf) {
            for (int df = 1; df <= 10; ++df) {
                Compositor compositor;
                compositor.resize(8, 1);
                compositor.beginPass();
                // Source one, destination zero copies a picture exactly, alpha included.
                compositor.setBlend(2, 1);
                compositor.drawSprite(
                    compositor.makeSprite(compositor.addPicture(makeImage(8, 1, destinations))), 0,
                    0, 255);
                compositor.setBlend(sf, df);
                compositor.drawSprite(
                    compositor.makeSprite(compositor.addPicture(makeImage(8, 1, sources))), 0, 0,
                    alpha);
                for (int x = 0; x < 8; ++x) {
                    ASSERT_EQ(pixelAt(compositor, x, 0),
                              handBlend(sources[x], destinations[x], alpha, sf, df))
                        << "pair " << sf << "," << df << " alpha " << alpha << " column " << x;
                }
            }
        }
    }
}

TEST(CompositorBlend, KernelsEqualTheReferenceForEveryPairAndAlpha) {
    compositor_test::onEveryKernelSet([] {
        std::mt19937 random(1234);
        std::vector<Argb> source(37);  // not a multiple of the vector width
        std::vector<Argb> destination(37);
        std::vector<Argb> expected(37);
        for (int sf = 1; sf <= 10; ++sf) {
            for (int df = 1; df <= 10; ++df) {
                for (int alpha = 0; alpha <= 255; ++alpha) {
                    for (std::size_t i = 0; i < source.size(); ++i) {
                        source[i] = random();
                        destination[i] = random();
                    }
                    // Runs of fully opaque and fully transparent sources take the shortcuts.
                    for (std::size_t i = 0; i < 8; ++i) {
                        source[i] |= 0xFF000000u;
                        source[8 + i] &= 0x00FFFFFFu;
                    }
                    for (std::size_t i = 0; i < source.size(); ++i) {
                        expected[i] =
                            media::blend::blendPixel(source[i], destination[i], alpha, sf, df);
                    }
                    media::blend::blendSpan(destination.data(), source.data(),
                                            static_cast<int>(source.size()), alpha, sf, df);
                    ASSERT_EQ(destination, expected)
                        << "pair " << sf << "," << df << " alpha " << alpha;
                }
            }
        }
    });
}

// A scaled row is gathered once (with a' in its alpha byte) and blended under (5, 6) on every
// screen row showing it: the same pixels as blendPixel, for spans from every start up to 28
// pixels (the vector steps and every head and tail), every draw alpha, and columns of an
// enlargement (gathered in groups of eight) or scattered (gathered one by one).
TEST(CompositorBlend, PreparedRowsEqualTheReference) {
    compositor_test::onEveryKernelSet([] {
        std::mt19937 random(77);
        std::vector<Argb> texels(16);
        media::blend::ColumnPlan plan;
        for (int alpha = 0; alpha <= 255; ++alpha) {
            for (int count = 1; count <= 28; ++count) {
                for (Argb& texel : texels) {
                    const Argb pick = random() % 4;  // opaque, transparent or in between
                    texel = pick == 0   ? random() | 0xFF000000u
                            : pick == 1 ? random() & 0x00FFFFFFu
                                        : random();
                }
                const bool scattered = alpha % 2 == 1;
                plan.columns.resize(static_cast<std::size_t>(count));
                for (int i = 0; i < count; ++i) {
                    plan.columns[static_cast<std::size_t>(i)] =
                        scattered ? static_cast<int>(random() % texels.size()) : i * 16 / 28;
                }
                media::blend::planColumns(plan, static_cast<int>(texels.size()));
                ASSERT_TRUE(plan.grouped || scattered);
                const int first = static_cast<int>(random() % static_cast<unsigned>(count));
                std::vector<Argb> destination(plan.columns.size());
                std::vector<Argb> before(plan.columns.size());
                std::vector<Argb> expected(plan.columns.size());
                std::vector<Argb> gathered(plan.columns.size());
                std::vector<Argb> prepared(plan.columns.size());
                for (std::size_t i = 0; i < destination.size(); ++i) {
                    destination[i] = random();
                    before[i] = destination[i];
                    expected[i] = media::blend::blendPixel(texels[plan.columns[i]], destination[i],
                                                           alpha, 5, 6);
                }
                media::blend::gatherSpan(gathered.data(), texels.data(), plan, first, count);
                media::blend::prepareSpan(prepared.data(), texels.data(), plan, first, count,
                                          alpha);
                media::blend::alphaBlendPrepared(destination.data() + first,
                                                 prepared.data() + first, count - first);
                for (int i = 0; i < count; ++i) {
                    const auto at = static_cast<std::size_t>(i);
                    ASSERT_EQ(destination[at], i < first ? before[at] : expected[at])
                        << "alpha " << alpha << " count " << count << " pixel " << i;
                    if (i >= first) {
                        ASSERT_EQ(gathered[at], texels[plan.columns[at]]);
                    }
                }
            }
        }
    });
}

TEST(CompositorBlend, BilinearKernelEqualsTheReference) {
    std::mt19937 random(99);
    for (int i = 0; i < 200000; ++i) {
        const Argb c00 = random(), c10 = random(), c01 = random(), c11 = random();
        const std::uint32_t fx = random() % 256, fy = random() % 256;
        ASSERT_EQ(media::sample::bilinear(c00, c10, c01, c11, fx, fy),
                  media::sample::bilinearReference(c00, c10, c01, c11, fx, fy));
    }
}

TEST(CompositorBlend, UnknownCodesBehaveAsSourceAlphaAndInverseSourceAlpha) {
    auto render = [](int sf, int df) {
        Compositor compositor;
        compositor.resize(2, 1);
        compositor.clear(10, 200, 30);
        compositor.beginPass();
        compositor.setBlend(sf, df);
        compositor.drawSprite(
            compositor.makeSprite(compositor.addPicture(makeImage(2, 1, {0x80FF8040, 0xFF0000FF}))),
            0, 0, 100);
        return compositor.frame().pixels;
    };
    const auto normal = render(5, 6);
    EXPECT_EQ(render(0, 99), normal);
    EXPECT_EQ(render(-3, 11), normal);
    EXPECT_NE(render(2, 2), normal);
    // A known code keeps its meaning next to an unknown one: (2, unknown) is (2, 6).
    EXPECT_EQ(render(2, 0), render(2, 6));
}

}  // namespace
