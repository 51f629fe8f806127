#include "tools/demo_levels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "engine/map_ids.h"
#include "tools/demo_font.h"
#include "tools/demo_paint.h"

namespace demo {
namespace {

// Layers: the order of drawing and of the collision list. Everything a walker may cross
// lies below everything that stops it, so that in one frame's collision scan a crossing
// never undoes a block.
struct Layer {
    static constexpr std::int32_t kFloor = 0;  // the floor under the whole level, rugs
    static constexpr std::int32_t kCrossed =
        1;  // ground, pick-ups, belts, pools the player crosses
    static constexpr std::int32_t kBlockers = 2;  // walls, doors, exits, furniture, shooters
    static constexpr std::int32_t kWalkers = 3;   // the player and the monsters that stop it
    static constexpr std::int32_t kEffects = 4;   // flames, fire, leaves
    static constexpr std::int32_t kOverlay = 5;   // ferns, water mirrors, torches, glows
};

constexpr float kCell = 40.0f;
constexpr int kColumns = 20;
constexpr int kRows = 13;  // 520 pixels: all of it stays on a 16:9 screen

using Grid = std::array<std::string_view, kRows>;

struct Theme {
    std::string_view floor;
    std::string_view wall;
};
constexpr Theme kStone{"G_FLOOR_STONE", "G_WALL"};
constexpr Theme kDark{"G_FLOOR_DARK", "G_WALL"};
constexpr Theme kGarden{"G_FLOOR_GRASS", "G_HEDGE"};
constexpr Theme kCrypt{"G_FLOOR_DARK", "G_WALL_RED"};

struct Sign {
    std::string_view tile;
    float x, y;
};

// Words painted on the floor, and the menu buttons.
struct Words {
    std::string_view tile;
    std::string_view text;
};
constexpr Words kSigns[] = {
    {"G_SIGN_MOVE", "ARROWS WALK, SPACE SHOOTS"},
    {"G_SIGN_EXIT", "WALK INTO A PORTAL TO LEAVE"},
    {"G_SIGN_CARD", "A CARD OPENS A DOOR"},
    {"G_SIGN_BARREL", "SHOOT THE RED BARRELS"},
    {"G_SIGN_PUSH", "PUSH THE BASKET"},
    {"G_SIGN_MENU", "WALK INTO A BUTTON"},
    {"G_SIGN_TITLE", "MAIN MENU"},
    {"G_SIGN_LAST", "THE WAY OUT"},
};
constexpr int kSignCell = 2;

std::string_view signText(std::string_view tile) {
    for (const Words& w : kSigns) {
        if (w.tile == tile) return w.text;
    }
    return "";
}

// Words on a dark plate with a gold rim, readable on any floor.
media::Image signPicture(std::string_view text) {
    const media::Image words = textPicture(text, kSignCell);
    media::Image image = filled(words.width + 16, words.height + 10, toArgb(Rgb{36, 28, 48}));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int edge =
                std::min(std::min(x, image.width - 1 - x), std::min(y, image.height - 1 - y));
            if (edge < 2) image.at(x, y) = toArgb(edge == 0 ? Rgb{22, 18, 34} : Rgb{190, 150, 70});
        }
    }
    for (int y = 0; y < words.height; ++y) {
        for (int x = 0; x < words.width; ++x) {
            if (words.at(x, y) != kKey) image.at(8 + x, 6 + y) = words.at(x, y);
        }
    }
    return image;
}

struct LevelPlan {
    std::int32_t id;
    std::string_view title;
    Theme theme;
    Grid grid;
    std::vector<Sign> signs;
};

class Builder {
  public:
    std::vector<formats::TileRecord> records;

    void put(std::string_view name, float x, float y, float w, float h, std::int32_t layer) {
        records.push_back({std::string(name), 0, x, y, w, h, layer});
    }
    // A thing of the given size centred in cell (c, r).
    void centred(std::string_view name, int c, int r, float w, float h, std::int32_t layer) {
        put(name, c * kCell + (kCell - w) / 2.0f, r * kCell + (kCell - h) / 2.0f, w, h, layer);
    }
    void cell(std::string_view name, int c, int r, std::int32_t layer) {
        put(name, c * kCell, r * kCell, kCell, kCell, layer);
    }
    // Pool objects wait switched off, parked in the top band where they are on screen.
    void pool(std::string_view name, int count, float w, float h, std::int32_t layer) {
        for (int i = 0; i < count; ++i) {
            put(name, parkX_, 8.0f, w, h, layer);
            parkX_ += 14.0f;
            if (parkX_ > 760.0f) parkX_ = 20.0f;
        }
    }

