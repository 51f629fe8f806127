#include "engine/media/pictures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/media/files.h"
#include "picture_writers.h"
#include "support/test_support.h"

namespace {

using media::Argb;
using media::Image;
using media::makeArgb;
using picture_writers::PngDescription;
using testing_support::TempDir;

// Width and height that are not multiples of 8, so every Adam7 pass has odd leftovers.
constexpr int kWidth = 13;
constexpr int kHeight = 7;

std::uint16_t sampleAt(int x, int y, int channel, int depth) {
    const std::uint32_t limit = 1u << depth;
    if (depth == 16)
        return static_cast<std::uint16_t>((x * 7919u + y * 104729u + channel * 31337u) % limit);
    return static_cast<std::uint16_t>((x * 3u + y * 5u + channel * 7u + 1u) % limit);
}

// How a sample of the depth reads as 8 bits: replicated up, or rounded down from 16.
std::uint32_t to8(std::uint32_t v, int depth) {
    switch (depth) {
        case 1:
            return v * 255;
        case 2:
            return v * 85;
        case 4:
            return v * 17;
        case 16:
            return static_cast<std::uint32_t>(std::lround(v / 257.0));
        default:
            return v;
    }
}

PngDescription describe(int colourType, int depth, bool interlaced) {
    PngDescription d;
    d.width = kWidth;
    d.height = kHeight;
    d.colourType = colourType;
    d.bitDepth = depth;
    d.interlaced = interlaced;
    const int channels = picture_writers::channelsOf(colourType);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            for (int c = 0; c < channels; ++c)
                d.samples.push_back(sampleAt(x, y, c, depth));
    return d;
}

void expectPixels(const std::optional<Image>& image, const std::function<Argb(int, int)>& expected,
                  const std::string& what) {
    ASSERT_TRUE(image.has_value()) << what;
    ASSERT_EQ(image->width, kWidth) << what;
    ASSERT_EQ(image->height, kHeight) << what;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(image->at(x, y), expected(x, y)) << what << " at " << x << "," << y;
}

std::string caseName(const char* type, int depth, bool interlaced) {
    return std::string(type) + " " + std::to_string(depth) + (interlaced ? " interlaced" : "");
}

TEST(PngDecoding, GrayAndGrayAlphaAtEveryDepth) {
    for (const bool interlaced : {false, true}) {
        for (const int depth : {1, 2, 4, 8, 16}) {
            const auto gray = [&](int x, int y) {
                const std::uint32_t v = to8(sampleAt(x, y, 0, depth), depth);
                return makeArgb(255, v, v, v);
            };
            expectPixels(media::decodePng(picture_writers::makePng(
                             describe(PNG_COLOR_TYPE_GRAY, depth, interlaced))),
                         gray, caseName("gray", depth, interlaced));
        }
        for (const int depth : {8, 16}) {
            const auto grayAlpha = [&](int x, int y) {
                const std::uint32_t v = to8(sampleAt(x, y, 0, depth), depth);
                return makeArgb(to8(sampleAt(x, y, 1, depth), depth), v, v, v);
            };
            expectPixels(media::decodePng(picture_writers::makePng(
                             describe(PNG_COLOR_TYPE_GRAY_ALPHA, depth, interlaced))),
                         grayAlpha, caseName("gray+alpha", depth, interlaced));
        }
    }
}

TEST(PngDecoding, RgbAndRgbaAt8And16Bits) {
    for (const bool interlaced : {false, true}) {
        for (const int depth : {8, 16}) {
            const auto channel = [&](int x, int y, int c) {
                return to8(sampleAt(x, y, c, depth), depth);
            };
            expectPixels(
                media::decodePng(
                    picture_writers::makePng(describe(PNG_COLOR_TYPE_RGB, depth, interlaced))),
                [&](int x, int y) {
                    return makeArgb(255, channel(x, y, 0), channel(x, y, 1), channel(x, y, 2));
                },
                caseName("rgb", depth, interlaced));
            expectPixels(
                media::decodePng(picture_writers::makePng(
                    describe(PNG_COLOR_TYPE_RGB_ALPHA, depth, interlaced))),
                [&](int x, int y) {
                    return makeArgb(channel(x, y, 3), channel(x, y, 0), channel(x, y, 1),
                                    channel(x, y, 2));
                },
                caseName("rgba", depth, interlaced));
        }
    }
}

TEST(PngDecoding, PaletteWithAndWithoutTransparency) {
    for (const bool interlaced : {false, true}) {
        for (const int depth : {1, 2, 4, 8}) {
            for (const bool withAlpha : {false, true}) {
                PngDescription d = describe(PNG_COLOR_TYPE_PALETTE, depth, interlaced);
                const int entries = 1 << depth;
                for (int i = 0; i < entries; ++i) {
                    d.palette.push_back({static_cast<std::uint8_t>(i * 37 % 256),
                                         static_cast<std::uint8_t>(255 - i),
                                         static_cast<std::uint8_t>(i * 11 % 256)});
                }
                // A tRNS chunk may be shorter than the palette: later entries stay opaque.
                if (withAlpha) {
                    for (int i = 0; i < entries / 2 + 1; ++i) {
                        d.paletteAlpha.push_back(static_cast<std::uint8_t>(i * 53 % 256));
                    }
                }
                const auto expected = [&](int x, int y) {
                    const int index = sampleAt(x, y, 0, depth);
                    const auto& e = d.palette[index];
                    const std::uint32_t alpha = index < static_cast<int>(d.paletteAlpha.size())
                                                    ? d.paletteAlpha[index]
                                                    : 255;
                    return makeArgb(alpha, e.red, e.green, e.blue);
                };
                expectPixels(media::decodePng(picture_writers::makePng(d)), expected,
                             caseName(withAlpha ? "palette+tRNS" : "palette", depth, interlaced));
            }
        }
    }
}

TEST(PngDecoding, TransparentColourOfGrayAndRgb) {
    for (const int depth : {2, 8, 16}) {
        PngDescription d = describe(PNG_COLOR_TYPE_GRAY, depth, false);
        const std::uint16_t key = sampleAt(4, 2, 0, depth);
        d.transparentColour = std::vector<std::uint16_t>{key};
        expectPixels(
            media::decodePng(picture_writers::makePng(d)),
            [&](int x, int y) {
                const std::uint16_t s = sampleAt(x, y, 0, depth);
                const std::uint32_t v = to8(s, depth);
                return makeArgb(s == key ? 0 : 255, v, v, v);
            },
            caseName("gray tRNS", depth, false));
    }
    for (const int depth : {8, 16}) {
        PngDescription d = describe(PNG_COLOR_TYPE_RGB, depth, true);
        const std::vector<std::uint16_t> key = {sampleAt(5, 3, 0, depth), sampleAt(5, 3, 1, depth),
                                                sampleAt(5, 3, 2, depth)};
        d.transparentColour = key;
        expectPixels(
            media::decodePng(picture_writers::makePng(d)),
            [&](int x, int y) {
                const bool keyed = sampleAt(x, y, 0, depth) == key[0] &&
                                   sampleAt(x, y, 1, depth) == key[1] &&
                                   sampleAt(x, y, 2, depth) == key[2];
                return makeArgb(keyed ? 0 : 255, to8(sampleAt(x, y, 0, depth), depth),
                                to8(sampleAt(x, y, 1, depth), depth),
                                to8(sampleAt(x, y, 2, depth), depth));
            },
            caseName("rgb tRNS", depth, true));
    }
}

std::vector<std::uint8_t> blocksOfColour(int width, int height, int components) {
    // Flat 16x16 blocks survive JPEG compression at full quality almost unchanged.
    std::vector<std::uint8_t> samples;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c) {
                const int block = (x / 16) + 2 * (y / 16);
                samples.push_back(static_cast<std::uint8_t>((block * 60 + c * 90 + 20) % 256));
            }
    return samples;
}

