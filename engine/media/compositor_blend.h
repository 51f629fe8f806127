// Blend arithmetic of the compositor, defined once here.
//
// Pixels are straight (not premultiplied) ARGB. A source pixel s drawn with draw alpha A
// (0..255) has the source alpha a' = round(alpha(s) * A / 255); its colour channels stay as
// they are (the draw alpha acts only through the factors). Each channel c of the result is
//
//     out_c = min(255, round((src_c * Fs_c + dst_c * Fd_c) / 255))
//
// where src is (a', red, green, blue) of the source, dst the framebuffer pixel (its alpha
// byte included) and the factors Fs, Fd (0..255) come from the Direct3D blend numbers:
// 1 zero: 0; 2 one: 255; 3 source colour: src_c; 4 inverse source colour: 255 - src_c;
// 5 source alpha: a'; 6 inverse source alpha: 255 - a'; 7 destination alpha: alpha(dst);
// 8 inverse destination alpha: 255 - alpha(dst); 9 destination colour: dst_c; 10 inverse
// destination colour: 255 - dst_c. For the alpha channel the "colour" of a pixel is its
// alpha. round(x / 255) is floor((x + 127) / 255): x / 255 never ends in exactly .5.
//
// Consequences the fast paths rely on: under (5, 6) a' = 255 gives the source pixel
// unchanged and a' = 0 the framebuffer pixel unchanged; (2, 1) copies the source.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/media/image.h"

namespace media::blend {

constexpr std::uint32_t div255(std::uint32_t x) {
    return (x + 127) / 255;
}

constexpr std::uint32_t sourceAlpha(Argb source, int drawAlpha) {
    return div255(alphaOf(source) * static_cast<std::uint32_t>(drawAlpha));
}

// The factor of one channel: s, d are the channel values of source and destination, sa,
// da their alphas (sa already multiplied by the draw alpha).
constexpr std::uint32_t factor(int code, std::uint32_t s, std::uint32_t sa, std::uint32_t d,
                               std::uint32_t da) {
    switch (code) {
        case 1:
            return 0;
        case 2:
            return 255;
        case 3:
            return s;
        case 4:
            return 255 - s;
        case 5:
            return sa;
        case 6:
            return 255 - sa;
        case 7:
            return da;
        case 8:
            return 255 - da;
        case 9:
            return d;
        case 10:
            return 255 - d;
        default:
            return 0;
    }
}

// The reference formula for one pixel; codes must be 1..10. The span kernels give exactly
// this result.
constexpr Argb blendPixel(Argb source, Argb destination, int drawAlpha, int sourceFactor,
                          int destinationFactor) {
    const std::uint32_t sa = sourceAlpha(source, drawAlpha);
    const std::uint32_t da = alphaOf(destination);
    const Argb src = (source & 0x00FFFFFFu) | (sa << 24);
    Argb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = (src >> shift) & 0xFFu;
        const std::uint32_t d = (destination >> shift) & 0xFFu;
        const std::uint32_t sum =
            s * factor(sourceFactor, s, sa, d, da) + d * factor(destinationFactor, s, sa, d, da);
        const std::uint32_t value = div255(sum);
        out |= (value > 255 ? 255u : value) << shift;
    }
    return out;
}

// Blends count source pixels onto count framebuffer pixels. Codes must be 1..10; drawAlpha
// 0..255.
void blendSpan(Argb* destination, const Argb* source, int count, int drawAlpha, int sourceFactor,
               int destinationFactor);

// (5, 6) of count prepared source pixels onto count framebuffer pixels: each prepared pixel
// holds its a' in the alpha byte (prepareSpan), so this is blendSpan at draw alpha 255.
void alphaBlendPrepared(Argb* destination, const Argb* prepared, int count);

// The picture columns of a scaled row's pixels, nondecreasing, and how to gather them: when
// every group of eight pixels reads within eight neighbouring texels (any enlargement and
// mild reductions), a group is one load and one lane permutation instead of eight reads.
struct ColumnPlan {
    std::vector<int> columns;  // per pixel
    std::vector<int> bases;    // per whole group of eight pixels: the first texel loaded
    std::vector<int> offsets;  // per pixel of those groups: its column minus the base, 0..7
    bool grouped = false;
    bool contiguous = false;  // columns[i] == columns[0] + i (a picture drawn at its own width)
};

// Fills bases, offsets and grouped for plan.columns on a picture width texels wide.
void planColumns(ColumnPlan& plan, int width);

// span[i] = row[columns[i]] for i in [first, last).
void gatherSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last);

// The same with each pixel's alpha byte replaced by a' = round(alpha * drawAlpha / 255),
// ready for alphaBlendPrepared: a row of an enlarged picture is prepared once and blended on
// every screen row that shows it.
void prepareSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last,
                 int drawAlpha);

// (5, 6) of nearest texels along an affine span (turned sprites): pixel i reads the texel at
// column (u + du * i) >> 32 and row (v + dv * i) >> 32 (32.32 fixed point), all of which must
// lie inside the picture. Prepared texels hold a' in their alpha byte (drawAlpha is then 255).
// False, doing nothing, where no wide kernel runs: the caller's own SSE2 loop draws the span
// then.
bool alphaBlendAffine(Argb* target, const Argb* texels, int width, std::int64_t u, std::int64_t v,
                      std::int64_t du, std::int64_t dv, int count, int drawAlpha, bool prepared);

// The kernels run on the widest instruction set the processor has (AVX2 on x86-64, chosen
// once at start-up), SSE2 otherwise. Forcing the baseline lets tests and benchmarks check
// and time the SSE2 kernels on any machine; wideKernelsActive tells which set runs.
void forceBaselineKernels(bool force);
bool wideKernelsActive();

}  // namespace media::blend
