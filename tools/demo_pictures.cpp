#include "tools/demo_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

#include "tools/demo_paint.h"

namespace demo {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Rgb colourOf(media::Argb c) {
    return {static_cast<float>(media::redOf(c)), static_cast<float>(media::greenOf(c)),
            static_cast<float>(media::blueOf(c))};
}

// Distance from the centre of a square picture of the given side, and the angle.
struct Polar {
    float radius;
    float angle;
};
Polar polar(float x, float y, float side) {
    const float dx = x - side / 2.0f;
    const float dy = y - side / 2.0f;
    return {std::sqrt(dx * dx + dy * dy), std::atan2(dy, dx)};
}

// Radius of an n-pointed star outline at an angle: points of length outer, notches at inner.
float starRadius(float angle, int points, float inner, float outer) {
    const float sector = 2.0f * kPi / static_cast<float>(points);
    float t = std::fmod(angle + 2.0f * kPi, sector) / sector;  // 0..1 across one point
    t = std::abs(t - 0.5f) * 2.0f;                             // 1 at the tips, 0 between
    return inner + (outer - inner) * std::pow(t, 3.0f);
}

// A sparkle of four (or eight) points: a thin astroid-like outline around a round core.
std::optional<Rgb> sparkle(float x, float y, float side, float core, float reach, Rgb centre,
                           Rgb edge, bool eightPoints) {
    const Polar p = polar(x, y, side);
    const float outline = starRadius(p.angle, 4, core, reach);
    float limit = std::max(core, outline);
    if (eightPoints) {
        limit = std::max(limit, starRadius(p.angle + kPi / 4.0f, 4, core, reach * 0.6f));
    }
    if (p.radius > limit) return std::nullopt;
    return blend(centre, edge, p.radius / reach);
}

// The 5 x 7 letters, one string per row, '#' set.
struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};
constexpr std::array<Glyph, 13> kGlyphs = {{
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
}};

const Glyph& glyphFor(char letter) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) return glyph;
    }
    return kGlyphs.back();  // unknown letters stay blank
}

}  // namespace

media::Image skyPicture() {
    constexpr int kWidth = 200;
    constexpr int kHeight = 150;
    const Rgb top{6, 8, 30};
    const Rgb middle{28, 22, 74};
    const Rgb low{92, 44, 110};
    const Rgb glow{120, 90, 170};
    media::Image image = filled(kWidth, kHeight, kKey);
    for (int y = 0; y < kHeight; ++y) {
        const float t = static_cast<float>(y) / (kHeight - 1);
        const Rgb base =
            t < 0.6f ? blend(top, middle, t / 0.6f) : blend(middle, low, (t - 0.6f) / 0.4f);
        for (int x = 0; x < kWidth; ++x) {
            // The glow sits behind the emblem (design point 400, 180 of 800 x 600).
            const float dx = (static_cast<float>(x) - 100.0f) / 60.0f;
            const float dy = (static_cast<float>(y) - 45.0f) / 45.0f;
            const float strength = 0.55f * std::exp(-(dx * dx + dy * dy));
            image.at(x, y) = toArgb(blend(base, glow, strength));
        }
    }
    return image;
}

media::Image hillsPicture() {
    constexpr int kWidth = 200;
    constexpr int kHeight = 33;
    const Rgb far{34, 22, 66};
    const Rgb nearTop{16, 10, 38};
    const Rgb nearBottom{6, 4, 16};
    auto ridge = [](float x, float base, float a, float b) {
        return base - a * std::sin(x * 0.045f + 1.3f) - b * std::sin(x * 0.11f + 0.4f) -
               0.35f * b * std::sin(x * 0.27f);
    };
    return paintShape(kWidth, kHeight, [&](float x, float y) -> std::optional<Rgb> {
        const float nearLine = ridge(x, 20.0f, 4.0f, 3.0f);
        if (y >= nearLine) return blend(nearTop, nearBottom, (y - nearLine) / 12.0f);
        const float farLine = ridge(x * 1.3f + 40.0f, 9.0f, 5.0f, 2.0f);
        if (y >= farLine) return far;
        return std::nullopt;
    });
}

