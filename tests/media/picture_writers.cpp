#include "picture_writers.h"

#include <png.h>
#include <tiffio.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <jpeglib.h>

namespace picture_writers {

namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}
void flushNothing(png_structp) {}

// Packs samples of depth bits into one PNG row (big-endian, most significant bits first).
std::vector<std::uint8_t> packRow(const std::vector<std::uint16_t>& samples, std::size_t first,
                                  std::size_t count, int depth) {
    std::vector<std::uint8_t> row;
    if (depth == 16) {
        for (std::size_t i = 0; i < count; ++i) {
            row.push_back(static_cast<std::uint8_t>(samples[first + i] >> 8));
            row.push_back(static_cast<std::uint8_t>(samples[first + i] & 0xFF));
        }
        return row;
    }
    row.assign((count * depth + 7) / 8, 0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t bit = i * depth;
        const int shift = 8 - depth - static_cast<int>(bit % 8);
        row[bit / 8] |= static_cast<std::uint8_t>(samples[first + i] << shift);
    }
    return row;
}

bool writePngInto(png_structp png, png_infop info, const PngDescription& d, png_bytepp rows,
                  png_colorp palette, png_bytep paletteAlpha, png_color_16p transparent) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, d.width, d.height, d.bitDepth, d.colourType,
                 d.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!d.palette.empty()) png_set_PLTE(png, info, palette, static_cast<int>(d.palette.size()));
    if (!d.paletteAlpha.empty()) {
        png_set_tRNS(png, info, paletteAlpha, static_cast<int>(d.paletteAlpha.size()), nullptr);
    }
    if (transparent != nullptr) png_set_tRNS(png, info, nullptr, 0, transparent);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

int channelsOf(int colourType) {
    switch (colourType) {
        case PNG_COLOR_TYPE_GRAY:
        case PNG_COLOR_TYPE_PALETTE:
            return 1;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        case PNG_COLOR_TYPE_RGB:
            return 3;
        default:
            return 4;
    }
}

std::string makePng(const PngDescription& d) {
    const std::size_t perRow = static_cast<std::size_t>(d.width) * channelsOf(d.colourType);
    std::vector<std::vector<std::uint8_t>> packed;
    std::vector<png_bytep> rows;
    for (int y = 0; y < d.height; ++y)
        packed.push_back(packRow(d.samples, y * perRow, perRow, d.bitDepth));
    for (auto& row : packed)
        rows.push_back(row.data());
    std::vector<png_color> palette;
    for (const PaletteEntry& e : d.palette)
        palette.push_back(png_color{e.red, e.green, e.blue});
    std::vector<png_byte> paletteAlpha(d.paletteAlpha.begin(), d.paletteAlpha.end());
    png_color_16 transparent{};
    if (d.transparentColour) {
        const auto& c = *d.transparentColour;
        if (c.size() == 1) {
            transparent.gray = c[0];
        } else {
            transparent.red = c[0];
            transparent.green = c[1];
            transparent.blue = c[2];
        }
    }

    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, appendToString, flushNothing);
    const bool ok = writePngInto(png, info, d, rows.data(), palette.data(), paletteAlpha.data(),
                                 d.transparentColour ? &transparent : nullptr);
    png_destroy_write_struct(&png, &info);
    if (!ok) bytes.clear();
    return bytes;
}

namespace {
bool writeHeaderInto(png_structp png, png_infop info, std::uint32_t width, std::uint32_t height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    return true;
}
}  // namespace

std::string makePngHeaderOnly(std::uint32_t width, std::uint32_t height) {
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, appendToString, flushNothing);
    const bool ok = writeHeaderInto(png, info, width, height);
    png_destroy_write_struct(&png, &info);
    if (!ok) bytes.clear();
    return bytes;
}

std::string makeJpeg(int width, int height, int components,
                     const std::vector<std::uint8_t>& samples, int quality, bool progressive) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full colour resolution: the tests compare pixels, and subsampled colour bleeds
    // across block edges when it is scaled back up.
    cinfo.comp_info[0].h_samp_factor = 1;
    cinfo.comp_info[0].v_samp_factor = 1;
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data() + rowBytes * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

std::string makeTiff(const std::string& hostPath, int width, int height, int samplesPerPixel,
                     const std::vector<std::uint8_t>& samples, bool compressed) {
    TIFF* tiff = TIFFOpen(hostPath.c_str(), "w");
    if (tiff == nullptr) return {};
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(height));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, static_cast<std::uint16_t>(samplesPerPixel));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, static_cast<std::uint16_t>(8));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC,
                 samplesPerPixel >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compressed ? COMPRESSION_LZW : COMPRESSION_NONE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<std::uint32_t>(2));
    if (samplesPerPixel == 4 || samplesPerPixel == 2) {
        const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, static_cast<std::uint16_t>(1), extra);
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * samplesPerPixel;
    for (int y = 0; y < height; ++y) {
        TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(samples.data() + rowBytes * y),
                          static_cast<std::uint32_t>(y), 0);
    }
    TIFFClose(tiff);
    std::ifstream in(hostPath, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace picture_writers
