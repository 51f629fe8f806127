// Screen, 2D drawing, pictures and 3D sprites of the media services: thin forwarding to the
// one software compositor, with the checks the engine relies on (0 for failures).
#include <cstdint>
#include <set>
#include <utility>

#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "engine/media/services_state.h"

namespace media {

using detail::state;

namespace {

// A screen larger than any picture we decode would only waste memory.
bool screenSizeAllowed(int width, int height) {
    return pictureSizeAllowed(width, height);
}

// Keeps a new handle (0 is none) among the live ones.
std::uint32_t counted(std::set<std::uint32_t>& live, std::uint32_t handle) {
    if (handle != 0) live.insert(handle);
    return handle;
}

}  // namespace

int openScreen(WindowHandle window, int /*x*/, int /*y*/, int width, int height) {
    detail::ServiceState& s = state();
    if (!s.platform || window == 0 || window != s.window || !screenSizeAllowed(width, height)) {
        return 0;
    }
    s.compositor->resize(width, height);
    s.screenOpen = true;
    return 1;
}

int screenWidth() {
    return state().screenOpen ? state().compositor->frame().width : 0;
}
int screenHeight() {
    return state().screenOpen ? state().compositor->frame().height : 0;
}

void clearScreen(int red, int green, int blue) {
    state().compositor->clear(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                              static_cast<std::uint8_t>(blue));
}

void flip() {
    detail::ServiceState& s = state();
    if (!s.platform || !s.screenOpen) return;
    s.platform->present(s.compositor->frame());
    if (s.presentObserver) s.presentObserver(s.compositor->frame());
}

// The compositor draws text at any time; the pass only brackets it for the engine's order.
void beginText() {}
void endText() {}

void setTextTransparent(bool transparent) {
    state().textTransparent = transparent;
}

void drawText(int x, int y, std::string_view text, Argb front, Argb back) {
    detail::ServiceState& s = state();
    if (s.textTransparent) {
        s.compositor->drawText(x, y, text, front);
    } else {
        s.compositor->drawText(x, y, text, front, back);
    }
}

void plot(int x, int y, Argb colour) {
    state().compositor->plot(x, y, colour);
}

void rectangle(int x, int y, int width, int height, Argb colour, bool filled) {
    state().compositor->rectangle(x, y, width, height, colour, filled);
}

PictureHandle loadPicture(std::string_view configuredPath, const ColourKey& key) {
    std::optional<Image> image = decodePicture(configuredPath, key);
    if (!image || image->empty()) return 0;
    return counted(state().pictures, state().compositor->addPicture(std::move(*image)));
}

PictureHandle grabPicture(int x, int y, int width, int height) {
    return counted(state().pictures, state().compositor->grab(x, y, width, height));
}

bool regrabPicture(PictureHandle picture, int x, int y, int width, int height) {
    return picture != 0 && state().compositor->regrab(picture, x, y, width, height);
}

bool pictureExists(PictureHandle picture) {
    return picture != 0 && state().compositor->pictureExists(picture);
}
int pictureWidth(PictureHandle picture) {
    return state().compositor->pictureWidth(picture);
}
int pictureHeight(PictureHandle picture) {
    return state().compositor->pictureHeight(picture);
}
void freePicture(PictureHandle picture) {
    state().compositor->freePicture(picture);
    state().pictures.erase(picture);
}
void drawPicture(PictureHandle picture, int x, int y) {
    state().compositor->drawPicture(picture, x, y);
}

SpriteHandle makeSprite(PictureHandle picture) {
    return counted(state().sprites, state().compositor->makeSprite(picture));
}
bool spriteExists(SpriteHandle sprite) {
    return sprite != 0 && state().compositor->spriteExists(sprite);
}
void freeSprite(SpriteHandle sprite) {
    state().compositor->freeSprite(sprite);
    state().sprites.erase(sprite);
}
void zoomSprite(SpriteHandle sprite, float width, float height) {
    state().compositor->zoomSprite(sprite, width, height);
}
void rotateSprite(SpriteHandle sprite, float degrees, bool relative) {
    state().compositor->rotateSprite(sprite, degrees, relative);
}
void setSpriteCorners(SpriteHandle sprite, const std::array<Point, 4>& corners) {
    state().compositor->setSpriteCorners(sprite, corners);
}
void drawSprite(SpriteHandle sprite, float x, float y, int alpha) {
    state().compositor->drawSprite(sprite, x, y, alpha);
}
void beginSpritePass() {
    state().compositor->beginPass();
}
void endSpritePass() {
    state().compositor->endPass();
}
void setSpriteBlend(int sourceFactor, int destinationFactor) {
    state().compositor->setBlend(sourceFactor, destinationFactor);
}
void setSpriteFilter(bool bilinear) {
    state().compositor->setFilter(bilinear ? Filter::Bilinear : Filter::Nearest);
}

}  // namespace media
