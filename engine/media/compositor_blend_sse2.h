// SSE2 building blocks of the blend arithmetic (compositor_blend.h), shared by the span
// kernels and the rasteriser's fused sample-and-blend loop. Each gives exactly blendPixel's
// result.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>

#include "engine/media/image.h"

namespace media::blend::sse2 {

// round(x / 255) in 16-bit lanes for x <= 65025: ((x + 128) * 257) >> 16, which equals
// floor((x + 127) / 255) on that range.
inline __m128i div255x16(__m128i x) {
    return _mm_mulhi_epu16(_mm_add_epi16(x, _mm_set1_epi16(128)), _mm_set1_epi16(257));
}

// a' = round(alpha * drawAlpha / 255) for four pixels, one value 0..255 per 32-bit lane;
// drawAlpha is the draw alpha in every 32-bit lane.
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

inline __m128i load4(const Argb* pixels) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}

inline void store4(Argb* pixels, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), value);
}

// (5, 6) for four source pixels s onto out[0..3]: out = round((src * a' + dst * (255 - a'))
// / 255), with a' = 255 (the source itself) and a' = 0 (nothing changes) taken as shortcuts.
inline void alphaBlend4(Argb* out, __m128i s, __m128i drawAlpha) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i a = sourceAlpha4(s, drawAlpha);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, _mm_set1_epi32(255))) == 0xFFFF) {
        store4(out, s);
        return;
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, zero)) == 0xFFFF) {
        return;
    }
    const __m128i max16 = _mm_set1_epi16(255);
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
}

}  // namespace media::blend::sse2

#endif
