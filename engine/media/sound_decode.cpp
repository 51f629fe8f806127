#include "engine/media/sound_decode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "engine/media/file_faults.h"
#include "engine/media/files.h"

namespace media {
namespace {

constexpr int kMaxChannels = 8;
constexpr long kMaxSampleRate = 192000;
// Memory is bounded by what the longest sound takes at 48 kHz stereo (about 110 MiB for
// ten minutes); a higher rate or more channels shortens the accepted length accordingly.
constexpr std::int64_t kMaxSamplesPerSecond = std::int64_t{48000} * 2;

// libvorbisfile reads through these callbacks from a byte range in memory.
struct MemoryReader {
    const char* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
};

std::size_t readMemory(void* destination, std::size_t size, std::size_t count, void* source) {
    auto* reader = static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    const std::size_t left = reader->size - reader->position;
    const std::size_t items = std::min(count, left / size);
    if (items > 0) std::memcpy(destination, reader->data + reader->position, items * size);
    reader->position += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<MemoryReader*>(source);
    ogg_int64_t base = 0;
    switch (whence) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = static_cast<ogg_int64_t>(reader->position);
            break;
        case SEEK_END:
            base = static_cast<ogg_int64_t>(reader->size);
            break;
        default:
            return -1;
    }
    if (offset < -base || offset > static_cast<ogg_int64_t>(reader->size) - base) return -1;
    reader->position = static_cast<std::size_t>(base + offset);
    return 0;
}

long tellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->position);
}

// An Ogg stream ends with a complete page marked end-of-stream. A file cut short ends in
// the middle of a page or on a page without that mark; libvorbisfile would quietly decode
// what is left, so the check is made here.
bool endsWithFinalPage(std::string_view bytes) {
    constexpr std::size_t kHeaderSize = 27;  // up to and including the segment count
    constexpr std::size_t kMaxPageSize = kHeaderSize + 255 + 255 * 255;
    constexpr unsigned char kEndOfStream = 0x04;
    const std::size_t earliest = bytes.size() > kMaxPageSize ? bytes.size() - kMaxPageSize : 0;
    if (bytes.size() < kHeaderSize) return false;
    for (std::size_t start = bytes.size() - kHeaderSize + 1; start-- > earliest;) {
        if (bytes.compare(start, 4, "OggS") != 0) continue;
        const auto segments = static_cast<unsigned char>(bytes[start + 26]);
        const std::size_t tableEnd = start + kHeaderSize + segments;
        if (tableEnd > bytes.size()) continue;
        std::size_t body = 0;
        for (std::size_t i = start + kHeaderSize; i < tableEnd; ++i) {
            body += static_cast<unsigned char>(bytes[i]);
        }
        if (tableEnd + body != bytes.size()) continue;
        return (static_cast<unsigned char>(bytes[start + 5]) & kEndOfStream) != 0;
    }
    return false;
}

// Owns an opened OggVorbis_File.
class VorbisStream {
  public:
    explicit VorbisStream(MemoryReader* reader) {
        const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
        open_ = ov_open_callbacks(reader, &file_, nullptr, 0, callbacks) == 0;
    }
    ~VorbisStream() {
        if (open_) ov_clear(&file_);
    }
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    bool isOpen() const { return open_; }
    OggVorbis_File* get() { return &file_; }

  private:
    OggVorbis_File file_{};
    bool open_ = false;
};

std::optional<PcmSound> decode(std::string_view bytes, int maxSeconds) {
    if (!endsWithFinalPage(bytes)) return std::nullopt;
    MemoryReader reader{bytes.data(), bytes.size(), 0};
    VorbisStream stream(&reader);
    if (!stream.isOpen()) return std::nullopt;
    // After opening a chained file libvorbisfile may stand at the second link; start over.
    if (ov_raw_seek(stream.get(), 0) != 0) return std::nullopt;

    const vorbis_info* info = ov_info(stream.get(), -1);
    if (info == nullptr || info->channels < 1 || info->channels > kMaxChannels || info->rate < 1 ||
        info->rate > kMaxSampleRate) {
        return std::nullopt;
    }
    PcmSound sound;
    sound.channels = info->channels;
    sound.sampleRate = static_cast<int>(info->rate);
    const std::int64_t seconds = std::max(0, maxSeconds);
    const std::int64_t maxFrames = std::min<std::int64_t>(
        seconds * sound.sampleRate, seconds * kMaxSamplesPerSecond / sound.channels);

    const ogg_int64_t totalFrames = ov_pcm_total(stream.get(), -1);
    if (totalFrames > maxFrames) return std::nullopt;
    if (totalFrames > 0)
        sound.samples.reserve(static_cast<std::size_t>(totalFrames) * sound.channels);

    const int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    std::array<char, 16384> buffer{};
    const std::size_t maxSamples = static_cast<std::size_t>(maxFrames) * sound.channels;
    for (;;) {
        int link = 0;
        const long got = ov_read(stream.get(), buffer.data(), static_cast<int>(buffer.size()),
                                 bigEndian, 2, 1, &link);
        if (got == 0) break;
        // OV_HOLE (a lost or damaged page) and every other error: the file is damaged.
        if (got < 0) return std::nullopt;
        const vorbis_info* linkInfo = ov_info(stream.get(), link);
        if (linkInfo == nullptr || linkInfo->channels != sound.channels ||
            linkInfo->rate != info->rate) {
            return std::nullopt;
        }
        const std::size_t count = static_cast<std::size_t>(got) / sizeof(std::int16_t);
        if (sound.samples.size() + count > maxSamples) return std::nullopt;
        const std::size_t at = sound.samples.size();
        sound.samples.resize(at + count);
        std::memcpy(sound.samples.data() + at, buffer.data(), count * sizeof(std::int16_t));
    }
    if (sound.samples.size() % static_cast<std::size_t>(sound.channels) != 0) return std::nullopt;
    return sound;
}

// Reads at most kMaxSoundFileBytes + 1 bytes, so an oversized file is recognised without
// reading it all. Regular files only: opening a named pipe must not wait for a writer.
std::optional<std::string> readBounded(const std::string& path) {
    if (injectedFileFault(FileOperation::Open, path) != 0) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info;
    std::FILE* file = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (file == nullptr) {
        ::close(fd);
        return std::nullopt;
    }
    if (injectedFileFault(FileOperation::Read, path) != 0) {
        std::fclose(file);
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    bool failed = false;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file);
        bytes.append(chunk.data(), got);
        if (static_cast<std::int64_t>(bytes.size()) > kMaxSoundFileBytes) {
            failed = true;
            break;
        }
        if (got < chunk.size()) {
            failed = std::ferror(file) != 0;
            break;
        }
    }
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<PcmSound> decodeOggVorbisFromMemory(std::string_view bytes, int maxSeconds) {
    if (static_cast<std::int64_t>(bytes.size()) > kMaxSoundFileBytes) return std::nullopt;
    try {
        return decode(bytes, maxSeconds);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<PcmSound> decodeOggVorbis(std::string_view configuredPath) {
    std::optional<std::string> bytes;
    try {
        // A NUL would cut the name short at the system call and open another file.
        if (configuredPath.find('\0') != std::string_view::npos) return std::nullopt;
        bytes = readBounded(hostPath(configuredPath));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!bytes) return std::nullopt;
    return decodeOggVorbisFromMemory(*bytes, kMaxSoundSeconds);
}

}  // namespace media
