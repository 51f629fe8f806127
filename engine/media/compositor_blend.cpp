// Span kernels for the blend arithmetic of compositor_blend.h: a specialised SSE2 kernel
// for the common pairs (5, 6), (2, 2) and (5, 2), a general SSE2 kernel specialised at
// compile time for every other pair, and scalar kernels where SSE2 is missing. All give
// exactly blendPixel's result.
#include "engine/media/compositor_blend.h"

#include <array>
#include <cstring>
#include <utility>

#include "engine/media/compositor_blend_sse2.h"
#include "engine/media/compositor_blend_wide.h"

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

// Any pair: per channel the two products are summed in 32 bits (_mm_madd_epi16 on
// interleaved source/destination lanes), so sums up to 2 * 255 * 255 stay exact; the
// rounding (t + (t >> 8)) >> 8 with t = x + 128 is exact up to 65535 and gives at least 256
// above 65152, which the final saturating pack turns into 255 as min(255, ...) does.
template <int Code>
inline __m128i factor16(__m128i source, __m128i destination, __m128i sourceAlpha,
                        __m128i destinationAlpha) {
    const __m128i full = _mm_set1_epi16(255);
    switch (Code) {
        case 1:
            return _mm_setzero_si128();
        case 2:
            return full;
        case 3:
            return source;
        case 4:
            return _mm_sub_epi16(full, source);
        case 5:
            return sourceAlpha;
        case 6:
            return _mm_sub_epi16(full, sourceAlpha);
        case 7:
            return destinationAlpha;
        case 8:
            return _mm_sub_epi16(full, destinationAlpha);
        case 9:
            return destination;
        default:
            return _mm_sub_epi16(full, destination);
    }
}

inline __m128i div255x32(__m128i x) {
    const __m128i t = _mm_add_epi32(x, _mm_set1_epi32(128));
    return _mm_srli_epi32(_mm_add_epi32(t, _mm_srli_epi32(t, 8)), 8);
}

// Two pixels in 16-bit lanes (blue, green, red, alpha each) -> the blended 16-bit lanes.
template <int SourceFactor, int DestinationFactor>
inline __m128i blendTwo(__m128i source, __m128i destination) {
    const __m128i sourceAlpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(source, 0xFF), 0xFF);
    const __m128i destinationAlpha =
        _mm_shufflehi_epi16(_mm_shufflelo_epi16(destination, 0xFF), 0xFF);
    const __m128i fs = factor16<SourceFactor>(source, destination, sourceAlpha, destinationAlpha);
    const __m128i fd =
        factor16<DestinationFactor>(source, destination, sourceAlpha, destinationAlpha);
    const __m128i first = div255x32(
        _mm_madd_epi16(_mm_unpacklo_epi16(source, destination), _mm_unpacklo_epi16(fs, fd)));
    const __m128i second = div255x32(
        _mm_madd_epi16(_mm_unpackhi_epi16(source, destination), _mm_unpackhi_epi16(fs, fd)));
    return _mm_packs_epi32(first, second);  // at most 510, no saturation here
}

template <int SourceFactor, int DestinationFactor>
void vectorKernel(Argb* destination, const Argb* source, int count, int drawAlpha) {
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    const __m128i zero = _mm_setzero_si128();
    forEachQuad(destination, source, count, [&](Argb* out, const Argb* in) {
        const __m128i s = load4(in);
        const __m128i src = withAlpha(s, sourceAlpha4(s, drawAlphaV));
        const __m128i d = load4(out);
        const __m128i lo = blendTwo<SourceFactor, DestinationFactor>(_mm_unpacklo_epi8(src, zero),
                                                                     _mm_unpacklo_epi8(d, zero));
        const __m128i hi = blendTwo<SourceFactor, DestinationFactor>(_mm_unpackhi_epi8(src, zero),
                                                                     _mm_unpackhi_epi8(d, zero));
        store4(out, _mm_packus_epi16(lo, hi));  // min(255, ...)
    });
}

#endif

template <std::size_t... Index>
constexpr std::array<Kernel, sizeof...(Index)> makeKernels(std::index_sequence<Index...>) {
#if defined(__SSE2__)
    return {&vectorKernel<static_cast<int>(Index / 10) + 1, static_cast<int>(Index % 10) + 1>...};
#else
    return {&scalarKernel<static_cast<int>(Index / 10) + 1, static_cast<int>(Index % 10) + 1>...};
#endif
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

#if defined(RZ_COMPOSITOR_AVX2)
const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#else
constexpr bool kHasAvx2 = false;
#endif
bool baselineForced = false;

inline bool wide() {
    return kHasAvx2 && !baselineForced;
}

}  // namespace

void forceBaselineKernels(bool force) {
    baselineForced = force;
}

