#include "catfile/planedecoder.h"

#include <array>
#include <cstdint>

#include "catfile/catlayout.h"

namespace tavrolin::catfile {

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
    // Arithmetic alike for every character and no branch, so the compiler does the line
    // sixteen characters an instruction. Unsigned differences wrap, so each range test
    // is one comparison, and a byte above 127 fails both.
    std::array<std::uint8_t, kDigitsPerLine> values;
    std::array<std::uint8_t, kDigitsPerLine> known;
    for (std::size_t i = 0; i < kDigitsPerLine; ++i) {
        const auto c = static_cast<std::uint8_t>(digits[i]);
        const auto digit = static_cast<std::uint8_t>(c - '0');
        const auto letter = static_cast<std::uint8_t>((c | ('a' - 'A')) - 'a');
        const bool isDigit = digit < 10;
        known[i] = isDigit || letter < 6 ? 0x0F : 0;
        values[i] = static_cast<std::uint8_t>((isDigit ? digit : letter + 10) & known[i]);
    }
    for (std::size_t j = 0; j < line.set.size(); ++j) {
        line.set[j] = static_cast<std::uint8_t>((values[2 * j] << 4) | values[2 * j + 1]);
        line.known[j] = static_cast<std::uint8_t>((known[2 * j] << 4) | known[2 * j + 1]);
    }
    return line;
}

}  // namespace tavrolin::catfile