media::Image emblemPicture() {
    constexpr float kSide = 160.0f;
    const Rgb gold{250, 200, 70};
    const Rgb deepGold{190, 110, 30};
    const Rgb rim{60, 30, 20};
    const Rgb disc{20, 26, 70};
    const Rgb gem{140, 240, 255};
    return paintShape(160, 160, [&](float x, float y) -> std::optional<Rgb> {
        const Polar p = polar(x, y, kSide);
        if (p.radius > 78.0f) return std::nullopt;
        if (p.radius > 75.0f) return rim;
        if (p.radius > 65.0f) {
            // Twelve notches in the ring make its turn easy to see.
            const float sector = 2.0f * kPi / 12.0f;
            const float offset = std::abs(std::remainder(p.angle, sector));
            if (offset < 0.06f && p.radius > 68.0f && p.radius < 72.0f) return rim;
            return blend(gold, deepGold, (p.radius - 65.0f) / 10.0f);
        }
        if (p.radius > 62.0f) return rim;
        if (p.radius < 12.0f) return blend(gem, Rgb{40, 120, 200}, p.radius / 12.0f);
        if (p.radius < 14.0f) return rim;
        const float outline = starRadius(p.angle - kPi / 2.0f, 8, 22.0f, 58.0f);
        if (p.radius < outline - 2.0f) {
            // One face of every point is lit, the other shaded.
            const float sector = 2.0f * kPi / 8.0f;
            const float within = std::fmod(p.angle - kPi / 2.0f + 4.0f * kPi, sector) / sector;
            return blend(within < 0.5f ? gold : deepGold, Rgb{255, 245, 200},
                         1.0f - p.radius / 58.0f);
        }
        if (p.radius < outline) return rim;
        return blend(disc, Rgb{40, 50, 120}, p.radius / 62.0f);
    });
}

media::Image haloPicture() {
    constexpr float kSide = 240.0f;
    const Rgb light{170, 230, 255};
    const Rgb soft{110, 160, 230};
    return paintShape(240, 240, [&](float x, float y) -> std::optional<Rgb> {
        const Polar p = polar(x, y, kSide);
        // 24 dots on the outer circle, a dashed inner circle.
        const float dotSector = 2.0f * kPi / 24.0f;
        const float along = std::remainder(p.angle, dotSector) * 112.0f;
        const float across = p.radius - 112.0f;
        if (along * along + across * across < 25.0f) return light;
        if (p.radius > 98.0f && p.radius < 101.0f) {
            const float dashSector = 2.0f * kPi / 16.0f;
            if (std::fmod(p.angle + 2.0f * kPi, dashSector) < dashSector * 0.6f) return soft;
        }
        return std::nullopt;
    });
}

media::Image smallStarPicture() {
    return paintShape(9, 9, [](float x, float y) {
        return sparkle(x, y, 9.0f, 1.2f, 4.5f, {255, 255, 255}, {170, 200, 255}, false);
    });
}

media::Image crossStarPicture() {
    return paintShape(17, 17, [](float x, float y) {
        return sparkle(x, y, 17.0f, 1.8f, 8.5f, {255, 250, 220}, {255, 200, 120}, false);
    });
}

media::Image bigStarPicture() {
    return paintShape(27, 27, [](float x, float y) {
        return sparkle(x, y, 27.0f, 3.0f, 13.5f, {240, 250, 255}, {120, 170, 255}, true);
    });
}

media::Image sweepPicture() {
    constexpr int kWidth = 64;
    constexpr int kHeight = 3;
    media::Image image = filled(kWidth, kHeight, kKey);
    for (int x = 0; x < kWidth; ++x) {
        const float t = static_cast<float>(x) / (kWidth - 1);
        const Rgb c = blend(Rgb{50, 30, 110}, Rgb{255, 255, 255}, t * t);
        for (int y = 0; y < kHeight; ++y) {
            // The outer rows are darker, so the streak has a bright core.
            image.at(x, y) = toArgb(y == 1 ? c : blend(c, Rgb{40, 20, 90}, 0.5f));
        }
    }
    return image;
}

media::Image flashPicture() {
    return filled(4, 4, media::makeArgb(255, 255, 255, 255));
}

media::Image pixelText(std::string_view text, media::Argb top, media::Argb bottom,
                       media::Argb shadow) {
    constexpr int kGlyphWidth = 5;
    constexpr int kGlyphHeight = 7;
    const int count = static_cast<int>(text.size());
    const int width = count * (kGlyphWidth + 1);  // the last gap holds the shadow
    media::Image image = filled(std::max(width, 1), kGlyphHeight + 1, kKey);
    // Shadows first, letters over them.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count; ++i) {
            const Glyph& glyph = glyphFor(text[static_cast<std::size_t>(i)]);
            for (int row = 0; row < kGlyphHeight; ++row) {
                const Rgb rowColour = blend(colourOf(top), colourOf(bottom),
                                            static_cast<float>(row) / (kGlyphHeight - 1));
                for (int column = 0; column < kGlyphWidth; ++column) {
                    if (glyph.rows[static_cast<std::size_t>(row)]
                                  [static_cast<std::size_t>(column)] != '#') {
                        continue;
                    }
                    const int x = i * (kGlyphWidth + 1) + column;
                    if (pass == 0) {
                        image.at(x + 1, row + 1) = shadow;
                    } else {
                        image.at(x, row) = toArgb(rowColour);
                    }
                }
            }
        }
    }
    return image;
}

}  // namespace demo
