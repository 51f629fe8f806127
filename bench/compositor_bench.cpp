// The compositor against SDL2's own software renderer on the same scenes.
//
// The standard scene: a 1920x1080 screen, an 800x600 picture stretched over it, then 500
// sprites of 64x64 zoomed to 96x96 with alpha 200 under blend (5, 6) at seeded positions.
// Variants: the sprites turned by seeded angles, and the standard scene followed by the
// smoothing redraw (the screen grabbed from (1, 1) and drawn back there bilinear). SDL draws
// the same scenes with SDL_RenderCopy / SDL_RenderCopyEx on a software renderer over an
// SDL_Surface. After the run the program prints the time ratio SDL / ours per scene.
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

std::vector<Placement> placements(bool turned) {
    std::mt19937 random(20240607);
    std::uniform_real_distribution<float> across(-kZoomedSide / 2, kScreenW - kZoomedSide / 2);
    std::uniform_real_distribution<float> down(-kZoomedSide / 2, kScreenH - kZoomedSide / 2);
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

enum class Scene { Standard, Turned, Smoothed };

// ---- ours --------------------------------------------------------------------------------

struct OurScene {
    media::Compositor compositor;
    media::SpriteHandle background = 0;
    std::vector<media::SpriteHandle> sprites;
    std::vector<Placement> layout;

    explicit OurScene(Scene scene) {
        compositor.resize(kScreenW, kScreenH);
        background = compositor.makeSprite(compositor.addPicture(backgroundPicture()));
        compositor.zoomSprite(background, kScreenW, kScreenH);
        layout = placements(scene == Scene::Turned);
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

void oursBenchmark(benchmark::State& state, Scene scene) {
    OurScene ours(scene);
    for (auto _ : state) {
        ours.render(scene);
        benchmark::DoNotOptimize(ours.compositor.frame().pixels.data());
        benchmark::ClobberMemory();
    }
}

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

BENCHMARK_CAPTURE(oursBenchmark, standard, Scene::Standard)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sdlBenchmark, standard, Scene::Standard)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(oursBenchmark, turned, Scene::Turned)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sdlBenchmark, turned, Scene::Turned)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(oursBenchmark, smoothed, Scene::Smoothed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sdlBenchmark, smoothed, Scene::Smoothed)->Unit(benchmark::kMillisecond);
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
        std::printf("\nratio SDL / ours (higher is better for ours), milliseconds per frame:\n");
        for (const char* scene : {"standard", "turned", "smoothed"}) {
            const auto ours = times_.find(std::string("oursBenchmark/") + scene);
            const auto sdl = times_.find(std::string("sdlBenchmark/") + scene);
            if (ours == times_.end() || sdl == times_.end()) {
                continue;
            }
            std::printf(
                "  %-9s CPU: ours %6.2f  SDL %6.2f  ratio %5.2f   real: ours %6.2f  SDL %6.2f  "
                "ratio %5.2f\n",
                scene, ours->second.cpu * 1e3, sdl->second.cpu * 1e3,
                sdl->second.cpu / ours->second.cpu, ours->second.real * 1e3, sdl->second.real * 1e3,
                sdl->second.real / ours->second.real);
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
