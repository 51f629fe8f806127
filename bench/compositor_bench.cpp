// The compositor against SDL2's own software renderer and against pixman (the software
// compositor of cairo and the X server) on the same scenes.
//
// The standard scene: a 1920x1080 screen, an 800x600 picture stretched over it, then 500
// sprites of 64x64 zoomed to 96x96 with alpha 200 under blend (5, 6) at seeded positions.
// Variants: the sprites turned by seeded angles, and the standard scene followed by the
// smoothing redraw (the screen grabbed from (1, 1) and drawn back there bilinear); the
// standard scene on a 3840x2160 screen (ours only). SDL draws the same scenes with
// SDL_RenderCopy / SDL_RenderCopyEx on a software renderer over an SDL_Surface; pixman with
// pixman_image_composite32 and affine transforms (premultiplied sources prepared once, OVER
// with a solid mask of the draw alpha, nearest filter, the opaque background as SRC). Ours
// runs twice: with the widest kernels the processor has, and with the SSE2 kernels forced.
// After the run the program prints the time ratios per scene.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/compositor_blend.h"

#if defined(RZ_BENCH_PIXMAN)
#include <pixman.h>
#endif

namespace {

constexpr int kScreenW = 1920;
constexpr int kScreenH = 1080;
constexpr int kSpriteCount = 500;
constexpr int kSpriteSide = 64;
constexpr float kZoomedSide = 96.0f;
constexpr int kSpriteAlpha = 200;
constexpr int kSpritePictures = 8;

struct Placement {
    float x = 0, y = 0, degrees = 0;
    int picture = 0;
};

// An opaque background with some structure, so nothing compresses into a trivial case.
media::Image backgroundPicture() {
    media::Image image;
    image.width = 800;
    image.height = 600;
    image.pixels.resize(800 * 600);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            image.pixels[static_cast<std::size_t>(y) * 800 + x] =
                media::makeArgb(255, (x * 255) / 800, (y * 255) / 600, ((x ^ y) & 0xFF));
        }
    }
    return image;
}

// A soft disc: opaque in the middle, fading alpha at its rim, transparent corners.
media::Image spritePicture(int index) {
    media::Image image;
    image.width = kSpriteSide;
    image.height = kSpriteSide;
    const double centre = (kSpriteSide - 1) / 2.0;
    for (int y = 0; y < kSpriteSide; ++y) {
        for (int x = 0; x < kSpriteSide; ++x) {
            const double distance = std::hypot(x - centre, y - centre) / centre;
            const double alpha = std::clamp((1.0 - distance) * 4.0, 0.0, 1.0);
            image.pixels.push_back(media::makeArgb(static_cast<std::uint32_t>(alpha * 255.0),
                                                   (index * 40 + x * 3) & 0xFF,
                                                   (index * 90 + y * 3) & 0xFF, 128));
        }
    }
    return image;
}

std::vector<Placement> placements(bool turned, int screenW = kScreenW, int screenH = kScreenH) {
    std::mt19937 random(20240607);
    std::uniform_real_distribution<float> across(-kZoomedSide / 2, screenW - kZoomedSide / 2);
    std::uniform_real_distribution<float> down(-kZoomedSide / 2, screenH - kZoomedSide / 2);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    std::vector<Placement> result(kSpriteCount);
    for (int i = 0; i < kSpriteCount; ++i) {
        result[i].x = std::round(across(random));
        result[i].y = std::round(down(random));
        result[i].degrees = turned ? angle(random) : 0.0f;
        result[i].picture = i % kSpritePictures;
    }
    return result;
}

enum class Scene { Standard, Turned, Smoothed, Standard4k };

int screenWidth(Scene scene) {
    return scene == Scene::Standard4k ? 2 * kScreenW : kScreenW;
}
int screenHeight(Scene scene) {
    return scene == Scene::Standard4k ? 2 * kScreenH : kScreenH;
}

// ---- ours --------------------------------------------------------------------------------

