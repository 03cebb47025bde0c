// SPDX-License-Identifier: MIT
#include "imaging/BitmapDecoder.h"

#include <cstdlib>

namespace tp::imaging {
namespace {

class Reader {
public:
    explicit Reader(std::span<const unsigned char> data) : data_(data) {}
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    std::uint32_t U16(std::size_t offset) const {
        return static_cast<std::uint32_t>(data_[offset]) |
               static_cast<std::uint32_t>(data_[offset + 1]) << 8;
    }
    std::uint32_t U32(std::size_t offset) const { return U16(offset) | U16(offset + 2) << 16; }
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    unsigned char Byte(std::size_t offset) const { return data_[offset]; }

private:
    std::span<const unsigned char> data_;
};

BitmapResult Fail(const char* why) {
    BitmapResult result;
    result.error = why;
    return result;
}

std::size_t Stride(int width, int bits) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

std::uint32_t Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

// A device-independent bitmap: the 40-byte (or longer) information header at `header`, the
// pixel rows at `pixels`. Icons store twice the image's height, the mask following the image.
struct Dib {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bits = 0;
    std::vector<std::uint32_t> palette;
};

const char* ReadDib(const Reader& in, std::size_t header, bool icon, Dib& dib) {
    if (!in.Has(header, 40)) {
        return "Bitmap header is cut off";
    }
    const std::uint32_t headerSize = in.U32(header);
    const std::int32_t width = in.S32(header + 4);
    std::int32_t height = in.S32(header + 8);
    const std::uint32_t bits = in.U16(header + 14);
    const std::uint32_t compression = in.U32(header + 16);
    std::uint32_t colours = in.U32(header + 32);
    if (headerSize < 40 || compression != 0) {
        return "Unsupported bitmap format";
    }
    if (icon) {
        height /= 2;
    }
    if (width <= 0 || height == 0 || width > kMaxBitmapSide || std::abs(height) > kMaxBitmapSide) {
        return "Bitmap size out of range";
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24) {
        return "Unsupported bitmap format";
    }
    dib.width = width;
    dib.height = std::abs(height);
    dib.bottomUp = height > 0;
    dib.bits = static_cast<int>(bits);
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        if (colours == 0 || colours > most) {
            colours = most;
        }
        const std::size_t table = header + headerSize;
        if (!in.Has(table, colours * 4)) {
            return "Bitmap colour table is cut off";
        }
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = table + 4 * i;
            dib.palette.push_back(Opaque(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at)));
        }
    }
    return nullptr;
}

const char* ReadPixels(const Reader& in, std::size_t offset, const Dib& dib, ArgbImage& out) {
    const std::size_t stride = Stride(dib.width, dib.bits);
    if (!in.Has(offset, stride * static_cast<std::size_t>(dib.height))) {
        return "Bitmap pixels are cut off";
    }
    out.width = dib.width;
    out.height = dib.height;
    out.pixels.assign(static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.height),
                      0xFF000000u);
    for (int y = 0; y < dib.height; ++y) {
        const int stored = dib.bottomUp ? dib.height - 1 - y : y;
        const std::size_t row = offset + stride * static_cast<std::size_t>(stored);
        for (int x = 0; x < dib.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            std::uint32_t colour = 0;
            if (dib.bits == 24) {
                colour = Opaque(in.Byte(row + 3 * ux + 2), in.Byte(row + 3 * ux + 1),
                                in.Byte(row + 3 * ux));
            } else if (dib.bits == 16) {
                const std::uint32_t v = in.U16(row + 2 * ux);
                // Widen 5 bits to 8 by repeating the top bits, so that white stays white.
                const auto widen = [](std::uint32_t c) { return c << 3 | c >> 2; };
                colour = Opaque(widen(v >> 10 & 31), widen(v >> 5 & 31), widen(v & 31));
            } else {
                const int perByte = 8 / dib.bits;
                const unsigned char byte = in.Byte(row + ux / static_cast<std::size_t>(perByte));
                const int shift = 8 - dib.bits * (x % perByte + 1);
                const std::size_t index =
                    static_cast<std::size_t>(byte >> shift & ((1 << dib.bits) - 1));
                colour = index < dib.palette.size() ? dib.palette[index] : 0xFF000000u;
            }
            out.At(x, y) = colour;
        }
    }
    return nullptr;
}

} // namespace

BitmapResult DecodeBitmapFile(std::span<const unsigned char> file) {
    const Reader in(file);
    if (!in.Has(0, 14) || file[0] != 'B' || file[1] != 'M') {
        return Fail("Not a bitmap file");
    }
    Dib dib;
    if (const char* why = ReadDib(in, 14, false, dib)) {
        return Fail(why);
    }
    BitmapResult result;
    if (const char* why = ReadPixels(in, in.U32(10), dib, result.image)) {
        return Fail(why);
    }
    result.ok = true;
    return result;
}

BitmapResult DecodeStoredGlyph(std::span<const unsigned char> stored) {
    const Reader in(stored);
    if (!in.Has(0, 4)) {
        return Fail("Not a bitmap file");
    }
    const std::uint32_t length = in.U32(0);
    if (!in.Has(4, length)) {
        return Fail("Bitmap file is cut off");
    }
    return DecodeBitmapFile(stored.subspan(4, length));
}

BitmapResult DecodeIconFile(std::span<const unsigned char> file) {
    const Reader in(file);
    if (!in.Has(0, 6 + 16) || in.U16(0) != 0 || in.U16(2) != 1 || in.U16(4) == 0) {
        return Fail("Not an icon file");
    }
    const std::uint32_t size = in.U32(6 + 8);
    const std::uint32_t offset = in.U32(6 + 12);
    if (!in.Has(offset, size)) {
        return Fail("Icon image is cut off");
    }
    const Reader image(file.subspan(offset, size));
    Dib dib;
    if (const char* why = ReadDib(image, 0, true, dib)) {
        return Fail(why);
    }
    const std::size_t pixels = image.U32(0) + dib.palette.size() * 4;
    BitmapResult result;
    if (const char* why = ReadPixels(image, pixels, dib, result.image)) {
        return Fail(why);
    }
    // The mask follows the image: a set bit leaves the pixel transparent.
    Dib mask = dib;
    mask.bits = 1;
    mask.palette = {0xFF000000u, 0xFFFFFFFFu};
    ArgbImage bits;
    if (const char* why = ReadPixels(
            image, pixels + Stride(dib.width, dib.bits) * static_cast<std::size_t>(dib.height),
            mask, bits)) {
        return Fail(why);
    }
    for (std::size_t i = 0; i < bits.pixels.size(); ++i) {
        if (bits.pixels[i] == 0xFFFFFFFFu) {
            result.image.pixels[i] = 0;
        }
    }
    result.ok = true;
    return result;
}

} // namespace tp::imaging
