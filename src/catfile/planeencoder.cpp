#include "catfile/planeencoder.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tavrolin::catfile {

using model::ColorCode;
using model::PictureGrid;

namespace {

// Eight flags (0 or 1), the first the most significant bit.
unsigned packByte(const std::uint8_t* flags) {
    if constexpr (std::endian::native == std::endian::little) {
        // Flag k is byte k of the word; the multiplication moves it to bit 7 - k of the
        // top byte, and no two partial products meet, so nothing carries.
        std::uint64_t word = 0;
        std::memcpy(&word, flags, sizeof word);
        return static_cast<unsigned>((word * 0x8040201008040201ULL) >> 56);
    } else {
        unsigned byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
            byte |= unsigned{flags[bit]} << (7 - bit);
        }
        return byte;
    }
}

}  // namespace

PlaneText encodePlaneText(const PictureGrid& picture, ColorCode code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    PlaneText text{};
    std::array<std::uint8_t, model::kColumns> hits{};
    // Row by row, the order the picture lies in memory; each row gives one byte to
    // each of the 16 byte columns, so to 16 lines.
    for (int y = 1; y <= model::kRows; ++y) {
        for (int x = 1; x <= model::kColumns; ++x) {
            hits[x - 1] = picture.at(x, y) == code ? 1 : 0;
        }
        const int lineInColumn = (64 - y) / 16;
        const int byteInLine = (64 - y) % 16;
        for (int column = 1; column <= 16; ++column) {
            const unsigned byte = packByte(&hits[8 * (column - 1)]);
            PlaneLine& line = text[4 * (16 - column) + lineInColumn];
            line[2 * byteInLine] = kDigits[byte >> 4];
            line[2 * byteInLine + 1] = kDigits[byte & 0xFU];
        }
    }
    return text;
}

}  // namespace tavrolin::catfile