bool wideKernelsActive() {
    return wide();
}

void alphaBlendPrepared(Argb* destination, const Argb* prepared, int count) {
    if (count <= 0) {
        return;
    }
#if defined(RZ_COMPOSITOR_AVX2)
    if (wide()) {
        avx2::alphaBlendPrepared(destination, prepared, count);
        return;
    }
#endif
#if defined(__SSE2__)
    forEachQuad(destination, prepared, count,
                [](Argb* out, const Argb* in) { alphaBlendPrepared4(out, load4(in)); });
#else
    scalarKernel<5, 6>(destination, prepared, count, 255);
#endif
}

void planColumns(ColumnPlan& plan, int width) {
    const auto count = static_cast<int>(plan.columns.size());
    plan.contiguous = true;
    for (int i = 1; i < count && plan.contiguous; ++i) {
        plan.contiguous = plan.columns[static_cast<std::size_t>(i)] == plan.columns[0] + i;
    }
    const int groups = count / 8;
    plan.bases.resize(static_cast<std::size_t>(groups));
    plan.offsets.resize(static_cast<std::size_t>(groups) * 8);
    plan.grouped = width >= 8;
    for (int g = 0; g < groups && plan.grouped; ++g) {
        const int* columns = plan.columns.data() + g * 8;
        // Loads stay inside the row: base + 7 <= width - 1.
        const int base = columns[0] < width - 8 ? columns[0] : width - 8;
        plan.bases[static_cast<std::size_t>(g)] = base;
        for (int k = 0; k < 8; ++k) {
            const int offset = columns[k] - base;
            plan.grouped = plan.grouped && offset >= 0 && offset <= 7;
            plan.offsets[static_cast<std::size_t>(g * 8 + k)] = offset;
        }
    }
}

void gatherSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last) {
    // A picture drawn at its own width reads its row as it is.
    if (plan.contiguous && last > first) {
        std::memcpy(span + first, row + plan.columns[static_cast<std::size_t>(first)],
                    static_cast<std::size_t>(last - first) * sizeof(Argb));
        return;
    }
#if defined(RZ_COMPOSITOR_AVX2)
    if (wide()) {
        avx2::gatherSpan(span, row, plan, first, last);
        return;
    }
#endif
    const int* columns = plan.columns.data();
    for (int i = first; i < last; ++i) {
        span[i] = row[columns[i]];
    }
}

void prepareSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last,
                 int drawAlpha) {
#if defined(RZ_COMPOSITOR_AVX2)
    if (wide()) {
        avx2::prepareSpan(span, row, plan, first, last, drawAlpha);
        return;
    }
#endif
    const int* columns = plan.columns.data();
    int i = first;
#if defined(__SSE2__)
    const __m128i drawAlphaV = _mm_set1_epi32(drawAlpha);
    for (; i + 4 <= last; i += 4) {
        const __m128i s = _mm_set_epi32(
            static_cast<int>(row[columns[i + 3]]), static_cast<int>(row[columns[i + 2]]),
            static_cast<int>(row[columns[i + 1]]), static_cast<int>(row[columns[i]]));
        store4(span + i, withAlpha(s, sourceAlpha4(s, drawAlphaV)));
    }
#endif
    for (; i < last; ++i) {
        const Argb s = row[columns[i]];
        span[i] = (s & 0x00FFFFFFu) | (sourceAlpha(s, drawAlpha) << 24);
    }
}

bool alphaBlendAffine(Argb* target, const Argb* texels, int width, std::int64_t u, std::int64_t v,
                      std::int64_t du, std::int64_t dv, int count, int drawAlpha, bool prepared) {
#if defined(RZ_COMPOSITOR_AVX2)
    if (wide()) {
        if (count > 0) {
            avx2::alphaBlendAffine(target, texels, width, u, v, du, dv, count, drawAlpha, prepared);
        }
        return true;
    }
#else
    (void)target, (void)texels, (void)width, (void)u, (void)v, (void)du, (void)dv, (void)count,
        (void)drawAlpha, (void)prepared;
#endif
    return false;
}

void blendSpan(Argb* destination, const Argb* source, int count, int drawAlpha, int sourceFactor,
               int destinationFactor) {
    if (count <= 0 || sourceFactor < 1 || sourceFactor > 10 || destinationFactor < 1 ||
        destinationFactor > 10) {
        return;
    }
#if defined(RZ_COMPOSITOR_AVX2)
    if (wide() && sourceFactor == 5 && destinationFactor == 6) {
        avx2::alphaBlend(destination, source, count, drawAlpha);
        return;
    }
#endif
    kKernels[static_cast<std::size_t>((sourceFactor - 1) * 10 + (destinationFactor - 1))](
        destination, source, count, drawAlpha);
}

}  // namespace media::blend
