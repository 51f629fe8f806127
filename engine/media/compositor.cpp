// The compositor's handles and state: pictures, sprites, the 3D pass settings.
#include "engine/media/compositor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/media/compositor_state.h"

namespace media {

Compositor::Compositor() : state_(std::make_unique<State>()) {}
Compositor::~Compositor() = default;

void Compositor::resize(int width, int height) {
    Framebuffer& frame = state_->frame;
    frame.width = std::max(0, width);
    frame.height = std::max(0, height);
    frame.pixels.assign(static_cast<std::size_t>(frame.width) * frame.height, 0xFF000000u);
}

const Framebuffer& Compositor::frame() const {
    return state_->frame;
}

PictureHandle Compositor::addPicture(Image image) {
    if (image.empty() ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return 0;
    }
    return state_->pictures.add(std::make_shared<const Image>(std::move(image)));
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
    return entry == nullptr ? nullptr : entry->get();
}

void Compositor::freePicture(PictureHandle picture) {
    state_->pictures.remove(picture);
}

SpriteHandle Compositor::makeSprite(PictureHandle picture) {
    const auto* entry = state_->pictures.find(picture);
    if (entry == nullptr) {
        return 0;
    }
    SpriteEntry sprite;
    sprite.image = *entry;
    sprite.width = static_cast<float>(sprite.image->width);
    sprite.height = static_cast<float>(sprite.image->height);
    return state_->sprites.add(std::move(sprite));
}

bool Compositor::spriteExists(SpriteHandle sprite) const {
    return state_->sprites.find(sprite) != nullptr;
}

void Compositor::freeSprite(SpriteHandle sprite) {
    state_->sprites.remove(sprite);
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

// Drawing lands in the raster files; until then these are safe no-ops.
void Compositor::clear(std::uint8_t, std::uint8_t, std::uint8_t) {}
void Compositor::plot(int, int, Argb) {}
void Compositor::rectangle(int, int, int, int, Argb, bool) {}
PictureHandle Compositor::grab(int, int, int, int) {
    return 0;
}
void Compositor::drawPicture(PictureHandle, int, int) {}
void Compositor::drawSprite(SpriteHandle, float, float, int) {}
void Compositor::drawText(int, int, std::string_view, Argb, std::optional<Argb>) {}

}  // namespace media
