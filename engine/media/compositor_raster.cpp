// The rasterisers: sample a span of texels into a buffer (or straight into the
// framebuffer when the result is the sampled pixel itself), then blend it.
#include "engine/media/compositor_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/media/compositor_blend.h"
#include "engine/media/compositor_blend_sse2.h"

namespace media::raster {
namespace {

using sample::Tap;
using sample::Texture;

// floor and ceiling of values already bounded well inside the 64-bit range, without a
// library call.
inline std::int64_t floorBounded(double value) {
    const auto truncated = static_cast<std::int64_t>(value);
    return truncated - (static_cast<double>(truncated) > value ? 1 : 0);
}
inline std::int64_t ceilBounded(double value) {
    const auto truncated = static_cast<std::int64_t>(value);
    return truncated + (static_cast<double>(truncated) < value ? 1 : 0);
}

// Pixels whose centre lies in [low, high), clipped to [0, size). False when none.
bool pixelRange(double low, double high, int size, int& first, int& last) {
    if (!(low < high)) {  // also NaN
        return false;
    }
    const double limit = size;
    first = static_cast<int>(ceilBounded(std::clamp(low - 0.5, 0.0, limit)));
    last = static_cast<int>(ceilBounded(std::clamp(high - 0.5, 0.0, limit)));
    return first < last;
}

// The texel index floor(value) clamped to 0..size-1 (NaN gives 0).
int clampIndex(double value, int size) {
    if (!(value >= 0.0)) {
        return 0;
    }
    if (value >= size - 1) {
        return size - 1;
    }
    return static_cast<int>(value);
}

// 24.8 fixed point of a texel position, bounded far beyond any picture.
std::int64_t toFixed8(double position) {
    return floorBounded(std::clamp(position, -1e9, 1e9) * 256.0);
}

// 32.32 fixed point for the per-pixel stepping of the quad rasteriser. Starts are bounded
// by 2^20 texels and steps by 2^16 texels per pixel; with at most 2^14 pixels per span the
// sum stays below 2^31 texels, inside the 64-bit range.
constexpr double kFixedOne = 4294967296.0;
std::int64_t toFixed32(double value, double bound) {
    return static_cast<std::int64_t>(std::clamp(value, -bound, bound) * kFixedOne);
}

// Asks for the framebuffer span of the next row early: sprites land at scattered places, so
// their rows are rarely in the cache, and blending reads them.
inline void prefetchSpan(const Argb* first, std::size_t count) {
    constexpr std::uintptr_t kLine = 64;
    const auto end = reinterpret_cast<std::uintptr_t>(first + count);
    for (auto line = reinterpret_cast<std::uintptr_t>(first) & ~(kLine - 1); line < end;
         line += kLine) {
        __builtin_prefetch(reinterpret_cast<const void*>(line), 0, 3);
    }
}

constexpr int kPrefetchRows = 4;
// The largest set of prepared rows a picture keeps (256 KB).
constexpr std::size_t kMaxPreparedRowPixels = 64 * 1024;
constexpr int kPrefetchReach = 8;  // pixels beyond a turned span's ends

// True when blending gives back the sampled pixel itself, so it can be written directly.
bool writesSourceUnchanged(const Style& style, const Texture& texture) {
    if (style.alpha != 255) {
        return false;
    }
    if (style.sourceFactor == kBlendOne && style.destinationFactor == kBlendZero) {
        return true;
    }
    return texture.opaque && style.sourceFactor == kBlendSrcAlpha &&
           style.destinationFactor == kBlendInvSrcAlpha;
}

// True when blending leaves the framebuffer as it is.
bool changesNothing(const Style& style) {
    if (style.sourceFactor == kBlendZero && style.destinationFactor == kBlendOne) {
        return true;
    }
    return style.alpha == 0 && style.sourceFactor == kBlendSrcAlpha &&
           style.destinationFactor == kBlendInvSrcAlpha;
}

bool usable(const Texture& texture) {
    return texture.pixels != nullptr && texture.width > 0 && texture.height > 0;
}

struct Affine {
    double au = 0, bu = 0, cu = 0;  // u = au * x + bu * y + cu
    double av = 0, bv = 0, cv = 0;
};

// The affine map from screen to texel coordinates that takes the triangle p onto t.
bool solveAffine(const std::array<Vertex, 3>& p, const std::array<Vertex, 3>& t, Affine& m) {
    const double e1x = p[1].x - p[0].x, e1y = p[1].y - p[0].y;
    const double e2x = p[2].x - p[0].x, e2y = p[2].y - p[0].y;
    const double det = e1x * e2y - e1y * e2x;
    if (!std::isfinite(det) || std::abs(det) < 1e-12) {
        return false;
    }
    const double du1 = t[1].x - t[0].x, du2 = t[2].x - t[0].x;
    const double dv1 = t[1].y - t[0].y, dv2 = t[2].y - t[0].y;
    m.au = (du1 * e2y - du2 * e1y) / det;
    m.bu = (du2 * e1x - du1 * e2x) / det;
    m.cu = t[0].x - m.au * p[0].x - m.bu * p[0].y;
    m.av = (dv1 * e2y - dv2 * e1y) / det;
    m.bv = (dv2 * e1x - dv1 * e2x) / det;
    m.cv = t[0].y - m.av * p[0].x - m.bv * p[0].y;
    return std::isfinite(m.au) && std::isfinite(m.bu) && std::isfinite(m.cu) &&
           std::isfinite(m.av) && std::isfinite(m.bv) && std::isfinite(m.cv);
}

// Where a span's texel coordinates need no clamping: u and v change linearly along the
// span, so the pixels whose taps lie inside the picture form one interval [first, last).
// Outside it (at most a few pixels at the ends, from rounding at the quad's edges) the
// clamped sampler runs.
struct SafeInterval {
    int first = 0;
    int last = 0;
};

SafeInterval safeInterval(std::int64_t u, std::int64_t v, std::int64_t du, std::int64_t dv,
                          int count, std::int64_t uLimit, std::int64_t vLimit) {
    auto inside = [&](int i) {
        const std::int64_t uu = u + du * i;
        const std::int64_t vv = v + dv * i;
        return uu >= 0 && uu < uLimit && vv >= 0 && vv < vLimit;
    };
    SafeInterval interval{0, count};
    while (interval.first < count && !inside(interval.first)) {
        ++interval.first;
    }
    while (interval.last > interval.first && !inside(interval.last - 1)) {
        --interval.last;
    }
    return interval;
}

constexpr std::int64_t kFixed32One = std::int64_t{1} << 32;

// The texel position of a span's first pixel and its step per pixel, 32.32 fixed point.
// Bilinear positions count from texel centres.
struct SpanStart {
    std::int64_t u = 0, v = 0, du = 0, dv = 0;