void expectNear(Argb actual, std::uint32_t r, std::uint32_t g, std::uint32_t b, int tolerance) {
    EXPECT_EQ(media::alphaOf(actual), 255u);
    EXPECT_NEAR(static_cast<int>(media::redOf(actual)), static_cast<int>(r), tolerance);
    EXPECT_NEAR(static_cast<int>(media::greenOf(actual)), static_cast<int>(g), tolerance);
    EXPECT_NEAR(static_cast<int>(media::blueOf(actual)), static_cast<int>(b), tolerance);
}

TEST(JpegDecoding, ColourGrayAndProgressive) {
    constexpr int kSide = 32;
    for (const bool progressive : {false, true}) {
        const std::vector<std::uint8_t> rgb = blocksOfColour(kSide, kSide, 3);
        const auto colour =
            media::decodeJpeg(picture_writers::makeJpeg(kSide, kSide, 3, rgb, 100, progressive));
        ASSERT_TRUE(colour.has_value());
        ASSERT_EQ(colour->width, kSide);
        ASSERT_EQ(colour->height, kSide);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * kSide + x) * 3;
                expectNear(colour->at(x, y), rgb[i], rgb[i + 1], rgb[i + 2], 4);
            }
    }
    const std::vector<std::uint8_t> gray = blocksOfColour(kSide, 8, 1);
    const auto image = media::decodeJpeg(picture_writers::makeJpeg(kSide, 8, 1, gray));
    ASSERT_TRUE(image.has_value());
    for (int x = 0; x < kSide; ++x) {
        const std::uint8_t v = gray[kSide * 3 + x];
        expectNear(image->at(x, 3), v, v, v, 2);
    }
}

