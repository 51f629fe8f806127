// A small open screen with a bitmap font in a temporary directory: glyph pictures are solid
// blocks of one colour or letters cut from the system font, so tests can find what a text
// drew by its colour.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/bitmap_font.h"
#include "engine/font_characters.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "engine/media/system_font.h"
#include "engine_fixture.h"
#include "test_platform.h"

class ScreensTest : public EngineTest {
  protected:
    void openScreen(int width, int height) {
        startTestPlatform(width, height);
        EngineSettings& s = engineSettings;
        s.mainWindow = static_cast<std::int32_t>(media::openWindow(
            0, 0, width + 1, height + 1, "screens", media::WindowStyle::Captioned));
        s.screenOpen =
            media::openScreen(static_cast<media::WindowHandle>(s.mainWindow), 0, 0, width, height);
        s.SCRW = s.SRC_SCRW = s.displayWidth = static_cast<float>(width);
        s.SCRH = s.SRC_SCRH = s.displayHeight = static_cast<float>(height);
        s.fontPath = dir.file("FONT");
        s.fontFundamentPath = dir.file("FONT/list.txt");
        s.gfxExtension = ".png";
        engine::clearFont();
    }
    void TearDown() override {
        engine::clearFont();
        media::shutdownServices();
        EngineTest::TearDown();
    }

    // The picture of a character's glyph: a solid block, or (letter) the system font's
    // letter in that colour on transparent ground, each font pixel `scale` pixels wide.
    void writeGlyph(unsigned char character, int width, int height, media::Argb colour,
                    bool letter = false, int scale = 1) const {
        media::Image image{width, height, std::vector<media::Argb>(width * height, colour)};
        if (letter) {
            const media::SystemGlyph& bits = media::systemFontGlyph(character);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const int fx = x / scale;
                    const int fy = y / scale;
                    const bool on = fy < media::kSystemGlyphHeight &&
                                    fx < media::kSystemGlyphWidth && ((bits[fy] << fx) & 0x80) != 0;
                    image.at(x, y) = on ? colour : 0;
                }
            }
        }
        const std::string name = engine::glyphSourceOf(character).pictureName;
        testing_support::writeFile(dir.file("FONT/" + name + ".png"),
                                   media::encodePng(image, true).value());
    }
    void writeList(std::string_view characters) const {
        testing_support::writeFile(dir.file("FONT/list.txt"), std::string(characters) + "\r\n");
    }
    // A full font of system-font letters in one colour, icons in colours of their own.
    void writeLetterFont(int scale = 1) const {
        std::string list;
        for (int c = '!'; c <= '~'; ++c) {
            list += static_cast<char>(c);
            writeGlyph(static_cast<unsigned char>(c), 8 * scale, 16 * scale,
                       media::rgb(240, 230, 200), true, scale);
        }
        writeGlyph('"', 6 * scale, 12 * scale, media::rgb(250, 200, 0));    // fuel
        writeGlyph('@', 6 * scale, 12 * scale, media::rgb(230, 30, 40));    // life
        writeGlyph('&', 6 * scale, 12 * scale, media::rgb(70, 70, 90));     // bar background
        writeGlyph(0xD6, 8 * scale, 12 * scale, media::rgb(60, 140, 255));  // ID card
        writeList(list + "\xD6");
    }

    static media::Argb pixel(int x, int y) {
        const media::Framebuffer& frame = media::compositor().frame();
        return frame.pixels[static_cast<std::size_t>(y) * frame.width + x] | 0xFF000000u;
    }
    static int countPixels(media::Argb colour) {
        int count = 0;
        for (media::Argb p : media::compositor().frame().pixels)
            count += (p | 0xFF000000u) == colour;
        return count;
    }
    static int countOtherThan(media::Argb colour) {
        return static_cast<int>(media::compositor().frame().pixels.size()) - countPixels(colour);
    }
};
