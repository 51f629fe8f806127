#include "media/ogg_encoder.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>

namespace testing_support {
namespace {

void appendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

}  // namespace

std::string encodeOggTone(int channels, int sampleRate, int frames, float frequency, int serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, sampleRate, 0.1f) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("vorbis encoder set-up failed");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    std::string out;
    ogg_packet identification;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream, &identification);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage(out, page);

    constexpr int kChunk = 1024;
    int written = 0;
    bool finished = false;
    while (!finished) {
        const int count = std::min(kChunk, frames - written);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            for (int i = 0; i < count; ++i) {
                const double t = static_cast<double>(written + i) / sampleRate;
                const auto value =
                    static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * frequency * t));
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = value;
            }
            written += count;
        }
        vorbis_analysis_wrote(&dsp, count > 0 ? count : 0);
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page) != 0) finished = true;
                }
            }
        }
        if (count <= 0 && !finished) {
            while (ogg_stream_flush(&stream, &page) != 0)
                appendPage(out, page);
            finished = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::string withLastGranule(std::string ogg, std::int64_t granule) {
    const std::size_t start = ogg.rfind("OggS");
    if (start == std::string::npos || ogg.size() < start + 27) throw std::runtime_error("no page");
    const auto segments = static_cast<unsigned char>(ogg[start + 26]);
    const std::size_t headerLength = 27 + segments;
    for (int i = 0; i < 8; ++i) {
        ogg[start + 6 + i] =
            static_cast<char>((static_cast<std::uint64_t>(granule) >> (8 * i)) & 0xFF);
    }
    ogg_page page{};
    page.header = reinterpret_cast<unsigned char*>(ogg.data() + start);
    page.header_len = static_cast<long>(headerLength);
    page.body = reinterpret_cast<unsigned char*>(ogg.data() + start + headerLength);
    page.body_len = static_cast<long>(ogg.size() - start - headerLength);
    ogg_page_checksum_set(&page);
    return ogg;
}

}  // namespace testing_support
