#include "tools/ogg_encode.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstddef>

namespace tools {

namespace {

void appendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

// The libvorbis encoder state of one stream, cleared in reverse order of set-up.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
};

// Writes the three header packets, each set flushed to pages of their own.
void writeHeaders(Encoder& encoder, std::string& out) {
    ogg_packet identification;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments,
                              &codebooks);
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page) != 0)
        appendPage(out, page);
}

// Feeds the frames in chunks, then the end of stream, and writes every page that results.
void writeAudio(Encoder& encoder, std::span<const float> samples, int channels, std::string& out) {
    constexpr std::size_t kChunk = 1024;
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    std::size_t written = 0;
    bool finished = false;
    ogg_page page;
    while (!finished) {
        const std::size_t count = std::min(kChunk, frames - written);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&encoder.dsp, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                for (int c = 0; c < channels; ++c) {
                    buffer[c][i] = samples[(written + i) * static_cast<std::size_t>(channels) +
                                           static_cast<std::size_t>(c)];
                }
            }
            written += count;
        }
        vorbis_analysis_wrote(&encoder.dsp, static_cast<int>(count));  // 0: end of stream
        while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
            vorbis_analysis(&encoder.block, nullptr);
            vorbis_bitrate_addblock(&encoder.block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet) == 1) {
                ogg_stream_packetin(&encoder.stream, &packet);
                while (ogg_stream_pageout(&encoder.stream, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page) != 0) finished = true;
                }
            }
        }
        if (count == 0 && !finished) {
            while (ogg_stream_flush(&encoder.stream, &page) != 0)
                appendPage(out, page);
            finished = true;
        }
    }
}

}  // namespace

std::optional<std::string> encodeOggVorbis(std::span<const float> samples,
                                           const OggVorbisSettings& settings) {
    if (settings.channels <= 0) return std::nullopt;
    Encoder encoder;
    vorbis_info_init(&encoder.info);
    if (vorbis_encode_init_vbr(&encoder.info, settings.channels, settings.sampleRate,
                               settings.quality) != 0) {
        vorbis_info_clear(&encoder.info);
        return std::nullopt;
    }
    vorbis_comment_init(&encoder.comment);
    for (const auto& [tag, text] : settings.tags)
        vorbis_comment_add_tag(&encoder.comment, tag.c_str(), text.c_str());
    vorbis_analysis_init(&encoder.dsp, &encoder.info);
    vorbis_block_init(&encoder.dsp, &encoder.block);
    ogg_stream_init(&encoder.stream, settings.serial);

    std::string out;
    writeHeaders(encoder, out);
    writeAudio(encoder, samples, settings.channels, out);

    ogg_stream_clear(&encoder.stream);
    vorbis_block_clear(&encoder.block);
    vorbis_dsp_clear(&encoder.dsp);
    vorbis_comment_clear(&encoder.comment);
    vorbis_info_clear(&encoder.info);
    return out;
}

}  // namespace tools