struct OurScene {
    media::Compositor compositor;
    media::SpriteHandle background = 0;
    std::vector<media::SpriteHandle> sprites;
    std::vector<Placement> layout;

    explicit OurScene(Scene scene) {
        const int w = screenWidth(scene);
        const int h = screenHeight(scene);
        compositor.resize(w, h);
        background = compositor.makeSprite(compositor.addPicture(backgroundPicture()));
        compositor.zoomSprite(background, static_cast<float>(w), static_cast<float>(h));
        layout = placements(scene == Scene::Turned, w, h);
        std::vector<media::PictureHandle> pictures;
        for (int i = 0; i < kSpritePictures; ++i) {
            pictures.push_back(compositor.addPicture(spritePicture(i)));
        }
        for (const Placement& place : layout) {
            const auto sprite = compositor.makeSprite(pictures[place.picture]);
            compositor.zoomSprite(sprite, kZoomedSide, kZoomedSide);
            compositor.rotateSprite(sprite, place.degrees, false);
            sprites.push_back(sprite);
        }
    }

    void render(Scene scene) {
        compositor.clear(0, 0, 0);
        compositor.beginPass();
        compositor.setBlend(5, 6);
        compositor.setFilter(media::Filter::Nearest);
        compositor.drawSprite(background, 0, 0, 255);
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            compositor.drawSprite(sprites[i], layout[i].x, layout[i].y, kSpriteAlpha);
        }
        if (scene == Scene::Smoothed) {
            const auto grabbed = compositor.grab(1, 1, kScreenW - 1, kScreenH - 1);
            const auto sprite = compositor.makeSprite(grabbed);
            compositor.setFilter(media::Filter::Bilinear);
            compositor.drawSprite(sprite, 1, 1, 255);
            compositor.setFilter(media::Filter::Nearest);
            compositor.freeSprite(sprite);
            compositor.freePicture(grabbed);
        }
        compositor.endPass();
    }
};

void runOurs(benchmark::State& state, Scene scene, bool baseline) {
    media::blend::forceBaselineKernels(baseline);
    OurScene ours(scene);
    for (auto _ : state) {
        ours.render(scene);
        benchmark::DoNotOptimize(ours.compositor.frame().pixels.data());
        benchmark::ClobberMemory();
    }
    media::blend::forceBaselineKernels(false);
}

void oursBenchmark(benchmark::State& state, Scene scene) {
    runOurs(state, scene, false);
}

void oursSse2Benchmark(benchmark::State& state, Scene scene) {
    runOurs(state, scene, true);
}

// ---- pixman ------------------------------------------------------------------------------

#if defined(RZ_BENCH_PIXMAN)

// A premultiplied copy of a straight ARGB picture, as pixman composites it.
pixman_image_t* premultipliedImage(const media::Image& image, std::vector<std::uint32_t>& store) {
    store.resize(image.pixels.size());
    for (std::size_t i = 0; i < store.size(); ++i) {
        const std::uint32_t p = image.pixels[i];
        const std::uint32_t a = p >> 24;
        auto channel = [&](int shift) {
            return ((((p >> shift) & 0xFFu) * a + 127) / 255) << shift;
        };
        store[i] = (a << 24) | channel(16) | channel(8) | channel(0);
    }
    return pixman_image_create_bits(PIXMAN_a8r8g8b8, image.width, image.height, store.data(),
                                    image.width * 4);
}

// The affine map from a screen box's local pixel positions to texel positions, given the
// forward map texel -> screen as rows (a, b, c), (d, e, f).
void setInverseTransform(pixman_image_t* image, const double forward[2][3]) {
    pixman_f_transform_t f{};
    f.m[0][0] = forward[0][0];
    f.m[0][1] = forward[0][1];
    f.m[0][2] = forward[0][2];
    f.m[1][0] = forward[1][0];
    f.m[1][1] = forward[1][1];
    f.m[1][2] = forward[1][2];
    f.m[2][2] = 1.0;
    pixman_f_transform_t inverse{};
    pixman_f_transform_invert(&inverse, &f);
    pixman_transform_t fixed{};
    pixman_transform_from_pixman_f_transform(&fixed, &inverse);
    pixman_image_set_transform(image, &fixed);
}

