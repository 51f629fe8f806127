// Ogg Vorbis encoding for the content tools and for the sound files the tests make.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tools {

struct OggVorbisSettings {
    int channels = 1;
    int sampleRate = 22050;
    float quality = 0.1f;  // variable bit rate quality, -0.1 (smallest) to 1.0
    int serial = 1;        // serial number of the logical stream; chained files need two
    std::vector<std::pair<std::string, std::string>> tags;  // comment header, e.g. TITLE
};

// The samples (interleaved frames, each channel -1 to 1) as the bytes of an Ogg Vorbis
// file; nullopt when the encoder cannot be set up with these settings. The same samples and
// settings always give the same bytes.
std::optional<std::string> encodeOggVorbis(std::span<const float> samples,
                                           const OggVorbisSettings& settings);

}  // namespace tools
