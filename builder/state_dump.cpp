#include "builder/state_dump.h"

#include <array>
#include <utility>

#include "engine/base/json_writer.h"
#include "engine/media/files.h"

namespace builder {

namespace {

void writeStateFields(base::JsonWriter& json, const BuilderState& s) {
    json.member("workingDirectory", s.workingDirectory)
        .member("baseDirectory", s.baseDirectory)
        .member("dnaFile", s.dnaFile)
        .member("startIni", s.startIni)
        .member("defaultIniScript", s.defaultIniScript)
        .member("applicationIni", s.applicationIni)
        .member("guiIni", s.guiIni)
        .member("codecFile", s.codecFile)
        .member("gfxPath", s.gfxPath)
        .member("logPath", s.logPath)
        .member("gfxCodec", s.gfxCodec)
        .member("soundPath", s.soundPath)
        .member("savePath", s.savePath)
        .member("loadPath", s.loadPath)
        .member("scriptPath", s.scriptPath)
        .member("mapPath", s.mapPath)
        .member("universePath", s.universePath)
        .member("developPath", s.developPath)
        .member("descriptorPath", s.descriptorPath)
        .member("promo", s.promo)
        .member("soundCodec", s.soundCodec)
        .member("musicCodec", s.musicCodec)
        .member("designWidth", s.designWidth)
        .member("designHeight", s.designHeight)
        .member("windowFlags", s.windowFlags)
        .member("colourDepth", s.colourDepth)
        .member("windowTop", s.windowTop)
        .member("windowLeft", s.windowLeft)
        .member("windowName", s.windowName)
        .member("maxGuiItems", s.maxGuiItems)
        .member("useBgBox", s.useBgBox)
        .member("guiTop", s.guiTop)
        .member("guiH", s.guiH)
        .member("guiObjectSize", s.guiObjectSize)
        .member("transparentRed", s.transparentRed)
        .member("transparentGreen", s.transparentGreen)
        .member("transparentBlue", s.transparentBlue)
        .member("spriteFiltering", s.spriteFiltering)
        .member("windowMode", s.windowMode)
        .member("screenWidth", s.screenWidth)
        .member("screenHeight", s.screenHeight)
        .member("desktopWidth", s.desktopWidth)
        .member("desktopHeight", s.desktopHeight)
        .member("maxElements", s.maxElements)
        .member("elementTableSize", static_cast<std::int64_t>(elementCapacity(s)))
        .member("matrixRaster", s.matrixRaster)
        .member("rasterMode", s.rasterMode)
        .member("rasterModeName", rasterModeName(s.rasterMode))
        .member("actualLayer", s.actualLayer)
        .member("maxUsedLayer", s.maxUsedLayer)
        .member("lastElement", s.lastElement)
        .member("highestElement", s.highestElement)
        .member("mapScrollX", s.mapScrollX)
        .member("mapScrollY", s.mapScrollY)
        .member("selectedTile", s.selectedTile)
        .member("buildCursorX", s.buildCursorX)
        .member("buildCursorY", s.buildCursorY)
        .member("undoCounter", s.undoCounter)
        .member("undoPosition", s.undoPosition)
        .member("highestUndo", s.highestUndo)
        .member("windowsHidden", s.windowsHidden)
        .member("helpShown", s.helpShown)
        .member("quit", s.quit)
        .member("mapId", s.mapId)
        .member("mapIdText", s.mapIdText)
        .member("workMapFile", s.workMapFile)
        .member("buttonLatch", s.buttonLatch)
        .member("wheelDelta", s.wheelDelta)
        .member("mapZoomX", s.mapZoomX)
        .member("mapZoomY", s.mapZoomY)
        .member("dnaGadgetBase", s.dnaGadgetBase);
}

void writeCatalogue(base::JsonWriter& json, const Builder& builder) {
    json.key("tiles").beginArray();
    for (const TileType& tile : builder.builderState.tiles) {
        json.beginObject()
            .member("name", tile.pictureName)
            .member("width", tile.width)
            .member("height", tile.height)
            .member("valid", tile.dna.validFlag)
            .member("hasSprite", spriteExists(builder, tile.sprite))
            .member("transparency", tile.dna.worldFTileTransparency)
            .member("stretch", tile.dna.worldFStretch)
            .member("postEffect", tile.dna.postEFFECT)
            .endObject();
    }
    json.endArray();
}

void writeElements(base::JsonWriter& json, const BuilderState& state) {
    json.key("elements").beginArray();
    for (int i = 0; i <= state.lastElement; ++i) {
        const MapElement& element = state.elements[static_cast<std::size_t>(i)];
        json.beginObject()
            .member("index", i)
            .member("alive", element.alive)
            .member("name", element.pictureName)
            .member("tileIndex", element.tileIndex)
            .member("x", element.x)
            .member("y", element.y)
            .member("width", element.width)
            .member("height", element.height)
            .member("layer", element.layer)
            .endObject();
    }
    json.endArray();
}

void writeWindows(base::JsonWriter& json, Builder& builder) {
    constexpr std::array<std::pair<WindowId, std::string_view>, 3> kWindows = {{
        {WindowId::Main, "main"},
        {WindowId::Tiles, "tiles"},
        {WindowId::Dna, "dna"},
    }};
    json.key("windows").beginObject();
    for (const auto& [id, name] : kWindows) {
        const WindowInfo info = builder.host.windowInfo(id);
        json.key(name)
            .beginObject()
            .member("exists", info.exists)
            .member("title", info.title)
            .member("x", info.x)
            .member("y", info.y)
            .member("width", info.width)
            .member("height", info.height)
            .member("visible", info.visible)
            .endObject();
    }
    json.endObject();
}

}  // namespace

std::string dumpBuilderState(Builder& builder) {
    base::JsonWriter json;
    json.beginObject();
    json.key("state").beginObject();
    writeStateFields(json, builder.builderState);
    json.endObject();
    writeCatalogue(json, builder);
    writeElements(json, builder.builderState);
    writeWindows(json, builder);
    json.endObject();
    std::string text = json.text();
    text += '\n';
    return text;
}

bool writeBuilderDump(Builder& builder, std::string_view path) {
    return media::replaceFileContents(path, dumpBuilderState(builder));
}

}  // namespace builder
