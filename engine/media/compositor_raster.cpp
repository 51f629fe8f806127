// The rasterisers: sample a span of texels into a buffer (or straight into the
// framebuffer when the result is the sampled pixel itself), then blend it.
#include "engine/media/compositor_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/media/compositor_blend.h"

namespace media::raster {
namespace {

using sample::Tap;
using sample::Texture;

// Pixels whose centre lies in [low, high), clipped to [0, size). False when none.
bool pixelRange(double low, double high, int size, int& first, int& last) {
    if (!(low < high)) {  // also NaN
        return false;
    }
    const double a = std::max(std::ceil(low - 0.5), 0.0);
    const double b = std::min(std::ceil(high - 0.5), static_cast<double>(size));
    if (!(a < b)) {
        return false;
    }
    first = static_cast<int>(a);
    last = static_cast<int>(b);
    return true;
}

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
    return static_cast<std::int64_t>(std::floor(std::clamp(position, -1e9, 1e9) * 256.0));
}

// 32.32 fixed point for the per-pixel stepping of the quad rasteriser. Starts are bounded
// by 2^20 texels and steps by 2^16 texels per pixel; with at most 2^14 pixels per span the
// sum stays below 2^31 texels, inside the 64-bit range.
constexpr double kFixedOne = 4294967296.0;
std::int64_t toFixed32(double value, double bound) {
    return static_cast<std::int64_t>(std::llround(std::clamp(value, -bound, bound) * kFixedOne));
}

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

// Samples count pixels of the row py starting at column x0 through the affine map.
void sampleAffineSpan(const Texture& texture, const Affine& m, int x0, int py, int count,
                      Filter filter, Argb* out) {
    const bool bilinear = filter == Filter::Bilinear;
    const double offset = bilinear ? 0.0 : 0.5;
    const double sx = x0 + offset;
    const double sy = py + offset;
    const double shift = bilinear ? 0.5 : 0.0;  // bilinear taps count from texel centres
    std::int64_t u = toFixed32(m.au * sx + m.bu * sy + m.cu - shift, 1048576.0);
    std::int64_t v = toFixed32(m.av * sx + m.bv * sy + m.cv - shift, 1048576.0);
    const std::int64_t du = toFixed32(m.au, 65536.0);
    const std::int64_t dv = toFixed32(m.av, 65536.0);
    const int width = texture.width;
    const int height = texture.height;
    if (bilinear) {
        for (int i = 0; i < count; ++i) {
            out[i] = sample::bilinearAt(texture, sample::tapAt(u >> 24, width),
                                        sample::tapAt(v >> 24, height));
            u += du;
            v += dv;
        }
        return;
    }
    const std::int64_t maxColumn = width - 1;
    const std::int64_t maxRow = height - 1;
    for (int i = 0; i < count; ++i) {
        const std::int64_t column = std::clamp<std::int64_t>(u >> 32, 0, maxColumn);
        const std::int64_t row = std::clamp<std::int64_t>(v >> 32, 0, maxRow);
        out[i] = texture.pixels[row * width + column];
        u += du;
        v += dv;
    }
}

struct Edge {
    double topY = 0, bottomY = 0, topX = 0, slope = 0;
};

void fillTriangle(Framebuffer& frame, const Texture& texture, const std::array<Vertex, 3>& p,
                  const Affine& map, const Style& style, Scratch& scratch) {
    const double minY = std::min({p[0].y, p[1].y, p[2].y});
    const double maxY = std::max({p[0].y, p[1].y, p[2].y});
    int y0 = 0, y1 = 0;
    if (!pixelRange(minY, maxY, frame.height, y0, y1)) {
        return;
    }
    // Each edge is stored top to bottom, so an edge shared by two triangles gives both of
    // them exactly the same intersections.
    std::array<Edge, 3> edges{};
    int edgeCount = 0;
    for (int i = 0; i < 3; ++i) {
        Vertex top = p[i];
        Vertex bottom = p[(i + 1) % 3];
        if (top.y == bottom.y) {
            continue;
        }
        if (top.y > bottom.y || (top.y == bottom.y && top.x > bottom.x)) {
            std::swap(top, bottom);
        }
        edges[edgeCount++] = {top.y, bottom.y, top.x, (bottom.x - top.x) / (bottom.y - top.y)};
    }
    const bool direct = writesSourceUnchanged(style, texture);
    for (int py = y0; py < y1; ++py) {
        const double yc = py + 0.5;
        double left = std::numeric_limits<double>::infinity();
        double right = -std::numeric_limits<double>::infinity();
        for (int e = 0; e < edgeCount; ++e) {
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
        if (direct) {
            sampleAffineSpan(texture, map, x0, py, count, style.filter, target);
            continue;
        }
        if (scratch.span.size() < static_cast<std::size_t>(count)) {
            scratch.span.resize(static_cast<std::size_t>(count));
        }
        sampleAffineSpan(texture, map, x0, py, count, style.filter, scratch.span.data());
        blend::blendSpan(target, scratch.span.data(), count, style.alpha, style.sourceFactor,
                         style.destinationFactor);
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
        scratch.columns.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const double u = (static_cast<double>(x0 + static_cast<int>(i)) + offset - x) * scaleX;
            scratch.columns[i] = clampIndex(std::floor(u), texture.width);
        }
    }
    const int* columns = scratch.columns.data();
    const Tap* taps = scratch.taps.data();
    for (int py = y0; py < y1; ++py) {
        const double v = (py + offset - y) * scaleY;
        Argb* target = frame.pixels.data() + static_cast<std::size_t>(py) * frame.width + x0;
        Argb* out = direct ? target : scratch.span.data();
        if (bilinear) {
            const Tap row = sample::tapAt(toFixed8(v - 0.5), texture.height);
            const Argb* top = texture.pixels + static_cast<std::size_t>(row.first) * texture.width;
            const Argb* bottom =
                texture.pixels + static_cast<std::size_t>(row.second) * texture.width;
            for (std::size_t i = 0; i < count; ++i) {
                const Tap& c = taps[i];
                out[i] = sample::bilinear(top[c.first], top[c.second], bottom[c.first],
                                          bottom[c.second], c.weight, row.weight);
            }
        } else {
            const Argb* source =
                texture.pixels +
                static_cast<std::size_t>(clampIndex(std::floor(v), texture.height)) * texture.width;
            for (std::size_t i = 0; i < count; ++i) {
                out[i] = source[columns[i]];
            }
        }
        if (!direct) {
            blend::blendSpan(target, out, static_cast<int>(count), style.alpha, style.sourceFactor,
                             style.destinationFactor);
        }
    }
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
        fillTriangle(frame, texture, upper, map, style, scratch);
        fillTriangle(frame, texture, lower, map, style, scratch);
        return;
    }
    Affine upperMap;
    if (solveAffine(upper, upperTexels, upperMap)) {
        fillTriangle(frame, texture, upper, upperMap, style, scratch);
    }
    Affine lowerMap;
    if (solveAffine(lower, lowerTexels, lowerMap)) {
        fillTriangle(frame, texture, lower, lowerMap, style, scratch);
    }
}

}  // namespace media::raster