  private:
    float parkX_ = 20.0f;
};

int count(const Grid& grid, std::string_view letters) {
    int n = 0;
    for (std::string_view row : grid) {
        for (char c : row)
            n += letters.find(c) != std::string_view::npos ? 1 : 0;
    }
    return n;
}

void checkGrid(const LevelPlan& plan) {
    for (std::string_view row : plan.grid) {
        if (static_cast<int>(row.size()) != kColumns) {
            std::fprintf(stderr, "rz_make_demo_content: map %d has a row of %zu cells\n",
                         static_cast<int>(plan.id), row.size());
            std::abort();
        }
    }
}

std::vector<formats::TileRecord> buildLevel(const LevelPlan& plan) {
    checkGrid(plan);
    Builder b;
    b.put(plan.theme.floor, 0, 0, 800, 520, Layer::kFloor);
    for (const Sign& sign : plan.signs) {
        // Signs are painted on the floor, drawn at their picture's size.
        const media::Image picture = signPicture(signText(sign.tile));
        const auto width = static_cast<float>(picture.width);
        const float x = sign.x > 0.0f ? sign.x : std::round((800.0f - width) / 2.0f);
        b.put(sign.tile, x, sign.y, width, static_cast<float>(picture.height), Layer::kFloor);
    }
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const char k = plan.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            switch (k) {
                case 'g':
                    b.cell("G_GRATE", c, r, Layer::kCrossed);
                    break;
                case 'o':
                    b.cell("G_ROSETTE", c, r, Layer::kCrossed);
                    break;
                case 'b':
                    b.cell("G_BRIDGE", c, r, Layer::kCrossed);
                    break;
                case 'l':
                    b.cell("G_LEAVES", c, r, Layer::kCrossed);
                    break;
                case 'p':
                    b.cell("G_PLANT", c, r, Layer::kCrossed);
                    break;
                case 'w':
                    b.centred("G_BUG", c, r, 16, 16, Layer::kCrossed);
                    break;
                case 'I':
                    b.centred("G_CARD", c, r, 24, 16, Layer::kCrossed);
                    break;
                case '$':
                    b.centred("G_COIN", c, r, 20, 20, Layer::kCrossed);
                    break;
                case 'h':
                    b.centred("G_POTION", c, r, 24, 24, Layer::kCrossed);
                    break;
                case 'A':
                    b.centred("G_FIRSTAID", c, r, 32, 28, Layer::kCrossed);
                    break;
                case 'F':
                    b.centred("G_FUELCAN", c, r, 28, 24, Layer::kCrossed);
                    break;
                case 'S':
                    b.cell("G_SAVE", c, r, Layer::kCrossed);
                    break;
                case '6':
                    b.cell("G_BELT_RIGHT", c, r, Layer::kCrossed);
                    break;
                case '4':
                    b.cell("G_BELT_LEFT", c, r, Layer::kCrossed);
                    break;
                case '8':
                    b.cell("G_BELT_UP", c, r, Layer::kCrossed);
                    break;
                case '2':
                    b.cell("G_BELT_DOWN", c, r, Layer::kCrossed);
                    break;
                case 'Y':
                    b.cell("G_NOZZLE_U", c, r, Layer::kCrossed);
                    break;
                case 'n':
                    b.cell("G_FAN", c, r, Layer::kCrossed);
                    break;
                case 'u':
                    b.centred("G_BEETLE", c, r, 32, 32, Layer::kCrossed);
                    break;
                case 'H':
                    b.centred("G_HELMET", c, r, 28, 28, Layer::kCrossed);
                    break;
                case 'K':
                    b.centred("G_BASKET", c, r, 32, 32, Layer::kCrossed);
                    break;
                default:
                    break;
            }
        }
    }
    // Pools the player crosses: its shots, sparks, viruses, acid, drops and remains.
    const int zombies = count(plan.grid, "z");
    const int burners = count(plan.grid, "zuCmVxG");
    b.pool("G_BULLET", 4, 12, 12, Layer::kCrossed);
    if (burners > 0) b.pool("G_SPARK", 6, 40, 40, Layer::kCrossed);
    if (count(plan.grid, "zCV") > 0) {
        b.pool("G_COIN_DROP", 2, 20, 20, Layer::kCrossed);
        b.pool("G_POTION_DROP", 2, 24, 24, Layer::kCrossed);
    }
    b.pool("G_CORPSE", zombies, 32, 32, Layer::kCrossed);
    if (count(plan.grid, "V") > 0) b.pool("G_VIRUS", 4, 20, 20, Layer::kCrossed);
    b.pool("G_ACID", 3 * count(plan.grid, "p"), 12, 16, Layer::kCrossed);
    b.pool("G_HUSK", count(plan.grid, "w"), 16, 16, Layer::kCrossed);

    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const char k = plan.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            switch (k) {
                case '=':
                    b.cell("G_BAND", c, r, Layer::kBlockers);
                    break;
                case '#':
                    b.cell(plan.theme.wall, c, r, Layer::kBlockers);
                    break;
                case 't':  // a torch on the wall
                    b.cell(r < 2 ? "G_BAND" : plan.theme.wall, c, r, Layer::kBlockers);
                    break;
                case '~':
                case 'M':
                    b.cell("G_WATER", c, r, Layer::kBlockers);
                    break;
                case 'c':
                    b.cell("G_CHAIR", c, r, Layer::kBlockers);
                    break;
                case 'B':
                    b.centred("G_BARREL", c, r, 32, 32, Layer::kBlockers);
                    break;
                case 'x':
                    b.centred("G_REDBARREL", c, r, 32, 32, Layer::kBlockers);
                    break;
                case 'G':
                    b.centred("G_GASTANK", c, r, 32, 32, Layer::kBlockers);
                    break;
                case 'k':
                    b.cell("G_POST", c, r, Layer::kBlockers);
                    break;
                case 'T':
                    b.cell("G_STATUE", c, r, Layer::kBlockers);
                    break;
                case 'D':
                    b.cell("G_DOOR", c, r, Layer::kBlockers);
                    break;
                case 'V':
                    b.cell("G_VAT", c, r, Layer::kBlockers);
                    break;
                case 'R':
                    b.cell("G_NOZZLE_R", c, r, Layer::kBlockers);
                    break;
                case 'J':
                    b.cell("G_NOZZLE_L", c, r, Layer::kBlockers);
                    break;
                case 'd':
                    b.cell("G_NOZZLE_D", c, r, Layer::kBlockers);
                    break;
                case '*':
                    b.cell("G_BRAZIER", c, r, Layer::kBlockers);
                    break;
                case '>':
                    b.cell("G_EXIT_RIGHT", c, r, Layer::kBlockers);
                    b.put("G_EDGE", 800, r * kCell, kCell, kCell, Layer::kBlockers);
                    break;
                case '<':
                    b.cell("G_EXIT_LEFT", c, r, Layer::kBlockers);
                    b.put("G_EDGE", -kCell, r * kCell, kCell, kCell, Layer::kBlockers);
                    break;
                case '^':
                    b.cell("G_EXIT_UP", c, r, Layer::kBlockers);  // the band's top row is behind
                    break;
                case 'v':
                    b.cell("G_EXIT_DOWN", c, r, Layer::kBlockers);
                    b.put("G_EDGE", c * kCell, 520, kCell, kCell, Layer::kBlockers);
                    break;
                default:
                    break;
            }
        }
    }
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const char k = plan.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            switch (k) {
                case '@':
                    b.centred("G_HERO", c, r, 32, 32, Layer::kWalkers);
                    break;
                case 'z':
                    b.centred("G_ZOMBIE", c, r, 32, 32, Layer::kWalkers);
                    break;
                case 'C':
                    b.centred("G_CRAB", c, r, 32, 32, Layer::kWalkers);
                    break;
                case 'm':
                    b.centred("G_SLIME", c, r, 32, 32, Layer::kWalkers);
                    break;
                default:
                    break;
            }
        }
    }
    // Effects drawn over the walkers; none of them takes part in the collision scan
    // except the fire, which stops the player like a wall.
    const int nozzles = count(plan.grid, "RJYd");
    b.pool("G_FIREBALL", nozzles > 0 ? 2 + nozzles : 0, 24, 24, Layer::kEffects);
    b.pool("G_FLAME", 4 * count(plan.grid, "*"), 16, 24, Layer::kEffects);
    if (count(plan.grid, "l") > 0) b.pool("G_LEAF", 4, 16, 16, Layer::kEffects);

    const int mirrors = count(plan.grid, "M");
    if (mirrors > 0) b.pool("G_GLINT", 4, 20, 12, Layer::kOverlay);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const char k = plan.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            switch (k) {
                case 'f':
                    b.cell("G_FERN", c, r, Layer::kOverlay);
                    break;
                case 'Q':
                    b.cell("G_FERN", c, r, Layer::kOverlay);
                    break;
                case 'M':
                    b.cell("G_POND", c, r, Layer::kOverlay);
                    break;
                case 't':
                    b.centred("G_GLOW", c, r, 80, 80, Layer::kOverlay);
                    b.centred("G_TORCH", c, r, 16, 20, Layer::kOverlay);
                    break;
                case '*':
                    b.centred("G_GLOW", c, r, 96, 96, Layer::kOverlay);
                    break;
                case 'L':
                    b.centred("G_WISP", c, r, 16, 16, Layer::kOverlay);
                    break;
                default:
                    break;
            }
        }
    }
    // The crystal comes after every fern: a fern the player walks through never comes
    // after something that stops it.
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (plan.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == 'Q')
                b.centred("G_BLUELIGHT", c, r, 20, 20, Layer::kOverlay);
        }
    }
    return b.records;
}

}  // namespace

