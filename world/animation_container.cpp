#include "world/animation_container.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "world/media_handles.h"
#include "world/picture_cache.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

// The size of the object's still picture: from the picture cache when the tile's picture is
// there (the loader prefetched it just before), else decoded from picturePath.
std::optional<std::pair<int, int>> stillPictureSize(const WorldObject& object) {
    const std::int32_t entry = findCachedPicture(object.tileName);
    if (entry >= 0 && !object.picturePath.empty() &&
        object.picturePath == tilePicturePath(object.tileName)) {
        const PictureCacheEntry& cached =
            engineSettings.pictureCache[static_cast<std::size_t>(entry)];
        if (cached.loaded == 1 && media::pictureExists(cached.sprite)) {
            return std::pair(media::pictureWidth(cached.sprite),
                             media::pictureHeight(cached.sprite));
        }
    }
    if (object.picturePath.empty()) return std::nullopt;
    const std::optional<media::Image> picture = media::decodePicture(object.picturePath);
    if (!picture || picture->empty()) return std::nullopt;
    return std::pair(picture->width, picture->height);
}

void freeFrame(AnimationSet& set, std::size_t frame) {
    releasePicture(set.frameSprites[frame]);
    releaseSprite(set.frameSprites3D[frame]);
}

std::int32_t frameSlots(const WorldObject& object) {
    return cappedFrameCount(object.animFrameCount);
}

}  // namespace

std::int32_t cappedFrameCount(std::int32_t configured) {
    return std::clamp(configured, 0, kMaxAnimationFrames);
}

std::string animationContainerDirectory(std::string_view container) {
    std::string path = engineSettings.animSystemPath;
    path.append(container);
    return path;
}

std::string animationFramePath(std::string_view container, std::string_view direction,
                               std::int32_t frame) {
    std::string path = animationContainerDirectory(container);
    path.append("\\").append(direction).append("\\");
    path.append(std::to_string(frame)).append(engineSettings.gfxExtension);
    return path;
}

std::int32_t frameExtent(float pictureSize, float scaler, float zoom) {
    const float scaled = pictureSize * scaler;
    const float zoomed = scaled * zoom;
    return base::roundToInt(zoomed);
}

void measurePicture(std::int32_t i) {
    WorldObject& object = CHECKED_AT(worldObjects, i);
    if (object.hasAnimContainer != 1) return;
    const auto size = stillPictureSize(object);
    if (!size) return;
    object.pictureWidth = static_cast<float>(size->first);
    object.pictureHeight = static_cast<float>(size->second);
    object.zoomX = 1.0f;
    object.zoomY = 1.0f;
    object.zoomX = object.width / object.pictureWidth;
    object.zoomY = object.height / object.pictureHeight;
}

void loadDirectionSet(std::int32_t i, const AnimationDirection& direction) {
    WorldObject& object = CHECKED_AT(worldObjects, i);
    AnimationSet& set = directionSets(i).*direction.set;
    const EngineSettings& s = engineSettings;
    const std::int32_t slots = frameSlots(object);
    for (std::int32_t frame = 1; frame <= slots; ++frame) {
        const auto f = static_cast<std::size_t>(frame);
        freeFrame(set, f);
        set.frameSprites[f] = media::loadPicture(
            animationFramePath(object.animContainer, direction.name, frame), kSpriteColourKey);
        if (!media::pictureExists(set.frameSprites[f])) {
            set.frameSprites[f] = 0;
            set.currentFrame = 1;
            return;
        }
        set.frameSprites3D[f] = media::makeSprite(set.frameSprites[f]);
        set.frameCount = frame;
        set.frameWidths[f] = frameExtent(
            static_cast<float>(media::pictureWidth(set.frameSprites[f])), s.scalerX, object.zoomX);
        set.frameHeights[f] = frameExtent(
            static_cast<float>(media::pictureHeight(set.frameSprites[f])), s.scalerY, object.zoomY);
    }
    // Every slot loaded: the set still shows its first frame, not the unused entry 0, or a
    // walker standing still would be invisible until it first moves.
    if (set.currentFrame < 1) set.currentFrame = 1;
}

void loadDirectionSets(std::int32_t i) {
    for (const AnimationDirection& direction : kAnimationDirections) {
        loadDirectionSet(i, direction);
    }
}

void freeAnimationFrames(std::int32_t i) {
    DirectionSets* sets = existingDirectionSets(i);
    if (sets == nullptr) return;  // never had frames
    // Every slot, not only 1 to animFrameCount: a DNA applied again may have changed the
    // count since the frames were loaded, and a handle left behind would never be freed.
    for (const AnimationDirection& direction : kAnimationDirections) {
        AnimationSet& set = sets->*direction.set;
        // Most objects never had frames; one pass over the handles skips them.
        std::uint32_t anyHandle = 0;
        for (std::size_t frame = 0; frame < kAnimationFrameSlots; ++frame) {
            anyHandle |= set.frameSprites[frame] | set.frameSprites3D[frame];
        }
        if (anyHandle == 0) continue;
        for (std::size_t frame = 1; frame < kAnimationFrameSlots; ++frame) {
            freeFrame(set, frame);
        }
    }
}

}  // namespace world
