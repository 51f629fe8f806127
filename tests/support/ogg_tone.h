// Makes small Ogg Vorbis files for the tests that decode sounds.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

// A sine tone of the given length (every channel the same tone at half amplitude), as the
// bytes of an Ogg Vorbis file.
std::string encodeOggTone(int channels, int sampleRate, int frames, float frequency = 440.0f,
                          int serial = 1);

// Rewrites the granule position (the sample count so far) of the file's last page and fixes
// that page's checksum, so a short file claims to be long.
std::string withLastGranule(std::string ogg, std::int64_t granule);

}  // namespace testing_support