struct PixmanScene {
    int width = kScreenW;
    int height = kScreenH;
    std::vector<std::uint32_t> screenPixels;
    pixman_image_t* screen = nullptr;
    std::vector<std::uint32_t> backgroundPixels;
    pixman_image_t* background = nullptr;
    std::vector<std::vector<std::uint32_t>> spritePixels;
    std::vector<pixman_image_t*> sprites;  // one image per placement: each has its transform
    pixman_image_t* mask = nullptr;
    std::vector<Placement> layout;
    std::vector<std::uint32_t> grabPixels;

    explicit PixmanScene(Scene scene) {
        screenPixels.resize(static_cast<std::size_t>(width) * height);
        screen = pixman_image_create_bits(PIXMAN_a8r8g8b8, width, height, screenPixels.data(),
                                          width * 4);
        background = premultipliedImage(backgroundPicture(), backgroundPixels);
        pixman_transform_t scale{};
        pixman_transform_init_scale(&scale, pixman_double_to_fixed(800.0 / width),
                                    pixman_double_to_fixed(600.0 / height));
        pixman_image_set_transform(background, &scale);
        pixman_image_set_filter(background, PIXMAN_FILTER_NEAREST, nullptr, 0);
        const pixman_color_t drawAlpha{0, 0, 0, static_cast<std::uint16_t>(kSpriteAlpha * 257)};
        mask = pixman_image_create_solid_fill(&drawAlpha);
        layout = placements(scene == Scene::Turned);
        spritePixels.resize(kSpritePictures);
        for (int i = 0; i < kSpritePictures; ++i) {
            premultipliedImage(spritePicture(i), spritePixels[i]);
        }
        for (const Placement& place : layout) {
            pixman_image_t* image =
                pixman_image_create_bits(PIXMAN_a8r8g8b8, kSpriteSide, kSpriteSide,
                                         spritePixels[place.picture].data(), kSpriteSide * 4);
            pixman_image_set_filter(image, PIXMAN_FILTER_NEAREST, nullptr, 0);
            sprites.push_back(image);
        }
        grabPixels.resize(screenPixels.size());
    }
    ~PixmanScene() {
        for (pixman_image_t* image : sprites) {
            pixman_image_unref(image);
        }
        pixman_image_unref(mask);
        pixman_image_unref(background);
        pixman_image_unref(screen);
    }
    PixmanScene(const PixmanScene&) = delete;
    PixmanScene& operator=(const PixmanScene&) = delete;

    // The sprite's screen box and the map from its local pixel positions to texels.
    void drawSprite(std::size_t index) {
        const Placement& place = layout[index];
        const double k = kZoomedSide / kSpriteSide;
        const double half = kZoomedSide / 2.0;
        const double radians = place.degrees * 3.14159265358979323846 / 180.0;
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        const double centreX = place.x + half;
        const double centreY = place.y + half;
        const double reach = (std::abs(c) + std::abs(s)) * half;
        const int x0 = static_cast<int>(std::floor(centreX - reach));
        const int y0 = static_cast<int>(std::floor(centreY - reach));
        const int x1 = static_cast<int>(std::ceil(centreX + reach));
        const int y1 = static_cast<int>(std::ceil(centreY + reach));
        const double forward[2][3] = {
            {c * k, -s * k, centreX - x0 - c * half + s * half},
            {s * k, c * k, centreY - y0 - s * half - c * half},
        };
        setInverseTransform(sprites[index], forward);
        pixman_image_composite32(PIXMAN_OP_OVER, sprites[index], mask, screen, 0, 0, 0, 0, x0, y0,
                                 x1 - x0, y1 - y0);
    }

