// Choosing the decoder of a picture file, the colour key, and writing PNG files.
#include "engine/media/pictures.h"

#include <cstring>

#include "engine/base/ascii_case.h"
#include "engine/media/files.h"

namespace media {

namespace {

std::optional<Image> decodeAs(PictureFormat format, std::string_view bytes) {
    switch (format) {
        case PictureFormat::Png:
            return decodePng(bytes);
        case PictureFormat::Jpeg:
            return decodeJpeg(bytes);
        case PictureFormat::Tiff:
            return decodeTiff(bytes);
        case PictureFormat::Unknown:
            break;
    }
    return std::nullopt;
}

}  // namespace

PictureFormat formatFromExtension(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
        return PictureFormat::Unknown;
    }
    const std::string_view extension = path.substr(dot + 1);
    if (base::equalsIgnoringCase(extension, "png")) return PictureFormat::Png;
    if (base::equalsIgnoringCase(extension, "jpg") || base::equalsIgnoringCase(extension, "jpeg")) {
        return PictureFormat::Jpeg;
    }
    if (base::equalsIgnoringCase(extension, "tif") || base::equalsIgnoringCase(extension, "tiff")) {
        return PictureFormat::Tiff;
    }
    return PictureFormat::Unknown;
}

PictureFormat formatFromContent(std::string_view bytes) {
    const auto startsWith = [&](std::string_view magic) {
        return bytes.size() >= magic.size() && bytes.substr(0, magic.size()) == magic;
    };
    using namespace std::string_view_literals;
    if (startsWith("\x89PNG\r\n\x1a\n"sv)) return PictureFormat::Png;
    if (startsWith("\xFF\xD8\xFF"sv)) return PictureFormat::Jpeg;
    if (startsWith("II*\0"sv) || startsWith("MM\0*"sv) || startsWith("II+\0"sv) ||
        startsWith("MM\0+"sv)) {
        return PictureFormat::Tiff;
    }
    return PictureFormat::Unknown;
}

std::optional<Image> decodePicture(std::string_view configuredPath, const ColourKey& key) {
    const std::optional<std::string> bytes = readWholeFile(configuredPath);
    if (!bytes) return std::nullopt;
    // The extension decides; the content only steps in when the extension names no format
    // or the file is recognisably another one (its own decoder would refuse it anyway).
    PictureFormat format = formatFromExtension(configuredPath);
    const PictureFormat content = formatFromContent(*bytes);
    if (format == PictureFormat::Unknown ||
        (content != PictureFormat::Unknown && content != format)) {
        format = content;
    }
    std::optional<Image> image = decodeAs(format, *bytes);
    if (image) applyColourKey(*image, key);
    return image;
}

void applyColourKey(Image& image, const ColourKey& key) {
    if (!key.enabled) return;
    const Argb keyRgb = makeArgb(0, key.red, key.green, key.blue);
    for (Argb& pixel : image.pixels) {
        if ((pixel & 0x00FFFFFFu) == keyRgb) pixel &= 0x00FFFFFFu;
    }
}

bool writePng(std::string_view configuredPath, const Image& image, bool withAlpha) {
    const std::optional<std::string> bytes = encodePng(image, withAlpha);
    return bytes && replaceFileContents(configuredPath, *bytes);
}

}  // namespace media
