#include "tools/demo_music.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "tools/ogg_encode.h"

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

}  // namespace

std::optional<std::string> titleMusicOgg() {
    return tools::encodeOggVorbis(loopSamples(), {.channels = 1,
                                                  .sampleRate = kSampleRate,
                                                  .quality = kQuality,
                                                  .serial = 1003,
                                                  .tags = {{"TITLE", "RERIZUVA2 DEMO TITLE"}}});
}

}  // namespace demo
