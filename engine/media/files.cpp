// Text files, whole-file reading and writing, and directories. Directories, file types and
// renames go through std::filesystem (never its throwing overloads); opening without
// waiting (named pipes) and the atomic replace need the system calls.
#include "engine/media/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/media/file_faults.h"

namespace media {

namespace {

// The host path of a configured path, or nullopt when the path cannot name a file: an
// embedded NUL would silently cut the name short at the system call.
std::optional<std::string> usableHostPath(std::string_view configuredPath) {
    if (configuredPath.empty() || configuredPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return hostPath(configuredPath);
}

namespace fs = std::filesystem;

bool isDirectoryPath(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The directory part of a host path ("." for a bare name), for syncing after a rename.
std::string parentDirectory(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

// ---- TextFile -------------------------------------------------------------------------

TextFile::TextFile(TextFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      hostPath_(std::move(other.hostPath_)),
      writeFailed_(std::exchange(other.writeFailed_, false)),
      readFailed_(std::exchange(other.readFailed_, false)),
      readChecked_(std::exchange(other.readChecked_, false)),
      lastAccess_(std::exchange(other.lastAccess_, Access::None)) {}

TextFile& TextFile::operator=(TextFile&& other) noexcept {
    if (this != &other) {
        close();
        file_ = std::exchange(other.file_, nullptr);
        hostPath_ = std::move(other.hostPath_);
        writeFailed_ = std::exchange(other.writeFailed_, false);
        readFailed_ = std::exchange(other.readFailed_, false);
        readChecked_ = std::exchange(other.readChecked_, false);
        lastAccess_ = std::exchange(other.lastAccess_, Access::None);
    }
    return *this;
}

TextFile::~TextFile() {
    close();
}

TextFile TextFile::open(std::string_view configuredPath, OpenMode mode) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path) return TextFile();
    int flags = O_CLOEXEC;
    const char* streamMode = "r+b";
    switch (mode) {
        case OpenMode::ReadOnly:
            flags |= O_RDONLY;
            streamMode = "rb";
            break;
        case OpenMode::ReadWrite:
            flags |= O_RDWR | O_CREAT;
            break;
        case OpenMode::Create:
            flags |= O_RDWR | O_CREAT | O_TRUNC;
            break;
    }
    if (injectedFileFault(FileOperation::Open, *path) != 0) return TextFile();
    // Opened without waiting (a named pipe would wait for a writer), then blocking again.
    const int fd = ::open(path->c_str(), flags | O_NONBLOCK, 0666);
    if (fd < 0) return TextFile();
    struct stat info;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return TextFile();
    }
    std::FILE* file = fdopen(fd, streamMode);
    if (file == nullptr) {
        ::close(fd);
        return TextFile();
    }
    return TextFile(file, *path);
}

bool TextFile::readAllowed() {
    // One read check per file: a failed read leaves the file looking ended, as a read
    // error of the stream does.
    if (!readChecked_) {
        readChecked_ = true;
        readFailed_ = injectedFileFault(FileOperation::Read, hostPath_) != 0;
    }
    return !readFailed_;
}

bool TextFile::writeAllowed() {
    if (injectedFileFault(FileOperation::Write, hostPath_) == 0) return true;
    writeFailed_ = true;
    return false;
}

void TextFile::prepareFor(Access access) {
    // C streams need a positioning call between a write and a read in either order.
    if (lastAccess_ != Access::None && lastAccess_ != access) std::fseek(file_, 0, SEEK_CUR);
    lastAccess_ = access;
}

bool TextFile::atEnd() {
    if (file_ == nullptr || !readAllowed()) return true;
    prepareFor(Access::Read);
    const int c = getc_unlocked(file_);
    if (c == EOF) return true;
    ungetc(c, file_);
    return false;
}

std::string TextFile::readLine() {
    std::string line;
    if (file_ == nullptr || !readAllowed()) return line;
    prepareFor(Access::Read);
    int c;
    while ((c = getc_unlocked(file_)) != EOF) {
        if (c == '\n') break;
        if (c == '\r') {
            const int next = getc_unlocked(file_);
            if (next != '\n' && next != EOF) ungetc(next, file_);
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    return line;
}

void TextFile::write(std::string_view bytes, std::string_view more) {
    if (file_ == nullptr) {
        writeFailed_ = true;
        return;
    }
    if (!writeAllowed()) return;
    prepareFor(Access::Write);
    for (const std::string_view part : {bytes, more}) {
        if (!part.empty() && std::fwrite(part.data(), 1, part.size(), file_) != part.size()) {
            writeFailed_ = true;
        }
    }
}

void TextFile::writeRaw(std::string_view bytes) {
    write(bytes, {});
}

void TextFile::writeLine(std::string_view text) {
    write(text, "\r\n");
}

bool TextFile::close() {
    if (file_ == nullptr) return false;
    const bool closed = std::fclose(file_) == 0;
    const bool ok = closed && !writeFailed_;
    file_ = nullptr;
    hostPath_.clear();
    writeFailed_ = false;
    readFailed_ = false;
    readChecked_ = false;
    lastAccess_ = Access::None;
    return ok;
}

// ---- LineReader -----------------------------------------------------------------------

std::string_view LineReader::next() {
    const std::size_t size = text_.size();
    const char* data = text_.data();
    const std::size_t start = position_;
    std::size_t i = start;
    while (i < size && data[i] != '\n' && data[i] != '\r')
        ++i;
    const std::string_view line(data + start, i - start);
    if (i < size) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        ++i;
    }
    position_ = i;
    return line;
}

// ---- Whole files ----------------------------------------------------------------------

std::optional<std::string> readWholeFile(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path || injectedFileFault(FileOperation::Open, *path) != 0) return std::nullopt;
    // Without waiting: opening a named pipe would wait for a writer.
    const int fd = ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info;
    // Regular files only: a device such as /dev/zero would never end.
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    if (injectedFileFault(FileOperation::Read, *path) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    // Read until the end rather than trusting the size: the file may be growing.
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return bytes;
}

std::optional<std::string> stageFileContents(std::string_view configuredPath,
                                             std::string_view bytes) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path || path->back() == '/' || isDirectoryPath(*path)) return std::nullopt;
    // Faults are checked against the target: it is the file the caller names.
    if (injectedFileFault(FileOperation::Open, *path) != 0) return std::nullopt;
    std::string temporary = *path + ".tmp-XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // mkostemp creates the file private to the user; give it the old file's permissions,
    // or those a newly created file would get.
    struct stat old;
    if (stat(path->c_str(), &old) == 0) {
        fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    bool ok = injectedFileFault(FileOperation::Write, *path) == 0 && writeAll(fd, bytes) &&
              fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

bool commitStagedFile(const std::string& staged, std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path || injectedFileFault(FileOperation::Rename, *path) != 0 ||
        std::rename(staged.c_str(), path->c_str()) != 0) {
        discardStagedFile(staged);
        return false;
    }
    // Make the rename itself durable; a failure here no longer endangers the data.
    const int dirFd = ::open(parentDirectory(*path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void discardStagedFile(const std::string& staged) {
    ::unlink(staged.c_str());
}

bool replaceFileContents(std::string_view configuredPath, std::string_view bytes) {
    const std::optional<std::string> staged = stageFileContents(configuredPath, bytes);
    return staged && commitStagedFile(*staged, configuredPath);
}

// ---- Directories and single files -----------------------------------------------------

bool fileExists(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    std::error_code error;
    return path && fs::is_regular_file(*path, error);
}

bool directoryExists(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    return path && isDirectoryPath(*path);
}

bool createDirectory(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path || injectedFileFault(FileOperation::Mkdir, *path) != 0) return false;
    std::error_code error;
    if (fs::create_directory(*path, error)) return true;
    return !error && isDirectoryPath(*path);  // it was there already
}

std::vector<DirectoryEntry> listDirectory(std::string_view configuredPath) {
    std::vector<DirectoryEntry> entries;
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path) return entries;
    std::error_code error;
    for (fs::directory_iterator it(*path, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        // is_directory follows links, as a directory named through a link is one to open.
        entries.push_back({it->path().filename().string(), it->is_directory(typeError)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return entries;
}

bool deleteFile(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    return path && ::unlink(path->c_str()) == 0;
}

bool deleteDirectory(std::string_view configuredPath) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    return path && ::rmdir(path->c_str()) == 0;
}

bool renameFile(std::string_view fromPath, std::string_view toPath) {
    const std::optional<std::string> from = usableHostPath(fromPath);
    const std::optional<std::string> to = usableHostPath(toPath);
    if (!from || !to || injectedFileFault(FileOperation::Rename, *to) != 0) return false;
    std::error_code error;
    fs::rename(*from, *to, error);
    return !error;
}

bool copyFile(std::string_view fromPath, std::string_view toPath) {
    const std::optional<std::string> bytes = readWholeFile(fromPath);
    return bytes && replaceFileContents(toPath, *bytes);
}

bool appendToFile(std::string_view configuredPath, std::string_view bytes) {
    const std::optional<std::string> path = usableHostPath(configuredPath);
    if (!path || injectedFileFault(FileOperation::Open, *path) != 0) return false;
    const int fd =
        ::open(path->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              injectedFileFault(FileOperation::Write, *path) == 0 && writeAll(fd, bytes);
    ok = (::close(fd) == 0) && ok;
    return ok;
}

}  // namespace media
