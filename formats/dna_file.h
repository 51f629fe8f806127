// The DNA descriptor file: key line / value line pairs to the end of the file, keys
// compared exactly and case-sensitively, a value being the whole line. A file with an odd
// number of lines gives its last key the value "". The builder ends every file it writes
// with an eight-line comment trailer, read like any other pairs (four pairs whose keys
// begin with ";").
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/text_lines.h"

namespace formats {

struct DnaPair {
    std::string key;
    std::string value;
    bool operator==(const DnaPair&) const = default;
};

// The rows of the builder's DNA window that could not be built from the master file; such
// rows are never written.
inline constexpr std::string_view kDnaKeyPlaceholder = "_key_FAIL";
inline constexpr std::string_view kDnaValuePlaceholder = "_val_FAIL";

inline constexpr std::array<std::string_view, 8> kDnaTrailer = {
    ";DNA descriptor of one DARA tile type: key line, value line",
    ";Written by DARA, the RERIZUVA2 map builder",
    ";Keys the game does not know are ignored by it",
    ";DO NOT CHANGE THIS FILE BY HAND!!!",
    ";YOU MAY ENCOUNTER DATALOSS/MALFUNCTIONS",
    ";ALWAYS USE THE DARA-MAP-BUILDER TO CREATE VALID MAP AND DNA DATAS!",
    ";Set the values in the DNA window and press SET_DNA",
    ";END OF DNA",
};

// Calls onPair(key, value) for every pair in file order; the views point into bytes.
template <class OnPair>
void forEachDnaPair(std::string_view bytes, OnPair&& onPair) {
    media::LineReader lines(bytes);
    while (!lines.atEnd()) {
        const std::string_view key = lines.next();
        const std::string_view value = lines.next();
        onPair(key, value);
    }
}

std::vector<DnaPair> parseDnaPairs(std::string_view bytes);
// nullopt when the file cannot be opened.
std::optional<std::vector<DnaPair>> readDnaPairs(std::string_view path);

// The rows (placeholder rows left out) followed by the trailer.
std::string formatDnaFile(std::span<const DnaPair> rows);
// Replaces the file as a whole; false (old file intact) when it cannot be written.
bool writeDnaFile(std::string_view path, std::span<const DnaPair> rows);

}  // namespace formats
