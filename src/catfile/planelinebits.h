#pragma once

#include <array>
#include <cstdint>

namespace tavrolin::catfile {

// What one line of a bit plane says about its 128 cells: the 16 bytes of one byte
// column, byte i for row firstRow - i (a line runs up the screen), the most significant
// bit the leftmost cell firstX. Only the bits of `known` carry a value: a character that
// is no hexadecimal digit, or is missing, leaves its four cells without one.
struct PlaneLineBits {
    int firstX = 0;
    int firstRow = 0;
    std::array<std::uint8_t, 16> set{};
    std::array<std::uint8_t, 16> known{};

    // Calls visit(x, y, set) for every cell that has a value.
    template <typename Visit>
    void forEachCell(Visit&& visit) const {
        for (int i = 0; i < 16; ++i) {
            for (int bit = 0; bit < 8; ++bit) {
                const unsigned mask = 0x80U >> bit;
                if ((known[i] & mask) != 0) {
                    visit(firstX + bit, firstRow - i, (set[i] & mask) != 0);
                }
            }
        }
    }
};

}  // namespace tavrolin::catfile
