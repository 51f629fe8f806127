// Ogg Vorbis decoding for the sound service: a whole file becomes interleaved 16-bit PCM.
// Both back ends decode every sound they load, so a missing or damaged file is detected
// the same way in a window and headless.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/media/platform.h"

namespace media {

// Longest sound accepted; longer streams are refused so memory stays bounded.
constexpr int kMaxSoundSeconds = 600;
// Largest file read for decoding.
constexpr std::int64_t kMaxSoundFileBytes = std::int64_t{128} << 20;

// Decodes the Ogg Vorbis file at a configured path (see hostPath). nullopt when the file is
// missing, is not Ogg Vorbis, is damaged or cut short, changes its channel count or rate
// between chained streams, or is longer than kMaxSoundSeconds.
std::optional<PcmSound> decodeOggVorbis(std::string_view configuredPath);

// The same for a file's bytes already in memory, with the longest accepted length.
std::optional<PcmSound> decodeOggVorbisFromMemory(std::string_view bytes,
                                                  int maxSeconds = kMaxSoundSeconds);

}  // namespace media