    void render(Scene scene) {
        const pixman_color_t black{0, 0, 0, 0xFFFF};
        const pixman_rectangle16_t all{0, 0, static_cast<std::uint16_t>(width),
                                       static_cast<std::uint16_t>(height)};
        pixman_image_fill_rectangles(PIXMAN_OP_SRC, screen, &black, 1, &all);
        pixman_image_composite32(PIXMAN_OP_SRC, background, nullptr, screen, 0, 0, 0, 0, 0, 0,
                                 width, height);
        for (std::size_t i = 0; i < layout.size(); ++i) {
            drawSprite(i);
        }
        if (scene == Scene::Smoothed) {
            // The grab: an opaque copy of the screen from (1, 1), drawn back there bilinear
            // at the pixels' upper-left corners.
            pixman_image_t* grabbed = pixman_image_create_bits(
                PIXMAN_x8r8g8b8, width - 1, height - 1, grabPixels.data(), width * 4);
            pixman_image_composite32(PIXMAN_OP_SRC, screen, nullptr, grabbed, 1, 1, 0, 0, 0, 0,
                                     width - 1, height - 1);
            pixman_transform_t shift{};
            pixman_transform_init_translate(&shift, pixman_double_to_fixed(-0.5),
                                            pixman_double_to_fixed(-0.5));
            pixman_image_set_transform(grabbed, &shift);
            pixman_image_set_filter(grabbed, PIXMAN_FILTER_BILINEAR, nullptr, 0);
            pixman_image_set_repeat(grabbed, PIXMAN_REPEAT_PAD);
            pixman_image_composite32(PIXMAN_OP_OVER, grabbed, nullptr, screen, 0, 0, 0, 0, 1, 1,
                                     width - 1, height - 1);
            pixman_image_unref(grabbed);
        }
    }
};

void pixmanBenchmark(benchmark::State& state, Scene scene) {
    PixmanScene scenePixman(scene);
    for (auto _ : state) {
        scenePixman.render(scene);
        benchmark::DoNotOptimize(scenePixman.screenPixels.data());
        benchmark::ClobberMemory();
    }
}

#endif

// ---- SDL ---------------------------------------------------------------------------------

SDL_Texture* textureOf(SDL_Renderer* renderer, const media::Image& image) {
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

struct SdlScene {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* background = nullptr;
    std::vector<SDL_Texture*> pictures;
    std::vector<Placement> layout;
    std::vector<std::uint32_t> readBack;

    explicit SdlScene(Scene scene) {
        surface =
            SDL_CreateRGBSurfaceWithFormat(0, kScreenW, kScreenH, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        if (renderer == nullptr) {
            std::fprintf(stderr, "SDL software renderer: %s\n", SDL_GetError());
            std::exit(1);
        }
        background = textureOf(renderer, backgroundPicture());
        for (int i = 0; i < kSpritePictures; ++i) {
            SDL_Texture* texture = textureOf(renderer, spritePicture(i));
            SDL_SetTextureAlphaMod(texture, kSpriteAlpha);
            pictures.push_back(texture);
        }
        layout = placements(scene == Scene::Turned);
        readBack.resize(static_cast<std::size_t>(kScreenW) * kScreenH);
    }
    ~SdlScene() {
        for (SDL_Texture* texture : pictures) {
            SDL_DestroyTexture(texture);
        }
        SDL_DestroyTexture(background);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
    SdlScene(const SdlScene&) = delete;
    SdlScene& operator=(const SdlScene&) = delete;

    void render(Scene scene) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, background, nullptr, nullptr);
        for (const Placement& place : layout) {
            const SDL_Rect target{static_cast<int>(place.x), static_cast<int>(place.y),
                                  static_cast<int>(kZoomedSide), static_cast<int>(kZoomedSide)};
            if (scene == Scene::Turned) {
                SDL_RenderCopyEx(renderer, pictures[place.picture], nullptr, &target, place.degrees,
                                 nullptr, SDL_FLIP_NONE);
            } else {
                SDL_RenderCopy(renderer, pictures[place.picture], nullptr, &target);
            }
        }
        if (scene == Scene::Smoothed) {
            const SDL_Rect area{1, 1, kScreenW - 1, kScreenH - 1};
            SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, readBack.data(),
                                 kScreenW * 4);
            SDL_Texture* grabbed = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                     SDL_TEXTUREACCESS_STATIC, area.w, area.h);
            SDL_UpdateTexture(grabbed, nullptr, readBack.data(), kScreenW * 4);
            SDL_SetTextureBlendMode(grabbed, SDL_BLENDMODE_BLEND);
            SDL_SetTextureScaleMode(grabbed, SDL_ScaleModeLinear);
            SDL_RenderCopy(renderer, grabbed, nullptr, &area);
            SDL_DestroyTexture(grabbed);
        }
        SDL_RenderFlush(renderer);
    }
};