TEST(TiffDecoding, RgbGrayAlphaAndCompressed) {
    TempDir dir;
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            for (int c = 0; c < 3; ++c)
                rgb.push_back(static_cast<std::uint8_t>(sampleAt(x, y, c, 8)));
    for (const bool compressed : {false, true}) {
        expectPixels(
            media::decodeTiff(picture_writers::makeTiff(dir.file("rgb.tif"), kWidth, kHeight, 3,
                                                        rgb, compressed)),
            [&](int x, int y) {
                return makeArgb(255, sampleAt(x, y, 0, 8), sampleAt(x, y, 1, 8),
                                sampleAt(x, y, 2, 8));
            },
            compressed ? "tiff rgb lzw" : "tiff rgb");
    }
    std::vector<std::uint8_t> gray;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            gray.push_back(static_cast<std::uint8_t>(sampleAt(x, y, 0, 8)));
    expectPixels(
        media::decodeTiff(
            picture_writers::makeTiff(dir.file("gray.tif"), kWidth, kHeight, 1, gray)),
        [&](int x, int y) {
            const std::uint32_t v = sampleAt(x, y, 0, 8);
            return makeArgb(255, v, v, v);
        },
        "tiff gray");

    // Opaque and clear pixels exactly; a half transparent one close to its straight colour.
    const std::vector<std::uint8_t> rgba = {200, 100, 50, 255, 10, 20, 30, 0, 200, 100, 50, 128};
    const auto image =
        media::decodeTiff(picture_writers::makeTiff(dir.file("rgba.tif"), 3, 1, 4, rgba));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->at(0, 0), makeArgb(255, 200, 100, 50));
    EXPECT_EQ(media::alphaOf(image->at(1, 0)), 0u);
    EXPECT_EQ(media::alphaOf(image->at(2, 0)), 128u);
    EXPECT_NEAR(static_cast<int>(media::redOf(image->at(2, 0))), 200, 2);
    EXPECT_NEAR(static_cast<int>(media::greenOf(image->at(2, 0))), 100, 2);
    EXPECT_NEAR(static_cast<int>(media::blueOf(image->at(2, 0))), 50, 2);
}

PngDescription smallRgba() {
    return describe(PNG_COLOR_TYPE_RGB_ALPHA, 8, false);
}

