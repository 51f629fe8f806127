// The compositor's 2D operations: clear, plot, rectangle, text, picture blits and grabs.
#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/media/compositor.h"
#include "engine/media/compositor_state.h"
#include "engine/media/system_font.h"

namespace media {
namespace {

constexpr Argb kOpaque = 0xFF000000u;
static_assert(Compositor::kSystemFontWidth == kSystemGlyphWidth &&
              Compositor::kSystemFontHeight == kSystemGlyphHeight);

// Fills the part of [x, x + width) x [y, y + height) that lies on the screen. 64-bit
// bounds, so positions near the integer limits cannot overflow.
void fillClipped(Framebuffer& frame, std::int64_t x, std::int64_t y, std::int64_t width,
                 std::int64_t height, Argb colour) {
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t x1 = std::min<std::int64_t>(x + width, frame.width);
    const std::int64_t y1 = std::min<std::int64_t>(y + height, frame.height);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    for (std::int64_t row = y0; row < y1; ++row) {
        Argb* line = frame.pixels.data() + row * frame.width;
        std::fill(line + x0, line + x1, colour);
    }
}

// out[i] = in[i] with alpha 255.
void copyOpaque(Argb* out, const Argb* in, std::size_t count) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    for (; i + 4 <= count; i += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(pixels, opaque));
    }
#endif
    for (; i < count; ++i) {
        out[i] = in[i] | kOpaque;
    }
}

}  // namespace

void Compositor::clear(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    state_->pendingClear = makeArgb(255, red, green, blue);
}

void Compositor::plot(int x, int y, Argb colour) {
    fillClipped(state_->frame(), x, y, 1, 1, colour | kOpaque);
}

void Compositor::rectangle(int x, int y, int width, int height, Argb colour, bool filled) {
    if (width <= 0 || height <= 0) {
        return;
    }
    Framebuffer& frame = state_->frame();
    colour |= kOpaque;
    if (filled || width <= 2 || height <= 2) {
        fillClipped(frame, x, y, width, height, colour);
        return;
    }
    const std::int64_t left = x;
    const std::int64_t top = y;
    fillClipped(frame, left, top, width, 1, colour);
    fillClipped(frame, left, top + height - 1, width, 1, colour);
    fillClipped(frame, left, top + 1, 1, height - 2, colour);
    fillClipped(frame, left + width - 1, top + 1, 1, height - 2, colour);
}

void Compositor::drawText(int x, int y, std::string_view text, Argb colour,
                          std::optional<Argb> background) {
    Framebuffer& frame = state_->frame();
    const Argb ink = colour | kOpaque;
    std::int64_t cellX = x;
    for (const char character : text) {
        if (cellX >= frame.width) {
            break;
        }
        if (cellX + kSystemFontWidth > 0) {
            if (background) {
                fillClipped(frame, cellX, y, kSystemFontWidth, kSystemFontHeight,
                            *background | kOpaque);
            }
            const SystemGlyph& glyph = systemFontGlyph(static_cast<unsigned char>(character));
            for (int row = 0; row < kSystemFontHeight; ++row) {
                const std::int64_t py = static_cast<std::int64_t>(y) + row;
                const std::uint8_t bits = glyph[static_cast<std::size_t>(row)];
                if (bits == 0 || py < 0 || py >= frame.height) {
                    continue;
                }
                for (int column = 0; column < kSystemFontWidth; ++column) {
                    const std::int64_t px = cellX + column;
                    if ((bits & (0x80u >> column)) != 0 && px >= 0 && px < frame.width) {
                        frame.pixels[static_cast<std::size_t>(py * frame.width + px)] = ink;
                    }
                }
            }
        }
        cellX += kSystemFontWidth;
    }
}

namespace {

// The screen rectangle of a grab, clipped to the screen; empty when nothing of it lies there.
struct GrabArea {
    std::int64_t x0 = 0;
    std::int64_t y0 = 0;
    int width = 0;
    int height = 0;
};

GrabArea clipGrab(const Framebuffer& frame, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t x1 =
        std::min<std::int64_t>(static_cast<std::int64_t>(x) + width, frame.width);
    const std::int64_t y1 =
        std::min<std::int64_t>(static_cast<std::int64_t>(y) + height, frame.height);
    if (x0 >= x1 || y0 >= y1) {
        return {};
    }
    return {x0, y0, static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

void copyGrab(const Framebuffer& frame, const GrabArea& area, Argb* out) {
    for (std::int64_t row = area.y0; row < area.y0 + area.height; ++row) {
        copyOpaque(out, frame.pixels.data() + row * frame.width + area.x0,
                   static_cast<std::size_t>(area.width));
        out += area.width;
    }
}

}  // namespace

PictureHandle Compositor::grab(int x, int y, int width, int height) {
    const Framebuffer& frame = state_->frame();
    const GrabArea area = clipGrab(frame, x, y, width, height);
    if (area.width == 0) {
        return 0;
    }
    Image image;
    image.width = area.width;
    image.height = area.height;
    image.pixels = std::move(state_->sparePixels);
    state_->sparePixels.clear();
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    copyGrab(frame, area, image.pixels.data());
    return storePicture(*state_, std::move(image), true);
}

bool Compositor::regrab(PictureHandle picture, int x, int y, int width, int height) {
    const auto* entry = state_->pictures.find(picture);
    if (entry == nullptr) {
        return false;
    }
    const Framebuffer& frame = state_->frame();
    const GrabArea area = clipGrab(frame, x, y, width, height);
    // Every PictureData is made non-const (storePicture); a grab is opaque, so it has no row
    // extents, and its kept draw preparations describe the old pixels.
    auto& data = const_cast<PictureData&>(**entry);
    if (area.width == 0 || !data.opaque || area.width != data.image.width ||
        area.height != data.image.height) {
        return false;
    }
    copyGrab(frame, area, data.image.pixels.data());
    data.preparedAlpha = -1;
    data.preparedRows.alpha = -1;
    data.preparedRows.columns.clear();
    return true;
}

void Compositor::drawPicture(PictureHandle picture, int x, int y) {
    const auto* entry = state_->pictures.find(picture);
    if (entry == nullptr) {
        return;
    }
    const PictureData& data = **entry;
    const raster::Style style{255, kBlendSrcAlpha, kBlendInvSrcAlpha, Filter::Nearest};
    raster::drawScaled(state_->frame(), textureOf(data), x, y, data.image.width, data.image.height,
                       style, state_->scratch);
}

}  // namespace media
