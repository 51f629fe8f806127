// AVX2 versions of the hot (5, 6) kernels: eight pixels per step. Compiled for AVX2 function
// by function, so the program itself stays baseline x86-64; compositor_blend.cpp calls them
// only when the processor has AVX2. Each gives exactly blendPixel's result.
#include "engine/media/compositor_blend_wide.h"

#if defined(RZ_COMPOSITOR_AVX2)
#include <immintrin.h>

#define RZ_AVX2 __attribute__((target("avx2")))
#define RZ_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace media::blend::avx2 {
namespace {

RZ_AVX2_INLINE __m256i load8(const Argb* pixels) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
}

RZ_AVX2_INLINE void store8(Argb* pixels, __m256i value) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels), value);
}

// round(x / 255) in 16-bit lanes for x <= 65025, as in the SSE2 kernels.
RZ_AVX2_INLINE __m256i div255x16(__m256i x) {
    return _mm256_mulhi_epu16(_mm256_add_epi16(x, _mm256_set1_epi16(128)), _mm256_set1_epi16(257));
}

// Each pixel's alpha word copied into its four 16-bit lanes.
RZ_AVX2_INLINE __m256i alphaWords(__m256i pixels16) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(pixels16, 0xFF), 0xFF);
}

// One half (four pixels in 16-bit lanes): round((s * a + d * (255 - a)) / 255) per channel,
// the alpha lane of s being a itself. The sum is d * 255 + (s - d) * a, which lies in
// 0..65025, so 16-bit lanes computing modulo 2^16 give it exactly with one multiply.
RZ_AVX2_INLINE __m256i mix16(__m256i s, __m256i d, __m256i a) {
    const __m256i dTimes255 = _mm256_sub_epi16(_mm256_slli_epi16(d, 8), d);
    return div255x16(_mm256_add_epi16(dTimes255, _mm256_mullo_epi16(_mm256_sub_epi16(s, d), a)));
}

// (5, 6) of eight source pixels onto out[0..7]. Prepared sources hold a' in their alpha byte
// already (draw alpha 255 gives a' = alpha exactly); otherwise a' is computed here. With
// Shortcuts, groups that are wholly opaque or wholly transparent skip the arithmetic; without,
// every group takes the same branch-free path (the arithmetic gives the same pixels there),
// which is faster where such groups are rare or scattered.
template <bool Prepared, bool Shortcuts = true>
RZ_AVX2_INLINE void alphaBlend8(Argb* out, __m256i s, __m256i drawAlpha16) {
    const __m256i zero = _mm256_setzero_si256();
    __m256i sLo = _mm256_unpacklo_epi8(s, zero);
    __m256i sHi = _mm256_unpackhi_epi8(s, zero);
    __m256i aLo = alphaWords(sLo);
    __m256i aHi = alphaWords(sHi);
    if (!Prepared) {
        aLo = div255x16(_mm256_mullo_epi16(aLo, drawAlpha16));
        aHi = div255x16(_mm256_mullo_epi16(aHi, drawAlpha16));
    }
    if (Shortcuts) {
        // Per pixel a' = 255 writes the source, a' = 0 leaves the pixel.
        const __m256i both = _mm256_packus_epi16(aLo, aHi);
        const int full = _mm256_movemask_epi8(_mm256_cmpeq_epi8(both, _mm256_set1_epi8(-1)));
        if (full == -1) {
            store8(out, s);  // a' = 255 only where alpha and draw alpha are 255
            return;
        }
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi8(both, zero)) == -1) {
            return;
        }
    }
    const __m256i d = load8(out);
    const __m256i dLo = _mm256_unpacklo_epi8(d, zero);
    const __m256i dHi = _mm256_unpackhi_epi8(d, zero);
    if (!Prepared) {
        sLo = _mm256_blend_epi16(sLo, aLo, 0x88);
        sHi = _mm256_blend_epi16(sHi, aHi, 0x88);
    }
    store8(out, _mm256_packus_epi16(mix16(sLo, dLo, aLo), mix16(sHi, dHi, aHi)));
}

