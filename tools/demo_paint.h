// Small painting helpers shared by the demo's picture generators: colours, blank pictures,
// shapes sampled 4 x 4 per pixel, and pixel art given as rows of palette letters.
//
// Every picture lies on pure green, which the game keys out; a shape pixel never takes
// that colour by chance.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "engine/media/image.h"

namespace demo {

inline constexpr media::Argb kKey = media::makeArgb(255, 0, 255, 0);

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

inline Rgb blend(Rgb a, Rgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb shade(Rgb c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

inline media::Argb toArgb(Rgb c) {
    auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
    };
    media::Argb out = media::makeArgb(255, channel(c.r), channel(c.g), channel(c.b));
    if (out == kKey) out = media::makeArgb(255, 0, 254, 0);
    return out;
}

inline media::Image filled(int width, int height, media::Argb fill) {
    media::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    return image;
}

// Fills every pixel from a shape function of the sample position (pixel units). A pixel
// that at least half of its 4 x 4 samples cover takes their average colour; the others
// stay key green, so outer edges are hard.
template <class Shape>
media::Image paintShape(int width, int height, Shape&& shape) {
    constexpr int kGrid = 4;
    media::Image image = filled(width, height, kKey);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb sum;
            int covered = 0;
            for (int s = 0; s < kGrid * kGrid; ++s) {
                const float px =
                    static_cast<float>(x) + (static_cast<float>(s % kGrid) + 0.5f) / kGrid;
                const float py =
                    static_cast<float>(y) + (static_cast<float>(s / kGrid) + 0.5f) / kGrid;
                const std::optional<Rgb> c = shape(px, py);
                if (!c) continue;
                sum.r += c->r;
                sum.g += c->g;
                sum.b += c->b;
                ++covered;
            }
            if (covered * 2 < kGrid * kGrid) continue;
            const float n = static_cast<float>(covered);
            image.at(x, y) = toArgb({sum.r / n, sum.g / n, sum.b / n});
        }
    }
    return image;
}

// Pixel art: one string per row, one letter per pixel; '.' is the key, every other letter
// is looked up in the palette (a letter missing there is drawn as the key too).
using Palette = std::span<const std::pair<char, Rgb>>;

inline media::Image pixelArt(std::span<const std::string_view> rows, Palette palette) {
    const int height = static_cast<int>(rows.size());
    int width = 0;
    for (std::string_view row : rows)
        width = std::max(width, static_cast<int>(row.size()));
    media::Image image = filled(width, height, kKey);
    for (int y = 0; y < height; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const char letter = row[static_cast<std::size_t>(x)];
            for (const auto& [name, colour] : palette) {
                if (name == letter) image.at(x, y) = toArgb(colour);
            }
        }
    }
    return image;
}

// The picture turned a quarter (clockwise when clockwise is true), mirrored left to right,
// or enlarged by a whole factor.
inline media::Image quarterTurn(const media::Image& in, bool clockwise) {
    media::Image out = filled(in.height, in.width, kKey);
    for (int y = 0; y < in.height; ++y) {
        for (int x = 0; x < in.width; ++x) {
            if (clockwise) {
                out.at(in.height - 1 - y, x) = in.at(x, y);
            } else {
                out.at(y, in.width - 1 - x) = in.at(x, y);
            }
        }
    }
    return out;
}

inline media::Image mirrored(const media::Image& in) {
    media::Image out = in;
    for (int y = 0; y < in.height; ++y) {
        for (int x = 0; x < in.width; ++x)
            out.at(x, y) = in.at(in.width - 1 - x, y);
    }
    return out;
}

inline media::Image enlarged(const media::Image& in, int factor) {
    media::Image out = filled(in.width * factor, in.height * factor, kKey);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x)
            out.at(x, y) = in.at(x / factor, y / factor);
    }
    return out;
}

// A fixed generator for texture noise, the same on every run.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    float next() {  // 0 .. 1
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(state_ >> 40) / static_cast<float>(1ULL << 24);
    }

  private:
    std::uint64_t state_;
};

}  // namespace demo
