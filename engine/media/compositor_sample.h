// Texture sampling of the compositor: nearest texel, and bilinear filtering with 8-bit
// weights, clamped to the picture's edges.
//
// Bilinear arithmetic (exact, the golden tests pin it): with the four texels c00 (left,
// top), c10 (right, top), c01 (left, bottom), c11 (right, bottom) and the weights fx, fy in
// 0..255 (parts of 256), per channel
//     left  = (c00 * (256 - fy) + c01 * fy + 128) >> 8
//     right = (c10 * (256 - fy) + c11 * fy + 128) >> 8
//     out   = (left * (256 - fx) + right * fx + 128) >> 8
// Channels are filtered straight (not premultiplied), alpha included.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/media/image.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace media::raster {
struct PreparedRows;
}

namespace media::sample {

// The columns [first, last) of a picture row outside which every pixel has alpha 0 (first ==
// last for a row without any).
struct RowExtent {
    int first = 0;
    int last = 0;
};

// A picture as the samplers read it.
struct Texture {
    const Argb* pixels = nullptr;
    int width = 0;
    int height = 0;
    bool opaque = false;  // every pixel has alpha 255
    // One extent per row, or nullptr (opaque pictures, grabs): every row is whole.
    const RowExtent* rowExtents = nullptr;
    // The alpha bytes hold a' for the draw alpha already, drawn at draw alpha 255 (which gives
    // a' = alpha exactly), so kernels can skip computing it.
    bool alphaPrepared = false;
    // The picture's cache of enlarged rows prepared for the (5, 6) blend, or nullptr.
    raster::PreparedRows* preparedRows = nullptr;
};

constexpr Argb bilinearReference(Argb c00, Argb c10, Argb c01, Argb c11, std::uint32_t fx,
                                 std::uint32_t fy) {
    Argb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        auto channel = [shift](Argb c) { return (c >> shift) & 0xFFu; };
        const std::uint32_t left = (channel(c00) * (256 - fy) + channel(c01) * fy + 128) >> 8;
        const std::uint32_t right = (channel(c10) * (256 - fy) + channel(c11) * fy + 128) >> 8;
        out |= ((left * (256 - fx) + right * fx + 128) >> 8) << shift;
    }
    return out;
}

#if defined(__SSE2__)
inline Argb bilinear(Argb c00, Argb c10, Argb c01, Argb c11, std::uint32_t fx, std::uint32_t fy) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i top =
        _mm_unpacklo_epi8(_mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(c00)),
                                             _mm_cvtsi32_si128(static_cast<int>(c10))),
                          zero);
    const __m128i bottom =
        _mm_unpacklo_epi8(_mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(c01)),
                                             _mm_cvtsi32_si128(static_cast<int>(c11))),
                          zero);
    const __m128i round = _mm_set1_epi16(128);
    // Every product is at most 255 * 256 and every weighted sum of two at most 65280, so
    // the unsigned 16-bit lanes never overflow.
    const __m128i vertical = _mm_srli_epi16(
        _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(top, _mm_set1_epi16(static_cast<short>(256 - fy))),
                          _mm_mullo_epi16(bottom, _mm_set1_epi16(static_cast<short>(fy)))),
            round),
        8);
    const short wl = static_cast<short>(256 - fx);
    const short wr = static_cast<short>(fx);
    const __m128i weighted =
        _mm_mullo_epi16(vertical, _mm_set_epi16(wr, wr, wr, wr, wl, wl, wl, wl));
    const __m128i sum = _mm_add_epi16(weighted, _mm_srli_si128(weighted, 8));
    const __m128i out = _mm_srli_epi16(_mm_add_epi16(sum, round), 8);
    return static_cast<Argb>(_mm_cvtsi128_si32(_mm_packus_epi16(out, zero)));
}
#else
inline Argb bilinear(Argb c00, Argb c10, Argb c01, Argb c11, std::uint32_t fx, std::uint32_t fy) {
    return bilinearReference(c00, c10, c01, c11, fx, fy);
}
#endif

// out[i] = the per-channel average of a[i] and b[i], rounded up: (a + b + 1) >> 1, which is
// the bilinear formula above with a weight of 128. Any of the spans may be the same.
inline void averageSpans(Argb* out, const Argb* a, const Argb* b, std::size_t count) {
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= count; i += 4) {
        const __m128i left = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i right = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_avg_epu8(left, right));
    }
#endif
    for (; i < count; ++i) {
        out[i] = (a[i] | b[i]) - (((a[i] ^ b[i]) & 0xFEFEFEFEu) >> 1);
    }
}

// One axis of a bilinear sample: the two texel indexes and the weight of the second.
struct Tap {
    int first = 0;
    int second = 0;
    std::uint32_t weight = 0;  // 0..255
};

// The tap for position p (in texels, texel centres at k + 0.5) on an axis of size texels,
// given as a 24.8 fixed-point value of p - 0.5. Outside the picture the edge texel is
// repeated.
inline Tap tapAt(std::int64_t fixed8, int size) {
    const std::int64_t index = fixed8 >> 8;
    if (index < 0) {
        return {0, 0, 0};
    }
    if (index >= size - 1) {
        return {size - 1, size - 1, 0};
    }
    const int first = static_cast<int>(index);
    return {first, first + 1, static_cast<std::uint32_t>(fixed8 & 0xFF)};
}

inline Argb bilinearAt(const Texture& texture, const Tap& x, const Tap& y) {
    const Argb* top = texture.pixels + static_cast<std::size_t>(y.first) * texture.width;
    const Argb* bottom = texture.pixels + static_cast<std::size_t>(y.second) * texture.width;
    return bilinear(top[x.first], top[x.second], bottom[x.first], bottom[x.second], x.weight,
                    y.weight);
}

}  // namespace media::sample
