// TIFF decoding through libtiff, from memory, by its RGBA interface (every photometric
// interpretation, depth and layout libtiff knows).
#include <tiffio.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/media/pictures.h"

namespace media {

namespace {

// Largest single allocation libtiff may make for a file's own structures (strips, tiles,
// tag arrays); the pixel raster is ours and bounded by the picture size limits.
constexpr tmsize_t kMaxTiffAllocation = tmsize_t{256} * 1024 * 1024;

struct MemoryFile {
    const unsigned char* data = nullptr;
    toff_t size = 0;
    toff_t position = 0;
};

MemoryFile& fileOf(thandle_t handle) {
    return *static_cast<MemoryFile*>(handle);
}

tmsize_t readMemory(thandle_t handle, void* buffer, tmsize_t length) {
    MemoryFile& file = fileOf(handle);
    if (length <= 0 || file.position >= file.size) return 0;
    const toff_t available = file.size - file.position;
    const toff_t count =
        static_cast<toff_t>(length) < available ? static_cast<toff_t>(length) : available;
    std::memcpy(buffer, file.data + file.position, static_cast<std::size_t>(count));
    file.position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t writeNothing(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence) {
    MemoryFile& file = fileOf(handle);
    std::int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<std::int64_t>(file.position);
    if (whence == SEEK_END) base = static_cast<std::int64_t>(file.size);
    // Offsets arrive as unsigned values; a backward move is a wrapped negative number.
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, static_cast<std::int64_t>(offset), &target) || target < 0) {
        return static_cast<toff_t>(-1);
    }
    file.position = static_cast<toff_t>(target);
    return file.position;
}

int closeNothing(thandle_t) {
    return 0;
}
toff_t sizeOfMemory(thandle_t handle) {
    return fileOf(handle).size;
}
int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}
void unmapNothing(thandle_t, void*, toff_t) {}

int silence(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

}  // namespace

std::optional<Image> decodeTiff(std::string_view bytes) {
    MemoryFile file{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (options == nullptr) return std::nullopt;
    TIFFOpenOptionsSetErrorHandlerExtR(options, silence, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, silence, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxTiffAllocation);
    TIFF* tiff = TIFFClientOpenExt("picture", "rm", &file, readMemory, writeNothing, seekMemory,
                                   closeNothing, sizeOfMemory, mapNothing, unmapNothing, options);
    TIFFOpenOptionsFree(options);
    if (tiff == nullptr) return std::nullopt;

    std::optional<Image> result;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    char message[1024];
    if (TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) == 1 &&
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) == 1 &&
        pictureSizeAllowed(width, height) && TIFFRGBAImageOK(tiff, message) == 1) {
        std::vector<std::uint32_t> raster(static_cast<std::size_t>(width) * height);
        if (TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 1) ==
            1) {
            Image image;
            image.width = static_cast<int>(width);
            image.height = static_cast<int>(height);
            image.pixels.resize(raster.size());
            for (std::size_t i = 0; i < raster.size(); ++i) {
                const std::uint32_t p = raster[i];
                const std::uint32_t a = TIFFGetA(p);
                std::uint32_t r = TIFFGetR(p), g = TIFFGetG(p), b = TIFFGetB(p);
                // The RGBA interface hands out premultiplied colour; images here are straight.
                if (a != 0 && a != 255) {
                    r = r >= a ? 255 : (r * 255 + a / 2) / a;
                    g = g >= a ? 255 : (g * 255 + a / 2) / a;
                    b = b >= a ? 255 : (b * 255 + a / 2) / a;
                }
                image.pixels[i] = makeArgb(a, r, g, b);
            }
            result = std::move(image);
        }
    }
    TIFFClose(tiff);
    return result;
}

}  // namespace media
