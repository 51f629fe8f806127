#include "engine/post_passes.h"

#include <cstdint>

#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"

namespace engine {
namespace {

struct PostPassGrab {
    media::PictureHandle picture = 0;
    media::SpriteHandle sprite = 0;
};

PostPassGrab grabbed;

}  // namespace

void releasePostPassGrab() {
    if (media::spriteExists(grabbed.sprite)) media::freeSprite(grabbed.sprite);
    if (media::pictureExists(grabbed.picture)) media::freePicture(grabbed.picture);
    grabbed = PostPassGrab{};
}

void smoothAndGlowPass() {
    const EngineSettings& s = engineSettings;
    const int width = base::roundToInt(s.SCRW - 1.0f);
    const int height = base::roundToInt(s.SCRH - 1.0f);
    // While the screen keeps its size, the last frame's grab is refilled in place instead of
    // being freed and grabbed anew: the same pixels without heap work in every frame.
    const bool refilled = media::spriteExists(grabbed.sprite) &&
                          media::regrabPicture(grabbed.picture, 1, 1, width, height);
    if (!refilled) {
        releasePostPassGrab();
        grabbed.picture = media::grabPicture(1, 1, width, height);
        if (media::pictureExists(grabbed.picture))
            grabbed.sprite = media::makeSprite(grabbed.picture);
    }
    const bool haveSprite = media::spriteExists(grabbed.sprite);
    if (s.appSmooth != 0 && haveSprite) {
        media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        media::setSpriteFilter(true);
        media::drawSprite(grabbed.sprite, 1.0f, 1.0f, 255);
    }
    if (s.bloom != 0 && haveSprite) {
        media::setSpriteBlend(media::kBlendOne, media::kBlendSrcAlpha);
        media::drawSprite(grabbed.sprite, 1.0f, 1.0f, 255);
    }
    media::setSpriteFilter(false);
}

}  // namespace engine
