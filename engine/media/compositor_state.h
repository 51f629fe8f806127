// Internal state of the compositor: the framebuffer, the picture and sprite tables and the
// 3D pass settings. Shared by the compositor's own source files only.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "engine/media/compositor.h"
#include "engine/media/compositor_raster.h"

namespace media {

// A table of objects addressed by 32-bit handles. Handles count up from 1 and are not
// reused until the counter wraps after 2^32 - 1 allocations (then 0 and handles still in
// use are skipped), so a stale handle finds nothing instead of a newer object.
template <class Entry>
class HandleTable {
  public:
    std::uint32_t add(Entry entry) {
        std::uint32_t handle = next_;
        while (handle == 0 || entries_.count(handle) != 0) {
            ++handle;
        }
        next_ = handle + 1;
        entries_.emplace(handle, std::move(entry));
        return handle;
    }
    Entry* find(std::uint32_t handle) {
        auto it = entries_.find(handle);
        return it == entries_.end() ? nullptr : &it->second;
    }
    const Entry* find(std::uint32_t handle) const {
        auto it = entries_.find(handle);
        return it == entries_.end() ? nullptr : &it->second;
    }
    void remove(std::uint32_t handle) { entries_.erase(handle); }
    std::size_t size() const { return entries_.size(); }

  private:
    std::unordered_map<std::uint32_t, Entry> entries_;
    std::uint32_t next_ = 1;
};

// A picture's pixels, shared by the picture handle and every sprite made from it.
struct PictureData {
    Image image;
    bool opaque = false;  // every pixel has alpha 255 (lets blending take shortcuts)
    // Where each row has pixels that are not fully transparent; empty for opaque pictures.
    // Under blend (5, 6) transparent pixels change nothing, so drawing skips them.
    std::vector<sample::RowExtent> rowExtents;
    // The pixels with a' for preparedAlpha in their alpha byte, made when a small picture is
    // drawn turned at a draw alpha below 255 (see drawSprite), kept for the next such draw.
    mutable std::vector<Argb> preparedPixels;
    mutable int preparedAlpha = -1;
    // The rows of the last scaled draw under (5, 6), for the next one of the same size.
    mutable raster::PreparedRows preparedRows;
};

// A 3D sprite: its own reference to the picture's pixels and how it is drawn.
struct SpriteEntry {
    std::shared_ptr<const PictureData> picture;
    float width = 0.0f;  // drawn size
    float height = 0.0f;
    float angle = 0.0f;  // degrees, clockwise on the screen
    bool hasCorners = false;
    std::array<Point, 4> corners{};  // upper left, upper right, lower right, lower left
};

struct Compositor::State {
    // The screen, through frame(): a clear is kept pending until the pixels are next used, and
    // dropped when the next draw covers the whole screen opaquely (a stretched background
    // after a clear, every frame of the game), which saves writing the screen twice.
    Framebuffer& frame() {
        if (pendingClear) {
            std::fill(screen.pixels.begin(), screen.pixels.end(), *pendingClear);
            pendingClear.reset();
        }
        return screen;
    }
    Framebuffer screen;
    std::optional<Argb> pendingClear;
    HandleTable<std::shared_ptr<const PictureData>> pictures;
    HandleTable<SpriteEntry> sprites;
    bool inPass = false;
    int blendSource = kBlendSrcAlpha;
    int blendDestination = kBlendInvSrcAlpha;
    Filter filter = Filter::Nearest;
    raster::Scratch scratch;
    // The pixel memory of the largest picture freed lately, reused by the next grab: the
    // smoothing pass frees and grabs a whole screen every frame.
    std::vector<Argb> sparePixels;
};

// Keeps the pixel memory of a picture when this reference is its last one.
void recyclePixels(Compositor::State& state, const std::shared_ptr<const PictureData>& picture);

// The sampler's view of a picture.
inline sample::Texture textureOf(const PictureData& picture) {
    return {picture.image.pixels.data(),
            picture.image.width,
            picture.image.height,
            picture.opaque,
            picture.rowExtents.empty() ? nullptr : picture.rowExtents.data(),
            false,
            &picture.preparedRows};
}

// Stores a picture; 0 when it is empty, larger than the compositor accepts or its pixel
// count does not match its size.
PictureHandle storePicture(Compositor::State& state, Image image, bool knownOpaque);

}  // namespace media
