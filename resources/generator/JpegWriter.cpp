// SPDX-License-Identifier: MIT
#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace tp::generator {

std::vector<unsigned char> EncodeJpeg(const QImage& image, const JpegOptions& options) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    // The generator runs by hand on our own images: libjpeg's default handler, which ends the
    // process with a message, is the right response to a fault here.
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    const int lumaFactor = options.subsample2x2 ? 2 : 1;
    cinfo.comp_info[0].h_samp_factor = lumaFactor;
    cinfo.comp_info[0].v_samp_factor = lumaFactor;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.restart_in_rows = options.restartRows;
    cinfo.write_Adobe_marker = options.adobeMarker ? TRUE : FALSE;
    if (options.progressive) {
        jpeg_simple_progression(&cinfo);
    }

    jpeg_start_compress(&cinfo, TRUE);
    if (options.photoshopMarker) {
        // An image resource block with only a (zero) resolution-info header: enough to be a
        // well-formed APP13 that viewers skip.
        static const unsigned char irb[] = {'P',  'h',  'o', 't', 'o', 's', 'h', 'o', 'p',
                                            ' ',  '3',  '.', '0', 0,   '8', 'B', 'I', 'M',
                                            0x04, 0x04, 0,   0,   0,   0,   0,   0};
        jpeg_write_marker(&cinfo, JPEG_APP0 + 13, irb, sizeof irb);
    }
    if (!options.comment.empty()) {
        jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(options.comment.data()),
                          static_cast<unsigned int>(options.comment.size()));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        const unsigned char* line = rgb.constScanLine(static_cast<int>(cinfo.next_scanline));
        JSAMPROW row = const_cast<JSAMPROW>(line);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<unsigned char> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace tp::generator
