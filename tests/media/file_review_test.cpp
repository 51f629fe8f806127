// Paths that must not name a file: an embedded NUL, and a named pipe (whose opening for
// reading would wait for a writer that never comes).
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/media/files.h"
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

TEST(FileReview, NamedPipesAreRefusedWithoutWaiting) {
    testing_support::TempDir dir;
    const std::string pipe = dir.file("pipe.ogg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(media::decodeOggVorbis(pipe).has_value());
    EXPECT_FALSE(media::readWholeFile(pipe).has_value());
    media::TextFile text = media::TextFile::open(pipe, media::OpenMode::ReadOnly);
    EXPECT_EQ(text.readLine(), "");
}

}  // namespace
