// JPEG decoding through libjpeg, in memory.
//
// libjpeg's default error handler ends the process; ours jumps back to decodeRows, which,
// like every function between setjmp and the jump, owns no object with a destructor.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "engine/media/pictures.h"

namespace media {

namespace {

// A progressive file may hold any number of scans, each a full pass over the picture;
// real files have about ten. More than this is an attack on the processor time.
constexpr int kMaxProgressiveScans = 500;

struct JpegContext {
    jpeg_error_mgr errors;  // first member: libjpeg hands back a pointer to it
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    bool truncated = false;
};

JpegContext& contextOf(j_common_ptr cinfo) {
    return *reinterpret_cast<JpegContext*>(cinfo->err);
}

[[noreturn]] void onJpegError(j_common_ptr cinfo) {
    std::longjmp(contextOf(cinfo).jump, 1);
}

void onJpegMessage(j_common_ptr cinfo, int level) {
    // Warnings (level -1) are silent; a file that ends early is refused afterwards rather
    // than shown with its missing part filled in grey.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) contextOf(cinfo).truncated = true;
}

void onJpegOutput(j_common_ptr) {}

void onJpegProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor == 0) return;
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxProgressiveScans) onJpegError(cinfo);
}

bool decodeRows(jpeg_decompress_struct& cinfo, JpegContext& context, const unsigned char* data,
                std::size_t size, std::vector<unsigned char>& samples) {
    if (setjmp(context.jump)) return false;
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &context.progress;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (!pictureSizeAllowed(cinfo.image_width, cinfo.image_height)) return false;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const std::size_t rowBytes = static_cast<std::size_t>(cinfo.output_width) *
                                 static_cast<std::size_t>(cinfo.output_components);
    samples.resize(rowBytes * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = samples.data() + rowBytes * cinfo.output_scanline;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
    }
    // A file cut short anywhere before the end marker has lost picture data; one that
    // lacks only the end marker itself is complete.
    if (context.truncated) return false;
    jpeg_finish_decompress(&cinfo);
    return true;
}

unsigned char scaleByInk(unsigned int ink, unsigned int black) {
    return static_cast<unsigned char>((ink * black + 127) / 255);
}

}  // namespace

std::optional<Image> decodeJpeg(std::string_view bytes) {
    if (bytes.size() < 3) return std::nullopt;
    jpeg_decompress_struct cinfo{};
    JpegContext context;
    cinfo.err = jpeg_std_error(&context.errors);
    context.errors.error_exit = onJpegError;
    context.errors.emit_message = onJpegMessage;
    context.errors.output_message = onJpegOutput;
    context.progress.progress_monitor = onJpegProgress;

    std::vector<unsigned char> samples;
    const bool ok = decodeRows(cinfo, context, reinterpret_cast<const unsigned char*>(bytes.data()),
                               bytes.size(), samples);
    Image image;
    if (ok) {
        image.width = static_cast<int>(cinfo.output_width);
        image.height = static_cast<int>(cinfo.output_height);
        image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
        const unsigned char* p = samples.data();
        if (cinfo.out_color_space == JCS_CMYK) {
            // Adobe's files store the inks inverted, which is what nearly every CMYK JPEG is.
            const bool inverted = cinfo.saw_Adobe_marker != 0;
            for (Argb& pixel : image.pixels) {
                unsigned int c = p[0], m = p[1], y = p[2], k = p[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    y = 255 - y;
                    k = 255 - k;
                }
                pixel = makeArgb(255, scaleByInk(c, k), scaleByInk(m, k), scaleByInk(y, k));
                p += 4;
            }
        } else {
            for (Argb& pixel : image.pixels) {
                pixel = makeArgb(255, p[0], p[1], p[2]);
                p += 3;
            }
        }
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok) return std::nullopt;
    return image;
}

}  // namespace media
