#include "engine/bitmap_font.h"

#include <string>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/font_characters.h"
#include "engine/media/files.h"
#include "engine/media/services.h"

namespace engine {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::FONT_ENGINE;

constexpr float kLineSpacing = 1.2f;

void freeGlyph(Glyph& glyph) {
    if (media::spriteExists(glyph.sprite)) media::freeSprite(glyph.sprite);
    if (media::pictureExists(glyph.picture)) media::freePicture(glyph.picture);
    glyph.sprite = 0;
    glyph.picture = 0;
}

void loadGlyph(const GlyphSource& source) {
    const EngineSettings& s = engineSettings;
    Glyph& glyph = CHECKED_AT(glyphTable, source.code);
    if (media::pictureExists(glyph.picture)) media::freePicture(glyph.picture);
    glyph.name = source.pictureName;
    glyph.picture = media::loadPicture(s.fontPath + "\\" + source.pictureName + s.gfxExtension);
    if (!media::pictureExists(glyph.picture)) {
        glyph.picture = 0;
        return;
    }
    glyph.height = static_cast<float>(media::pictureHeight(glyph.picture)) * s.scalerX;
    glyph.width = static_cast<float>(media::pictureWidth(glyph.picture)) * s.scalerY;
    if (media::spriteExists(glyph.sprite)) media::freeSprite(glyph.sprite);
    glyph.sprite = media::makeSprite(glyph.picture);
    media::zoomSprite(glyph.sprite, static_cast<float>(base::roundToInt(glyph.width)),
                      static_cast<float>(base::roundToInt(glyph.height)));
}

}  // namespace

std::array<Glyph, kGlyphTableEntries> glyphTable;
TextCursor textCursor;

void clearFont() {
    for (Glyph& glyph : glyphTable) {
        freeGlyph(glyph);
        glyph = Glyph{};
    }
    textCursor = TextCursor{};
}

void loadFont() {
    for (std::size_t code = 0; code < 256; ++code)
        freeGlyph(glyphTable[code]);
    EngineSettings& s = engineSettings;
    s.scalerX = s.SCRW / s.SRC_SCRW;
    s.scalerY = s.SCRH / s.SRC_SCRH;
    media::TextFile list = media::TextFile::open(s.fontFundamentPath, media::OpenMode::ReadOnly);
    if (!list.isOpen()) return;
    const std::string line = list.readLine();
    list.close();
    for (const GlyphSource& source : glyphSourcesOfLine(line))
        loadGlyph(source);
}

void drawGlyph(unsigned char code, float x, float y, float zoom, float rotation, int alpha) {
    if (zoom < 0.0f) zoom = 1.0f;
    TextCursor& cursor = textCursor;
    switch (code) {
        case static_cast<unsigned char>(kNewLine):
            cursor.x = 0.0f;
            cursor.y += kLineSpacing * glyphTable['A'].height * zoom;
            return;
        case static_cast<unsigned char>(kCursorReset):
            cursor = TextCursor{};
            return;
        case ' ':
            cursor.x += glyphTable['I'].width;
            return;
        default:
            break;
    }
    const Glyph& glyph = CHECKED_AT(glyphTable, code);
    if (!media::spriteExists(glyph.sprite)) return;
    media::zoomSprite(glyph.sprite, static_cast<float>(base::roundToInt(glyph.width * zoom)),
                      static_cast<float>(base::roundToInt(glyph.height * zoom)));
    if (rotation != 0.0f) {
        media::rotateSprite(glyph.sprite, static_cast<float>(base::roundToInt(rotation)), true);
    }
    media::drawSprite(glyph.sprite, static_cast<float>(base::roundToInt(x + cursor.x)),
                      static_cast<float>(base::roundToInt(y + cursor.y)), alpha);
    cursor.x += glyph.width * zoom;
}

void drawFontText(std::string_view text, float x, float y, float zoom, float rotation, int alpha) {
    media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
    if (text.empty()) return;
    for (std::size_t p = 0; p <= text.size(); ++p) {
        drawGlyph(textCharacterAt(text, p), x, y, zoom, rotation, alpha);
    }
}

}  // namespace engine
