// The file layer: every file the programs touch goes through here.
//
// Paths stay in the form they are configured in (Windows style, "\" separators, any
// letter case). hostPath() maps such a path to this system: "\" becomes "/", doubled
// separators collapse, and a component that does not exist is looked up without regard
// to letter case in its directory, so content made on a case-insensitive system loads
// unchanged.
//
// Text files are line oriented: CR, LF and CR LF end a line when reading; every written
// line ends with CR LF; a line read past the end of a file is "".
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace media {

// Maps a configured path to a host path (see above). Never fails: a component without any
// match is kept as written, so the result names the file that would be created.
std::string hostPath(std::string_view configuredPath);

// The process's working directory in host form, without a trailing separator.
std::string workingDirectory();

enum class OpenMode : std::uint8_t {
    ReadOnly,   // the file must exist
    ReadWrite,  // created when missing, positioned at the start, nothing truncated
    Create,     // created or truncated, for writing
};

// A line-oriented text file. Move-only; closes itself.
class TextFile {
  public:
    TextFile() = default;
    TextFile(TextFile&& other) noexcept;
    TextFile& operator=(TextFile&& other) noexcept;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Opens the configured path in the given mode; isOpen() tells whether it worked.
    static TextFile open(std::string_view configuredPath, OpenMode mode);

    bool isOpen() const { return file_ != nullptr; }
    // True when no byte is left to read (also when the file is not open).
    bool atEnd();
    // The text up to the next CR, LF or CR LF, without the break; "" past the end.
    std::string readLine();
    // Writes text + CR LF. A failed write is remembered and reported by close().
    void writeLine(std::string_view text);
    // Writes bytes as they are (no line end).
    void writeRaw(std::string_view bytes);
    // Closes the file; false when a write or the final flush failed, or nothing was open.
    bool close();

  private:
    // A stream open for reading and writing must be repositioned when the direction
    // changes; this remembers the direction of the last access.
    enum class Access : std::uint8_t { None, Read, Write };
    TextFile(std::FILE* file, std::string hostPath) : file_(file), hostPath_(std::move(hostPath)) {}
    void prepareFor(Access access);
    // False (and the file treated as ended or unwritable) when the file-fault switch says so.
    bool readAllowed();
    bool writeAllowed();
    void write(std::string_view bytes, std::string_view more);
    std::FILE* file_ = nullptr;
    std::string hostPath_;
    bool writeFailed_ = false;
    bool readFailed_ = false;
    bool readChecked_ = false;
    Access lastAccess_ = Access::None;
};

// Splits text held in memory (for example a whole file from readWholeFile) into lines by
// the same rules as TextFile::readLine. The returned views point into the text.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool atEnd() const { return position_ >= text_.size(); }
    // The text up to the next CR, LF or CR LF, without the break; "" past the end.
    std::string_view next();

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads a whole file into memory; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(std::string_view configuredPath);

// Replaces (or creates) a file with the given bytes through a temporary file in the same
// directory and a rename, so the old file stays intact when anything fails.
bool replaceFileContents(std::string_view configuredPath, std::string_view bytes);

// The two halves of that replacement, for files that must change together: stage every file
// first (its bytes written in full to a temporary file beside it and flushed), then commit
// them, so a write that fails leaves every old file as it was. staged is the temporary
// file's host path, nullopt when it could not be written (nothing is left behind then).
std::optional<std::string> stageFileContents(std::string_view configuredPath,
                                             std::string_view bytes);
// Renames the staged file over its target; on failure the staged file is removed.
bool commitStagedFile(const std::string& staged, std::string_view configuredPath);
void discardStagedFile(const std::string& staged);

struct DirectoryEntry {
    std::string name;  // the entry's own name, as stored on disk
    bool isDirectory = false;
};

bool fileExists(std::string_view configuredPath);       // a regular file
bool directoryExists(std::string_view configuredPath);  // a directory
bool createDirectory(std::string_view configuredPath);  // true also when it already exists
// Entries of a directory ("." and ".." left out), sorted by name; empty when unreadable.
std::vector<DirectoryEntry> listDirectory(std::string_view configuredPath);
bool deleteFile(std::string_view configuredPath);
bool deleteDirectory(std::string_view configuredPath);  // an empty directory
// Renames a file or directory; an existing target file is replaced.
bool renameFile(std::string_view fromPath, std::string_view toPath);
// Copies a file's bytes; the target is replaced as by replaceFileContents.
bool copyFile(std::string_view fromPath, std::string_view toPath);
// Appends bytes to a file, creating it when missing; false when not all were written.
bool appendToFile(std::string_view configuredPath, std::string_view bytes);

}  // namespace media
