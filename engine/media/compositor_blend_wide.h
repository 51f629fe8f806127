// The AVX2 kernels (compositor_blend_avx2.cpp), compiled on x86-64 only and called by
// compositor_blend.cpp when the processor has AVX2.
#pragma once

#include "engine/media/compositor_blend.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define RZ_COMPOSITOR_AVX2 1

namespace media::blend::avx2 {

void alphaBlend(Argb* destination, const Argb* source, int count, int drawAlpha);
void alphaBlendPrepared(Argb* destination, const Argb* prepared, int count);
void gatherSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last);
void prepareSpan(Argb* span, const Argb* row, const ColumnPlan& plan, int first, int last,
                 int drawAlpha);
void alphaBlendAffine(Argb* target, const Argb* texels, int width, std::int64_t u, std::int64_t v,
                      std::int64_t du, std::int64_t dv, int count, int drawAlpha, bool prepared);

}  // namespace media::blend::avx2

#endif
