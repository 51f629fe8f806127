// The compositor's handles and state: pictures, sprites, the 3D pass settings, and the
// sprite draw that turns zoom, rotation and corners into a rasteriser call.
#include "engine/media/compositor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/media/compositor_blend.h"
#include "engine/media/compositor_state.h"

namespace media {

PictureHandle storePicture(Compositor::State& state, Image image, bool knownOpaque) {
    if (image.empty() || image.width > Compositor::kMaxPictureSide ||
        image.height > Compositor::kMaxPictureSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return 0;
    }
    auto picture = std::make_shared<PictureData>();
    picture->opaque = knownOpaque || std::all_of(image.pixels.begin(), image.pixels.end(),
                                                 [](Argb pixel) { return alphaOf(pixel) == 255; });
    picture->image = std::move(image);
    if (!picture->opaque) {
        const Image& pixels = picture->image;
        picture->rowExtents.resize(static_cast<std::size_t>(pixels.height));
        for (int y = 0; y < pixels.height; ++y) {
            const Argb* row = pixels.pixels.data() + static_cast<std::size_t>(y) * pixels.width;
            int first = 0;
            int last = pixels.width;
            while (first < last && alphaOf(row[first]) == 0) {
                ++first;
            }
            while (last > first && alphaOf(row[last - 1]) == 0) {
                --last;
            }
            picture->rowExtents[static_cast<std::size_t>(y)] = {first, last};
        }
    }
    return state.pictures.add(std::move(picture));
}

void recyclePixels(Compositor::State& state, const std::shared_ptr<const PictureData>& picture) {
    if (picture == nullptr || picture.use_count() != 1) {
        return;
    }
    // Every PictureData is made non-const (storePicture), and no one else can see it now.
    auto& pixels = const_cast<PictureData&>(*picture).image.pixels;
    if (pixels.capacity() > state.sparePixels.capacity()) {
        state.sparePixels = std::move(pixels);
    }
}

namespace {

// Sine and cosine of an angle in degrees, exact for multiples of 90 so that quarter turns
// map pixels exactly. False for a non-finite angle.
bool rotation(float degrees, double& sine, double& cosine) {
    if (!std::isfinite(degrees)) {
        return false;
    }
    double turn = std::fmod(static_cast<double>(degrees), 360.0);
    if (turn < 0.0) {
        turn += 360.0;
    }
    if (turn == 0.0 || turn == 90.0 || turn == 180.0 || turn == 270.0) {
        static constexpr double kSine[] = {0.0, 1.0, 0.0, -1.0};
        static constexpr double kCosine[] = {1.0, 0.0, -1.0, 0.0};
        const auto quarter = static_cast<int>(turn / 90.0);
        sine = kSine[quarter];
        cosine = kCosine[quarter];
        return true;
    }
    const double radians = turn * (3.14159265358979323846 / 180.0);
    sine = std::sin(radians);
    cosine = std::cos(radians);
    return true;
}

// Turned and warped sprites under (5, 6), nearest, at a draw alpha below 255 read texels whose
// alpha byte holds a' already, drawn at draw alpha 255 (which keeps a' exactly), instead of
// computing a' for every pixel. Only small pictures, and only when the sprite covers at least
// as many pixels as the picture has, so preparing never costs more than it saves.
constexpr std::size_t kMaxPreparedTexels = 256 * 256;

void prepareForQuad(const PictureData& picture, const std::array<raster::Vertex, 4>& quad,
                    raster::Style& style, sample::Texture& texture) {
    if (style.sourceFactor != kBlendSrcAlpha || style.destinationFactor != kBlendInvSrcAlpha ||
        style.filter != Filter::Nearest || style.alpha <= 0 || style.alpha >= 255) {
        return;
    }
    double twiceArea = 0.0;
    for (std::size_t i = 0; i < quad.size(); ++i) {
        const raster::Vertex& a = quad[i];
        const raster::Vertex& b = quad[(i + 1) % quad.size()];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    const std::vector<Argb>& pixels = picture.image.pixels;
    if (pixels.size() > kMaxPreparedTexels ||
        !(std::abs(twiceArea) >= 2.0 * static_cast<double>(pixels.size()))) {
        return;
    }
    if (picture.preparedAlpha != style.alpha) {
        picture.preparedPixels.resize(pixels.size());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            picture.preparedPixels[i] =
                (pixels[i] & 0x00FFFFFFu) | (blend::sourceAlpha(pixels[i], style.alpha) << 24);
        }
        picture.preparedAlpha = style.alpha;
    }
    texture.pixels = picture.preparedPixels.data();
    texture.opaque = false;
    texture.alphaPrepared = true;
    style.alpha = 255;
}

}  // namespace

Compositor::Compositor() : state_(std::make_unique<State>()) {}
Compositor::~Compositor() = default;

void Compositor::resize(int width, int height) {
    state_->pendingClear.reset();
    Framebuffer& frame = state_->screen;
    frame.width = std::clamp(width, 0, kMaxScreenSide);
    frame.height = std::clamp(height, 0, kMaxScreenSide);
    frame.pixels.assign(static_cast<std::size_t>(frame.width) * frame.height, 0xFF000000u);
}

const Framebuffer& Compositor::frame() const {
    return state_->frame();
}

PictureHandle Compositor::addPicture(Image image) {
    return storePicture(*state_, std::move(image), false);
}

bool Compositor::pictureExists(PictureHandle picture) const {
    return state_->pictures.find(picture) != nullptr;
}

int Compositor::pictureWidth(PictureHandle picture) const {
    const Image* image = this->picture(picture);
    return image == nullptr ? 0 : image->width;
}

int Compositor::pictureHeight(PictureHandle picture) const {
    const Image* image = this->picture(picture);
    return image == nullptr ? 0 : image->height;
}

const Image* Compositor::picture(PictureHandle picture) const {
    const auto* entry = state_->pictures.find(picture);
    return entry == nullptr ? nullptr : &(*entry)->image;
}

void Compositor::freePicture(PictureHandle picture) {
    if (const auto* entry = state_->pictures.find(picture)) {
        recyclePixels(*state_, *entry);
        state_->pictures.remove(picture);
    }
}

SpriteHandle Compositor::makeSprite(PictureHandle picture) {
    const auto* entry = state_->pictures.find(picture);
    if (entry == nullptr) {
        return 0;
    }
    SpriteEntry sprite;
    sprite.picture = *entry;
    sprite.width = static_cast<float>(sprite.picture->image.width);
    sprite.height = static_cast<float>(sprite.picture->image.height);
    return state_->sprites.add(std::move(sprite));
}

bool Compositor::spriteExists(SpriteHandle sprite) const {
    return state_->sprites.find(sprite) != nullptr;
}

void Compositor::freeSprite(SpriteHandle sprite) {
    if (const SpriteEntry* entry = state_->sprites.find(sprite)) {
        recyclePixels(*state_, entry->picture);
        state_->sprites.remove(sprite);
    }
}

void Compositor::zoomSprite(SpriteHandle sprite, float width, float height) {
    SpriteEntry* entry = state_->sprites.find(sprite);
    if (entry == nullptr) {
        return;
    }
    entry->width = width;
    entry->height = height;
    entry->hasCorners = false;
}

void Compositor::rotateSprite(SpriteHandle sprite, float degrees, bool relative) {
    SpriteEntry* entry = state_->sprites.find(sprite);
    if (entry == nullptr) {
        return;
    }
    entry->angle = relative ? entry->angle + degrees : degrees;
    entry->hasCorners = false;
}

void Compositor::setSpriteCorners(SpriteHandle sprite, const std::array<Point, 4>& corners) {
    SpriteEntry* entry = state_->sprites.find(sprite);
    if (entry == nullptr) {
        return;
    }
    entry->corners = corners;
    entry->hasCorners = true;
}

void Compositor::drawSprite(SpriteHandle sprite, float x, float y, int alpha) {
    State& state = *state_;
    const SpriteEntry* entry = state.sprites.find(sprite);
    if (!state.inPass || entry == nullptr || !std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    raster::Style style{std::clamp(alpha, 0, 255), state.blendSource, state.blendDestination,
                        state.filter};
    sample::Texture texture = textureOf(*entry->picture);
    const double left = x;
    const double top = y;
    if (entry->hasCorners) {
        std::array<raster::Vertex, 4> quad;
        for (std::size_t i = 0; i < quad.size(); ++i) {
            quad[i] = {left + entry->corners[i].x, top + entry->corners[i].y};
        }
        prepareForQuad(*entry->picture, quad, style, texture);
        raster::drawQuad(state.frame(), texture, quad, style, state.scratch);
        return;
    }
    const double width = entry->width;
    const double height = entry->height;
    double sine = 0.0;
    double cosine = 1.0;
    if (!(width > 0.0) || !(height > 0.0) || !rotation(entry->angle, sine, cosine)) {
        return;
    }
    if (sine == 0.0 && cosine == 1.0) {
        if (state.pendingClear &&
            raster::coversOpaquely(state.screen, texture, left, top, width, height, style)) {
            state.pendingClear.reset();  // every pixel is written without being read
        }
        raster::drawScaled(state.frame(), texture, left, top, width, height, style, state.scratch);
        return;
    }
    const double centreX = left + width / 2.0;
    const double centreY = top + height / 2.0;
    const double halfW = width / 2.0;
    const double halfH = height / 2.0;
    const std::array<raster::Vertex, 4> offsets{
        raster::Vertex{-halfW, -halfH}, {halfW, -halfH}, {halfW, halfH}, {-halfW, halfH}};
    std::array<raster::Vertex, 4> quad;
    for (std::size_t i = 0; i < quad.size(); ++i) {
        quad[i] = {centreX + offsets[i].x * cosine - offsets[i].y * sine,
                   centreY + offsets[i].x * sine + offsets[i].y * cosine};
    }
    prepareForQuad(*entry->picture, quad, style, texture);
    raster::drawQuad(state.frame(), texture, quad, style, state.scratch);
}

void Compositor::beginPass() {
    state_->inPass = true;
}
void Compositor::endPass() {
    state_->inPass = false;
}
bool Compositor::inPass() const {
    return state_->inPass;
}

void Compositor::setBlend(int sourceFactor, int destinationFactor) {
    auto known = [](int code) { return code >= kBlendZero && code <= kBlendInvDstColour; };
    state_->blendSource = known(sourceFactor) ? sourceFactor : kBlendSrcAlpha;
    state_->blendDestination = known(destinationFactor) ? destinationFactor : kBlendInvSrcAlpha;
}

void Compositor::setFilter(Filter filter) {
    state_->filter = filter;
}

}  // namespace media
