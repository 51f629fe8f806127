// Picture files: PNG (libpng), JPEG (libjpeg) and TIFF (libtiff) decoded into ARGB
// images, and PNG writing for screenshots.
//
// Decoding never crashes and never prints: a corrupt, truncated or oversized file gives
// nullopt. Pictures wider or higher than kMaxPictureSide, or with more than
// kMaxPicturePixels pixels, are refused before any pixel memory is taken.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/media/image.h"

namespace media {

constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} * 1024 * 1024;

// True when a picture of this size may be decoded.
constexpr bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

enum class PictureFormat : std::uint8_t { Unknown, Png, Jpeg, Tiff };

// The format named by a path's extension (.png, .jpg, .jpeg, .tif, .tiff, any letter case).
PictureFormat formatFromExtension(std::string_view path);
// The format told by a file's first bytes.
PictureFormat formatFromContent(std::string_view bytes);

// Loads a picture file (a configured path, see files.h). The decoder follows the file's
// extension; a file whose extension is unknown, or whose content is plainly another
// format than its extension says, is decoded by its content. The colour key, when
// enabled, makes every pixel of exactly that RGB colour fully transparent.
std::optional<Image> decodePicture(std::string_view configuredPath, const ColourKey& key = {});

std::optional<Image> decodePng(std::string_view bytes);
std::optional<Image> decodeJpeg(std::string_view bytes);
std::optional<Image> decodeTiff(std::string_view bytes);

// Sets alpha 0 on every pixel whose RGB equals the key (the RGB is kept).
void applyColourKey(Image& image, const ColourKey& key);

// An 8-bit RGB (withAlpha false) or RGBA PNG of the image. The bytes depend only on the
// pixels: no time or text chunks. nullopt for an empty or inconsistent image.
std::optional<std::string> encodePng(const Image& image, bool withAlpha);

// encodePng written through replaceFileContents; false when anything failed.
bool writePng(std::string_view configuredPath, const Image& image, bool withAlpha);

}  // namespace media
