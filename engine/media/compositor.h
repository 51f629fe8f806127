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

    // Screen.
    void resize(int width, int height);  // the framebuffer, cleared to opaque black
    const Framebuffer& frame() const;
    void clear(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void plot(int x, int y, Argb colour);
    void rectangle(int x, int y, int width, int height, Argb colour, bool filled);

    // Pictures.
    PictureHandle addPicture(Image image);               // takes the decoded pixels
    PictureHandle grab(int x, int y, int width, int height);  // a screen rectangle; 0 outside
    bool pictureExists(PictureHandle picture) const;
    int pictureWidth(PictureHandle picture) const;   // 0 for an invalid handle
    int pictureHeight(PictureHandle picture) const;
    const Image* picture(PictureHandle picture) const;  // nullptr for an invalid handle
    void freePicture(PictureHandle picture);  // sprites made from it stay valid
    // Draws a picture 1:1 at x, y (a 2D sprite), honouring its alpha channel.
    void drawPicture(PictureHandle picture, int x, int y);

    // 3D sprites.
    SpriteHandle makeSprite(PictureHandle picture);  // 0 when the picture is invalid
    bool spriteExists(SpriteHandle sprite) const;
    void freeSprite(SpriteHandle sprite);
    // Zooming sets the drawn size and drops any corner transform.
    void zoomSprite(SpriteHandle sprite, float width, float height);
    // Rotation about the sprite's centre in degrees; relative adds to the current angle.
    void rotateSprite(SpriteHandle sprite, float degrees, bool relative);
    // Corner transform, relative to the draw position: upper left, upper right, lower
    // right, lower left of the picture. Stays until the next zoom or rotation.
    void setSpriteCorners(SpriteHandle sprite, const std::array<Point, 4>& corners);
    // Draws the sprite with its top-left (before rotation) at x, y; alpha 0..255 multiplies
    // the picture's own alpha. Only inside a 3D pass; outside it nothing is drawn.
    void drawSprite(SpriteHandle sprite, float x, float y, int alpha);

    // 3D pass state.
    void beginPass();
    void endPass();
    bool inPass() const;
    // Unknown codes behave as 5 (source) and 6 (destination).
    void setBlend(int sourceFactor, int destinationFactor);
    void setFilter(Filter filter);

    // 2D text with the built-in fixed-width system font (8 x 16 cells).
    void drawText(int x, int y, std::string_view text, Argb colour,
                  std::optional<Argb> background = std::nullopt);
    static constexpr int kSystemFontWidth = 8;
    static constexpr int kSystemFontHeight = 16;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace media
