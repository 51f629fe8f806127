// The software compositor: owns the screen's 32-bit framebuffer and every picture and 3D
// sprite, and draws them with zoom, rotation, four-corner transforms, alpha, Direct3D-style
// blend factors and nearest or bilinear filtering. It renders every frame of the game (in a
// window and headless alike) and the builder's sprite screen. No SDL, no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/media/image.h"

namespace media {

// Handles are 32-bit values; 0 means failure or none.
using PictureHandle = std::uint32_t;
using SpriteHandle = std::uint32_t;

// Direct3D blend factor numbers.
enum BlendFactor : int {
    kBlendZero = 1,
    kBlendOne = 2,
    kBlendSrcColour = 3,
    kBlendInvSrcColour = 4,
    kBlendSrcAlpha = 5,
    kBlendInvSrcAlpha = 6,
    kBlendDstAlpha = 7,
    kBlendInvDstAlpha = 8,
    kBlendDstColour = 9,
    kBlendInvDstColour = 10,
};

enum class Filter : std::uint8_t { Nearest, Bilinear };

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

// The screen: width * height pixels 0xAARRGGBB, rows without padding. The alpha byte is
// kept (destination-alpha blending reads it); presentation ignores it.
//
// Blending, filtering and coverage rules are described in compositor_blend.h,
// compositor_sample.h and compositor_raster.h, and summarised in docs/compositor.md.
struct Framebuffer {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;
};

class Compositor {
  public:
    Compositor();
    ~Compositor();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Largest accepted screen side and picture side, in pixels.
    static constexpr int kMaxScreenSide = 16384;
    static constexpr int kMaxPictureSide = 16384;

    // Screen. The framebuffer is cleared to opaque black; sides are limited to
    // 0..kMaxScreenSide.
    void resize(int width, int height);
    const Framebuffer& frame() const;
    // Fills the screen; the alpha byte becomes 255.
    void clear(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // 2D primitives write the colour as it is, with the alpha byte set to 255 (the screen
    // stays opaque); they are clipped to the screen and work inside and outside a 3D pass.
    void plot(int x, int y, Argb colour);
    // filled false draws the one-pixel outline of the rectangle.
    void rectangle(int x, int y, int width, int height, Argb colour, bool filled);

    // Pictures.
    // Takes the decoded pixels; 0 when the image is empty, a side exceeds kMaxPictureSide or
    // the pixel count does not match the size.
    PictureHandle addPicture(Image image);
    // Copies a screen rectangle, clipped to the screen, into a new opaque picture (alpha
    // 255); 0 when nothing of it lies on the screen.
    PictureHandle grab(int x, int y, int width, int height);
    // Copies the same rectangle into a picture made by grab, in place, when the clipped
    // rectangle has the picture's size; false (nothing changed) otherwise. Sprites made from
    // the picture show the new pixels.
    bool regrab(PictureHandle picture, int x, int y, int width, int height);
    bool pictureExists(PictureHandle picture) const;
    int pictureWidth(PictureHandle picture) const;  // 0 for an invalid handle
    int pictureHeight(PictureHandle picture) const;
    const Image* picture(PictureHandle picture) const;  // nullptr for an invalid handle
    void freePicture(PictureHandle picture);            // sprites made from it stay valid
    // Draws a picture 1:1 at x, y (a 2D sprite), honouring its alpha channel (blend 5, 6,
    // nearest), whatever the 3D pass settings are.
    void drawPicture(PictureHandle picture, int x, int y);

    // 3D sprites.
    SpriteHandle makeSprite(PictureHandle picture);  // 0 when the picture is invalid
    bool spriteExists(SpriteHandle sprite) const;
    void freeSprite(SpriteHandle sprite);
    // A new sprite has the picture's size, angle 0 and no corner transform. Every call on a
    // stale or invalid handle does nothing.
    // Zooming sets the drawn size and drops any corner transform.
    void zoomSprite(SpriteHandle sprite, float width, float height);
    // Rotation about the centre of the zoomed rectangle in degrees, clockwise on the screen;
    // relative adds to the current angle. Drops any corner transform.
    void rotateSprite(SpriteHandle sprite, float degrees, bool relative);
    // Corner transform, relative to the draw position: upper left, upper right, lower
    // right, lower left of the picture. Stays until the next zoom or rotation.
    void setSpriteCorners(SpriteHandle sprite, const std::array<Point, 4>& corners);
    // Draws the sprite with its top-left (before rotation) at x, y; alpha 0..255 multiplies
    // the picture's own alpha (values outside are clamped). Only inside a 3D pass; outside
    // it nothing is drawn. Zero or negative sizes, non-finite positions, angles or corners
    // draw nothing.
    void drawSprite(SpriteHandle sprite, float x, float y, int alpha);

    // 3D pass state.
    void beginPass();
    void endPass();
    bool inPass() const;
    // Unknown codes behave as 5 (source) and 6 (destination). The pair and the filter stay
    // in force across passes until changed; the defaults are (5, 6) and nearest.
    void setBlend(int sourceFactor, int destinationFactor);
    void setFilter(Filter filter);

    // 2D text with the built-in fixed-width system font (8 x 16 cells), one cell per byte
    // from x, y to the right; the background, when given, fills each cell first, otherwise
    // the text background is transparent. Opaque like the other 2D primitives.
    void drawText(int x, int y, std::string_view text, Argb colour,
                  std::optional<Argb> background = std::nullopt);
    static constexpr int kSystemFontWidth = 8;
    static constexpr int kSystemFontHeight = 16;

    // The compositor's internal state (defined by its own source files).
    struct State;

  private:
    std::unique_ptr<State> state_;
};

}  // namespace media
