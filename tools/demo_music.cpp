#include "tools/demo_music.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace demo {
namespace {

constexpr int kSampleRate = 22050;
constexpr double kLoopSeconds = 8.0;
constexpr float kQuality = 0.0f;  // about 40 kbit/s for mono: the pad needs no more
constexpr double kPeak = 0.5;     // the game plays level music at half volume already

// Held tones of an A minor chord with an added ninth. Each frequency is a multiple of
// 1/8 Hz, and each swell rate a multiple of 1/8 Hz too, so both end a loop where they began.
struct HeldTone {
    double frequency;  // Hz
    double level;
    double swellRate;  // Hz
    double swellPhase;
};
constexpr HeldTone kChord[] = {
    {110.0, 0.30, 0.125, 0.0}, {165.0, 0.16, 0.25, 1.0},   {220.0, 0.14, 0.125, 2.0},
    {247.0, 0.07, 0.375, 3.0}, {261.625, 0.10, 0.25, 4.0}, {329.625, 0.08, 0.125, 5.0},
};

struct Bell {
    double start;  // seconds into the loop
    double frequency;
    double level;
};
// A pentatonic phrase over the chord.
constexpr Bell kBells[] = {
    {0.50, 880.0, 0.20},  {2.00, 659.25, 0.16}, {3.25, 1046.5, 0.12},
    {4.50, 783.99, 0.14}, {5.75, 880.0, 0.12},  {6.75, 1318.5, 0.08},
};

std::vector<float> loopSamples() {
    const auto frames = static_cast<std::size_t>(kLoopSeconds * kSampleRate);
    std::vector<double> mixed(frames, 0.0);
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0.0;
        for (const HeldTone& tone : kChord) {
            const double swell =
                0.65 + 0.35 * std::sin(kTwoPi * tone.swellRate * t + tone.swellPhase);
            const double phase = kTwoPi * tone.frequency * t;
            // A little of the octave above softens the plain sine into a pad.
            value += tone.level * swell * (std::sin(phase) + 0.15 * std::sin(2.0 * phase));
        }
        for (const Bell& bell : kBells) {
            // Time since the bell struck, on the loop's circle: the tail wraps to the start.
            const double local = std::fmod(t - bell.start + kLoopSeconds, kLoopSeconds);
            const double attack = std::min(1.0, local / 0.01);
            const double decay = std::exp(-local * 1.6);
            const double phase = kTwoPi * bell.frequency * local;
            value +=
                bell.level * attack * decay * (std::sin(phase) + 0.25 * std::sin(2.76 * phase));
        }
        mixed[i] = value;
    }
    double loudest = 0.0;
    for (double value : mixed)
        loudest = std::max(loudest, std::abs(value));
    const double gain = loudest > 0.0 ? kPeak / loudest : 0.0;
    std::vector<float> samples(frames);
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<float>(mixed[i] * gain);
    return samples;
}

void appendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

std::optional<std::string> encodeMono(const std::vector<float>& samples) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, kQuality) != 0) {
        vorbis_info_clear(&info);
        return std::nullopt;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "RERIZUVA2 DEMO TITLE");
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1003);

    std::string out;
    ogg_packet identification;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream, &identification);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage(out, page);

    constexpr std::size_t kChunk = 1024;
    std::size_t written = 0;
    bool finished = false;
    while (!finished) {
        const std::size_t count = std::min(kChunk, samples.size() - written);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(written), count, buffer[0]);
            written += count;
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));  // 0: end of stream
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page) != 0) finished = true;
                }
            }
        }
        if (count == 0 && !finished) {
            while (ogg_stream_flush(&stream, &page) != 0)
                appendPage(out, page);
            finished = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

}  // namespace

std::optional<std::string> titleMusicOgg() {
    return encodeMono(loopSamples());
}

}  // namespace demo