TEST(PictureFiles, FormatFollowsExtensionAndFallsBackToContent) {
    TempDir dir;
    const std::string png = picture_writers::makePng(smallRgba());
    const std::string jpeg = picture_writers::makeJpeg(16, 16, 3, blocksOfColour(16, 16, 3));
    const std::string tiff =
        picture_writers::makeTiff(dir.file("t.tif"), 16, 16, 3, blocksOfColour(16, 16, 3));
    testing_support::writeFile(dir.file("gfx/Wall.PNG"), png);
    testing_support::writeFile(dir.file("gfx/photo.JPEG"), jpeg);
    testing_support::writeFile(dir.file("gfx/scan.Tiff"), tiff);
    testing_support::writeFile(dir.file("gfx/odd.bmp"), png);
    testing_support::writeFile(dir.file("gfx/misnamed.png"), jpeg);
    testing_support::writeFile(dir.file("gfx/text.png"), "not a picture");

    // Configured paths in backslash form with another letter case load unchanged.
    const std::string gfx = dir.path() + "\\GFX\\";
    const auto wall = media::decodePicture(gfx + "WALL.png");
    ASSERT_TRUE(wall.has_value());
    EXPECT_EQ(wall->width, kWidth);
    EXPECT_EQ(media::decodePicture(gfx + "photo.jpeg")->width, 16);
    EXPECT_EQ(media::decodePicture(gfx + "scan.tiff")->height, 16);
    EXPECT_EQ(media::decodePicture(gfx + "odd.bmp")->width, kWidth);
    EXPECT_EQ(media::decodePicture(gfx + "misnamed.png")->width, 16);
    EXPECT_FALSE(media::decodePicture(gfx + "text.png").has_value());
    EXPECT_FALSE(media::decodePicture(gfx + "missing.png").has_value());
    EXPECT_FALSE(media::decodePicture(gfx).has_value());
}

TEST(PictureFiles, ColourKeyClearsAlphaOfExactMatchesOnly) {
    TempDir dir;
    PngDescription d = describe(PNG_COLOR_TYPE_RGB_ALPHA, 8, false);
    const auto set = [&](int x, int y, std::uint16_t r, std::uint16_t g, std::uint16_t b,
                         std::uint16_t a) {
        const std::size_t i = (static_cast<std::size_t>(y) * kWidth + x) * 4;
        d.samples[i] = r;
        d.samples[i + 1] = g;
        d.samples[i + 2] = b;
        d.samples[i + 3] = a;
    };
    set(0, 0, 0, 255, 0, 255);  // the key
    set(1, 0, 0, 255, 0, 90);   // the key, already half transparent
    set(2, 0, 1, 255, 0, 255);  // almost the key
    set(3, 0, 0, 254, 0, 255);
    testing_support::writeFile(dir.file("keyed.png"), picture_writers::makePng(d));

    const media::ColourKey green{true, 0, 255, 0};
    const auto keyed = media::decodePicture(dir.file("keyed.png"), green);
    ASSERT_TRUE(keyed.has_value());
    EXPECT_EQ(keyed->at(0, 0), makeArgb(0, 0, 255, 0));
    EXPECT_EQ(keyed->at(1, 0), makeArgb(0, 0, 255, 0));
    EXPECT_EQ(keyed->at(2, 0), makeArgb(255, 1, 255, 0));
    EXPECT_EQ(keyed->at(3, 0), makeArgb(255, 0, 254, 0));

    const auto plain = media::decodePicture(dir.file("keyed.png"));
    const auto withoutKey = media::decodePng(picture_writers::makePng(d));
    EXPECT_EQ(plain->pixels, withoutKey->pixels);
    EXPECT_EQ(plain->at(0, 0), makeArgb(255, 0, 255, 0));
    // Apart from the keyed pixels, nothing changed.
    for (int y = 1; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Argb p = plain->at(x, y);
            const bool isKey = (p & 0xFFFFFFu) == 0x00FF00u;
            EXPECT_EQ(keyed->at(x, y), isKey ? (p & 0xFFFFFFu) : p);
        }
}

TEST(PictureFiles, OversizedPicturesAreRefusedBeforeDecoding) {
    TempDir dir;
    EXPECT_FALSE(media::decodePng(picture_writers::makePngHeaderOnly(16385, 1)).has_value());
    EXPECT_FALSE(media::decodePng(picture_writers::makePngHeaderOnly(1, 16385)).has_value());
    EXPECT_FALSE(media::decodePng(picture_writers::makePngHeaderOnly(16384, 4097)).has_value());
    EXPECT_FALSE(
        media::decodePng(picture_writers::makePngHeaderOnly(0x7fffffff, 0x7fffffff)).has_value());
    EXPECT_FALSE(media::decodeJpeg(
                     picture_writers::makeJpeg(16392, 1, 1, std::vector<std::uint8_t>(16392, 7)))
                     .has_value());
    EXPECT_FALSE(media::decodeTiff(picture_writers::makeTiff(dir.file("wide.tif"), 16385, 1, 1,
                                                             std::vector<std::uint8_t>(16385, 7)))
                     .has_value());
    // The largest allowed side still decodes.
    EXPECT_TRUE(media::decodeJpeg(
                    picture_writers::makeJpeg(16384, 1, 1, std::vector<std::uint8_t>(16384, 7)))
                    .has_value());
}

