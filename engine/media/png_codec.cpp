// PNG decoding and encoding through libpng, in memory.
//
// libpng reports errors by longjmp. Every function that calls libpng after setjmp owns no
// object with a destructor: buffers belong to the caller, so a jump skips nothing.
#include <png.h>

#include <cstring>
#include <vector>

#include "engine/media/pictures.h"

namespace media {

namespace {

struct MemoryInput {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (length > input->size - input->position) png_error(png, "truncated file");
    std::memcpy(out, input->data + input->position, length);
    input->position += length;
}

[[noreturn]] void onPngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void onPngWarning(png_structp, png_const_charp) {}

// Makes libpng deliver every colour type and depth as 8-bit RGBA.
void requestRgba8(png_structp png, png_infop info) {
    const int colourType = png_get_color_type(png, info);
    png_set_expand(png);    // palette to RGB, gray below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);  // 16 bits to 8, rounded
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && png_get_valid(png, info, PNG_INFO_tRNS) == 0) {
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

bool readRgba(png_structp png, png_infop info, std::vector<unsigned char>& rgba,
              std::vector<png_bytep>& rows, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    if (!pictureSizeAllowed(width, height)) return false;
    requestRgba8(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(width) * 4) return false;
    rgba.resize(static_cast<std::size_t>(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = rgba.data() + static_cast<std::size_t>(y) * width * 4;
    }
    png_read_image(png, rows.data());
    return true;
}

struct MemoryOutput {
    std::string bytes;
    bool failed = false;
};

void writeToMemory(png_structp png, png_bytep data, png_size_t length) {
    auto* output = static_cast<MemoryOutput*>(png_get_io_ptr(png));
    try {
        output->bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
        output->failed = true;
    }
    if (output->failed) png_error(png, "out of memory");
}

void flushNothing(png_structp) {}

bool writeRows(png_structp png, png_infop info, png_uint_32 width, png_uint_32 height,
               bool withAlpha, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, width, height, 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::optional<Image> decodePng(std::string_view bytes) {
    if (bytes.size() < 8 ||
        png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0) {
        return std::nullopt;
    }
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (png == nullptr) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return std::nullopt;
    }
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    MemoryInput input{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
    png_set_read_fn(png, &input, readFromMemory);

    std::vector<unsigned char> rgba;
    std::vector<png_bytep> rows;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    const bool ok = readRgba(png, info, rgba, rows, width, height);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) return std::nullopt;

    Image image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    const unsigned char* p = rgba.data();
    for (Argb& pixel : image.pixels) {
        pixel = makeArgb(p[3], p[0], p[1], p[2]);
        p += 4;
    }
    return image;
}

std::optional<std::string> encodePng(const Image& image, bool withAlpha) {
    if (image.empty() ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return std::nullopt;
    }
    const std::size_t channels = withAlpha ? 4 : 3;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * channels;
    std::vector<unsigned char> bytes(rowBytes * image.height);
    std::vector<png_bytep> rows(image.height);
    unsigned char* out = bytes.data();
    for (const Argb pixel : image.pixels) {
        *out++ = static_cast<unsigned char>(redOf(pixel));
        *out++ = static_cast<unsigned char>(greenOf(pixel));
        *out++ = static_cast<unsigned char>(blueOf(pixel));
        if (withAlpha) *out++ = static_cast<unsigned char>(alphaOf(pixel));
    }
    for (int y = 0; y < image.height; ++y)
        rows[y] = bytes.data() + y * rowBytes;

    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (png == nullptr) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return std::nullopt;
    }
    MemoryOutput output;
    png_set_write_fn(png, &output, writeToMemory, flushNothing);
    const bool ok = writeRows(png, info, static_cast<png_uint_32>(image.width),
                              static_cast<png_uint_32>(image.height), withAlpha, rows.data());
    png_destroy_write_struct(&png, &info);
    if (!ok || output.failed) return std::nullopt;
    return std::move(output.bytes);
}

}  // namespace media