void sdlBenchmark(benchmark::State& state, Scene scene) {
    SdlScene sdl(scene);
    for (auto _ : state) {
        sdl.render(scene);
        benchmark::DoNotOptimize(sdl.surface->pixels);
        benchmark::ClobberMemory();
    }
}

void memcpyFrame(benchmark::State& state) {
    std::vector<std::uint32_t> from(static_cast<std::size_t>(kScreenW) * kScreenH, 0x12345678);
    std::vector<std::uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

#if defined(RZ_BENCH_PIXMAN)
#define RZ_PIXMAN_SCENE(name, scene) \
    BENCHMARK_CAPTURE(pixmanBenchmark, name, scene)->Unit(benchmark::kMillisecond);
#else
#define RZ_PIXMAN_SCENE(name, scene)
#endif

#define RZ_SCENE(name, scene)                                                         \
    BENCHMARK_CAPTURE(oursBenchmark, name, scene)->Unit(benchmark::kMillisecond);     \
    BENCHMARK_CAPTURE(oursSse2Benchmark, name, scene)->Unit(benchmark::kMillisecond); \
    RZ_PIXMAN_SCENE(name, scene)                                                      \
    BENCHMARK_CAPTURE(sdlBenchmark, name, scene)->Unit(benchmark::kMillisecond);

RZ_SCENE(standard, Scene::Standard)
RZ_SCENE(turned, Scene::Turned)
RZ_SCENE(smoothed, Scene::Smoothed)
BENCHMARK_CAPTURE(oursBenchmark, standard4k, Scene::Standard4k)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(oursSse2Benchmark, standard4k, Scene::Standard4k)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyFrame)->Unit(benchmark::kMillisecond);

// Prints the usual table and remembers the real and CPU time per iteration of every run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median, reported after the single runs, wins.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                const auto iterations = static_cast<double>(run.iterations);
                times_[run.run_name.str()] = {run.real_accumulated_time / iterations,
                                              run.cpu_accumulated_time / iterations};
            }
        }
    }
    // CPU time is the fairer figure on a shared machine; real time is shown as well.
    void printRatios() const {
        std::printf(
            "\nratio other / ours (higher is better for ours), CPU milliseconds per "
            "frame (real time in brackets):\n");
        for (const char* scene : {"standard", "turned", "smoothed", "standard4k"}) {
            const auto ours = times_.find(std::string("oursBenchmark/") + scene);
            if (ours == times_.end()) {
                continue;
            }
            std::printf("  %-10s ours %6.2f (%6.2f)", scene, ours->second.cpu * 1e3,
                        ours->second.real * 1e3);
            for (const char* other : {"oursSse2", "pixman", "sdl"}) {
                const auto it = times_.find(std::string(other) + "Benchmark/" + scene);
                if (it != times_.end()) {
                    std::printf("  %s %6.2f (%6.2f) ratio %5.2f", other, it->second.cpu * 1e3,
                                it->second.real * 1e3, it->second.cpu / ours->second.cpu);
                }
            }
            std::printf("\n");
        }
    }

  private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // The software renderer draws into a plain surface; no display is needed.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(0) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