    SpanStart advanced(int pixels) const { return {u + du * pixels, v + dv * pixels, du, dv}; }
};

// The span starts of one polygon: the steps are the same on every row.
struct SpanStarts {
    SpanStarts(const Affine& m, Filter filter)
        : map(m),
          offset(filter == Filter::Bilinear ? 0.0 : 0.5),
          shift(filter == Filter::Bilinear ? 0.5 : 0.0),
          du(toFixed32(m.au, 65536.0)),
          dv(toFixed32(m.av, 65536.0)) {}

    SpanStart at(int x0, int py) const {
        const double sx = x0 + offset;
        const double sy = py + offset;
        return {toFixed32(map.au * sx + map.bu * sy + map.cu - shift, 1048576.0),
                toFixed32(map.av * sx + map.bv * sy + map.cv - shift, 1048576.0), du, dv};
    }

    Affine map;
    double offset;  // pixel centres for nearest, corners for bilinear
    double shift;   // bilinear positions count from texel centres
    std::int64_t du;
    std::int64_t dv;
};

SafeInterval nearestSafeInterval(const Texture& texture, const SpanStart& s, int count) {
    return safeInterval(s.u, s.v, s.du, s.dv, count, texture.width * kFixed32One,
                        texture.height * kFixed32One);
}

// Samples count pixels from the span start.
void sampleAffineSpan(const Texture& texture, const SpanStart& s, int count, Filter filter,
                      Argb* out) {
    // Plain copies, not a structured binding: lambdas below capture them.
    const std::int64_t u = s.u;
    const std::int64_t v = s.v;
    const std::int64_t du = s.du;
    const std::int64_t dv = s.dv;
    const int width = texture.width;
    const int height = texture.height;
    const Argb* pixels = texture.pixels;
    if (filter == Filter::Bilinear) {
        auto clamped = [&](int i) {
            return sample::bilinearAt(texture, sample::tapAt((u + du * i) >> 24, width),
                                      sample::tapAt((v + dv * i) >> 24, height));
        };
        // Inside, both taps of each axis lie in the picture: index + 1 < size.
        const SafeInterval safe = safeInterval(u, v, du, dv, count, (width - 1) * kFixed32One,
                                               (height - 1) * kFixed32One);
        for (int i = 0; i < safe.first; ++i) {
            out[i] = clamped(i);
        }
        std::int64_t uu = u + du * safe.first;
        std::int64_t vv = v + dv * safe.first;
        for (int i = safe.first; i < safe.last; ++i) {
            const Argb* top = pixels + (vv >> 32) * width + (uu >> 32);
            out[i] = sample::bilinear(top[0], top[1], top[width], top[width + 1],
                                      static_cast<std::uint32_t>((uu >> 24) & 0xFF),
                                      static_cast<std::uint32_t>((vv >> 24) & 0xFF));
            uu += du;
            vv += dv;
        }
        for (int i = safe.last; i < count; ++i) {
            out[i] = clamped(i);
        }
        return;
    }
    auto clamped = [&](int i) {
        const std::int64_t column = std::clamp<std::int64_t>((u + du * i) >> 32, 0, width - 1);
        const std::int64_t row = std::clamp<std::int64_t>((v + dv * i) >> 32, 0, height - 1);
        return pixels[row * width + column];
    };
    const SafeInterval safe = nearestSafeInterval(texture, s, count);
    for (int i = 0; i < safe.first; ++i) {
        out[i] = clamped(i);
    }
    std::int64_t uu = u + du * safe.first;
    std::int64_t vv = v + dv * safe.first;
    for (int i = safe.first; i < safe.last; ++i) {
        out[i] = pixels[(vv >> 32) * width + (uu >> 32)];
        uu += du;
        vv += dv;
    }
    for (int i = safe.last; i < count; ++i) {
        out[i] = clamped(i);
    }
}

// Samples and blends count pixels through the span buffer.
void sampleAndBlend(const Texture& texture, const SpanStart& s, int count, const Style& style,
                    Argb* target, Scratch& scratch) {
    if (count <= 0) {
        return;
    }
    if (scratch.span.size() < static_cast<std::size_t>(count)) {
        scratch.span.resize(static_cast<std::size_t>(count));
    }
    sampleAffineSpan(texture, s, count, style.filter, scratch.span.data());
    blend::blendSpan(target, scratch.span.data(), count, style.alpha, style.sourceFactor,
                     style.destinationFactor);
}

#if defined(__SSE2__)
// Nearest sampling under (5, 6), the common case of turned sprites: texels go straight from
// the picture into the blend, without the span buffer. Same result as sampleAndBlend. The
// SSE2 loop, four at a time; pixels outside the safe interval read clamped texels.
void alphaBlendNearestSse2(const Texture& texture, const SpanStart& s, int count,
                           const Style& style, Argb* target, const SafeInterval& safe) {
    if (count <= 0) {
        return;
    }
    const __m128i drawAlpha = _mm_set1_epi32(style.alpha);
    const Argb* pixels = texture.pixels;
    const std::int64_t width = texture.width;
    const std::int64_t maxColumn = texture.width - 1;
    const std::int64_t maxRow = texture.height - 1;
    const std::int64_t du = s.du;
    const std::int64_t dv = s.dv;
    std::int64_t u = s.u;
    std::int64_t v = s.v;
    auto texel = [&]() {
        const Argb value = pixels[(v >> 32) * width + (u >> 32)];
        u += du;
        v += dv;
        return static_cast<int>(value);
    };
    auto clampedTexel = [&]() {
        const std::int64_t column = std::clamp<std::int64_t>(u >> 32, 0, maxColumn);
        const std::int64_t row = std::clamp<std::int64_t>(v >> 32, 0, maxRow);
        u += du;
        v += dv;
        return static_cast<int>(pixels[row * width + column]);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i group;
        if (i >= safe.first && i + 4 <= safe.last) {
            const int t0 = texel();
            const int t1 = texel();
            const int t2 = texel();
            const int t3 = texel();
            group = _mm_set_epi32(t3, t2, t1, t0);
        } else {
            const int t0 = clampedTexel();
            const int t1 = clampedTexel();
            const int t2 = clampedTexel();
            const int t3 = clampedTexel();
            group = _mm_set_epi32(t3, t2, t1, t0);
        }
        blend::sse2::alphaBlend4(target + i, group, drawAlpha);
    }
    const int rest = count - i;
    if (rest > 0) {
        // The last one to three pixels, padded with transparent texels that change nothing.
        alignas(16) int texels[4] = {};
        Argb padded[4] = {};
        for (int k = 0; k < rest; ++k) {
            texels[k] = clampedTexel();
            padded[k] = target[i + k];
        }
        blend::sse2::alphaBlend4(padded, _mm_load_si128(reinterpret_cast<const __m128i*>(texels)),
                                 drawAlpha);
        for (int k = 0; k < rest; ++k) {
            target[i + k] = padded[k];
        }
    }
}

// The same with the AVX2 kernel for the clamp-free middle where it runs.
void alphaBlendNearest(const Texture& texture, const SpanStart& s, int count, const Style& style,
                       Argb* target) {
    const SafeInterval safe = nearestSafeInterval(texture, s, count);
    if (safe.last - safe.first >= 8) {
        // The wide kernel takes the clamp-free middle; the SSE2 loop the few pixels at the
        // ends, all of them clamped.
        const SpanStart middle = s.advanced(safe.first);
        if (blend::alphaBlendAffine(target + safe.first, texture.pixels, texture.width, middle.u,
                                    middle.v, middle.du, middle.dv, safe.last - safe.first,
                                    style.alpha, texture.alphaPrepared)) {
            alphaBlendNearestSse2(texture, s, safe.first, style, target, SafeInterval{});
            alphaBlendNearestSse2(texture, s.advanced(safe.last), count - safe.last, style,
                                  target + safe.last, SafeInterval{});
            return;
        }
    }
    alphaBlendNearestSse2(texture, s, count, style, target, safe);
}
#endif

struct Edge {
    double topY = 0, bottomY = 0, topX = 0, slope = 0;
};

// Fills a convex polygon (a triangle or a parallelogram) through one affine map, one span
// per row.
template <std::size_t N>
void fillConvex(Framebuffer& frame, const Texture& texture, const std::array<Vertex, N>& p,
                const Affine& map, const Style& style, Scratch& scratch) {
    double minY = p[0].y;
    double maxY = p[0].y;
    for (const Vertex& vertex : p) {
        minY = std::min(minY, vertex.y);
        maxY = std::max(maxY, vertex.y);
    }
    int y0 = 0, y1 = 0;
    if (!pixelRange(minY, maxY, frame.height, y0, y1)) {
        return;
    }
    // Each edge is stored top to bottom, so an edge shared by two polygons gives both of
    // them exactly the same intersections.
    std::array<Edge, N> edges{};
    std::size_t edgeCount = 0;
    for (std::size_t i = 0; i < N; ++i) {
        Vertex top = p[i];
        Vertex bottom = p[(i + 1) % N];
        if (top.y == bottom.y) {
            continue;
        }
        if (top.y > bottom.y) {
            std::swap(top, bottom);
        }
        edges[edgeCount++] = {top.y, bottom.y, top.x, (bottom.x - top.x) / (bottom.y - top.y)};
    }
    const SpanStarts starts(map, style.filter);
    const bool direct = writesSourceUnchanged(style, texture);
    [[maybe_unused]] const bool fusedAlphaBlend = style.filter == Filter::Nearest &&
                                                  style.sourceFactor == kBlendSrcAlpha &&
                                                  style.destinationFactor == kBlendInvSrcAlpha;
    for (int py = y0; py < y1; ++py) {
        const double yc = py + 0.5;
        double left = std::numeric_limits<double>::infinity();
        double right = -std::numeric_limits<double>::infinity();
        for (std::size_t e = 0; e < edgeCount; ++e) {
            const Edge& edge = edges[e];
            if (yc >= edge.topY && yc < edge.bottomY) {
                const double x = edge.topX + (yc - edge.topY) * edge.slope;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        int x0 = 0, x1 = 0;
        if (!pixelRange(left, right, frame.width, x0, x1)) {
            continue;
        }
        const int count = x1 - x0;
        Argb* target = frame.pixels.data() + static_cast<std::size_t>(py) * frame.width + x0;
        const SpanStart start = starts.at(x0, py);
        if (direct) {
            sampleAffineSpan(texture, start, count, style.filter, target);
            continue;
        }
        if (py + kPrefetchRows < y1) {
            // The span some rows below lies near this one.
            const int from = std::max(x0 - kPrefetchReach, 0);
            const int to = std::min(x1 + kPrefetchReach, frame.width);
            prefetchSpan(frame.pixels.data() +
                             static_cast<std::size_t>(py + kPrefetchRows) * frame.width + from,
                         static_cast<std::size_t>(std::max(to - from, 0)));
        }
#if defined(__SSE2__)
        if (fusedAlphaBlend) {
            alphaBlendNearest(texture, start, count, style, target);
            continue;
        }
#endif
        sampleAndBlend(texture, start, count, style, target, scratch);
    }
}

// A picture drawn 1:1 at a whole-pixel position through the bilinear filter (the smoothing
// pass): every tap after the first row and column has the weight 128, so each pixel is the
// rounded average of two row averages. Gives exactly what the general path gives.
void drawUnitBilinear(Framebuffer& frame, const Texture& texture, int x, int y, int x0, int x1,
                      int y0, int y1, const Style& style, Scratch& scratch) {
    const int firstColumn = x0 - x;  // picture columns of the first and past the last pixel
    const int endColumn = x1 - x;
    const int mixStart = std::max(firstColumn - 1, 0);
    const auto count = static_cast<std::size_t>(x1 - x0);
    const bool direct = writesSourceUnchanged(style, texture);
    scratch.rowMix.resize(static_cast<std::size_t>(texture.width));
    if (!direct && scratch.span.size() < count) {
        scratch.span.resize(count);
    }
    for (int py = y0; py < y1; ++py) {
        const int row = py - y;
        // mix[k]: the vertical average for picture column k (row 0 alone on the first row).
        const Argb* bottom = texture.pixels + static_cast<std::size_t>(row) * texture.width;
        const Argb* mix = bottom;
        if (row > 0) {
            sample::averageSpans(scratch.rowMix.data() + mixStart,
                                 bottom - texture.width + mixStart, bottom + mixStart,
                                 static_cast<std::size_t>(endColumn - mixStart));
            mix = scratch.rowMix.data();
        }
        Argb* target = frame.pixels.data() + static_cast<std::size_t>(py) * frame.width + x0;
        Argb* out = direct ? target : scratch.span.data();
        std::size_t done = 0;
        if (firstColumn == 0) {
            out[0] = mix[0];
            done = 1;
        }
        const int column = firstColumn + static_cast<int>(done);
        sample::averageSpans(out + done, mix + column - 1, mix + column, count - done);
        if (!direct) {
            blend::blendSpan(target, out, static_cast<int>(count), style.alpha, style.sourceFactor,
                             style.destinationFactor);
        }
    }
}

// The scaled draw of sprites: nearest texels under (5, 6). Each picture row is prepared once
// (its texels with a' in the alpha byte) and blended on every screen row that shows it, and
// only over the columns that show the row's not fully transparent part, which alone can
// change the screen. columns is the picture column of each of the count pixels from x0,
// nondecreasing.
void alphaBlendScaledNearest(Framebuffer& frame, const Texture& texture, double y, double scaleY,
                             int x0, int y0, int y1, const blend::ColumnPlan& plan, int alpha,
                             Argb* span) {
    const int* columns = plan.columns.data();
    const auto count = static_cast<int>(plan.columns.size());
    PreparedRows* cache = texture.preparedRows;
    if (cache != nullptr) {
        if (static_cast<std::size_t>(count) * static_cast<std::size_t>(texture.height) >
            kMaxPreparedRowPixels) {
            cache = nullptr;
        } else if (cache->alpha != alpha || cache->columns != plan.columns) {
            cache->alpha = alpha;
            cache->columns = plan.columns;
            cache->pixels.resize(static_cast<std::size_t>(count) * texture.height);
            cache->ready.assign(static_cast<std::size_t>(texture.height), 0);
        }
    }
    const Argb* prepared = span;
    int previousRow = -1;
    int first = 0;
    int last = 0;
    // The framebuffer rows are asked for some rows ahead: sprites land at scattered places,
    // and a row's blend is shorter than a fetch from memory.
    Argb* const origin = frame.pixels.data() + x0;
    const auto rowSpan = static_cast<std::size_t>(count);
    for (int py = y0; py < std::min(y0 + kPrefetchRows, y1); ++py) {
        prefetchSpan(origin + static_cast<std::size_t>(py) * frame.width, rowSpan);
    }
    for (int py = y0; py < y1; ++py) {
        const int row = clampIndex((py + 0.5 - y) * scaleY, texture.height);
        if (row != previousRow) {
            previousRow = row;
            first = 0;
            last = count;
            if (texture.rowExtents != nullptr) {
                const sample::RowExtent extent = texture.rowExtents[row];
                first = static_cast<int>(std::lower_bound(columns, columns + count, extent.first) -
                                         columns);
                last = static_cast<int>(
                    std::lower_bound(columns + first, columns + count, extent.last) - columns);
            }
            Argb* out = span;
            bool fresh = true;
            if (cache != nullptr) {
                out = cache->pixels.data() + static_cast<std::size_t>(row) * count;
                fresh = cache->ready[static_cast<std::size_t>(row)] == 0;
                cache->ready[static_cast<std::size_t>(row)] = 1;
            }
            if (fresh) {
                // Whole groups of eight from the plan, even where they reach beyond the extent.
                blend::prepareSpan(out,
                                   texture.pixels + static_cast<std::size_t>(row) * texture.width,
                                   plan, first & ~7, std::min((last + 7) & ~7, count), alpha);
            }
            prepared = out;
        }
        if (first >= last) {
            continue;
        }
        Argb* target = frame.pixels.data() + static_cast<std::size_t>(py) * frame.width + x0;
        if (py + kPrefetchRows < y1) {
            prefetchSpan(origin + static_cast<std::size_t>(py + kPrefetchRows) * frame.width,
                         rowSpan);
        }
        blend::alphaBlendPrepared(target + first, prepared + first, last - first);
    }
}

}  // namespace

void drawScaled(Framebuffer& frame, const Texture& texture, double x, double y, double width,
                double height, const Style& style, Scratch& scratch) {
    if (!usable(texture) || changesNothing(style) || !std::isfinite(x) || !std::isfinite(y) ||
        !std::isfinite(width) || !std::isfinite(height) || !(width > 0.0) || !(height > 0.0)) {
        return;
    }
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    if (!pixelRange(x, x + width, frame.width, x0, x1) ||
        !pixelRange(y, y + height, frame.height, y0, y1)) {
        return;
    }
    const bool bilinear = style.filter == Filter::Bilinear;
    if (bilinear && width == texture.width && height == texture.height && x == std::trunc(x) &&
        y == std::trunc(y) && std::abs(x) < 1e9 && std::abs(y) < 1e9) {
        drawUnitBilinear(frame, texture, static_cast<int>(x), static_cast<int>(y), x0, x1, y0, y1,
                         style, scratch);
        return;
    }
    const double offset = bilinear ? 0.0 : 0.5;
    const double scaleX = texture.width / width;
    const double scaleY = texture.height / height;
    const auto count = static_cast<std::size_t>(x1 - x0);
    const bool direct = writesSourceUnchanged(style, texture);
    if (!direct && scratch.span.size() < count) {
        scratch.span.resize(count);
    }
    // The texel columns (or bilinear taps) are the same on every row.
    if (bilinear) {
        scratch.taps.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const double u = (static_cast<double>(x0 + static_cast<int>(i)) + offset - x) * scaleX;
            scratch.taps[i] = sample::tapAt(toFixed8(u - 0.5), texture.width);
        }
    } else {
        std::vector<int>& columns = scratch.columns.columns;
        columns.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const double u = (static_cast<double>(x0 + static_cast<int>(i)) + offset - x) * scaleX;
            columns[i] = clampIndex(u, texture.width);
        }
        blend::planColumns(scratch.columns, texture.width);
    }
    const Tap* taps = scratch.taps.data();
    if (!bilinear && !direct && style.sourceFactor == kBlendSrcAlpha &&
        style.destinationFactor == kBlendInvSrcAlpha) {
        alphaBlendScaledNearest(frame, texture, y, scaleY, x0, y0, y1, scratch.columns, style.alpha,
                                scratch.span.data());
        return;
    }
    // Rows that read the same texel rows as the row before (every enlarged picture has
    // them) reuse the samples: copied from the row above when written directly, or kept in
    // the span buffer when blended.
    Tap previousRow{-1, -1, 0};
    for (int py = y0; py < y1; ++py) {
        const double v = (py + offset - y) * scaleY;
        const Tap row = bilinear ? sample::tapAt(toFixed8(v - 0.5), texture.height)
                                 : Tap{clampIndex(v, texture.height), 0, 0};
        const bool sameSamples = row.first == previousRow.first &&
                                 row.second == previousRow.second &&
                                 row.weight == previousRow.weight;
        previousRow = row;
        Argb* target = frame.pixels.data() + static_cast<std::size_t>(py) * frame.width + x0;
        if (!direct && py + 1 < y1) {
            prefetchSpan(target + frame.width, count);
        }
        Argb* out = direct ? target : scratch.span.data();
        if (sameSamples && direct) {
            std::copy_n(target - frame.width, count, target);
            continue;
        }
        if (!sameSamples) {
            if (bilinear) {
                const Argb* top =
                    texture.pixels + static_cast<std::size_t>(row.first) * texture.width;
                const Argb* bottom =
                    texture.pixels + static_cast<std::size_t>(row.second) * texture.width;
                for (std::size_t i = 0; i < count; ++i) {
                    const Tap& c = taps[i];
                    out[i] = sample::bilinear(top[c.first], top[c.second], bottom[c.first],
                                              bottom[c.second], c.weight, row.weight);
                }
            } else {
                blend::gatherSpan(
                    out, texture.pixels + static_cast<std::size_t>(row.first) * texture.width,
                    scratch.columns, 0, static_cast<int>(count));
            }
        }
        if (!direct) {
            blend::blendSpan(target, out, static_cast<int>(count), style.alpha, style.sourceFactor,
                             style.destinationFactor);
        }
    }
}

bool coversOpaquely(const Framebuffer& frame, const Texture& texture, double x, double y,
                    double width, double height, const Style& style) {
    if (!usable(texture) || !writesSourceUnchanged(style, texture) || !std::isfinite(x) ||
        !std::isfinite(y) || !std::isfinite(width) || !std::isfinite(height)) {
        return false;
    }
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    return pixelRange(x, x + width, frame.width, x0, x1) &&
           pixelRange(y, y + height, frame.height, y0, y1) && x0 == 0 && y0 == 0 &&
           x1 == frame.width && y1 == frame.height;
}

void drawQuad(Framebuffer& frame, const Texture& texture, const std::array<Vertex, 4>& quad,
              const Style& style, Scratch& scratch) {
    if (!usable(texture) || changesNothing(style)) {
        return;
    }
    for (const Vertex& vertex : quad) {
        if (!std::isfinite(vertex.x) || !std::isfinite(vertex.y)) {
            return;
        }
    }
    const double w = texture.width;
    const double h = texture.height;
    const Vertex& ul = quad[0];
    const Vertex& ur = quad[1];
    const Vertex& lr = quad[2];
    const Vertex& ll = quad[3];
    const std::array<Vertex, 3> upper{ul, ur, lr};
    const std::array<Vertex, 3> lower{ul, lr, ll};
    const std::array<Vertex, 3> upperTexels{Vertex{0, 0}, Vertex{w, 0}, Vertex{w, h}};
    const std::array<Vertex, 3> lowerTexels{Vertex{0, 0}, Vertex{w, h}, Vertex{0, h}};

    double extent = 1.0;
    for (const Vertex& vertex : quad) {
        extent = std::max({extent, std::abs(vertex.x), std::abs(vertex.y)});
    }
    const bool parallelogram = std::abs(ul.x + lr.x - ur.x - ll.x) <= 1e-9 * extent &&
                               std::abs(ul.y + lr.y - ur.y - ll.y) <= 1e-9 * extent;
    if (parallelogram) {
        Affine map;
        if (!solveAffine({ul, ur, ll}, {Vertex{0, 0}, Vertex{w, 0}, Vertex{0, h}}, map)) {
            return;
        }
        fillConvex(frame, texture, quad, map, style, scratch);
        return;
    }
    Affine upperMap;
    if (solveAffine(upper, upperTexels, upperMap)) {
        fillConvex(frame, texture, upper, upperMap, style, scratch);
    }
    Affine lowerMap;
    if (solveAffine(lower, lowerTexels, lowerMap)) {
        fillConvex(frame, texture, lower, lowerMap, style, scratch);
    }
}

}  // namespace media::raster
