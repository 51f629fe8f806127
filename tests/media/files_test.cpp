#include "engine/media/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace {

using media::OpenMode;
using media::TextFile;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

// Runs the test body with the working directory set to dir, restoring it afterwards.
class WorkingDirectoryScope {
  public:
    explicit WorkingDirectoryScope(const std::string& dir) : previous_(media::workingDirectory()) {
        EXPECT_EQ(chdir(dir.c_str()), 0);
    }
    ~WorkingDirectoryScope() { EXPECT_EQ(chdir(previous_.c_str()), 0); }

  private:
    std::string previous_;
};

TEST(HostPath, BackslashesBecomeSlashesAndDoubledSeparatorsCollapse) {
    EXPECT_EQ(media::hostPath("no\\such\\\\dir\\file.txt"), "no/such/dir/file.txt");
    EXPECT_EQ(media::hostPath("\\\\no-such-root//x/\\y\\"), "/no-such-root/x/y/");
    EXPECT_EQ(media::hostPath("C:\\Games\\gfx\\"), "C:/Games/gfx/");
    EXPECT_EQ(media::hostPath(""), "");
}

TEST(HostPath, FallsBackToCaseInsensitiveMatchPerComponent) {
    TempDir dir;
    writeFile(dir.file("Gfx/Tiles/Wall.PNG"), "w");
    writeFile(dir.file("Gfx/exact"), "e");
    const std::string root = dir.path();

    EXPECT_EQ(media::hostPath(root + "\\GFX\\tiles\\wall.png"), root + "/Gfx/Tiles/Wall.PNG");
    EXPECT_EQ(media::hostPath(root + "\\gfx\\TILES\\"), root + "/Gfx/Tiles/");
    // A component found nowhere stays as written, so is everything below it.
    EXPECT_EQ(media::hostPath(root + "\\GFX\\New\\Sub\\file.txt"), root + "/Gfx/New/Sub/file.txt");
    EXPECT_EQ(media::hostPath(root + "\\gfx\\..\\GFX\\EXACT"), root + "/Gfx/../Gfx/exact");

    // Several candidates: an exact match wins, otherwise the first in name order.
    writeFile(dir.file("twins/abc"), "lower");
    writeFile(dir.file("twins/ABC"), "upper");
    writeFile(dir.file("twins/aBc"), "mixed");
    EXPECT_EQ(media::hostPath(root + "\\twins\\abc"), root + "/twins/abc");
    EXPECT_EQ(media::hostPath(root + "\\twins\\Abc"), root + "/twins/ABC");
    EXPECT_EQ(*media::readWholeFile(root + "\\TWINS\\ABc"), "upper");
}

TEST(HostPath, RelativePathsFollowTheWorkingDirectory) {
    TempDir dir;
    writeFile(dir.file("CORE/ini.crc"), "x\r\n");
    WorkingDirectoryScope scope(dir.path());
    EXPECT_EQ(media::hostPath("core\\INI.CRC"), "CORE/ini.crc");
    EXPECT_EQ(media::hostPath(".\\core\\\\ini.crc"), "./CORE/ini.crc");
    EXPECT_TRUE(media::fileExists("Core\\Ini.crc"));
    EXPECT_EQ(media::workingDirectory(), media::hostPath(dir.path()));
    EXPECT_EQ(*media::readWholeFile(media::workingDirectory() + "\\core\\ini.crc"), "x\r\n");
}

// Line breaks as stored, and the lines every reader must give for them.
const std::vector<std::pair<std::string, std::vector<std::string>>> kLineCases = {
    {"a\r\nb\r\n", {"a", "b"}},
    {"a\nb\n", {"a", "b"}},
    {"a\rb\r", {"a", "b"}},
    {"a\r\n\r\nb", {"a", "", "b"}},
    {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}},
    {"\n\n", {"", ""}},
    {"last line without break", {"last line without break"}},
    {std::string("nul\0inside\r\n", 12), {std::string("nul\0inside", 10)}},
    {"", {}},
};