// Lanes 0..count-1 set, for the masked loads and stores of a span's last pixels.
RZ_AVX2_INLINE __m256i firstLanes(int count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

template <bool Prepared>
RZ_AVX2_INLINE void alphaBlendRun(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m256i drawAlpha16 = _mm256_set1_epi16(static_cast<short>(drawAlpha));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        alphaBlend8<Prepared>(destination + i, load8(source + i), drawAlpha16);
    }
    const int rest = count - i;
    if (rest > 0) {
        // Padded with transparent pixels, which change nothing.
        alignas(32) Argb padded[8];
        const __m256i mask = firstLanes(rest);
        const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int*>(source + i), mask);
        store8(padded, _mm256_maskload_epi32(reinterpret_cast<const int*>(destination + i), mask));
        alphaBlend8<Prepared>(padded, s, drawAlpha16);
        _mm256_maskstore_epi32(reinterpret_cast<int*>(destination + i), mask, load8(padded));
    }
}

}  // namespace

RZ_AVX2 void alphaBlend(Argb* destination, const Argb* source, int count, int drawAlpha) {
    alphaBlendRun<false>(destination, source, count, drawAlpha);
}

RZ_AVX2 void alphaBlendPrepared(Argb* destination, const Argb* prepared, int count) {
    alphaBlendRun<true>(destination, prepared, count, 255);
}

namespace {

// Eight texels of row for the group of pixels starting at i: one load and a permutation
// when the plan groups the columns, else a gather.
RZ_AVX2_INLINE __m256i texels8(const Argb* row, const ColumnPlan& plan, int i) {
    if (plan.grouped) {
        const __m256i offsets =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.offsets.data() + i));
        return _mm256_permutevar8x32_epi32(load8(row + plan.bases[static_cast<std::size_t>(i / 8)]),
                                           offsets);
    }
    const __m256i index =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(plan.columns.data() + i));
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(row), index, 4);
}

// The first pixel of the whole groups of eight inside [first, last) and the end of them; the
// pixels before and after go one by one.
struct Groups {
    int begin = 0;
    int end = 0;
};

RZ_AVX2_INLINE Groups groupsIn(int first, int last) {
    const int begin = (first + 7) & ~7;
    if (begin >= last) {
        return {last, last};
    }
    return {begin, begin + ((last - begin) & ~7)};
}

RZ_AVX2_INLINE Argb prepared(Argb texel, std::uint32_t drawAlpha) {
    return (texel & 0x00FFFFFFu) | (((texel >> 24) * drawAlpha + 127) / 255) << 24;
}

}  // namespace

RZ_AVX2 void gatherSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last) {
    const int* columns = plan.columns.data();
    const Groups groups = groupsIn(first, last);
    for (int i = first; i < groups.begin; ++i) {
        span[i] = row[columns[i]];
    }
    for (int i = groups.begin; i < groups.end; i += 8) {
        store8(span + i, texels8(row, plan, i));
    }
    for (int i = groups.end; i < last; ++i) {
        span[i] = row[columns[i]];
    }
}

RZ_AVX2 void prepareSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last,
                         int drawAlpha) {
    const __m256i drawAlphaV = _mm256_set1_epi32(drawAlpha);
    const __m256i colour = _mm256_set1_epi32(0x00FFFFFF);
    const int* columns = plan.columns.data();
    const auto alpha = static_cast<std::uint32_t>(drawAlpha);
    const Groups groups = groupsIn(first, last);
    for (int i = first; i < groups.begin; ++i) {
        span[i] = prepared(row[columns[i]], alpha);
    }
    for (int i = groups.begin; i < groups.end; i += 8) {
        const __m256i s = texels8(row, plan, i);
        // alpha * drawAlpha < 2^16 sits in the low 16-bit lane; the high lane stays 0.
        const __m256i a = div255x16(_mm256_mullo_epi16(_mm256_srli_epi32(s, 24), drawAlphaV));
        store8(span + i, _mm256_or_si256(_mm256_and_si256(s, colour), _mm256_slli_epi32(a, 24)));
    }
    for (int i = groups.end; i < last; ++i) {
        span[i] = prepared(row[columns[i]], alpha);
    }
}

