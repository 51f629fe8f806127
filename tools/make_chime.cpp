// Writes a short, soft two-note chime as an Ogg Vorbis file: the demo game's start sound.
//
//     rz_make_chime demo/DATA/SOUND/PLING.ogg
//
// The output depends only on this program (no random input), so it can be made again.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "tools/ogg_encode.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rz_make_chime OUTPUT.ogg\n", stderr);
        return 2;
    }
    const std::optional<std::string> ogg =
        tools::encodeOggVorbis(chimeSamples(), {.channels = 1,
                                                .sampleRate = kSampleRate,
                                                .quality = kQuality,
                                                .serial = 31,
                                                .tags = {{"TITLE", "PLING"}}});
    if (!ogg) {
        std::fputs("rz_make_chime: the Vorbis encoder could not be set up\n", stderr);
        return 1;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(ogg->data(), static_cast<std::streamsize>(ogg->size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "rz_make_chime: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %zu bytes\n", argv[1], ogg->size());
    return 0;
}
