#include "tools/demo_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

#include "tools/ogg_encode.h"

namespace demo {
namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A fixed noise source, so that every run writes the same samples.
class Hiss {
  public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

  private:
    std::uint64_t state_ = 4242;
};

template <class Voice>
std::vector<float> render(double seconds, double peak, Voice&& voice) {
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    std::vector<double> mixed(frames);
    for (std::size_t i = 0; i < frames; ++i)
        mixed[i] = voice(static_cast<double>(i) / kRate);
    double loudest = 0.0;
    for (double v : mixed)
        loudest = std::max(loudest, std::abs(v));
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    std::vector<float> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        // A short fade at both ends keeps the edges from clicking.
        const double t = static_cast<double>(i) / kRate;
        const double edge = std::min({1.0, t / 0.004, (seconds - t) / 0.01});
        out[i] = static_cast<float>(mixed[i] * gain * edge);
    }
    return out;
}

std::optional<std::string> encode(const std::vector<float>& samples, int serial,
                                  const char* title) {
    return tools::encodeOggVorbis(samples, {.channels = 1,
                                            .sampleRate = kRate,
                                            .quality = 0.0f,
                                            .serial = serial,
                                            .tags = {{"TITLE", title}}});
}

double midi(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// A plucked note: a bright attack that dies away.
double pluck(double t, double frequency, double decay) {
    if (t < 0.0) return 0.0;
    const double phase = kTwoPi * frequency * t;
    return std::exp(-t * decay) *
           (std::sin(phase) + 0.3 * std::sin(2.0 * phase) + 0.12 * std::sin(3.0 * phase));
}

struct Note {
    double beat;
    double pitch;  // MIDI note
    double length;
};

// A loop of a bass line, a plucked arpeggio and a soft pad over a chord sequence.
std::vector<float> piece(double tempo, const std::vector<std::vector<double>>& chords,
                         double beatsPerChord, double brightness) {
    const double beat = 60.0 / tempo;
    const double seconds = beat * beatsPerChord * static_cast<double>(chords.size());
    return render(seconds, 0.5, [&](double t) {
        const auto index = static_cast<std::size_t>(t / (beat * beatsPerChord));
        const std::vector<double>& chord = chords[std::min(index, chords.size() - 1)];
        const double inChord = t - static_cast<double>(index) * beat * beatsPerChord;
        double v = 0.0;
        // Pad: the chord held, swelling gently.
        for (double note : chord)
            v += 0.06 * std::sin(kTwoPi * midi(note) * t) * (0.7 + 0.3 * std::sin(t * 0.8));
        // Bass on every beat.
        const double beatTime = std::fmod(inChord, beat);
        v += 0.35 * pluck(beatTime, midi(chord[0] - 12.0), 5.0);
        // Arpeggio on the half beats, up through the chord.
        const double half = beat / 2.0;
        const auto step = static_cast<std::size_t>(inChord / half);
        const double note = chord[step % chord.size()] + 12.0;
        v += brightness * 0.22 * pluck(std::fmod(inChord, half), midi(note), 7.0);
        return v;
    });
}

}  // namespace

