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

// round((s * a + d * (255 - a)) / 255) per 16-bit lane, the alpha lane of s being a itself.
// The sum is d * 255 + (s - d) * a, which lies in 0..65025, so 16-bit lanes computing
// modulo 2^16 give it exactly with one multiply.
inline __m128i mix16(__m128i s, __m128i d, __m128i a) {
    const __m128i dTimes255 = _mm_sub_epi16(_mm_slli_epi16(d, 8), d);
    return div255x16(_mm_add_epi16(dTimes255, _mm_mullo_epi16(_mm_sub_epi16(s, d), a)));
}

// (5, 6) of four source pixels whose alpha byte is a' already onto out[0..3], with a' = 255
// (the source itself) and a' = 0 (nothing changes) taken as shortcuts.
inline void alphaBlendPrepared4(Argb* out, __m128i src) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i a = _mm_srli_epi32(src, 24);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, _mm_set1_epi32(255))) == 0xFFFF) {
        store4(out, src);
        return;
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(a, zero)) == 0xFFFF) {
        return;
    }
    const __m128i d = load4(out);
    const __m128i sLo = _mm_unpacklo_epi8(src, zero);
    const __m128i sHi = _mm_unpackhi_epi8(src, zero);
    const __m128i aLo = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sLo, 0xFF), 0xFF);
    const __m128i aHi = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sHi, 0xFF), 0xFF);
    store4(out, _mm_packus_epi16(mix16(sLo, _mm_unpacklo_epi8(d, zero), aLo),
                                 mix16(sHi, _mm_unpackhi_epi8(d, zero), aHi)));
}

// (5, 6) for four source pixels s at draw alpha drawAlpha onto out[0..3].
inline void alphaBlend4(Argb* out, __m128i s, __m128i drawAlpha) {
    alphaBlendPrepared4(out, withAlpha(s, sourceAlpha4(s, drawAlpha)));
}

}  // namespace media::blend::sse2

#endif
