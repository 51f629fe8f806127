#include "support/ogg_tone.h"

#include <ogg/ogg.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "tools/ogg_encode.h"

namespace testing_support {

std::string encodeOggTone(int channels, int sampleRate, int frames, float frequency, int serial) {
    const auto perFrame = static_cast<std::size_t>(std::max(channels, 0));
    std::vector<float> samples;
    samples.reserve(static_cast<std::size_t>(std::max(frames, 0)) * perFrame);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const auto value =
            static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * frequency * t));
        samples.insert(samples.end(), perFrame, value);
    }
    std::optional<std::string> ogg = tools::encodeOggVorbis(samples, {.channels = channels,
                                                                      .sampleRate = sampleRate,
                                                                      .quality = 0.1f,
                                                                      .serial = serial,
                                                                      .tags = {}});
    if (!ogg) throw std::runtime_error("vorbis encoder set-up failed");
    return std::move(*ogg);
}

std::string withLastGranule(std::string ogg, std::int64_t granule) {
    const std::size_t start = ogg.rfind("OggS");
    if (start == std::string::npos || ogg.size() < start + 27) throw std::runtime_error("no page");
    const auto segments = static_cast<unsigned char>(ogg[start + 26]);
    const std::size_t headerLength = 27 + segments;
    for (int i = 0; i < 8; ++i) {
        ogg[start + 6 + i] =
            static_cast<char>((static_cast<std::uint64_t>(granule) >> (8 * i)) & 0xFF);
    }
    ogg_page page{};
    page.header = reinterpret_cast<unsigned char*>(ogg.data() + start);
    page.header_len = static_cast<long>(headerLength);
    page.body = reinterpret_cast<unsigned char*>(ogg.data() + start + headerLength);
    page.body_len = static_cast<long>(ogg.size() - start - headerLength);
    ogg_page_checksum_set(&page);
    return ogg;
}

}  // namespace testing_support