TEST(TextFiles, ReadLineSplitsAtCrLfAndCrLfAndReadsEmptyPastTheEnd) {
    TempDir dir;
    for (const auto& [content, lines] : kLineCases) {
        writeFile(dir.file("lines.txt"), content);
        TextFile file = TextFile::open(dir.path() + "\\LINES.TXT", OpenMode::ReadOnly);
        ASSERT_TRUE(file.isOpen());
        for (const std::string& line : lines) {
            EXPECT_FALSE(file.atEnd());
            EXPECT_EQ(file.readLine(), line);
        }
        EXPECT_TRUE(file.atEnd());
        EXPECT_EQ(file.readLine(), "");
        EXPECT_EQ(file.readLine(), "");
        EXPECT_TRUE(file.close());

        media::LineReader reader(content);
        for (const std::string& line : lines) {
            EXPECT_FALSE(reader.atEnd());
            EXPECT_EQ(reader.next(), line);
        }
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(reader.next(), "");
    }
}

TEST(TextFiles, OpenModes) {
    TempDir dir;
    const std::string path = dir.path() + "\\data.txt";
    EXPECT_FALSE(TextFile::open(path, OpenMode::ReadOnly).isOpen());
    EXPECT_FALSE(TextFile::open(dir.path(), OpenMode::ReadOnly).isOpen());
    EXPECT_FALSE(TextFile::open(dir.path(), OpenMode::Create).isOpen());
    EXPECT_FALSE(TextFile::open(dir.path() + "\\missing\\x.txt", OpenMode::Create).isOpen());

    TextFile created = TextFile::open(path, OpenMode::Create);
    ASSERT_TRUE(created.isOpen());
    created.writeLine("hello");
    created.writeLine("");
    created.writeRaw("world");
    EXPECT_TRUE(created.close());
    EXPECT_EQ(readFile(dir.file("data.txt")), "hello\r\n\r\nworld");

    // Read-write keeps the content and starts at the beginning; reads and writes may mix.
    TextFile both = TextFile::open(path, OpenMode::ReadWrite);
    ASSERT_TRUE(both.isOpen());
    both.writeLine("HE");
    EXPECT_EQ(both.readLine(), "o");
    both.writeRaw("!");  // over the CR of the empty line
    EXPECT_EQ(both.readLine(), "");
    EXPECT_EQ(both.readLine(), "world");
    EXPECT_TRUE(both.close());
    EXPECT_EQ(readFile(dir.file("data.txt")), "HE\r\no\r\n!\nworld");

    TextFile fresh = TextFile::open(dir.path() + "\\new.txt", OpenMode::ReadWrite);
    ASSERT_TRUE(fresh.isOpen());
    EXPECT_TRUE(fresh.atEnd());
    EXPECT_TRUE(fresh.close());
    EXPECT_TRUE(media::fileExists(dir.path() + "\\NEW.txt"));

    EXPECT_TRUE(TextFile::open(path, OpenMode::Create).close());
    EXPECT_EQ(readFile(dir.file("data.txt")), "");

    // Moving hands the open file over; the moved-from object is closed.
    TextFile first = TextFile::open(path, OpenMode::Create);
    TextFile second = std::move(first);
    EXPECT_FALSE(first.isOpen());  // NOLINT(bugprone-use-after-move)
    second.writeLine("moved");
    EXPECT_TRUE(second.close());
    EXPECT_FALSE(second.close());
    EXPECT_EQ(readFile(dir.file("data.txt")), "moved\r\n");
}

TEST(TextFiles, CloseReportsWritesThatFailed) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    TextFile full = TextFile::open("/dev/full", OpenMode::Create);
    ASSERT_TRUE(full.isOpen());
    full.writeLine("this cannot be stored");
    EXPECT_FALSE(full.close());
}

