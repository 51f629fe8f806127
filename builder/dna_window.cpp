#include "builder/dna_window.h"

#include <optional>
#include <set>
#include <vector>

#include "builder/messages.h"
#include "builder/source_units.h"
#include "builder/tile_catalogue.h"
#include "formats/dna_file.h"
#include "formats/tile_paths.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERDESCRIPTOR;

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

std::string tooltipFor(std::string_view key) {
    return "Please enter value for " + std::string(key) + " below:";
}

// Rows run down a column of 16, then on in the next column; the buttons take the place
// the next row would have had.
void addRow(DnaGadgets& gadgets, std::string key, std::string value, media::Argb keyColour,
            media::Argb valueColour) {
    DnaField field;
    field.tooltip = tooltipFor(key);
    field.key = std::move(key);
    field.value = std::move(value);
    field.keyColour = keyColour;
    field.valueColour = valueColour;
    field.x = gadgets.buttonsX;
    field.y = gadgets.buttonsY;
    gadgets.rows.push_back(std::move(field));
    gadgets.buttonsY += kDnaRowHeight;
    if (gadgets.rows.size() % kDnaRowsPerColumn == 0) {
        gadgets.buttonsX += kDnaFieldWidth;
        gadgets.buttonsY = 0;
    }
}

// The rows of the master file, without showing them.
void layOutMasterRows(Builder& builder) {
    DnaGadgets& gadgets = builder.dnaWindow;
    gadgets = DnaGadgets{};
    gadgets.gadgetBase = builder.builderState.dnaGadgetBase;
    const std::optional<std::vector<formats::DnaPair>> master =
        formats::readDnaPairs(builder.builderState.dnaFile);
    if (!master) {
        builderError(builder, kErrorDefaultDna);
        for (int n = 0; n < kDnaPlaceholderRows; ++n) {
            addRow(gadgets, std::string(formats::kDnaKeyPlaceholder),
                   std::string(formats::kDnaValuePlaceholder), kDnaPlaceholderKey,
                   kDnaPlaceholderValue);
        }
        return;
    }
    for (const formats::DnaPair& pair : *master) {
        if (contains(pair.value, ';')) continue;  // the comment lines come in pairs
        addRow(gadgets, pair.key, pair.value, kDnaMasterKey, kDnaMasterValue);
    }
}

std::string selectedPictureName(BuilderState& state) {
    const TileType* tile = selectedTileType(state);
    return tile ? tile->pictureName : std::string();
}
}  // namespace

void buildDnaRows(Builder& builder) {
    layOutMasterRows(builder);
    builder.host.showDnaGadgets(builder.dnaWindow);
}

void showTileDna(Builder& builder, std::string_view baseName) {
    BuilderState& state = builder.builderState;
    layOutMasterRows(builder);
    builder.host.setWindowTitle(WindowId::Dna, "DNA for Tile: " + std::string(baseName) +
                                                   " File:" + selectedPictureName(state));
    const std::optional<std::vector<formats::DnaPair>> own =
        formats::readDnaPairs(std::string(baseName) + std::string(formats::kDnaExtension));
    if (own) {
        std::size_t row = 0;
        for (const formats::DnaPair& pair : *own) {
            if (pair.key.empty() || contains(pair.key, ';') || contains(pair.value, ';')) continue;
            if (row >= builder.dnaWindow.rows.size()) break;  // more pairs than rows
            DnaField& field = builder.dnaWindow.rows[row++];
            field.key = pair.key;
            field.value = pair.value;
            field.keyColour = kDnaTileKey;
        }
    }
    builder.host.showDnaGadgets(builder.dnaWindow);
}

void saveSelectedTileDna(Builder& builder) {
    BuilderState& state = builder.builderState;
    const TileType* tile = selectedTileType(state);
    // Rows are filled from the tile's file by position, so a tile file in another order
    // than the master leaves the master's default of a key in a later row. Every reader
    // takes a key's last value: writing that row would undo the tile's own value, which is
    // the one the window shows first. A key is therefore written once, from its first row.
    std::vector<formats::DnaPair> rows;
    std::set<std::string> written;
    for (const DnaField& field : builder.dnaWindow.rows) {
        if (!written.insert(field.key).second) continue;
        rows.push_back({field.key, field.value});
    }
    // Without a tile type there is no file to write.
    if (tile == nullptr ||
        !formats::writeDnaFile(
            formats::tileFilePath(state.gfxPath, tile->pictureName, formats::kDnaExtension),
            rows)) {
        builderError(builder, kErrorSaveDna);
        return;
    }
    readTileDna(builder, state.selectedTile);
}

void showDefaultDna(Builder& builder) {
    BuilderState& state = builder.builderState;
    buildDnaRows(builder);
    builder.host.setWindowTitle(
        WindowId::Dna, "DNA for Tile: " + state.dnaFile + " File:" + selectedPictureName(state));
}

void handleDnaWindowEvent(Builder& builder, const WindowEvent& event) {
    const bool isSet = (event.kind == EventKind::Gadget && event.command == kDnaSetButton) ||
                       (event.kind == EventKind::Menu && event.command == kDnaMenuSet);
    const bool isKill = (event.kind == EventKind::Gadget && event.command == kDnaKillButton) ||
                        (event.kind == EventKind::Menu && event.command == kDnaMenuKill);
    if (isSet) {
        saveSelectedTileDna(builder);
    } else if (isKill) {
        showDefaultDna(builder);
    } else if (event.kind == EventKind::Gadget) {
        // An edited field: key fields from the gadget base on, value fields from twice it.
        DnaGadgets& gadgets = builder.dnaWindow;
        const std::int64_t base = gadgets.gadgetBase;
        const std::int64_t rows = static_cast<std::int64_t>(gadgets.rows.size());
        const std::int64_t command = event.command;
        if (command >= 2 * base && command - 2 * base < rows) {
            BUILDER_AT(gadgets.rows, command - 2 * base).value = event.text;
            builder.host.setDnaFieldText(static_cast<int>(command - 2 * base), true, event.text);
        } else if (command >= base && command - base < rows) {
            BUILDER_AT(gadgets.rows, command - base).key = event.text;
            builder.host.setDnaFieldText(static_cast<int>(command - base), false, event.text);
        }
    }
}

}  // namespace builder
