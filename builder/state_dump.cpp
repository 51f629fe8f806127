#include "builder/state_dump.h"

#include <array>
#include <utility>

#include "engine/base/json_writer.h"
#include "engine/media/files.h"

namespace builder {

namespace {

// Every dumped row of the record's field list, in record order.
void writeStateFields(base::JsonWriter& json, const BuilderState& s) {
#define RZ_WRITE(type, name, ...) json.member(#name, s.name);
#define FIELD RZ_WRITE
#define CONFIG RZ_WRITE
#define DERIVED(name, value) json.member(#name, value);
#define HIDDEN(...)
#define TABLE(...)
#include "builder/builder_state_fields.h"
#undef RZ_WRITE
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
