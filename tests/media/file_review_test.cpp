// Paths that must not name a file.
#include <gtest/gtest.h>

#include <string>

#include "engine/media/sound_decode.h"
#include "support/ogg_tone.h"
#include "support/test_support.h"

namespace {

TEST(FileReview, EmbeddedNulNamesNoSound) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("boom.ogg"), testing_support::encodeOggTone(1, 11025, 500));
    ASSERT_TRUE(media::decodeOggVorbis(dir.file("boom.ogg")).has_value());
    const std::string withNul = dir.file("boom.ogg") + std::string(1, '\0') + "x";
    EXPECT_FALSE(media::decodeOggVorbis(withNul).has_value());
}

}  // namespace
