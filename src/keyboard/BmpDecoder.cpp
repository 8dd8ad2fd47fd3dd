#include "keyboard/BmpDecoder.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "base/LibraryError.h"

namespace zq {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
// Larger pictures are refused rather than allocated: a key is a few dozen
// pixels wide, and a damaged header must not exhaust memory.
constexpr std::int64_t kMaxPixels = std::int64_t{16} * 1024 * 1024;

// Little-endian reads that fail the decoding instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t U8(size_t at) const { return Byte(at); }
    std::uint32_t U16(size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t S32(size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    size_t Size() const { return bytes_.size(); }

private:
    std::uint32_t Byte(size_t at) const {
        if (at >= bytes_.size()) throw InvalidBitmapError();
        return static_cast<unsigned char>(bytes_[at]);
    }

    std::string_view bytes_;
};

// One colour channel described by a bit mask, scaled to 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask ? mask >> shift_ : 0) {}

    std::uint32_t Of(std::uint32_t value) const {
        if (max_ == 0) return 0;
        return static_cast<std::uint32_t>(((value & mask_) >> shift_) * 255u / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive: rows stored bottom-up
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t paletteCount = 0;
    size_t paletteAt = 0;
    size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

Header ReadHeader(const ByteReader& in) {
    Header h;
    const size_t headerSize = in.U32(kFileHeaderSize);
    const size_t at = kFileHeaderSize + 4;
    if (headerSize == kCoreHeaderSize) {
        h.width = in.U16(at);
        h.height = in.U16(at + 2);
        if (in.U16(at + 4) != 1) throw InvalidBitmapError();
        h.bitsPerPixel = in.U16(at + 6);
        h.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        h.width = in.S32(at);
        h.height = in.S32(at + 4);
        if (in.U16(at + 8) != 1) throw InvalidBitmapError();
        h.bitsPerPixel = in.U16(at + 10);
        h.compression = in.U32(at + 12);
        h.paletteCount = in.U32(at + 28);
    } else {
        throw InvalidBitmapError();
    }
    h.paletteAt = kFileHeaderSize + headerSize;

    if (h.compression == kCompressionBitFields) {
        if (h.bitsPerPixel != 16 && h.bitsPerPixel != 32) throw InvalidBitmapError();
        // An info header is followed by the masks; later headers hold them.
        const size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
        h.masks = {in.U32(masksAt), in.U32(masksAt + 4), in.U32(masksAt + 8)};
        if (headerSize == kInfoHeaderSize) h.paletteAt += 12;
    } else if (h.compression == kCompressionRgb) {
        if (h.bitsPerPixel == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
        if (h.bitsPerPixel == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    } else {
        throw InvalidBitmapError();  // run-length and embedded formats
    }

    switch (h.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
            if (h.paletteCount == 0 || h.paletteCount > (1u << h.bitsPerPixel)) {
                h.paletteCount = 1u << h.bitsPerPixel;
            }
            break;
        case 16:
        case 24:
        case 32:
            h.paletteCount = 0;
            break;
        default:
            throw InvalidBitmapError();
    }
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || rows == 0 || h.width * rows > kMaxPixels) throw InvalidBitmapError();
    return h;
}

std::vector<RgbPixel> ReadPalette(const ByteReader& in, const Header& h) {
    std::vector<RgbPixel> palette(h.paletteCount);
    for (size_t i = 0; i < palette.size(); ++i) {
        const size_t at = h.paletteAt + i * h.paletteEntrySize;
        palette[i] = in.U8(at + 2) << 16 | in.U8(at + 1) << 8 | in.U8(at);  // stored blue, green, red
    }
    return palette;
}

}  // namespace

Bitmap DecodeBmp(std::string_view bytes) {
    const ByteReader in(bytes);
    if (in.Size() < kFileHeaderSize || in.U8(0) != 'B' || in.U8(1) != 'M') throw InvalidBitmapError();
    const Header h = ReadHeader(in);
    const std::vector<RgbPixel> palette = ReadPalette(in, h);

    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
    const size_t stride = ((static_cast<size_t>(width) * h.bitsPerPixel + 31) / 32) * 4;
    const size_t dataAt = in.U32(10);
    if (dataAt > in.Size() || stride * height > in.Size() - dataAt) throw InvalidBitmapError();

    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    Bitmap bitmap(width, height);
    for (int row = 0; row < height; ++row) {
        const size_t rowAt = dataAt + static_cast<size_t>(row) * stride;
        const int y = h.height < 0 ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            RgbPixel color = 0;
            if (h.bitsPerPixel <= 8) {
                const size_t bit = static_cast<size_t>(x) * h.bitsPerPixel;
                const std::uint32_t shift = 8 - h.bitsPerPixel - bit % 8;
                const std::uint32_t index = in.U8(rowAt + bit / 8) >> shift & ((1u << h.bitsPerPixel) - 1);
                color = index < palette.size() ? palette[index] : 0;
            } else if (h.bitsPerPixel == 24) {
                const size_t at = rowAt + static_cast<size_t>(x) * 3;
                color = in.U8(at + 2) << 16 | in.U8(at + 1) << 8 | in.U8(at);
            } else {
                const size_t bytesPerPixel = h.bitsPerPixel / 8;
                const size_t at = rowAt + x * bytesPerPixel;
                const std::uint32_t value = bytesPerPixel == 2 ? in.U16(at) : in.U32(at);
                color = red.Of(value) << 16 | green.Of(value) << 8 | blue.Of(value);
            }
            bitmap.SetPixel(x, y, color);
        }
    }
    return bitmap;
}

}  // namespace zq