namespace {

// Legend of the grids (one letter a 40-pixel cell; rows 0 and 1 are the band under the
// head-up texts):
//   = band  # wall  ~ water  M water with a mirror surface  b bridge  g grate
//   o spinning grate  l leaves  f fern  Q fern with a blue crystal  p spitting plant
//   w bug  c chair  B barrel  x red barrel  G gas tank  k post  T statue  D door  I card
//   $ coin  h potion  A first aid  F fuel  S save point  < > ^ v exits
//   6 4 8 2 belts (right, left, up, down)  @ player  z zombie  u beetle  C crab  m slime
//   H helmet  K basket  L wisp  V virus vat  R J Y d fire nozzles (right, left, up, down)
//   * brazier  n fan  t torch
const std::vector<LevelPlan>& levelPlans() {
    // One grid row a line, so that the maps read as they look.
    // clang-format off
    static const std::vector<LevelPlan> plans = {
        {0, "THE CELLAR", kStone, {
            "====================",
            "====t=========t=====",
            "#..................#",
            "#..................#",
            "#..c....$..$..$....#",
            "#.........n........#",
            "#.@..S.........$...>",
            "#...........B...$..#",
            "#..c..w.....kkkkkk.#",
            "#...........k.u..k.#",
            "#.....B.....k....k.#",
            "#...........kkkkkk.#",
            "####################",
         }, {{"G_SIGN_MOVE", 60, 96}, {"G_SIGN_EXIT", 420, 136}}},
        {1, "THE HALL", kStone, {
            "====================",
            "=====t========t=====",
            "#.......#..#.......#",
            "#..I....#..#...z...#",
            "#.......#..#.......#",
            "#....$..........h..#",
            "<.@................>",
            "#....c....S....c...#",
            "#..................#",
            "#########D##########",
            "#########..#########",
            "#########..#########",
            "#########vv#########",
         }, {{"G_SIGN_CARD", 130, 328}}},
        {2, "THE GARDEN", kGarden, {
            "====================",
            "===t=======t========",
            "#..................#",
            "#..l.l...ff....p...#",
            "#..lll..fQff.......#",
            "#....w...ff....$...#",
            "<.@......L.........#",
            "#...$.....C....h...#",
            "#MMMMMM~bb~MMMMMMM~#",
            "#~~~~~~~bb~~~~~~~~~#",
            "#......$.......p...#",
            "#...w..........$...#",
            "################vv##",
         }, {}},
        {3, "THE WORKS", kDark, {
            "====================",
            "=========^^=========",
            "#........@.........#",
            "#..T..........T....#",
            "#...66666666662....#",
            "#...8..u......2....#",
            "<...8.........2....>",
            "#...8.....u...2....#",
            "#...84444444444....#",
            "#..T.....K.....T...#",
            "#..H...........o...#",
            "#......ggggg.......#",
            "####################",
         }, {{"G_SIGN_PUSH", 290, 410}}},
        {4, "THE ARMOURY", kStone, {
            "====================",
            "====d=====^^====d===",
            "#.........@........#",
            "#..G.............G.#",
            "#......z...........#",
            "#..F.........z.....#",
            "#..................>",
            "#...x.x.......B..B.#",
            "#..................#",
            "#...c.....A....c...#",
            "#..................#",
            "#........S.........#",
            "#########vv#########",
         }, {}},
        {5, "THE CRYPT", kCrypt, {
            "====================",
            "===t======t=======t=",
            "#..................#",
            "#..*....z.....*....#",
            "#..........F.......#",
            "#.......$..$.......#",
            "#................@.>",
            "#..*..........*....#",
            "#.....z............#",
            "#######xx###########",
            "#..................#",
            "#..................#",
            "#######vv###########",
         }, {{"G_SIGN_BARREL", 220, 328}}},
        {6, "THE FLOODED HALL", kDark, {
            "====================",
            "====t========t======",
            "#.......~MM~.......#",
            "#..@....~~~~...C...#",
            "#.......~MM~.......#",
            "#..$....~~~~....I..#",
            "#.......bbbb.......#",
            "#.......bbbb.......#",
            "#..C....~MM~.......#",
            "#.......~~~~...#####",
            "#..h....~MM~...#...#",
            "#.......~~~~...D...>",
            "####################",
         }, {}},
        {7, "THE LABORATORY", kDark, {
            "====================",
            "=====t=======t======",
            "#..V.....V.....V...#",
            "#..................#",
            "#.@.....m..........#",
            "#...gggggggggggg...#",
            "#R.................#",
            "#..................>",
            "#...gggggggggggg...#",
            "#.......A....m....J#",
            "#...$.........$....#",
            "#..................#",
            "####################",
         }, {}},
        {8, "THE CROSSING", kStone, {
            "====================",
            "====t====^^====t====",
            "#.......#..#.......#",
            "#.......#..#.......#",
            "#.......##D#.......#",
            "#..I...............#",
            "<.@....6666666.....>",
            "#......z.......z...#",
            "#..................#",
            "#...B....S.....B...#",
            "#.......h..........#",
            "#..................#",
            "####################",
         }, {}},
        {9, "THE GAUNTLET", kDark, {
            "====================",
            "================^^==",
            "#..............#...#",
            "#..H...........#...#",
            "#....$.........#...#",
            "#######.########...#",
            "#..........C.......#",
            "#....H.............#",
            "#...Y.....Y.....Y..#",
            "#..................#",
            "#.......A....$.....#",
            "#.@.......S........#",
            "####################",
         }, {}},
        {10, "THE LAST ROOM", kCrypt, {
            "====================",
            "===t=====t=====t====",
            "#..*...........*...#",
            "#.....z.....$$$....#",
            "#...........$$$....#",
            "#..I...........#####",
            "#..........z...D...>",
            "#..............#####",
            "#....A......z......#",
            "#..*...........*...#",
            "#..................#",
            "#........@.........#",
            "#########vv#########",
         }, {{"G_SIGN_LAST", 450, 216}}},
    };
    // clang-format on
    return plans;
}

media::Image buttonPicture(std::string_view text, Rgb face, Rgb rim) {
    const media::Image words = textPicture(text, 3);
    const int width = 100, height = 40;  // drawn twice as large
    media::Image image = filled(width * 2, height * 2, kKey);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int edge =
                std::min(std::min(x, image.width - 1 - x), std::min(y, image.height - 1 - y));
            Rgb c = edge < 4 ? rim
                             : blend(face, shade(face, 0.6f), static_cast<float>(y) / image.height);
            if (edge < 2) c = Rgb{22, 18, 34};
            image.at(x, y) = toArgb(c);
        }
    }
    const int ox = (image.width - words.width) / 2, oy = (image.height - words.height) / 2 + 2;
    for (int y = 0; y < words.height; ++y) {
        for (int x = 0; x < words.width; ++x) {
            if (words.at(x, y) != kKey) image.at(ox + x, oy + y) = words.at(x, y);
        }
    }
    return image;
}

