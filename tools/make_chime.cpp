// Writes a short, soft two-note chime as an Ogg Vorbis file: the demo game's start sound.
//
//     rz_make_chime demo/DATA/SOUND/PLING.ogg
//
// The output depends only on this program (no random input), so it can be made again.
#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 0.6;
constexpr float kQuality = 0.3f;  // about 64 kbit/s for mono: small and clean

struct Note {
    double start;      // seconds
    double frequency;  // Hz
    double level;
};

// A5 then E6: a rising fifth, each note with a soft attack and an exponential decay.
constexpr Note kNotes[] = {{0.0, 880.0, 0.35}, {0.12, 1318.5, 0.30}};

std::vector<float> chimeSamples() {
    const auto frames = static_cast<std::size_t>(kSeconds * kSampleRate);
    std::vector<float> samples(frames, 0.0f);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0.0;
        for (const Note& note : kNotes) {
            const double local = t - note.start;
            if (local < 0.0) continue;
            const double attack = std::min(1.0, local / 0.005);
            const double decay = std::exp(-local * 7.0);
            const double phase = 2.0 * std::numbers::pi * note.frequency * local;
            // A quiet octave overtone makes it ring like a bell rather than beep.
            value += note.level * attack * decay * (std::sin(phase) + 0.2 * std::sin(2.0 * phase));
        }
        // Fade the last 50 ms to silence so the sound never ends in a click.
        const double tail = (kSeconds - t) / 0.05;
        samples[i] = static_cast<float>(value * std::min(1.0, tail));
    }
    return samples;
}

void appendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

bool encode(const std::vector<float>& samples, std::string& out) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, kQuality) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "PLING");
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 31);

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
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rz_make_chime OUTPUT.ogg\n", stderr);
        return 2;
    }
    std::string ogg;
    if (!encode(chimeSamples(), ogg)) {
        std::fputs("rz_make_chime: the Vorbis encoder could not be set up\n", stderr);
        return 1;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(ogg.data(), static_cast<std::streamsize>(ogg.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "rz_make_chime: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %zu bytes\n", argv[1], ogg.size());
    return 0;
}
