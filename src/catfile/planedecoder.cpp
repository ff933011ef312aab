#include "catfile/planedecoder.h"

#include <array>
#include <cstdint>

#include "catfile/catlayout.h"

namespace tavrolin::catfile {

namespace {

// For each byte: the low four bits its value as a hexadecimal digit (either case), the
// high four set when it is one. Any other byte is 0: no value, so no bits either.
constexpr auto kDigitBits = [] {
    std::array<std::uint8_t, 256> bits{};
    for (int i = 0; i < 16; ++i) {
        const auto entry = static_cast<std::uint8_t>(0xF0 | i);
        bits[static_cast<unsigned char>("0123456789ABCDEF"[i])] = entry;
        bits[static_cast<unsigned char>("0123456789abcdef"[i])] = entry;
    }
    return bits;
}();

}  // namespace

PlaneLineBits decodePlaneLine(std::string_view text, int n) {
    PlaneLineBits line;
    if (n < 1 || n > kPlaneLines) {
        return line;
    }
    line.firstX = 8 * (16 - (n - 1) / 4) - 7;
    line.firstRow = 64 - 16 * ((n - 1) % 4);
    // A short line reads as if padded with characters that give no value.
    std::array<char, kDigitsPerLine> padded;
    const char* digits = text.data();
    if (text.size() < kDigitsPerLine) {
        padded.fill(' ');
        text.copy(padded.data(), padded.size());
        digits = padded.data();
    }
    for (std::size_t j = 0; j < line.set.size(); ++j) {
        const unsigned high = kDigitBits[static_cast<unsigned char>(digits[2 * j])];
        const unsigned low = kDigitBits[static_cast<unsigned char>(digits[2 * j + 1])];
        line.set[j] = static_cast<std::uint8_t>((high << 4) | (low & 0x0FU));
        line.known[j] = static_cast<std::uint8_t>((high & 0xF0U) | (low >> 4));
    }
    return line;
}

}  // namespace tavrolin::catfile
