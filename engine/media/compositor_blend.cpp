// Span kernels for the blend arithmetic of compositor_blend.h. The common pairs (5, 6),
// (2, 2) and (5, 2) have SSE2 kernels; every pair has a scalar kernel specialised at
// compile time. All give exactly blendPixel's result.
#include "engine/media/compositor_blend.h"

#include <array>
#include <utility>

#include "engine/media/compositor_blend_sse2.h"

namespace media::blend {
namespace {

using Kernel = void (*)(Argb*, const Argb*, int, int);

template <int SourceFactor, int DestinationFactor>
void scalarKernel(Argb* destination, const Argb* source, int count, int drawAlpha) {
    for (int i = 0; i < count; ++i) {
        destination[i] =
            blendPixel(source[i], destination[i], drawAlpha, SourceFactor, DestinationFactor);
    }
}

#if defined(__SSE2__)

using namespace sse2;

// Runs a four-pixel step over a span; the last one to three pixels go through the same
// step on a padded copy, so short spans (the edges of turned sprites) stay fast.
template <class Step>
void forEachQuad(Argb* destination, const Argb* source, int count, const Step& step) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        step(destination + i, source + i);
    }
    const int rest = count - i;
    if (rest > 0) {
        Argb paddedSource[4] = {};
        Argb paddedDestination[4] = {};
        for (int k = 0; k < rest; ++k) {
            paddedSource[k] = source[i + k];
            paddedDestination[k] = destination[i + k];
        }
        step(paddedDestination, paddedSource);
        for (int k = 0; k < rest; ++k) {
            destination[i + k] = paddedDestination[k];
        }
    }
}

// (5, 6), see alphaBlend4.
void kernelAlphaBlend(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    forEachQuad(destination, source, count,
                [&](Argb* out, const Argb* in) { alphaBlend4(out, load4(in), drawAlphaV); });
}

// (2, 2): out = min(255, src + dst) per channel, the source alpha being a'.
void kernelAdd(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    forEachQuad(destination, source, count, [&](Argb* out, const Argb* in) {
        const __m128i s = load4(in);
        store4(out, _mm_adds_epu8(withAlpha(s, sourceAlpha4(s, drawAlphaV)), load4(out)));
    });
}

// (5, 2): out = min(255, dst + round(src * a' / 255)) per channel (dst * 255 / 255 is
// exact, so the rounding applies to the source term alone).
void kernelAddAlpha(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    const __m128i zero = _mm_setzero_si128();
    forEachQuad(destination, source, count, [&](Argb* out, const Argb* in) {
        const __m128i s = load4(in);
        const __m128i a = sourceAlpha4(s, drawAlphaV);
        const __m128i src = withAlpha(s, a);
        const __m128i factors = broadcastBytes(a);
        const __m128i lo = div255x16(
            _mm_mullo_epi16(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(factors, zero)));
        const __m128i hi = div255x16(
            _mm_mullo_epi16(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(factors, zero)));
        store4(out, _mm_adds_epu8(_mm_packus_epi16(lo, hi), load4(out)));
    });
}

#endif

template <std::size_t... Index>
constexpr std::array<Kernel, sizeof...(Index)> makeKernels(std::index_sequence<Index...>) {
    return {&scalarKernel<static_cast<int>(Index / 10) + 1, static_cast<int>(Index % 10) + 1>...};
}

std::array<Kernel, 100> buildKernelTable() {
    auto kernels = makeKernels(std::make_index_sequence<100>{});
#if defined(__SSE2__)
    kernels[(5 - 1) * 10 + (6 - 1)] = &kernelAlphaBlend;
    kernels[(2 - 1) * 10 + (2 - 1)] = &kernelAdd;
    kernels[(5 - 1) * 10 + (2 - 1)] = &kernelAddAlpha;
#endif
    return kernels;
}

const std::array<Kernel, 100> kKernels = buildKernelTable();

}  // namespace

void blendSpan(Argb* destination, const Argb* source, int count, int drawAlpha, int sourceFactor,
               int destinationFactor) {
    if (count <= 0 || sourceFactor < 1 || sourceFactor > 10 || destinationFactor < 1 ||
        destinationFactor > 10) {
        return;
    }
    kKernels[static_cast<std::size_t>((sourceFactor - 1) * 10 + (destinationFactor - 1))](
        destination, source, count, drawAlpha);
}

}  // namespace media::blend
