#include "tools/demo_sprites.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "tools/demo_font.h"
#include "tools/demo_paint.h"

namespace demo {
namespace {

using Dna = std::vector<formats::DnaPair>;
constexpr float kPi = std::numbers::pi_v<float>;

// One palette for the whole game: night stone, warm wood, moss, and bright accents.
constexpr std::pair<char, Rgb> kPalette[] = {
    {'k', {22, 18, 34}},    {'q', {22, 18, 34}},    {'K', {44, 38, 60}},    {'g', {88, 84, 108}},
    {'G', {132, 128, 150}}, {'W', {200, 196, 210}}, {'w', {245, 242, 235}}, {'s', {240, 190, 150}},
    {'S', {200, 140, 110}}, {'h', {110, 60, 40}},   {'H', {160, 96, 56}},   {'b', {40, 80, 170}},
    {'B', {90, 140, 230}},  {'c', {120, 200, 255}}, {'r', {200, 40, 50}},   {'R', {255, 110, 90}},
    {'o', {240, 140, 30}},  {'y', {255, 220, 90}},  {'Y', {255, 250, 190}}, {'z', {110, 160, 80}},
    {'Z', {160, 210, 110}}, {'m', {50, 100, 60}},   {'M', {30, 64, 40}},    {'p', {120, 60, 140}},
    {'P', {180, 110, 200}}, {'e', {130, 30, 40}},   {'t', {70, 50, 40}},    {'T', {130, 90, 60}},
    {'u', {60, 130, 200}},
};

media::Image art(std::initializer_list<std::string_view> rows) {
    const std::vector<std::string_view> list(rows);
    return enlarged(pixelArt(list, kPalette), 2);
}

// Textures drawn pixel by pixel at half size from a colour function, then doubled.
template <class Paint>
media::Image texture(int width, int height, Paint&& paint) {
    media::Image image = filled(width, height, kKey);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.at(x, y) = toArgb(paint(x, y));
    }
    return enlarged(image, 2);
}

template <class Shape>
media::Image shape(int width, int height, Shape&& s) {
    return enlarged(paintShape(width, height, s), 2);
}

// ---- Floors and walls -------------------------------------------------------------------

media::Image stoneFloor(std::uint64_t seed, Rgb base, Rgb joint) {
    Noise noise(seed);
    std::vector<float> slab(21 * 14);
    for (float& v : slab)
        v = 0.9f + 0.2f * noise.next();
    Noise grain(seed + 7);
    return texture(400, 260, [&](int x, int y) {
        const int row = y / 20;
        const int shift = (row % 2) * 10;
        const int col = (x + shift) / 20;
        const bool isJoint = y % 20 == 0 || (x + shift) % 20 == 0;
        const float g = 0.96f + 0.08f * grain.next();
        if (isJoint) return shade(joint, g);
        return shade(base, slab[static_cast<std::size_t>(row * 21 + col % 21)] * g);
    });
}

media::Image grassFloor() {
    Noise noise(77);
    const Rgb dark{54, 96, 58}, light{74, 124, 70};
    return texture(400, 260, [&](int x, int y) {
        const float n = noise.next();
        const float wave = 0.5f + 0.5f * std::sin(static_cast<float>(x) * 0.21f) *
                                      std::cos(static_cast<float>(y) * 0.17f);
        Rgb c = blend(dark, light, wave * 0.6f + n * 0.4f);
        if (n > 0.97f) c = Rgb{120, 170, 90};
        return c;
    });
}

media::Image wallBlock(Rgb face, Rgb top, std::uint64_t seed) {
    Noise noise(seed);
    return texture(20, 20, [&](int x, int y) {
        const float n = 0.92f + 0.12f * noise.next();
        if (y < 4) return shade(top, n);  // lit top edge
        if (y == 4 || x == 0 || y == 19) return shade(face, 0.55f);
        const bool joint = (y == 11) || (y < 11 ? x == 10 : (x == 5 || x == 15));
        return joint ? shade(face, 0.7f) : shade(face, n);
    });
}

media::Image hedge() {
    Noise noise(31);
    return texture(20, 20, [&](int x, int y) {
        const float n = noise.next();
        const float dx = static_cast<float>(x) - 9.5f, dy = static_cast<float>(y) - 9.5f;
        const float light = 0.7f + 0.5f * (-dx - dy) / 20.0f;
        Rgb c = shade(Rgb{50, 110, 60}, light + 0.25f * n);
        if (n > 0.93f) c = Rgb{210, 90, 110};  // small blossoms
        return c;
    });
}

media::Image water(int frame) {
    return texture(20, 20, [&](int x, int y) {
        const float w = std::sin(static_cast<float>(x) * 0.6f + static_cast<float>(y) * 0.3f +
                                 static_cast<float>(frame));
        Rgb c = blend(Rgb{26, 60, 120}, Rgb{40, 96, 170}, 0.5f + 0.5f * w);
        if (w > 0.93f && y % 5 == 2) c = Rgb{150, 200, 250};
        return c;
    });
}

media::Image solid(int w, int h, Rgb c) {
    return filled(w, h, toArgb(c));
}

// ---- Characters --------------------------------------------------------------------------

// The hero and the zombie share the cut: h hair, s skin, e eyes, b coat, B coat light,
// t trousers, k shoes and outline.
constexpr std::string_view kFront[] = {
    "......hhhh......", ".....hHHHHh.....", "....hHhhhhHh....", "....hssssssh....",
    "....ssqssqsss...", "....ssssssss....", ".....sSSSSs.....", "....bbBBBBbb....",
    "...sbBBbbBBbs...", "...sbbbbbbbbs...", "....bbbbbbbb....", ".....tttttt.....",
    ".....tt..tt.....", ".....tt..tt.....", "....kkk..kkk....", "................",
};
constexpr std::string_view kBack[] = {
    "......hhhh......", ".....hHHHHh.....", "....hHHHHHHh....", "....hhHHHHhh....",
    "....hhhhhhhh....", "....shhhhhhs....", ".....ssssss.....", "....bbbbbbbb....",
    "...sbbbBBbbbs...", "...sbbbBBbbbs...", "....bbbbbbbb....", ".....tttttt.....",
    ".....tt..tt.....", ".....tt..tt.....", "....kkk..kkk....", "................",
};
constexpr std::string_view kSide[] = {
    "......hhhh......", ".....hHHHHh.....", ".....hhHHssh....", ".....hhssqsS....",
    ".....hssssss....", "......sssSS.....", ".......sss......", "......bbBBb.....",
    "......bBBbb.....", "......bbsbb.....", "......bbbbb.....", "......tttt......",
    "......tt.tt.....", "......tt.tt.....", ".....kkk.kkk....", "................",
};

// Legs for the walk: the stand rows 11-14 and two steps.
std::vector<std::string> withLegs(std::span<const std::string_view> base, int step, bool side) {
    std::vector<std::string> rows(base.begin(), base.end());
    if (step == 0) return rows;
    if (side) {
        if (step == 1) {
            rows[12] = ".....tt...tt....";
            rows[13] = "....tt.....tt...";
            rows[14] = "...kkk.....kkk..";
        } else {
            rows[12] = "......ttt.......";
            rows[13] = "......ttt.......";
            rows[14] = ".....kkkk.......";
        }
        return rows;
    }
    // Front and back: one foot lifted, the other planted.
    if (step == 1) {
        rows[13] = ".....tt..kkk....";
        rows[14] = "....kkk.........";
    } else {
        rows[13] = "....kkk..tt.....";
        rows[14] = ".........kkk....";
    }
    return rows;
}

media::Image person(const std::vector<std::string>& rows,
                    std::initializer_list<std::pair<char, char>> swaps) {
    std::vector<std::string> copies = rows;
    for (std::string& copy : copies) {
        for (char& c : copy) {
            for (const auto& [from, to] : swaps) {
                if (c == from) {
                    c = to;
                    break;
                }
            }
        }
    }
    const std::vector<std::string_view> list(copies.begin(), copies.end());
    return enlarged(pixelArt(list, kPalette), 2);
}

AnimationArt walker(std::string container, std::initializer_list<std::pair<char, char>> swaps,
                    bool blinks) {
    AnimationArt a;
    a.container = std::move(container);
    const int steps[] = {0, 1, 0, 2};
    for (int step : steps) {
        const media::Image right = person(withLegs(kSide, step, true), swaps);
        a.sets[1].push_back(right);
        a.sets[2].push_back(mirrored(right));
        a.sets[3].push_back(person(withLegs(kBack, step, false), swaps));
        a.sets[4].push_back(person(withLegs(kFront, step, false), swaps));
    }
    // Standing: front view, breathing (a one-pixel bob) and, for the hero, a blink.
    std::vector<std::string> stand = withLegs(kFront, 0, false);
    a.sets[0].push_back(person(stand, swaps));
    a.sets[0].push_back(person(stand, swaps));
    std::vector<std::string> other = stand;
    if (blinks) other[4] = "....ssssssss....";
    a.sets[0].push_back(person(other, swaps));
    a.sets[0].push_back(person(stand, swaps));
    return a;
}

// Crawlers are drawn facing up and turned for the other directions.
AnimationArt crawler(std::string container, const media::Image& up1, const media::Image& up2) {
    AnimationArt a;
    a.container = std::move(container);
    const media::Image* frames[] = {&up1, &up2, &up1, &up2};
    for (const media::Image* f : frames) {
        a.sets[0].push_back(*f);
        a.sets[1].push_back(quarterTurn(*f, true));
        a.sets[2].push_back(quarterTurn(*f, false));
        a.sets[3].push_back(*f);
        a.sets[4].push_back(quarterTurn(quarterTurn(*f, true), true));
    }
    return a;
}

media::Image beetle(bool legsOut) {
    if (legsOut) {
        return art({"................", "......k..k......", ".......kk.......", "k....kbbbbk....k",
                    ".k..kbBBbbbk..k.", "..kkbBBbbbbbkk..", "....bBbbbbbb....", "kkkkbbbkkbbbkkkk",
                    "....bbbkkbbb....", "..kkbbbkkbbbkk..", ".k..bbbkkbbb..k.", "k...kbbkkbbk...k",
                    ".....kbbbbk.....", "......kkkk......", "................",
                    "................"});
    }
    return art({"................", ".....k....k.....", ".......kk.......", "..k..kbbbbk..k..",
                "...kkbBBbbbkk...", "....bBBbbbbb....", "kk..bBbbbbbb..kk", "..kkbbbkkbbbkk..",
                "....bbbkkbbb....", "kk..bbbkkbbb..kk", "..kkbbbkkbbbkk..", "....kbbkkbbk....",
                "..k..kbbbbk..k..", "......kkkk......", "................", "................"});
}

media::Image crab(bool clawsUp) {
    if (clawsUp) {
        return art({"..rr........rr..", ".rRRr......rRRr.", ".rRr........rRr.", "..rr..kkkk..rr..",
                    "...r.kwkkwk.r...", "....rrrrrrrr....", "...rRRRRRRRRr...", "..rRRrrrrrrRRr..",
                    "k.rrrrrrrrrrrr.k", ".krrrrrrrrrrrrk.", "k.rerrrrrrrrer.k", ".k.rrrrrrrrrr.k.",
                    "k...rrrrrrrr...k", "....k......k....", "...k........k...",
                    "................"});
    }
    return art({"................", "..rr........rr..", ".rRRr......rRRr.", ".rRrr.kkkk.rrRr.",
                "..rrrkwkkwkrrr..", "....rrrrrrrr....", "...rRRRRRRRRr...", "..rRRrrrrrrRRr..",
                ".krrrrrrrrrrrrk.", "k.rrrrrrrrrrrr.k", ".krerrrrrrrrerk.", "k..rrrrrrrrrr..k",
                ".k..rrrrrrrr..k.", "...k........k...", "................", "................"});
}

// ---- Objects -----------------------------------------------------------------------------

media::Image roundThing(int size, Rgb inner, Rgb outer, float reach = 1.0f) {
    const float r = static_cast<float>(size) / 2.0f;
    return shape(size, size, [=](float x, float y) -> std::optional<Rgb> {
        const float dx = x - r, dy = y - r;
        const float d = std::sqrt(dx * dx + dy * dy) / r;
        if (d > reach) return std::nullopt;
        // Light from the top left.
        const float lit = std::clamp(0.5f - (dx + dy) / (2.5f * r), 0.0f, 1.0f);
        return blend(outer, inner, lit * (1.0f - d * 0.5f) + 0.2f);
    });
}

// A picture drawn facing right, turned to face direction (0 right, 1 left, 2 up, 3 down).
media::Image facing(const media::Image& right, int direction) {
    if (direction == 1) return mirrored(right);
    if (direction == 2) return quarterTurn(right, false);
    if (direction == 3) return quarterTurn(right, true);
    return right;
}

media::Image exitPortal(int direction) {  // 0 right, 1 left, 2 up, 3 down
    const media::Image right = art({
        "kkkkkkkkkkkkkkkkkkkk", "kbbbbbbbbbbbbbbbbbbk", "kbuuuuuuuuuuuuuuuubk",
        "kbuuuuuuuuuuuuuuuubk", "kbuuuuuuucuuuuuuuubk", "kbuuuuuuuccuuuuuuubk",
        "kbuuuuuuuccccuuuuubk", "kbuuuucccccccccuuubk", "kbuuuuccccccccccuubk",
        "kbuuuucccccccccccubk", "kbuuuucccccccccccubk", "kbuuuuccccccccccuubk",
        "kbuuuucccccccccuuubk", "kbuuuuuuuccccuuuuubk", "kbuuuuuuuccuuuuuuubk",
        "kbuuuuuuucuuuuuuuubk", "kbuuuuuuuuuuuuuuuubk", "kbuuuuuuuuuuuuuuuubk",
        "kbbbbbbbbbbbbbbbbbbk", "kkkkkkkkkkkkkkkkkkkk",
    });
    return facing(right, direction);
}

media::Image conveyor(int direction) {  // 0 right, 1 left, 2 up, 3 down
    const media::Image right = art({
        "kkkkkkkkkkkkkkkkkkkk", "gGGGGGGGGGGGGGGGGGGg", "gkkkkkkkkkkkkkkkkkkg",
        "gKKyKKKKKKyKKKKKKKKg", "gKKKyKKKKKKyKKKKKKKg", "gKKKKyKKKKKKyKKKKKKg",
        "gKKKKKyKKKKKKyKKKKKg", "gKKKKKKyKKKKKKyKKKKg", "gKKKKKKKyKKKKKKyKKKg",
        "gKKKKKKKKyKKKKKKyKKg", "gKKKKKKKKyKKKKKKyKKg", "gKKKKKKKyKKKKKKyKKKg",
        "gKKKKKKyKKKKKKyKKKKg", "gKKKKKyKKKKKKyKKKKKg", "gKKKKyKKKKKKyKKKKKKg",
        "gKKKyKKKKKKyKKKKKKKg", "gKKyKKKKKKyKKKKKKKKg", "gkkkkkkkkkkkkkkkkkkg",
        "gGGGGGGGGGGGGGGGGGGg", "kkkkkkkkkkkkkkkkkkkk",
    });
    return facing(right, direction);
}

media::Image nozzle(int direction) {  // 0 right, 1 left, 2 up, 3 down
    media::Image down = art({
        "kkkkkkkkkkkkkkkkkkkk", "kgggggggggggggggggGk", "kgGGGGGGGGGGGGGGGGgk",
        "kgGgggggggggggggGGgk", "kgGgKKKKKKKKKKKKgGgk", "kgGgKkkkkkkkkkkKgGgk",
        "kgGgKkrrrrrrrrkKgGgk", "kgGgKkrRRRRRRrkKgGgk", "kgGgKkrRooooRrkKgGgk",
        "kgGgKkrRoyyoRrkKgGgk", "kgGgKkrRoyyoRrkKgGgk", "kgGgKkrRooooRrkKgGgk",
        "kgGgKkrRRRRRRrkKgGgk", "kgGgKkrrrrrrrrkKgGgk", "kgGgKkkkkkkkkkkKgGgk",
        "kgGgKKKKKKKKKKKKgGgk", "kgGggggggggggggggGgk", "kgGGGGGGGGGGGGGGGGgk",
        "kggggggggggggggggggk", "kkkkkkkkkkkkkkkkkkkk",
    });
    if (direction == 0) return quarterTurn(down, false);
    if (direction == 1) return quarterTurn(down, true);
    if (direction == 2) return quarterTurn(quarterTurn(down, true), true);
    return down;
}

Dna base(std::string_view type, Dna more) {
    Dna pairs = {{"worldFTileIsActive", "1"}, {"worldFTileTransparency", "255"}};
    if (!type.empty()) pairs.push_back({"worldFTileIDString", std::string(type)});
    pairs.insert(pairs.end(), more.begin(), more.end());
    return pairs;
}

// A pool object: waits switched off until something fires it.
Dna pooled(std::string_view type, Dna more) {
    Dna pairs = base(type, {{"worldFTileIsWeapon", "1"}, {"worldFTileHideOnStart", "1"}});
    pairs.insert(pairs.end(), more.begin(), more.end());
    return pairs;
}

const Dna kSolid = {{"worldFTileCollision", "1"}};

// Radius of a five-pointed star outline at an angle (the save point's emblem).
float starRadius(float angle) {
    const float sector = 2.0f * kPi / 5.0f;
    const float t = std::abs(std::fmod(angle + 2.5f * kPi, sector) / sector - 0.5f) * 2.0f;
    return 2.5f + 4.5f * std::pow(t, 2.5f);
}

}  // namespace

