// Test helpers that make picture files with libpng, libjpeg and libtiff directly, so the
// decoders are checked against files the libraries themselves wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace picture_writers {

struct PaletteEntry {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// One PNG as libpng's low-level writer makes it. samples holds width * height * channels
// values at the bit depth (0..2^depth - 1), row by row; channels follow the colour type.
struct PngDescription {
    int width = 0;
    int height = 0;
    int colourType = 0;  // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint16_t> samples;
    std::vector<PaletteEntry> palette;       // palette pictures
    std::vector<std::uint8_t> paletteAlpha;  // tRNS of a palette picture (may be shorter)
    std::optional<std::vector<std::uint16_t>> transparentColour;  // tRNS of gray / RGB
};

int channelsOf(int colourType);
std::string makePng(const PngDescription& description);
// Only the signature and the header chunk: enough to announce a picture of any size.
std::string makePngHeaderOnly(std::uint32_t width, std::uint32_t height);

// A baseline JPEG; samples are width * height * components bytes (1 = gray, 3 = RGB).
std::string makeJpeg(int width, int height, int components,
                     const std::vector<std::uint8_t>& samples, int quality = 100,
                     bool progressive = false);

// A TIFF file written to hostPath; samples are 8-bit, interleaved, width * height *
// samplesPerPixel. With 4 samples the fourth is unassociated alpha. Returns the bytes.
std::string makeTiff(const std::string& hostPath, int width, int height, int samplesPerPixel,
                     const std::vector<std::uint8_t>& samples, bool compressed = false);

}  // namespace picture_writers
