// SPDX-License-Identifier: MIT
#include "tests/imaging/TestStreams.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace tp::test {

std::uint32_t CardPixel(int x, int y, int width, int height) {
    const auto r = static_cast<std::uint32_t>(x * 255 / (width - 1));
    const auto g = static_cast<std::uint32_t>(y * 255 / (height - 1));
    const auto b = static_cast<std::uint32_t>((x + y) * 255 / (width + height - 2));
    return r << 16 | g << 8 | b;
}

Bytes EncodeCard(int width, int height, Coding coding, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr); // our own input: a failure here is a broken test
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    const int luma = coding == Coding::Baseline2x2 ? 2 : 1;
    cinfo.comp_info[0].h_samp_factor = luma;
    cinfo.comp_info[0].v_samp_factor = luma;
    cinfo.comp_info[1].h_samp_factor = cinfo.comp_info[1].v_samp_factor = 1;
    cinfo.comp_info[2].h_samp_factor = cinfo.comp_info[2].v_samp_factor = 1;
    if (coding == Coding::Progressive) {
        jpeg_simple_progression(&cinfo);
    }
    if (coding == Coding::RestartMarkers) {
        cinfo.restart_in_rows = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = CardPixel(x, y, width, height);
            row[static_cast<std::size_t>(x) * 3] = static_cast<unsigned char>(c >> 16);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>(c >> 8);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<unsigned char>(c);
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes Stored(std::span<const unsigned char> jpeg) {
    Bytes out{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e'};
    const auto n = static_cast<std::uint32_t>(jpeg.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(n >> shift));
    }
    out.insert(out.end(), jpeg.begin(), jpeg.end());
    return out;
}

std::optional<JpegLayout> ReadLayout(std::span<const unsigned char> s) {
    JpegLayout layout;
    if (s.size() < 4) {
        return std::nullopt;
    }
    layout.startsWithSoi = s[0] == 0xFF && s[1] == 0xD8;
    layout.endsWithEoi = s[s.size() - 2] == 0xFF && s[s.size() - 1] == 0xD9;
    std::size_t i = 2;
    const auto u16 = [&s](std::size_t at) { return s[at] << 8 | s[at + 1]; };
    while (i + 4 <= s.size()) {
        if (s[i] != 0xFF) {
            return std::nullopt;
        }
        const int marker = s[i + 1];
        if (marker == 0xD9) {
            break;
        }
        const auto length = static_cast<std::size_t>(u16(i + 2));
        if (i + 2 + length > s.size()) {
            return std::nullopt;
        }
        const std::size_t body = i + 4;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            layout.baseline = marker == 0xC0;
            layout.progressive = marker == 0xC2;
            layout.huffman = layout.huffman && marker < 0xC9;
            layout.height = u16(body + 1);
            layout.width = u16(body + 3);
            layout.components = s[body + 5];
            for (int c = 0; c < layout.components; ++c) {
                const unsigned char factors = s[body + 6 + static_cast<std::size_t>(c) * 3 + 1];
                if (c == 0) {
                    layout.lumaH = factors >> 4;
                    layout.lumaV = factors & 15;
                } else {
                    layout.chromaH = factors >> 4;
                    layout.chromaV = factors & 15;
                }
            }
        } else if (marker == 0xDD) {
            layout.restartInterval = u16(body);
        }
        i += 2 + length;
        if (marker == 0xDA) { // entropy-coded data follows until the next real marker
            ++layout.scans;
            while (i + 1 < s.size()) {
                if (s[i] == 0xFF && s[i + 1] != 0x00) {
                    if (s[i + 1] >= 0xD0 && s[i + 1] <= 0xD7) {
                        ++layout.restartMarkers;
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
        }
    }
    return layout;
}

} // namespace tp::test
