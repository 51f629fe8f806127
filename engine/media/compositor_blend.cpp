// Span kernels for the blend arithmetic of compositor_blend.h. The common pairs (5, 6),
// (2, 2) and (5, 2) have SSE2 kernels; every pair has a scalar kernel specialised at
// compile time. All give exactly blendPixel's result.
#include "engine/media/compositor_blend.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// round(x / 255) in 16-bit lanes for x <= 65025: ((x + 128) * 257) >> 16, which equals
// floor((x + 127) / 255) on that range.
inline __m128i div255x16(__m128i x) {
    return _mm_mulhi_epu16(_mm_add_epi16(x, _mm_set1_epi16(128)), _mm_set1_epi16(257));
}

// a' = round(alpha * drawAlpha / 255) for four pixels, one value 0..255 per 32-bit lane.
inline __m128i sourceAlpha4(__m128i pixels, __m128i drawAlpha) {
    const __m128i alpha = _mm_srli_epi32(pixels, 24);
    // alpha * drawAlpha < 2^16, so the low 16-bit lane holds the whole product and the high
    // lane stays 0 (0 * 0), which div255x16 keeps at 0.
    return div255x16(_mm_mullo_epi16(alpha, drawAlpha));
}

inline __m128i broadcastBytes(__m128i lanes) {
    const __m128i two = _mm_or_si128(lanes, _mm_slli_epi32(lanes, 8));
    return _mm_or_si128(two, _mm_slli_epi32(two, 16));
}

inline __m128i withAlpha(__m128i pixels, __m128i alpha) {
    return _mm_or_si128(_mm_and_si128(pixels, _mm_set1_epi32(0x00FFFFFF)),
                        _mm_slli_epi32(alpha, 24));
}

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
        std::copy_n(source + i, rest, paddedSource);
        std::copy_n(destination + i, rest, paddedDestination);
        step(paddedDestination, paddedSource);
        std::copy_n(paddedDestination, rest, destination + i);
    }
}

inline __m128i load4(const Argb* pixels) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}

inline void store4(Argb* pixels, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), value);
}

// (5, 6): out = round((src * a' + dst * (255 - a')) / 255), with a' = 255 and a' = 0
// taking the shortcuts that the formula gives anyway.
void kernelAlphaBlend(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    const __m128i full = _mm_set1_epi32(255);
    const __m128i zero = _mm_setzero_si128();
    const __m128i max16 = _mm_set1_epi16(255);
    forEachQuad(destination, source, count, [&](Argb* out, const Argb* in) {
        const __m128i s = load4(in);
        const __m128i a = sourceAlpha4(s, drawAlphaV);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, full)) == 0xFFFF) {
            store4(out, s);
            return;
        }
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, zero)) == 0xFFFF) {
            return;
        }
        const __m128i d = load4(out);
        const __m128i src = withAlpha(s, a);
        const __m128i factors = broadcastBytes(a);
        const __m128i fLo = _mm_unpacklo_epi8(factors, zero);
        const __m128i fHi = _mm_unpackhi_epi8(factors, zero);
        const __m128i lo = div255x16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(src, zero), fLo),
                          _mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), _mm_sub_epi16(max16, fLo))));
        const __m128i hi = div255x16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(src, zero), fHi),
                          _mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), _mm_sub_epi16(max16, fHi))));
        store4(out, _mm_packus_epi16(lo, hi));
    });
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