TEST(WholeFiles, ReadAndReplace) {
    TempDir dir;
    const std::string bytes("binary\0\r\n\xff data", 15);
    writeFile(dir.file("Map/0"), bytes);
    EXPECT_EQ(*media::readWholeFile(dir.path() + "\\map\\0"), bytes);
    EXPECT_FALSE(media::readWholeFile(dir.path() + "\\map\\1").has_value());
    EXPECT_FALSE(media::readWholeFile(dir.path() + "\\map").has_value());
    EXPECT_FALSE(media::readWholeFile("/dev/zero").has_value());
    std::string withNul = dir.path() + "/Map/0";
    withNul.push_back('\0');
    withNul += ".png";
    EXPECT_FALSE(media::readWholeFile(withNul).has_value());

    // Replacing keeps the file's permissions, creates missing files, leaves no temporary.
    chmod(dir.file("Map/0").c_str(), 0640);
    ASSERT_TRUE(media::replaceFileContents(dir.path() + "\\MAP\\0", "new"));
    EXPECT_EQ(readFile(dir.file("Map/0")), "new");
    struct stat info;
    ASSERT_EQ(stat(dir.file("Map/0").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_TRUE(media::replaceFileContents(dir.path() + "\\map\\_", ""));
    EXPECT_TRUE(media::fileExists(dir.path() + "\\Map\\_"));
    EXPECT_EQ(media::listDirectory(dir.path() + "\\map").size(), 2u);

    // Failures leave the old state alone.
    EXPECT_FALSE(media::replaceFileContents(dir.path() + "\\map", "x"));
    EXPECT_TRUE(media::directoryExists(dir.path() + "\\map"));
    EXPECT_FALSE(media::replaceFileContents(dir.path() + "\\nowhere\\f", "x"));
    EXPECT_EQ(media::listDirectory(dir.path()).size(), 1u);

    ASSERT_TRUE(media::copyFile(dir.path() + "\\map\\0", dir.path() + "\\copy"));
    EXPECT_EQ(readFile(dir.file("copy")), "new");
    EXPECT_FALSE(media::copyFile(dir.path() + "\\missing", dir.path() + "\\copy"));
    EXPECT_EQ(readFile(dir.file("copy")), "new");
}

// Opening a named pipe for reading would wait for a writer that never comes.
TEST(WholeFiles, NamedPipesAreRefusedWithoutWaiting) {
    TempDir dir;
    const std::string pipe = dir.file("pipe.txt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(media::readWholeFile(pipe).has_value());
    TextFile text = TextFile::open(pipe, OpenMode::ReadOnly);
    EXPECT_EQ(text.readLine(), "");
}

TEST(Directories, CreateListDeleteAndRename) {
    TempDir dir;
    const std::string root = dir.path() + "\\";
    EXPECT_TRUE(media::createDirectory(root + "Levels"));
    EXPECT_TRUE(media::createDirectory(root + "levels\\"));  // exists already, other case
    EXPECT_FALSE(media::createDirectory(root + "a\\b"));     // parent missing
    EXPECT_TRUE(media::createDirectory(root + "LEVELS\\5"));
    writeFile(dir.file("Levels/b.txt"), "b");
    writeFile(dir.file("Levels/A.txt"), "a");
    symlink("5", dir.file("Levels/link").c_str());
    EXPECT_FALSE(media::createDirectory(root + "levels\\b.txt"));

    const std::vector<media::DirectoryEntry> entries = media::listDirectory(root + "LEVELS");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "5");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, "A.txt");
    EXPECT_FALSE(entries[1].isDirectory);
    EXPECT_EQ(entries[2].name, "b.txt");
    EXPECT_EQ(entries[3].name, "link");
    EXPECT_TRUE(entries[3].isDirectory);
    EXPECT_TRUE(media::listDirectory(root + "missing").empty());
    EXPECT_TRUE(media::listDirectory(root + "levels\\a.txt").empty());

    EXPECT_TRUE(media::fileExists(root + "levels\\a.txt"));
    EXPECT_FALSE(media::fileExists(root + "levels\\5"));
    EXPECT_TRUE(media::directoryExists(root + "levels\\5"));
    EXPECT_FALSE(media::directoryExists(root + "levels\\a.txt"));

    EXPECT_TRUE(media::renameFile(root + "levels\\a.txt", root + "levels\\5\\moved.txt"));
    EXPECT_EQ(readFile(dir.file("Levels/5/moved.txt")), "a");
    EXPECT_FALSE(media::renameFile(root + "levels\\a.txt", root + "levels\\again.txt"));

    EXPECT_FALSE(media::deleteFile(root + "levels\\5"));
    EXPECT_FALSE(media::deleteDirectory(root + "levels\\5"));  // not empty
    EXPECT_TRUE(media::deleteFile(root + "LEVELS\\5\\MOVED.TXT"));
    EXPECT_FALSE(media::deleteFile(root + "levels\\5\\moved.txt"));
    EXPECT_TRUE(media::deleteDirectory(root + "levels\\5"));
    EXPECT_FALSE(media::directoryExists(root + "levels\\5"));
}

}  // namespace