// Every cut of a file short of its full length, and bytes flipped throughout, must be
// refused or decoded without a crash, a hang or a word on stderr.
void shakeDecoder(const std::string& name, const std::string& file,
                  const std::function<std::optional<Image>(std::string_view)>& decode,
                  std::size_t completeFrom) {
    testing::internal::CaptureStderr();
    for (std::size_t length = 0; length < file.size(); ++length) {
        const auto image = decode(std::string_view(file).substr(0, length));
        if (length < completeFrom) {
            EXPECT_FALSE(image.has_value()) << name << " cut at " << length;
        }
    }
    for (std::size_t i = 0; i < file.size(); ++i) {
        std::string damaged = file;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
        const auto image = decode(damaged);
        if (image) {
            EXPECT_TRUE(media::pictureSizeAllowed(image->width, image->height));
            EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name;
}

TEST(PictureFiles, TruncatedAndDamagedFilesAreRefusedQuietly) {
    TempDir dir;
    const std::string png = picture_writers::makePng(describe(PNG_COLOR_TYPE_RGB_ALPHA, 8, true));
    // All image data ends 12 bytes (the IEND chunk) before the end of the file.
    shakeDecoder("png", png, media::decodePng, png.size() - 12);
    const std::string jpeg = picture_writers::makeJpeg(16, 16, 3, blocksOfColour(16, 16, 3));
    shakeDecoder("jpeg", jpeg, media::decodeJpeg, jpeg.size() - 2);
    const std::string progressive =
        picture_writers::makeJpeg(16, 16, 3, blocksOfColour(16, 16, 3), 90, true);
    shakeDecoder("progressive jpeg", progressive, media::decodeJpeg, 0);
    std::vector<std::uint8_t> rgb(kWidth * kHeight * 3, 77);
    const std::string tiff = picture_writers::makeTiff(dir.file("s.tif"), kWidth, kHeight, 3, rgb);
    shakeDecoder("tiff", tiff, media::decodeTiff, tiff.size());
}

TEST(PngWriting, RoundTripsDeterministicallyThroughTheFileLayer) {
    TempDir dir;
    Image image;
    image.width = 5;
    image.height = 3;
    for (int i = 0; i < 15; ++i) {
        image.pixels.push_back(makeArgb(i * 17, 255 - i, i * 3, 100 + i));
    }
    const std::string path = dir.path() + "\\shots\\shot.png";
    ASSERT_TRUE(media::createDirectory(dir.path() + "\\shots"));
    ASSERT_TRUE(media::writePng(path, image, true));
    const auto back = media::decodePicture(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pixels, image.pixels);

    // Without alpha every pixel reads back opaque with its colour.
    ASSERT_TRUE(media::writePng(path, image, false));
    const auto opaque = media::decodePicture(path);
    ASSERT_TRUE(opaque.has_value());
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        EXPECT_EQ(opaque->pixels[i], image.pixels[i] | 0xFF000000u);
    }
    const std::string written = testing_support::readFile(dir.file("shots/shot.png"));
    EXPECT_EQ(written, *media::encodePng(image, false));
    EXPECT_EQ(written.find("tIME"), std::string::npos);
    EXPECT_EQ(media::listDirectory(dir.path() + "/shots").size(), 1u);  // no temporary left over

    EXPECT_FALSE(media::writePng(path, Image{}, true));
    Image inconsistent;
    inconsistent.width = 4;
    inconsistent.height = 4;
    inconsistent.pixels.resize(3);
    EXPECT_FALSE(media::writePng(path, inconsistent, true));
    EXPECT_FALSE(media::writePng(dir.path() + "\\missing\\shot.png", image, true));
}

}  // namespace
