// SPDX-License-Identifier: MIT
#include "imaging/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace tp::imaging {
namespace {

// Progressive streams may carry any number of scans; a forged one with thousands makes the
// decoder crawl. The game's own use ten.
constexpr int kMaxScans = 256;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

// libjpeg's own handler prints and ends the process; these jump back to the decoder instead.
[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->code = cinfo->err->msg_code;
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) { // a warning: corrupt data or a premature end
        OnError(cinfo);
    }
}

void Silent(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor) {
        const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->input_scan_number > kMaxScans) {
            cinfo->err->msg_code = JERR_BAD_SCAN_SCRIPT;
            OnError(cinfo);
        }
    }
}

// Lives in the caller's frame, not in the frame that calls setjmp, so that its contents are
// well defined after a jump back.
struct Session {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;

    Session() {
        std::memset(&cinfo, 0, sizeof cinfo);
        std::memset(&progress, 0, sizeof progress);
        cinfo.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = OnError;
        err.pub.emit_message = OnMessage;
        err.pub.output_message = Silent;
        err.code = 0;
        progress.progress_monitor = OnProgress;
    }
};

bool TooBig(const jpeg_decompress_struct& cinfo) {
    return cinfo.image_width > static_cast<JDIMENSION>(kMaxPictureSide) ||
           cinfo.image_height > static_cast<JDIMENSION>(kMaxPictureSide);
}

// Everything between setjmp and the jumps lives in this function, which holds no object with
// a destructor: the jump skips no cleanup. Returns 0 or libjpeg's message number.
int Decode(Session& session, const unsigned char* data, std::size_t size, ColourDepth depth,
           PictureTarget& target, Palette& palette) {
    jpeg_decompress_struct& cinfo = session.cinfo;
    if (setjmp(session.err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return session.err.code;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &session.progress;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (TooBig(cinfo)) {
        jpeg_destroy_decompress(&cinfo);
        return JERR_IMAGE_TOO_BIG;
    }
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_fancy_upsampling = TRUE;
    cinfo.do_block_smoothing = TRUE;
    cinfo.out_color_space = JCS_RGB;
    if (depth == ColourDepth::Palette) {
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = kPaletteColours;
        cinfo.two_pass_quantize = TRUE;
        cinfo.dither_mode = JDITHER_FS;
    }
    jpeg_start_decompress(&cinfo);

    if (!target.Start(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                      8 * cinfo.output_components)) {
        jpeg_destroy_decompress(&cinfo);
        return JERR_OUT_OF_MEMORY;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = target.Row(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    if (cinfo.quantize_colors) {
        palette.resize(static_cast<std::size_t>(cinfo.actual_number_of_colors));
        for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
            for (int c = 0; c < 3; ++c) {
                // A grey stream's map has one component: every channel reads it.
                const int source = cinfo.out_color_components == 3 ? c : 0;
                palette[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                    cinfo.colormap[source][i];
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

int ReadHeader(Session& session, const unsigned char* data, std::size_t size, int& width,
               int& height) {
    jpeg_decompress_struct& cinfo = session.cinfo;
    if (setjmp(session.err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return session.err.code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    const bool tooBig = TooBig(cinfo);
    width = static_cast<int>(cinfo.image_width);
    height = static_cast<int>(cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return tooBig ? JERR_IMAGE_TOO_BIG : 0;
}

} // namespace

std::string JpegErrorText(int messageCode) {
    char text[32];
    std::snprintf(text, sizeof text, "JPEG error #%d", messageCode);
    return text;
}

std::string DecodeJpegInto(std::span<const unsigned char> stream, ColourDepth depth,
                           PictureTarget& target, Palette& palette) {
    Session session;
    const int code = Decode(session, stream.data(), stream.size(), depth, target, palette);
    if (code != 0) {
        palette.clear();
        return JpegErrorText(code);
    }
    return {};
}

DecodeResult DecodeJpeg(std::span<const unsigned char> stream, ColourDepth depth) {
    // Rows packed one after the other, in memory of the picture's own.
    class Packed final : public PictureTarget {
    public:
        explicit Packed(DecodedPicture& picture) : picture_(picture) {}
        bool Start(int width, int height, int bitsPerPixel) override {
            picture_.width = width;
            picture_.height = height;
            picture_.bitsPerPixel = bitsPerPixel;
            picture_.pixels.assign(static_cast<std::size_t>(width) *
                                       static_cast<std::size_t>(height) *
                                       static_cast<std::size_t>(bitsPerPixel / 8),
                                   0);
            return true;
        }
        unsigned char* Row(int y) override { return picture_.pixels.data() + RowOffset(y); }

    private:
        std::size_t RowOffset(int y) const {
            return static_cast<std::size_t>(y) * static_cast<std::size_t>(picture_.width) *
                   static_cast<std::size_t>(picture_.bitsPerPixel / 8);
        }
        DecodedPicture& picture_;
    };

    DecodeResult result;
    Packed target(result.picture);
    result.error = DecodeJpegInto(stream, depth, target, result.picture.palette);
    if (!result.error.empty()) {
        result.picture = {};
        return result;
    }
    result.ok = true;
    return result;
}

JpegSize ReadJpegSize(std::span<const unsigned char> stream) {
    JpegSize size;
    Session session;
    const int code = ReadHeader(session, stream.data(), stream.size(), size.width, size.height);
    if (code != 0) {
        size = {};
        size.error = JpegErrorText(code);
        return size;
    }
    size.ok = true;
    return size;
}

} // namespace tp::imaging
