#include "engine/media/sound_decode.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/ogg_tone.h"
#include "support/test_support.h"

namespace {

using media::decodeOggVorbis;
using media::decodeOggVorbisFromMemory;
using testing_support::encodeOggTone;

int peak(const media::PcmSound& sound) {
    int highest = 0;
    for (std::int16_t sample : sound.samples)
        highest = std::max(highest, std::abs(int{sample}));
    return highest;
}

TEST(SoundDecode, DecodesChannelsRateAndLength) {
    const auto stereo = decodeOggVorbisFromMemory(encodeOggTone(2, 44100, 44100));
    ASSERT_TRUE(stereo.has_value());
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->sampleRate, 44100);
    EXPECT_NEAR(static_cast<double>(stereo->samples.size()), 2.0 * 44100, 2.0 * 441);
    // A half-amplitude tone survives lossy coding roughly at that level.
    EXPECT_NEAR(peak(*stereo), 16384, 2500);
    // Interleaved: both channels carry the same tone.
    int differing = 0;
    for (std::size_t i = 0; i + 1 < stereo->samples.size(); i += 2) {
        if (std::abs(stereo->samples[i] - stereo->samples[i + 1]) > 600) ++differing;
    }
    EXPECT_LT(differing, 50);

    const auto mono = decodeOggVorbisFromMemory(encodeOggTone(1, 22050, 5000));
    ASSERT_TRUE(mono.has_value());
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->sampleRate, 22050);
    EXPECT_NEAR(static_cast<double>(mono->samples.size()), 5000.0, 50.0);
}

TEST(SoundDecode, LoadsFilesThroughConfiguredPaths) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("Sounds/Boom.ogg"), encodeOggTone(1, 11025, 2000));
    std::string configured = dir.path() + "\\SOUNDS\\boom.OGG";
    const auto sound = decodeOggVorbis(configured);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->sampleRate, 11025);

    EXPECT_FALSE(decodeOggVorbis(dir.path() + "\\Sounds\\missing.ogg").has_value());
    EXPECT_FALSE(decodeOggVorbis(dir.path()).has_value());  // a directory
    testing_support::writeFile(dir.file("empty.ogg"), "");
    EXPECT_FALSE(decodeOggVorbis(dir.file("empty.ogg")).has_value());

    // A name cut by an embedded NUL must not load the file before it; a named pipe would
    // wait for a writer that never comes.
    const std::string withNul = dir.file("Sounds/Boom.ogg") + std::string(1, '\0') + "x";
    EXPECT_FALSE(decodeOggVorbis(withNul).has_value());
    const std::string pipe = dir.file("pipe.ogg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(decodeOggVorbis(pipe).has_value());
}

TEST(SoundDecode, RefusesDamagedOrForeignData) {
    const std::string ogg = encodeOggTone(2, 44100, 30000);
    ASSERT_GT(ogg.size(), 4000u);

    EXPECT_FALSE(decodeOggVorbisFromMemory("").has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory("RIFF\0\0\0\0WAVEfmt ").has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory(std::string(5000, 'x')).has_value());

    // Cut short anywhere: in the headers, in the audio, one byte before the end.
    for (std::size_t length : {std::size_t{20}, std::size_t{200}, ogg.size() / 2, ogg.size() - 1}) {
        EXPECT_FALSE(decodeOggVorbisFromMemory(ogg.substr(0, length)).has_value()) << length;
    }
    // A damaged audio page fails its checksum and leaves a hole.
    std::string damaged = ogg;
    for (std::size_t i = ogg.size() / 2; i < ogg.size() / 2 + 16; ++i)
        damaged[i] ^= 0x5A;
    EXPECT_FALSE(decodeOggVorbisFromMemory(damaged).has_value());
    // Bytes after the last page.
    EXPECT_FALSE(decodeOggVorbisFromMemory(ogg + "trailing").has_value());
    // Still fine when untouched.
    EXPECT_TRUE(decodeOggVorbisFromMemory(ogg).has_value());
}

TEST(SoundDecode, RefusesStreamsLongerThanTheLimit) {
    const std::string twoSeconds = encodeOggTone(1, 8000, 16000);
    EXPECT_TRUE(decodeOggVorbisFromMemory(twoSeconds, 2).has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory(twoSeconds, 1).has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory(twoSeconds, 0).has_value());
    // The memory bound is 48 kHz stereo: four channels at 48 kHz fit half the time.
    const std::string fourChannels = encodeOggTone(4, 48000, 48000);
    EXPECT_TRUE(decodeOggVorbisFromMemory(fourChannels, 2).has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory(fourChannels, 1).has_value());
    // A last page that claims more samples than the file holds is no way around the bound.
    const auto inflated = decodeOggVorbisFromMemory(
        testing_support::withLastGranule(encodeOggTone(1, 8000, 4000), 8000 * 700));
    if (inflated) {
        EXPECT_LT(inflated->samples.size(), 8000u);
    }
}

TEST(SoundDecode, ChainedStreamsMustAgreeInFormat) {
    const auto joined = decodeOggVorbisFromMemory(encodeOggTone(1, 22050, 3000, 440.0f, 1) +
                                                  encodeOggTone(1, 22050, 2000, 880.0f, 2));
    ASSERT_TRUE(joined.has_value());
    EXPECT_NEAR(static_cast<double>(joined->samples.size()), 5000.0, 50.0);

    EXPECT_FALSE(decodeOggVorbisFromMemory(encodeOggTone(1, 22050, 3000, 440.0f, 1) +
                                           encodeOggTone(2, 22050, 3000, 440.0f, 2))
                     .has_value());
    EXPECT_FALSE(decodeOggVorbisFromMemory(encodeOggTone(1, 22050, 3000, 440.0f, 1) +
                                           encodeOggTone(1, 44100, 3000, 440.0f, 2))
                     .has_value());
}

}  // namespace