namespace {

template <bool Prepared, bool Shortcuts>
RZ_AVX2_INLINE void affineRun(Argb* target, const Argb* texels, int width, std::int64_t u,
                              std::int64_t v, std::int64_t du, std::int64_t dv, int count,
                              int drawAlpha) {
    const __m256i drawAlpha16 = _mm256_set1_epi16(static_cast<short>(drawAlpha));
    const __m256i widthV = _mm256_set1_epi64x(width);
    // Positions of pixels i .. i + 3 (A) and i + 4 .. i + 7 (B), 32.32 fixed point.
    const __m256i duV = _mm256_set1_epi64x(du);
    const __m256i dvV = _mm256_set1_epi64x(dv);
    __m256i uA = _mm256_setr_epi64x(u, u + du, u + 2 * du, u + 3 * du);
    __m256i vA = _mm256_setr_epi64x(v, v + dv, v + 2 * dv, v + 3 * dv);
    __m256i uB = _mm256_add_epi64(uA, _mm256_slli_epi64(duV, 2));
    __m256i vB = _mm256_add_epi64(vA, _mm256_slli_epi64(dvV, 2));
    const __m256i stepU = _mm256_slli_epi64(duV, 3);
    const __m256i stepV = _mm256_slli_epi64(dvV, 3);
    const __m256i order = _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7);
    for (int i = 0; i < count; i += 8) {
        // Texel indexes row * width + column, below 2^28, as eight 32-bit lanes.
        const __m256i indexA = _mm256_add_epi64(_mm256_mul_epu32(_mm256_srli_epi64(vA, 32), widthV),
                                                _mm256_srli_epi64(uA, 32));
        const __m256i indexB = _mm256_add_epi64(_mm256_mul_epu32(_mm256_srli_epi64(vB, 32), widthV),
                                                _mm256_srli_epi64(uB, 32));
        const __m256i index = _mm256_permutevar8x32_epi32(
            _mm256_blend_epi32(indexA, _mm256_slli_epi64(indexB, 32), 0xAA), order);
        const int rest = count - i;
        if (rest >= 8) {
            // Eight plain loads: faster than the gather instruction on processors that
            // split it into microcode.
            alignas(32) std::uint32_t at[8];
            _mm256_store_si256(reinterpret_cast<__m256i*>(at), index);
            const __m128i low =
                _mm_setr_epi32(static_cast<int>(texels[at[0]]), static_cast<int>(texels[at[1]]),
                               static_cast<int>(texels[at[2]]), static_cast<int>(texels[at[3]]));
            const __m128i high =
                _mm_setr_epi32(static_cast<int>(texels[at[4]]), static_cast<int>(texels[at[5]]),
                               static_cast<int>(texels[at[6]]), static_cast<int>(texels[at[7]]));
            alphaBlend8<Prepared, Shortcuts>(target + i, _mm256_set_m128i(high, low), drawAlpha16);
        } else {
            // The last pixels: lanes past the span read nothing and stay transparent.
            alignas(32) Argb padded[8];
            const __m256i mask = firstLanes(rest);
            const __m256i s = _mm256_mask_i32gather_epi32(
                _mm256_setzero_si256(), reinterpret_cast<const int*>(texels), index, mask, 4);
            store8(padded, _mm256_maskload_epi32(reinterpret_cast<const int*>(target + i), mask));
            alphaBlend8<Prepared>(padded, s, drawAlpha16);
            _mm256_maskstore_epi32(reinterpret_cast<int*>(target + i), mask, load8(padded));
        }
        uA = _mm256_add_epi64(uA, stepU);
        uB = _mm256_add_epi64(uB, stepU);
        vA = _mm256_add_epi64(vA, stepV);
        vB = _mm256_add_epi64(vB, stepV);
    }
}

}  // namespace

RZ_AVX2 void alphaBlendAffine(Argb* target, const Argb* texels, int width, std::int64_t u,
                              std::int64_t v, std::int64_t du, std::int64_t dv, int count,
                              int drawAlpha, bool prepared) {
    // Below draw alpha 255 no group is wholly opaque, and wholly transparent groups of a
    // turned picture come and go from row to row: the branch-free blend is the faster one.
    if (prepared) {
        affineRun<true, false>(target, texels, width, u, v, du, dv, count, drawAlpha);
    } else if (drawAlpha == 255) {
        affineRun<false, true>(target, texels, width, u, v, du, dv, count, drawAlpha);
    } else {
        affineRun<false, false>(target, texels, width, u, v, du, dv, count, drawAlpha);
    }
}

}  // namespace media::blend::avx2

#endif
