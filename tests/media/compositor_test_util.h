// Small helpers for the compositor tests: pictures from pixel lists, pixel reads.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/compositor_blend.h"

namespace compositor_test {

inline media::Image makeImage(int width, int height, std::vector<media::Argb> pixels) {
    media::Image image;
    image.width = width;
    image.height = height;
    image.pixels = std::move(pixels);
    return image;
}

inline media::Image solidImage(int width, int height, media::Argb colour) {
    return makeImage(width, height,
                     std::vector<media::Argb>(static_cast<std::size_t>(width) * height, colour));
}

// A picture whose pixel (x, y) is 0xFF000000 | (x << 16) | (y << 8) | tag: the red and
// green channels name the texel, so a drawn pixel tells where it was sampled.
inline media::Image coordinateImage(int width, int height, std::uint32_t tag = 0x55) {
    media::Image image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(media::makeArgb(255, static_cast<std::uint32_t>(x),
                                                   static_cast<std::uint32_t>(y), tag));
        }
    }
    return image;
}

inline media::Argb texel(int x, int y, std::uint32_t tag = 0x55) {
    return media::makeArgb(255, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), tag);
}

inline media::Argb pixelAt(const media::Compositor& compositor, int x, int y) {
    const media::Framebuffer& frame = compositor.frame();
    return frame.pixels[static_cast<std::size_t>(y) * frame.width + x];
}

// Sprite of a fresh picture, for tests that draw it.
inline media::SpriteHandle spriteOf(media::Compositor& compositor, media::Image image) {
    return compositor.makeSprite(compositor.addPicture(std::move(image)));
}

// Runs check on the widest kernels the processor has, then on the SSE2 kernels forced.
template <class Check>
void onEveryKernelSet(const Check& check) {
    for (const bool baseline : {false, true}) {
        SCOPED_TRACE(baseline ? "SSE2 kernels" : "widest kernels");
        media::blend::forceBaselineKernels(baseline);
        check();
    }
    media::blend::forceBaselineKernels(false);
}

}  // namespace compositor_test