std::vector<formats::TileRecord> menuMap() {
    LevelPlan plan{engine::kMainMenu,
                   "MAIN MENU",
                   kStone,
                   {"====================", "====t====t====t=====", "#..................#",
                    "#..................#", "#..................#", "#..................#",
                    "#.........@........#", "#..................#", "#..................#",
                    "#..................#", "#..................#", "#..................#",
                    "####################"},
                   {{"G_SIGN_TITLE", 0, 104}, {"G_SIGN_MENU", 0, 164}}};
    std::vector<formats::TileRecord> records = buildLevel(plan);
    // The buttons stand with the blockers, so the player stops at them.
    records.push_back({"G_BUTTON_NEW", 0, 80, 220, 200, 80, Layer::kBlockers});
    records.push_back({"G_BUTTON_CONTINUE", 0, 520, 220, 200, 80, Layer::kBlockers});
    records.push_back({"G_BUTTON_EXIT", 0, 300, 400, 200, 80, Layer::kBlockers});
    return records;
}

std::vector<formats::TileRecord> gameOverMap() {
    Builder b;
    b.put("G_FLOOR_DARK", 0, 0, 800, 520, Layer::kFloor);
    b.put("G_RUG", 300, 84, 200, 128, Layer::kFloor);
    b.put("G_STATUE", 368, 104, 64, 64, Layer::kBlockers);
    for (int c = 0; c < kColumns; ++c) {
        b.cell("G_WALL_RED", c, 0, Layer::kBlockers);
        b.cell("G_WALL_RED", c, 12, Layer::kBlockers);
    }
    for (int c : {3, 9, 15}) {
        b.centred("G_GLOW", c, 0, 120, 120, Layer::kOverlay);
        b.centred("G_TORCH", c, 0, 16, 20, Layer::kOverlay);
    }
    return b.records;
}

