// A decoded picture: straight (not premultiplied) 8-bit ARGB, one uint32 per pixel,
// 0xAARRGGBB, rows top to bottom without padding.
#pragma once

#include <cstdint>
#include <vector>

namespace media {

using Argb = std::uint32_t;

constexpr Argb makeArgb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t alphaOf(Argb c) {
    return c >> 24;
}
constexpr std::uint32_t redOf(Argb c) {
    return (c >> 16) & 0xFFu;
}
constexpr std::uint32_t greenOf(Argb c) {
    return (c >> 8) & 0xFFu;
}
constexpr std::uint32_t blueOf(Argb c) {
    return c & 0xFFu;
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;  // width * height entries

    bool empty() const { return width <= 0 || height <= 0; }
    Argb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Argb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A colour that turns fully transparent when a picture is loaded (the game uses pure green).
struct ColourKey {
    bool enabled = false;
    std::uint8_t red = 0, green = 0, blue = 0;
};

}  // namespace media
