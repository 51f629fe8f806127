// The compositor's rasterisers: an axis-aligned scaled draw and a quad rasteriser for
// rotations and corner transforms. Both clip to the framebuffer and draw nothing for
// empty, inverted or non-finite geometry.
//
// Coverage: a pixel (px, py) is covered when its centre (px + 0.5, py + 0.5) lies inside
// the drawn area, left and top edges inclusive, right and bottom edges exclusive, so
// neighbouring areas never cover a pixel twice. Sampling: nearest filtering reads the
// texel under the pixel's centre; bilinear filtering samples at the pixel's upper-left
// corner (px, py), as classic 3D hardware did: a picture drawn 1:1 through the filter
// averages each 2x2 block, a softened copy shifted by half a pixel, which the smoothing pass
// relies on.
#pragma once

#include <array>
#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/compositor_blend.h"
#include "engine/media/compositor_sample.h"

namespace media::raster {

struct Style {
    int alpha = 255;  // 0..255
    int sourceFactor = kBlendSrcAlpha;
    int destinationFactor = kBlendInvSrcAlpha;
    Filter filter = Filter::Nearest;
};

// A picture's rows as a scaled draw under (5, 6) blends them: sampled through one set of
// columns, with a' for one draw alpha in the alpha byte. Each picture keeps the last such set,
// filled row by row as draws need them, so sprites drawn again at the same size, horizontal
// placement and alpha (a swarm of one picture) blend straight from it.
struct PreparedRows {
    int alpha = -1;
    std::vector<int> columns;
    std::vector<Argb> pixels;          // one row of columns.size() pixels per picture row
    std::vector<unsigned char> ready;  // per picture row
};

// Reusable buffers, so that drawing allocates only when the screen grows.
struct Scratch {
    std::vector<Argb> span;
    blend::ColumnPlan columns;
    std::vector<sample::Tap> taps;
    std::vector<Argb> rowMix;
};

struct Vertex {
    double x = 0.0;
    double y = 0.0;
};

// The whole picture stretched over [x, x + width) x [y, y + height).
void drawScaled(Framebuffer& frame, const sample::Texture& texture, double x, double y,
                double width, double height, const Style& style, Scratch& scratch);

// True when drawScaled with these arguments writes every pixel of the screen without
// reading any (an opaque picture stretched over the whole screen, say).
bool coversOpaquely(const Framebuffer& frame, const sample::Texture& texture, double x, double y,
                    double width, double height, const Style& style);

// The picture mapped onto a quad given in screen coordinates in the order upper left,
// upper right, lower right, lower left of the picture. A parallelogram gets one affine
// mapping; any other quad is split along the upper-left to lower-right diagonal into two
// triangles, each mapped affinely.
void drawQuad(Framebuffer& frame, const sample::Texture& texture, const std::array<Vertex, 4>& quad,
              const Style& style, Scratch& scratch);

}  // namespace media::raster