std::vector<formats::TileRecord> closingMap() {
    // The night of the title, quieter: the emblem turns low at the right, the texts of
    // the thanks stand at the top left.
    Builder b;
    b.put("DEMO_SKY", 0, 0, 800, 600, 0);
    const float stars[][3] = {{40, 300, 12},  {120, 380, 10}, {210, 250, 14}, {300, 330, 9},
                              {380, 160, 12}, {640, 60, 13},  {720, 140, 10}, {460, 40, 11},
                              {60, 200, 9},   {250, 420, 12}, {700, 250, 9},  {560, 120, 12}};
    for (const auto& s : stars)
        b.put("DEMO_STAR", s[0], s[1], s[2], s[2], 1);
    b.put("DEMO_BIGSTAR", 150, 190, 32, 32, 1);
    b.put("DEMO_SPARK", 420, 260, 22, 22, 1);
    b.put("DEMO_HALO", 480, 180, 240, 240, 2);
    b.put("DEMO_EMBLEM", 520, 220, 160, 160, 3);
    b.put("DEMO_HILLS", 0, 468, 800, 132, 4);
    b.put("G_HERO_STILL", 200, 436, 32, 32, 5);
    return b.records;
}

}  // namespace

std::vector<MapPlan> gameMaps() {
    std::vector<MapPlan> maps;
    maps.push_back({engine::kMainMenu, "MAIN MENU", menuMap()});
    for (const LevelPlan& plan : levelPlans())
        maps.push_back({plan.id, std::string(plan.title), buildLevel(plan)});
    maps.push_back({engine::kGameOverScreen, "GAME OVER", gameOverMap()});
    maps.push_back({engine::kClosingScreen, "THE END", closingMap()});
    return maps;
}

std::vector<GameTile> mapTiles() {
    std::vector<GameTile> tiles;
    const formats::DnaPair on{"worldFTileIsActive", "1"};
    for (const Words& w : kSigns) {
        tiles.push_back(
            {std::string(w.tile), signPicture(w.text), {on, {"worldFTileTransparency", "230"}}});
    }
    const auto button = [&](std::string_view name, std::string_view text, std::string_view type,
                            Rgb face) {
        tiles.push_back({std::string(name),
                         buttonPicture(text, face, Rgb{250, 200, 90}),
                         {on,
                          {"worldFTileTransparency", "255"},
                          {"worldFTileIDString", std::string(type)},
                          {"worldFTileCollision", "1"}}});
    };
    button("G_BUTTON_NEW", "NEW GAME", "NEWGAME", Rgb{60, 120, 80});
    button("G_BUTTON_CONTINUE", "CONTINUE", "CONTINUE", Rgb{50, 90, 160});
    button("G_BUTTON_EXIT", "EXIT", "EXITGAME", Rgb{150, 50, 60});
    return tiles;
}

}  // namespace demo