std::vector<GameTile> gameTiles() {
    std::vector<GameTile> t;
    auto add = [&](std::string name, media::Image picture, Dna dna) {
        t.push_back({std::move(name), std::move(picture), std::move(dna)});
    };
    // Floors: one object under a whole level, so a walker always stands on something it
    // may cross; it is loaded first, before anything that blocks.
    add("G_FLOOR_STONE", stoneFloor(11, {150, 132, 118}, {96, 82, 80}), base("BODEN", kSolid));
    add("G_FLOOR_DARK", stoneFloor(12, {78, 74, 104}, {46, 42, 66}), base("BODEN", kSolid));
    add("G_FLOOR_GRASS", grassFloor(), base("BODEN", kSolid));
    add("G_WALL", wallBlock({104, 98, 128}, {150, 146, 172}, 3), base("NOGO", kSolid));
    add("G_WALL_RED", wallBlock({130, 70, 66}, {180, 110, 92}, 4), base("NOGO", kSolid));
    add("G_HEDGE", hedge(), base("NOGO", kSolid));
    add("G_WATER", water(0), base("NOGO", kSolid));
    // Behind every exit, just off the screen: keeps walkers and shots inside the level.
    add("G_EDGE", solid(2, 2, {22, 18, 34}),
        base("NOGO", {{"worldFTileCollision", "1"}, {"worldFTileTransparency", "0"}}));
    // The band at the top under the head-up texts.
    add("G_BAND", wallBlock({52, 46, 72}, {70, 64, 96}, 5), base("NOGO", kSolid));

    // Ground the walkers cross.
    add("G_GRATE", art({"kkkkkkkkkkkkkkkkkkkk", "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk",
                        "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk", "kGgGgGgGgGgGgGgGgGgk",
                        "kgkgkgkgkgkgkgkgkgGk", "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk",
                        "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk", "kGgGgGgGgGgGgGgGgGgk",
                        "kgkgkgkgkgkgkgkgkgGk", "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk",
                        "kGgGgGgGgGgGgGgGgGgk", "kgkgkgkgkgkgkgkgkgGk", "kGgGgGgGgGgGgGgGgGgk",
                        "kgGgGgGgGgGgGgGgGgGk", "kkkkkkkkkkkkkkkkkkkk"}),
        base("METALLGITTER", kSolid));
    // A round grate that spins when something walks over it.
    add("G_ROSETTE",
        shape(20, 20,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 10.0f, dy = y - 10.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  if (r > 10.0f) return std::nullopt;
                  if (r > 9.0f || r < 2.0f) return Rgb{44, 38, 60};
                  const float a = std::atan2(dy, dx);
                  const bool spoke = std::abs(std::remainder(a, kPi / 3.0f)) < 0.22f;
                  return spoke ? Rgb{200, 196, 210} : Rgb{88, 84, 108};
              }),
        base("METALLGITTER", {{"worldFTileCollision", "1"}, {"worldFTileTouchRotate", "1"}}));
    add("G_BRIDGE",
        texture(
            20, 20,
            [](int x, int y) {
                if (x < 2 || x > 17) return Rgb{70, 50, 40};
                if (y % 5 == 0) return Rgb{90, 62, 44};
                return shade(Rgb{170, 120, 74}, 0.9f + 0.04f * static_cast<float>((x * 7 + y) % 4));
            }),
        base("BRUECKE", kSolid));
    add("G_LEAVES",
        shape(20, 20,
              [](float x, float y) -> std::optional<Rgb> {
                  // A heap of small leaves: overlapping ovals in three autumn colours.
                  constexpr float kLeaves[][4] = {
                      {5, 6, 0.6f, 0},   {13, 5, -0.5f, 1},  {9, 10, 0.2f, 2}, {4, 14, -0.8f, 1},
                      {15, 13, 0.9f, 0}, {10, 16, -0.2f, 2}, {16, 8, 0.1f, 2}, {7, 3, 1.2f, 1}};
                  const Rgb colours[] = {{230, 150, 40}, {200, 90, 30}, {160, 60, 30}};
                  std::optional<Rgb> hit;
                  for (const auto& leaf : kLeaves) {
                      const float dx = x - leaf[0], dy = y - leaf[1];
                      const float u = dx * std::cos(leaf[2]) + dy * std::sin(leaf[2]);
                      const float v = -dx * std::sin(leaf[2]) + dy * std::cos(leaf[2]);
                      if (u * u / 16.0f + v * v / 4.0f > 1.0f) continue;
                      hit = std::abs(v) < 0.35f ? Rgb{110, 50, 20}
                                                : colours[static_cast<int>(leaf[3])];
                  }
                  return hit;
              }),
        base("LAUB", kSolid));
    add("G_PLANT", art({"........zz..........", ".......zZZz...zz....", "......zZmmZz.zZZz...",
                        "..zz..zZmmZzzZmZz...", ".zZZz..zZZzzZmmZz...", ".zZmZz..zzzZmmZz....",
                        "..zZmZz..zZZZZz.....", "...zZmZzzZmmZz......", "....zZZZZmmZz.......",
                        ".....zZZZZZz........", "......zzZZz.........", "........mm..........",
                        "........mm..........", ".......mmmm.........", "......tTTTTt........",
                        ".....tTTTTTTt.......", ".....tTTTTTTt.......", "......tTTTTt........",
                        ".......tttt.........", "...................."}),
        base("GREENPLANT", {{"worldFTileCollision", "1"},
                            {"useWeapon", "GREENACID"},
                            {"worldFTileRandomActivateWeapon", "70"},
                            {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    // Tall ferns the player walks through; they turn see-through while touched.
    add("G_FERN", art({"...z.....z.....z....", "..zZz...zZz...zZz...", "..zZz..zZZz...zZz...",
                       ".zZmz..zZmz..zZmZz..", ".zZmZz.zZmz..zZmZz..", "zZZmZz.zZmZzzZmZZz..",
                       "zZmmZzzZZmZzZZmZZz..", ".zZmZzzZmmZzZmmZz.z.", ".zZmZZzZmmZZZmZZzzZz",
                       "z.zZmZZZmmZZmmZz.zZz", "zZzZmmZZmmZmmZZzzZmz", "zZZzZmmZmmmmZZzzZmZz",
                       ".zZZzZmmmmmZZzzZmZz.", "..zZZzZmmmZZzzZmZz..", "...zZZZmmmZzZZmZz...",
                       "....zZZmmmZZZmZz....", ".....zZZmmmmZZz.....", "......zZZmmZZz......",
                       ".......zzmmzz.......", "........zzzz........"}),
        base("TRANSVEGI", {{"worldFTileCollision", "1"}, {"worldFTileTouchTransparency", "90"}}));
    // A bug that sits still for a while, then burns up into a husk.
    add("G_BUG",
        art({"........", "..k..k..", "...kk...", "k.kppk.k", ".kpPppk.", "k.pppp.k", ".kppppk.",
             "k.kppk.k"}),
        base("WANZE", {{"worldFTileCollision", "1"},
                       {"worldFTileLifeTime", "10"},
                       {"worldFTileTimerMS", "1000"},
                       {"worldFTileRotate", "0.3"},
                       {"worldFTileRandomRotate", "40"}}));

    // Blockers.
    add("G_CHAIR", art({"....................", "...kkkkkkkkkkkkkk...", "...kTTTTTTTTTTTTk...",
                        "...kThhhhhhhhhhTk...", "...kThhhhhhhhhhTk...", "...kTTTTTTTTTTTTk...",
                        "...kkkkkkkkkkkkkk...", "...kTk........kTk...", "..kkkkkkkkkkkkkkkk..",
                        "..kTTTTTTTTTTTTTTk..", "..kTHHHHHHHHHHHHTk..", "..kTHHHHHHHHHHHHTk..",
                        "..kTTTTTTTTTTTTTTk..", "..kkkkkkkkkkkkkkkk..", "...kTk........kTk...",
                        "...kTk........kTk...", "...kTk........kTk...", "...kkk........kkk...",
                        "....................", "...................."}),
        base("STUHL", {{"worldFTileCollision", "1"}, {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    const auto barrel = [](Rgb wood, Rgb band) {
        return shape(16, 16, [=](float x, float y) -> std::optional<Rgb> {
            const float dx = (x - 8.0f) / 7.5f, dy = (y - 8.0f) / 7.5f;
            if (dx * dx + dy * dy > 1.0f) return std::nullopt;
            const float r = std::sqrt(dx * dx + dy * dy);
            if (std::abs(r - 0.72f) < 0.09f || r > 0.9f) return band;
            if (r < 0.15f) return shade(wood, 0.6f);
            return shade(wood, 1.1f - 0.3f * (dx + dy));
        });
    };
    add("G_BARREL", barrel({150, 100, 60}, {60, 56, 70}),
        base("FASS", {{"worldFTileCollision", "1"}, {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_POST", art({"....................", "....................", "......kkkkkkkk......",
                       ".....kyyyyyyyyk.....", ".....kkkkkkkkkk.....", ".....kGGGGGGGGk.....",
                       ".....kgGGGGGGgk.....", ".....kyyyyyyyyk.....", ".....kkkkkkkkkk.....",
                       ".....kgGGGGGGgk.....", ".....kgGGGGGGgk.....", ".....kyyyyyyyyk.....",
                       ".....kkkkkkkkkk.....", ".....kgGGGGGGgk.....", ".....kgGGGGGGgk.....",
                       "....kkkkkkkkkkkk....", "....kggggggggggk....", "....kkkkkkkkkkkk....",
                       "....................", "...................."}),
        base("BACK", {{"worldFTileCollision", "1"}, {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_STATUE", art({"......kkkkkkk.......", ".....kGWWWWGGk......", ".....kGWkWkGGk......",
                         ".....kGGWWGGGk......", "......kGGGGGk.......", "...kkkkGGGGGkkkk....",
                         "..kGGWWGGGGGGWGGk...", "..kGWWGGGGGGGGWGk...", "..kGGkGGGGGGGkGGk...",
                         "..kGk.kGGGGGk.kGk...", "..kGk.kGGgGGk.kGk...", "...k..kGGgGGk..k....",
                         "......kGGkGGk.......", "......kGGkGGk.......", "......kGkkkGk.......",
                         "....kkkkkkkkkkkk....", "....kgggggggggggk...", "....kGGGGGGGGGGGk...",
                         "....kkkkkkkkkkkkk...", "...................."}),
        base("TROOPER", {{"worldFTileCollision", "1"}, {"worldFTileUseShadow", "SHADOW_ROUND"}}));

    // Doors and keys.
    add("G_DOOR", art({"kkkkkkkkkkkkkkkkkkkk", "kgggggggggggggggggGk", "kgGGGGGGGGGGGGGGGGgk",
                       "kgGyyyyyyyyyyyyyyGgk", "kgGykkkkkkkkkkkkyGgk", "kgGykgggggggggGkyGgk",
                       "kgGykgGGGGGGGGgkyGgk", "kgGykgGkkkkkkGgkyGgk", "kgGykgGkBBBBkGgkyGgk",
                       "kgGykgGkBccBkGgkyGgk", "kgGykgGkBccBkGgkyGgk", "kgGykgGkBBBBkGgkyGgk",
                       "kgGykgGkkkkkkGgkyGgk", "kgGykgGGGGGGGGgkyGgk", "kgGykggggggggggkyGgk",
                       "kgGykkkkkkkkkkkkyGgk", "kgGyyyyyyyyyyyyyyGgk", "kgGGGGGGGGGGGGGGGGgk",
                       "kgggggggggggggggggGk", "kkkkkkkkkkkkkkkkkkkk"}),
        base("SECUDOOR", {{"worldFTileCollision", "1"},
                          {"worldFTileSoundFile", "DEMO_DOOR"},
                          {"worldFTileSoundPlayOnAction", "1"},
                          {"worldFTileSoundDuration", "900"},
                          {"worldFTileSoundVolume", "90"}}));
    add("G_CARD",
        art({"kkkkkkkkkkkk", "kBBBBBBBBBBk", "kBwwBBbbbbBk", "kBwwBBBBBBBk", "kBwwBbbbbbBk",
             "kBBBBBBBBBBk", "kccccccccccK", "kkkkkkkkkkkk"}),
        base("IDCARD", {{"worldFTileCollision", "1"},
                        {"worldFTileFlire", "30"},
                        {"worldFTileSoundFile", "DEMO_PICK"},
                        {"worldFTileSoundPlayOnAction", "1"},
                        {"worldFTileSoundDuration", "600"},
                        {"worldFTileSoundVolume", "90"}}));

    // Pick-ups: the amount is their "hp".
    const auto coin = shape(10, 10, [](float x, float y) -> std::optional<Rgb> {
        const float dx = x - 5.0f, dy = y - 5.0f;
        const float r = std::sqrt(dx * dx + dy * dy);
        if (r > 5.0f) return std::nullopt;
        if (r > 4.2f) return Rgb{170, 110, 20};
        if (std::abs(dx) < 0.8f && std::abs(dy) < 2.6f) return Rgb{200, 140, 30};
        return blend(Rgb{255, 240, 150}, Rgb{240, 180, 40}, (dx + dy + 5.0f) / 10.0f);
    });
    add("G_COIN", coin, base("MONEY", {{"worldFTileCollision", "1"}, {"hp", "10"}}));
    add("G_COIN_DROP", coin, pooled("MONEY", {{"worldFTileCollision", "1"}, {"hp", "10"}}));
    const auto potion = art({"....kkkk....", "....kttk....", "...kkwwkk...", "..kRRRRwRk..",
                             ".kRrrrrRwRk.", ".kRrrrrrrRk.", ".krrrwrrrrk.", ".krrwwwrrrk.",
                             ".krrrwrrrrk.", "..krrrrrrk..", "...kkkkkk...", "............"});
    add("G_POTION", potion, base("HP+", {{"worldFTileCollision", "1"}, {"hp", "20"}}));
    add("G_POTION_DROP", potion, pooled("HP+", {{"worldFTileCollision", "1"}, {"hp", "20"}}));
    add("G_FIRSTAID",
        art({"................", ".....kkkkkk.....", ".....k....k.....", "kkkkkkkkkkkkkkkk",
             "kwwwwwwwwwwwwwwk", "kwwwwwwrrwwwwwwk", "kwwwwwwrrwwwwwwk", "kwwwwrrrrrrwwwwk",
             "kwwwwrrrrrrwwwwk", "kwwwwwwrrwwwwwwk", "kwwwwwwrrwwwwwwk", "kWWWWWWWWWWWWWWk",
             "kkkkkkkkkkkkkkkk", "................"}),
        base("FIRSTAID", {{"worldFTileCollision", "1"}, {"hp", "50"}}));
    add("G_FUELCAN",
        art({"....kkkk......", "....kyyk......", "..kkkkkkkkkk..", ".koooooooooyk.",
             ".koookkkoooyk.", ".kookyyykooyk.", ".kookyoykooyk.", ".kookyyykooyk.",
             ".koookkkoooyk.", ".koooooooooyk.", ".kooooooooook.", "..kkkkkkkkkk.."}),
        base("EXTRAFUEL", {{"worldFTileCollision", "1"}, {"hp", "8"}}));

    // Level control.
    add("G_SAVE",
        shape(20, 20,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 10.0f, dy = y - 10.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  if (r > 9.5f) return std::nullopt;
                  if (r > 8.0f) return Rgb{44, 38, 60};
                  const float a = std::atan2(dy, dx);
                  if (r < starRadius(a)) return Rgb{255, 230, 120};
                  return blend(Rgb{60, 110, 180}, Rgb{30, 50, 100}, r / 8.0f);
              }),
        base("SAVESTART", {{"worldFTileCollision", "1"}, {"worldFTileTransparency", "220"}}));
    const char* exits[] = {"EXIT_RIGHT", "EXIT_LEFT", "EXIT_UP", "EXIT_DOWN"};
    const char* exitTiles[] = {"G_EXIT_RIGHT", "G_EXIT_LEFT", "G_EXIT_UP", "G_EXIT_DOWN"};
    for (int d = 0; d < 4; ++d)
        add(exitTiles[d], exitPortal(d), base(exits[d], kSolid));
    const char* belts[] = {"WALKRIGHT", "WALKLEFT", "WALKUP", "WALKDOWN"};
    const char* beltTiles[] = {"G_BELT_RIGHT", "G_BELT_LEFT", "G_BELT_UP", "G_BELT_DOWN"};
    for (int d = 0; d < 4; ++d) {
        add(beltTiles[d], conveyor(d),
            base(belts[d], {{"worldFTileCollision", "1"}, {"worldFTileTransport", "1"}}));
    }

    // The player: keyboard, fires bullets while Space is held.
    add("G_HERO", walker("HERO", {}, true).sets[4][0],
        base("HERO", {{"worldFTileCollision", "1"},
                      {"worldFTileVELO", "3"},
                      {"worldFTilePlayerID", "1"},
                      {"worldFTileUseKeyboard", "1"},
                      {"hp", "100"},
                      {"useWeapon", "DEFAULTBULLET"},
                      // The count grows once per active object for every frame Space is
                      // held: with about 130 objects a unit lasts some 23 frames of fire,
                      // a full tank about 25 short bursts.
                      {"worldFTileMaxWeaponUseage", "3000"},
                      {"worldFTileWeight", "10"},
                      {"animContainer", "HERO"},
                      {"animTimer", "110"},
                      {"worldFTileUseShadow", "SHADOW_ROUND"}}));

    // The hero standing still, for the closing screen.
    add("G_HERO_STILL", walker("HERO", {}, true).sets[4][0], base("", {}));

    // Monsters. Walkers start moving diagonally, so that they may turn and change direction
    // at random; they keep to the floor between walls.
    add("G_ZOMBIE",
        walker("ZOMBIE",
               {{'q', 'R'},
                {'s', 'z'},
                {'S', 'm'},
                {'k', 'K'},
                {'b', 'p'},
                {'B', 'P'},
                {'h', 'M'},
                {'H', 'm'}},
               false)
            .sets[4][0],
        base("DEFAULTZOMBIE", {{"worldFTileCollision", "1"},
                               {"worldFTileVELO", "1"},
                               {"worldFTileMoveH", "1"},
                               {"worldFTileMoveV", "1"},
                               // No random turns and no turning back at walls: a turn
                               // sets one axis to 0, and the follow step only steers an
                               // axis that is moving. Against a wall it slides along it.
                               {"worldFTileAILevel", "1"},
                               {"worldFTileFollow", "HERO"},
                               {"worldFTileFollowObject", "1"},
                               {"worldFTileRandomFollow", "10"},
                               {"hp", "30"},
                               {"worldFTileWeaponPower", "1"},
                               {"animContainer", "ZOMBIE"},
                               {"animTimer", "160"},
                               {"worldFTileSoundFile", "DEMO_GROAN"},
                               {"worldFTileSoundPlayOnAction", "1"},
                               {"worldFTileSoundDuration", "2500"},
                               {"worldFTileSoundVolume", "60"},
                               {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_BEETLE", beetle(true),
        base("BASEWANZE", {{"worldFTileCollision", "1"},
                           {"worldFTileVELO", "1.5"},
                           {"worldFTileMoveH", "1"},
                           {"worldFTileMoveV", "1"},
                           {"worldFTileRandomMove", "60"},
                           {"hp", "10"},
                           {"animContainer", "BEETLE"},
                           {"animTimer", "90"},
                           {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_CRAB", crab(true),
        base("CRAPS", {{"worldFTileCollision", "1"},
                       {"worldFTileVELO", "1"},
                       {"worldFTileMoveH", "1"},
                       {"worldFTileMoveV", "1"},
                       {"worldFTileRandomMove", "80"},
                       {"hp", "20"},
                       {"worldFTileWeaponPower", "1"},
                       {"animContainer", "CRAB"},
                       {"animTimer", "140"},
                       {"worldFTileSoundFile", "DEMO_CLICK"},
                       {"worldFTileSoundPlayOnAction", "1"},
                       {"worldFTileSoundDuration", "1200"},
                       {"worldFTileSoundVolume", "50"},
                       {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_SLIME",
        art({"................", "................", "......kkkk......", "....kkPPPPkk....",
             "...kPPwwPPPPk...", "..kPPwkwPPwPPk..", "..kPPPPPPwkwPk..", ".kPPPPPPPPPPPPk.",
             ".kPPpPPPPPPpPPk.", ".kPpppPPPPpppPk.", "kPPpppppppppppPk", "kpppppppppppppPk",
             ".kkpppkkkkpppkk.", "...kkk....kkk...", "................", "................"}),
        base("DEKO", {{"worldFTileCollision", "1"},
                      {"worldFTileVELO", "0.7"},
                      {"worldFTileMoveH", "1"},
                      {"worldFTileMoveV", "1"},
                      {"worldFTileRandomMove", "100"},
                      {"hp", "20"},
                      {"worldFTileWeaponPower", "1"},
                      {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    // Rolls from wall to wall and back, harmless.
    add("G_HELMET", roundThing(14, {250, 220, 110}, {150, 90, 30}),
        base("HELMET", {{"worldFTileCollision", "1"},
                        {"worldFTileVELO", "2"},
                        {"worldFTileMoveH", "1"},
                        {"worldFTileRotate", "0.15"},
                        {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    // A basket the player pushes ahead; it slides to rest and bounces off walls.
    add("G_BASKET",
        art({"................", "..kkkkkkkkkkkk..", ".kTHTHTHTHTHTHk.", ".kHTHTHTHTHTHTk.",
             ".kTHTHTHTHTHTHk.", ".kkkkkkkkkkkkkk.", ".kTHTHTHTHTHTHk.", ".kHTHTHTHTHTHTk.",
             ".kTHTHTHTHTHTHk.", ".kHTHTHTHTHTHTk.", ".kkkkkkkkkkkkkk.", ".kTHTHTHTHTHTHk.",
             ".kHTHTHTHTHTHTk.", "..kkkkkkkkkkkk..", "................", "................"}),
        base("BASKET", {{"worldFTileCollision", "1"},
                        {"worldFTileTouchMove", "1"},
                        {"worldFTileWeight", "2"},
                        {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    // A little light that trails the player, through walls and all.
    add("G_WISP", roundThing(8, {255, 255, 220}, {255, 200, 90}),
        base("LICHMINI", {{"worldFTileVELO", "1.5"},
                          {"worldFTileMoveH", "1"},
                          {"worldFTileMoveV", "1"},
                          {"worldFTileFollow", "HERO"},
                          {"worldFTileFollowObject", "1"},
                          {"worldFTileRandomFollow", "8"},
                          {"worldFTileFlire", "9"},
                          {"worldFTileTransparency", "220"},
                          {"postEFFECT", "5x2"}}));
    // A blue crystal caught in the ferns: the one mover that leaves them opaque.
    add("G_BLUELIGHT", roundThing(10, {200, 240, 255}, {40, 110, 230}),
        base("LIGHTBLUE", {{"worldFTileCollision", "1"},
                           {"worldFTileVELO", "1"},
                           {"worldFTileMoveH", "1"},
                           {"worldFTileFlire", "20"},
                           {"postEFFECT", "5x2"}}));
    // Breeds red viruses that drift down.
    add("G_VAT", art({"....................", "...kkkkkkkkkkkkkk...", "..kgGGGGGGGGGGGGgk..",
                      "..kgrrRrrrrRrrrrgk..", "..kgrRRrrrRRrrrrgk..", "..kgrrrrrrrrrRrrgk..",
                      "..kgrrRrrrrrrRRrgk..", "..kgrrrrrRrrrrrrgk..", "..kggggggggggggggk..",
                      "..kGGGGGGGGGGGGGGk..", "..kgggggggggggggGk..", "...kkkkkkkkkkkkkk...",
                      "....kgk......kgk....", "....kgk......kgk....", "....kkk......kkk....",
                      "....................", "....................", "....................",
                      "....................", "...................."}),
        base("VIRUSVAT", {{"worldFTileCollision", "1"},
                          {"useWeapon", "REDVIRUS"},
                          {"worldFTileRandomActivateWeapon", "90"}}));
    add("G_VIRUS",
        shape(10, 10,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 5.0f, dy = y - 5.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  const float a = std::atan2(dy, dx);
                  const float spikes = 3.6f + 1.2f * std::pow(std::abs(std::cos(a * 4.0f)), 8.0f);
                  if (r > spikes) return std::nullopt;
                  return blend(Rgb{255, 140, 120}, Rgb{170, 20, 40}, r / 4.0f);
              }),
        pooled("REDVIRUS", {{"worldFTileCollision", "1"},
                            {"worldFTileVELO", "1"},
                            {"worldFTileMoveV", "1"},
                            {"hp", "10"},
                            {"worldFTileWeaponPower", "1"},
                            {"worldFTileLifeTime", "4"},
                            {"worldFTileTimerMS", "1000"},
                            {"worldFTileRotate", "0.1"}}));

    // Fire traps: the shooter's type names the direction of the fire it breathes.
    const char* nozzles[] = {"FIRER", "FIREL", "FIREU", "FIRED"};
    const char* nozzleTiles[] = {"G_NOZZLE_R", "G_NOZZLE_L", "G_NOZZLE_U", "G_NOZZLE_D"};
    for (int d = 0; d < 4; ++d) {
        add(nozzleTiles[d], nozzle(d),
            base(nozzles[d], {{"worldFTileCollision", d == 2 ? "0" : "1"},
                              {"useWeapon", "REDFIRE"},
                              {"worldFTileRandomActivateWeapon", "40"}}));
    }
    add("G_FIREBALL",
        shape(12, 12,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 6.0f, dy = y - 6.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  if (r > 5.8f) return std::nullopt;
                  return blend(Rgb{255, 250, 200}, Rgb{230, 60, 30}, r / 5.8f);
              }),
        pooled("REDFIRE", {{"worldFTileCollision", "1"},
                           {"worldFTileVELO", "2"},
                           {"worldFTileLifeTime", "3"},
                           {"worldFTileTimerMS", "800"},
                           {"worldFTileRotate", "0.2"},
                           {"postEFFECT", "5x2"}}));
    // A brazier with flames licking up.
    add("G_BRAZIER", art({"....................", "....................", "....................",
                          "....................", "..kkkkkkkkkkkkkkkk..", "..kgGGGGGGGGGGGGgk..",
                          "..kkoyoRoyoRoyoRkk..", "...krRorRorRorRk....", "...kgggggggggggk....",
                          "....kgGGGGGGGgk.....", ".....kgGGGGGgk......", "......kgGGGgk.......",
                          ".......kgGgk........", ".......kgGgk........", ".......kgGgk........",
                          "......kgGGGgk.......", ".....kkkkkkkkk......", "....................",
                          "....................", "...................."}),
        base("BRAZIER", {{"worldFTileCollision", "1"},
                         {"useWeapon", "FLAMME"},
                         {"worldFTileRandomActivateWeapon", "3"},
                         {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_FLAME",
        shape(8, 12,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = (x - 4.0f) / 3.8f;
                  const float down = y / 12.0f;  // 0 at the tip
                  if (std::abs(dx) > std::sin(down * kPi * 0.9f) + 0.05f) return std::nullopt;
                  return blend(Rgb{255, 250, 180}, Rgb{240, 90, 20},
                               std::abs(dx) + (1.0f - down) * 0.5f);
              }),
        pooled("FLAMME", {{"worldFTileVELO", "1"},
                          {"worldFTileMoveV", "-1"},
                          {"worldFTileLifeTime", "2"},
                          {"worldFTileTimerMS", "150"},
                          {"worldFTileExpansionValueV", "-0.5"},
                          {"worldFTileTransparency", "230"},
                          {"postEFFECT", "5x2"}}));

    // The player's shots and the sparks of burning things.
    add("G_BULLET", roundThing(6, {255, 255, 230}, {120, 220, 255}),
        pooled("DEFAULTBULLET", {{"worldFTileCollision", "1"},
                                 {"worldFTileVELO", "7"},
                                 {"worldFTileWeaponPower", "10"},
                                 {"worldFTileLifeTime", "2"},
                                 {"worldFTileTimerMS", "600"},
                                 {"worldFTileSoundFile", "DEMO_SHOT"},
                                 {"worldFTileSoundPlayOnAction", "1"},
                                 {"worldFTileSoundDuration", "300"},
                                 {"worldFTileSoundVolume", "70"},
                                 {"postEFFECT", "5x2"}}));
    // Sparks: a burst of fire as large as a walker, drawn under it, so a burning monster
    // seems wrapped in flames.
    add("G_SPARK",
        shape(20, 20,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 10.0f, dy = y - 10.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  const float a = std::atan2(dy, dx);
                  const float reach = 6.5f + 3.0f * std::pow(std::abs(std::sin(a * 3.5f)), 3.0f);
                  if (r > reach) return std::nullopt;
                  return blend(Rgb{255, 250, 190}, Rgb{230, 70, 20}, r / reach);
              }),
        pooled("FUNKE", {{"worldFTileCollision", "1"},
                         {"worldFTileVELO", "1"},
                         {"worldFTileMoveV", "-1"},
                         {"worldFTileWeaponPower", "1"},
                         {"worldFTileRandomActivateWeapon", "2"},
                         {"worldFTileLifeTime", "2"},
                         {"worldFTileTimerMS", "200"},
                         {"worldFTileRotate", "0.4"},
                         {"postEFFECT", "5x2"}}));
    add("G_ACID",
        shape(6, 8,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = (x - 3.0f) / 2.8f, dy = (y - 5.0f) / 2.9f;
                  if (dx * dx + dy * dy > 1.0f && !(y < 5.0f && std::abs(dx) < (y - 0.5f) / 5.0f))
                      return std::nullopt;
                  return blend(Rgb{220, 255, 140}, Rgb{60, 170, 40}, (dx + dy + 1.0f) / 2.0f);
              }),
        pooled("GREENACID", {{"worldFTileCollision", "1"},
                             {"worldFTileVELO", "3"},
                             {"worldFTileMoveV", "1"},
                             {"worldFTileWeaponPower", "1"},
                             {"worldFTileLifeTime", "3"},
                             {"worldFTileTimerMS", "700"},
                             {"worldFTileSoundFile", "DEMO_SPLASH"},
                             {"worldFTileSoundPlayOnAction", "1"},
                             {"worldFTileSoundDuration", "400"},
                             {"worldFTileSoundVolume", "50"}}));
    add("G_LEAF",
        shape(8, 8,
              [](float x, float y) -> std::optional<Rgb> {
                  const float u = (x - y) / 8.0f, v = (x + y - 8.0f) / 8.0f;
                  if (u * u * 4.0f + v * v * 1.2f > 1.0f) return std::nullopt;
                  return std::abs(u) < 0.06f ? Rgb{120, 60, 20} : Rgb{230, 150, 40};
              }),
        pooled("LAUBBLATT", {{"worldFTileVELO", "1"},
                             {"worldFTileMoveV", "-1"},
                             {"worldFTileMoveH", "1"},
                             {"worldFTileRotate", "0.12"},
                             {"worldFTileinGameLiveTime", "2"},
                             {"worldFTileinGameLiveTimeCounter", "1"}}));
    add("G_CORPSE",
        art({"................", "................", "................", "................",
             "................", "......KKKK......", "..KKKmmmmmmKK...", ".KmmmKKmmmKmmK..",
             ".KmKKmmKKmmmmmK.", "..KmmmKmmmKKmK..", "...KKKKKKKKKK...", "................",
             "................", "................", "................", "................"}),
        pooled("BURNEDZOMBIE", {{"worldFTileTransparency", "200"}}));
    add("G_HUSK",
        art({"........", "..K..K..", "...KK...", "K.KkkK.K", ".KkKkkK.", "K.kkkk.K", ".KkkkkK.",
             "K.KkkK.K"}),
        pooled("BURNKAKALAK", {{"worldFTileTransparency", "210"}}));

    // Water with a mirror surface, and glints that flicker over it.
    add("G_POND",
        texture(20, 10,
                [](int x, int y) {
                    return blend(Rgb{20, 50, 110}, Rgb{50, 110, 180},
                                 0.5f + 0.5f * std::sin(static_cast<float>(x + 2 * y) * 0.5f));
                }),
        base("", {{"worldFTileIsMirror", "130"},
                  {"worldFTileMirrorAt", "TOP"},
                  {"useWeapon", "WATERMIRROR"},
                  {"worldFTileRandomActivateWeapon", "6"}}));
    add("G_GLINT", solid(10, 6, {200, 230, 255}),
        pooled("WATERMIRROR", {{"worldFTileIsMirror", "170"},
                               {"worldFTileMirrorAt", "FLOOR"},
                               {"worldFTileLifeTime", "2"},
                               {"worldFTileTimerMS", "300"}}));

    // Explosive things: a red barrel that bursts after two hits, a gas tank that only sparks.
    add("G_REDBARREL", barrel({200, 50, 40}, {250, 220, 80}),
        base(
            "EXPLOSIVEFASS",
            {{"worldFTileCollision", "1"}, {"hp", "20"}, {"worldFTileUseShadow", "SHADOW_ROUND"}}));
    add("G_GASTANK",
        art({"....kkkkkkkk....", "...kgGGGGGGgk...", "..kGWWGGGGGGGk..", "..kGWGGGGGGGgk..",
             "..kGWGGGGGGGgk..", "..kyyyyyyyyyyk..", "..kkkkkkkkkkkk..", "..kGWGGGGGGGgk..",
             "..kGWGGrrGGGgk..", "..kGWGrGGrGGgk..", "..kGWGGrrGGGgk..", "..kGWGGGGGGGgk..",
             "..kyyyyyyyyyyk..", "..kGGGGGGGGGgk..", "...kgggggggggk..", "....kkkkkkkk...."}),
        base("GASTANK", {{"worldFTileCollision", "1"},
                         {"hp", "1000"},
                         {"worldFTileUseShadow", "SHADOW_ROUND"}}));

    // Scenery that moves: a turning fan, a torch that flickers, a lamp glow.
    add("G_FAN",
        shape(20, 20,
              [](float x, float y) -> std::optional<Rgb> {
                  const float dx = x - 10.0f, dy = y - 10.0f;
                  const float r = std::sqrt(dx * dx + dy * dy);
                  if (r > 10.0f) return std::nullopt;
                  if (r > 9.0f) return Rgb{44, 38, 60};
                  if (r < 2.0f) return Rgb{255, 220, 90};
                  const float a = std::atan2(dy, dx) + r * 0.08f;
                  const bool blade = std::fmod(a + 4.0f * kPi, kPi / 2.0f) < 0.7f;
                  return blade ? blend(Rgb{200, 196, 210}, Rgb{110, 106, 130}, r / 9.0f)
                               : Rgb{30, 26, 44};
              }),
        base("", {{"worldFTileRotate", "0.09"},
                  {"worldFTileSoundFile", "DEMO_FAN"},
                  {"worldFTileRandomSound", "200"},
                  {"worldFTileSoundDuration", "800"},
                  {"worldFTileSoundVolume", "30"}}));
    add("G_TORCH",
        art({"....y...", "...yoy..", "..yoRoy.", "..oRRRo.", "...rRr..", "..kkkk..", "...tt...",
             "...tt...", "...tt...", "...kk..."}),
        base("", {{"worldFTileFlire", "5"}}));
    // Light around torches and braziers: warm dots, dithered thinner towards the rim, added
    // to what lies below.
    add(
        "G_GLOW",
        [] {
            constexpr int kBayer[4][4] = {
                {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
            media::Image dots = filled(24, 24, kKey);
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 24; ++x) {
                    const float dx = static_cast<float>(x) - 11.5f,
                                dy = static_cast<float>(y) - 11.5f;
                    const float r = std::sqrt(dx * dx + dy * dy) / 12.0f;
                    const float strength = r < 1.0f ? std::pow(1.0f - r, 1.3f) : 0.0f;
                    const float threshold =
                        (static_cast<float>(kBayer[y % 4][x % 4]) + 0.5f) / 16.0f;
                    if (strength > threshold)
                        dots.at(x, y) =
                            toArgb(blend(Rgb{255, 170, 70}, Rgb{255, 230, 150}, strength));
                }
            }
            return enlarged(dots, 2);
        }(),
        base("",
             {{"postEFFECT", "5x2"}, {"worldFTileTransparency", "150"}, {"worldFTileFlire", "7"}}));
    add("G_RUG",
        texture(30, 20,
                [](int x, int y) {
                    const int border = std::min(std::min(x, 29 - x), std::min(y, 19 - y));
                    if (border == 0) return Rgb{70, 30, 40};
                    if (border == 2) return Rgb{230, 180, 80};
                    if ((x + y) % 6 == 0 || (x - y + 60) % 6 == 0) return Rgb{160, 60, 70};
                    return Rgb{120, 40, 55};
                }),
        base("", {}));
    return t;
}

std::vector<AnimationArt> gameAnimations() {
    std::vector<AnimationArt> all;
    all.push_back(walker("HERO", {}, true));
    all.push_back(walker("ZOMBIE",
                         {{'q', 'R'},
                          {'s', 'z'},
                          {'S', 'm'},
                          {'k', 'K'},
                          {'b', 'p'},
                          {'B', 'P'},
                          {'h', 'M'},
                          {'H', 'm'}},
                         false));
    all.push_back(crawler("BEETLE", beetle(true), beetle(false)));
    all.push_back(crawler("CRAB", crab(true), crab(false)));
    return all;
}

std::vector<NamedPicture> shadowPictures() {
    // Dark ellipses at the feet; drawn over the object's whole rectangle at alpha 100.
    std::vector<NamedPicture> all;
    all.push_back({"SHADOW_ROUND", shape(16, 16, [](float x, float y) -> std::optional<Rgb> {
                       const float dx = (x - 9.0f) / 7.0f, dy = (y - 14.0f) / 2.2f;
                       if (dx * dx + dy * dy > 1.0f) return std::nullopt;
                       return Rgb{10, 6, 20};
                   })});
    return all;
}

}  // namespace demo