std::vector<SoundFile> objectSounds() {
    std::vector<SoundFile> sounds;
    Hiss hiss;
    sounds.push_back(
        {"DEMO_SHOT", encode(render(0.22, 0.6,
                                    [&](double t) {
                                        const double f = 1400.0 * std::exp(-t * 9.0) + 200.0;
                                        return std::exp(-t * 14.0) *
                                               (std::sin(kTwoPi * f * t) + 0.4 * hiss.next());
                                    }),
                             2001, "SHOT")});
    sounds.push_back({"DEMO_GROAN",
                      encode(render(0.9, 0.5,
                                    [&](double t) {
                                        const double f = 95.0 + 12.0 * std::sin(t * 9.0) - t * 20.0;
                                        const double saw = std::fmod(f * t, 1.0) * 2.0 - 1.0;
                                        const double env = std::sin(std::numbers::pi * t / 0.9);
                                        return env *
                                               (0.7 * saw + 0.3 * std::sin(kTwoPi * 2.0 * f * t));
                                    }),
                             2002, "GROAN")});
    sounds.push_back({"DEMO_CLICK", encode(render(0.35, 0.5,
                                                  [&](double t) {
                                                      double v = 0.0;
                                                      for (double at : {0.0, 0.11, 0.2}) {
                                                          const double local = t - at;
                                                          if (local >= 0.0)
                                                              v += std::exp(-local * 90.0) *
                                                                   hiss.next();
                                                      }
                                                      return v;
                                                  }),
                                           2003, "CLICK")});
    sounds.push_back({"DEMO_PICK", encode(render(0.45, 0.55,
                                                 [&](double t) {
                                                     return pluck(t, midi(84), 8.0) +
                                                            pluck(t - 0.09, midi(91), 7.0);
                                                 }),
                                          2004, "PICK")});
    sounds.push_back(
        {"DEMO_DOOR", encode(render(0.8, 0.55,
                                    [&](double t) {
                                        const double rumble = std::sin(kTwoPi * 55.0 * t) +
                                                              0.5 * std::sin(kTwoPi * 82.0 * t);
                                        const double slide = 0.3 * hiss.next() *
                                                             std::sin(std::numbers::pi * t / 0.8);
                                        return std::exp(-t * 2.0) * rumble * 0.6 + slide +
                                               0.5 * pluck(t - 0.62, 70.0, 20.0);
                                    }),
                             2005, "DOOR")});
    double low = 0.0;
    sounds.push_back({"DEMO_SPLASH", encode(render(0.4, 0.45,
                                                   [&](double t) {
                                                       low += 0.25 * (hiss.next() - low);
                                                       return std::exp(-t * 9.0) * low;
                                                   }),
                                            2006, "SPLASH")});
    sounds.push_back(
        {"DEMO_FAN", encode(render(0.8, 0.3,
                                   [&](double t) {
                                       const double whirr = 0.5 + 0.5 * std::sin(kTwoPi * 18.0 * t);
                                       return whirr * (0.6 * std::sin(kTwoPi * 120.0 * t) +
                                                       0.3 * hiss.next());
                                   }),
                            2007, "FAN")});
    return sounds;
}

std::optional<std::string> musicPiece(const std::string& kind) {
    if (kind == "LEVEL_A") {
        // A minor, F, C, G: a walk through the rooms.
        return encode(piece(96.0,
                            {{57, 60, 64, 69},
                             {53, 57, 60, 65},
                             {48, 55, 60, 64},
                             {55, 59, 62, 67},
                             {57, 60, 64, 69},
                             {53, 57, 60, 65},
                             {50, 57, 62, 65},
                             {52, 56, 59, 64}},
                            4.0, 1.0),
                      3001, "RERIZUVA2 DEMO LEVELS");
    }
    if (kind == "LEVEL_B") {
        // D minor over a restless bass: the deeper rooms.
        return encode(piece(112.0,
                            {{50, 53, 57, 62},
                             {46, 53, 58, 62},
                             {50, 53, 57, 62},
                             {45, 52, 57, 61},
                             {48, 55, 60, 63},
                             {46, 53, 58, 62},
                             {43, 50, 55, 58},
                             {45, 52, 55, 61}},
                            4.0, 0.8),
                      3002, "RERIZUVA2 DEMO DEPTHS");
    }
    // The end of a game: a slow falling line.
    return encode(render(6.0, 0.5,
                         [](double t) {
                             double v = 0.0;
                             const double notes[] = {69, 67, 64, 60, 57};
                             for (int i = 0; i < 5; ++i)
                                 v += pluck(t - i * 0.7, midi(notes[i]), 1.8);
                             v += 0.15 * std::sin(kTwoPi * midi(45) * t) * std::exp(-t * 0.4);
                             return v;
                         }),
                  3003, "RERIZUVA2 DEMO GAME OVER");
}

}  // namespace demo
