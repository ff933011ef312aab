#include "catfile/planeapplier.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "catfile/catlayout.h"
#include "catfile/planedecoder.h"

namespace tavrolin::catfile {

using model::ColorCode;
using model::PictureGrid;

namespace {

constexpr std::size_t kLineBytes = 16;
constexpr std::size_t kPlaneBytes = kPlaneLines * kLineBytes;

// What a plane does to a cell: a set bit makes it setCode; a clear bit makes it white
// when the plane clears, and leaves it otherwise.
struct PlaneRule {
    ColorCode setCode;
    bool clears;
};

// What the planes read so far make of the cells, in the planes' own order: byte i of
// line n at 16 (n - 1) + i, its bits the cells of that byte of the line. For each cell
// the low `Bits` bits of the code it takes, and whether any plane gave it one. Bits,
// not cells, so a line costs a few instructions however many planes a file holds.
template <int Bits>
struct PlaneCodes {
    std::array<std::array<std::uint8_t, kPlaneBytes>, Bits> codeBits{};
    std::array<std::uint8_t, kPlaneBytes> given{};
};

// Eight bytes as a word and back; the operations on them treat each byte alike, so
// byte order does not matter.
std::uint64_t wordAt(const std::uint8_t* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

void storeWord(std::uint64_t word, std::uint8_t* bytes) {
    std::memcpy(bytes, &word, sizeof word);
}

// A line of a later plane over what the earlier ones gave, eight bytes a step.
template <int Bits>
void addLine(PlaneCodes<Bits>& codes, const PlaneLineBits& line, int n, PlaneRule rule) {
    const std::uint64_t clears = rule.clears ? ~std::uint64_t{0} : 0;
    std::array<std::uint64_t, Bits> codeBits;
    for (int bit = 0; bit < Bits; ++bit) {
        codeBits[bit] = ((rule.setCode >> bit) & 1) != 0 ? ~std::uint64_t{0} : 0;
    }
    for (std::size_t half = 0; half < kLineBytes; half += sizeof(std::uint64_t)) {
        const std::size_t at = kLineBytes * std::size_t(n - 1) + half;
        const std::uint64_t set = wordAt(line.set.data() + half);
        const std::uint64_t known = wordAt(line.known.data() + half);
        const std::uint64_t written = known & (set | clears);
        const std::uint64_t setCells = set & known;
        for (int bit = 0; bit < Bits; ++bit) {
            std::uint8_t* bits = &codes.codeBits[bit][at];
            storeWord((wordAt(bits) & ~written) | (setCells & codeBits[bit]), bits);
        }
        storeWord(wordAt(&codes.given[at]) | written, &codes.given[at]);
    }
}

// A byte's bits, most significant first, one a cell: 1 where the bit is set, else 0.
using Cells = std::array<std::uint16_t, 8>;
constexpr auto kCellBits = [] {
    std::array<Cells, 256> cells{};
    for (unsigned value = 0; value < 256; ++value) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            cells[value][bit] = static_cast<std::uint16_t>((value >> (7 - bit)) & 1U);
        }
    }
    return cells;
}();

// Writes the codes into the picture, eight cells at a time. Line n holds byte column
// c = 16 - (n - 1) div 4, its byte i row 64 - 16 ((n - 1) mod 4) - i, so the byte of
// row y in column c lies at 64 (16 - c) + 64 - y. A cell's code is plain arithmetic on
// its bits, a code bit being set only where a plane gave the cell its code: no branch
// on the picture (as good as random), and the compiler does eight cells in a few
// instructions. Unless every cell was given a code, those that were not keep theirs.
template <int Bits, bool KeepUngiven>
void writeCodes(const PlaneCodes<Bits>& codes, PictureGrid& picture) {
    for (int y = 1; y <= model::kRows; ++y) {
        for (int column = 1; column <= model::kColumns / 8; ++column) {
            const auto at = static_cast<std::size_t>(64 * (16 - column) + 64 - y);
            std::int16_t* first = &picture.at(8 * column - 7, y);
            Cells cells{};
            if constexpr (KeepUngiven) {
                const Cells& given = kCellBits[codes.given[at]];
                std::memcpy(cells.data(), first, sizeof cells);
                for (std::size_t k = 0; k < cells.size(); ++k) {
                    cells[k] = static_cast<std::uint16_t>(cells[k] & (given[k] - 1U));
                }
            }
            for (int bit = 0; bit < Bits; ++bit) {
                const Cells& ones = kCellBits[codes.codeBits[bit][at]];
                for (std::size_t k = 0; k < cells.size(); ++k) {
                    cells[k] = static_cast<std::uint16_t>(cells[k] | (ones[k] << bit));
                }
            }
            std::memcpy(first, cells.data(), sizeof cells);
        }
    }
}

// The planes of a whole file give every cell its code, so the picture's own need not
// be looked at.
template <int Bits>
void writeCodes(const PlaneCodes<Bits>& codes, PictureGrid& picture) {
    std::uint8_t allGiven = 0xFF;
    for (const std::uint8_t given : codes.given) {
        allGiven &= given;
    }
    if (allGiven == 0xFF) {
        writeCodes<Bits, false>(codes, picture);
    } else {
        writeCodes<Bits, true>(codes, picture);
    }
}

// Whether every cell of the line has a value: it was 32 digits.
bool allKnown(const PlaneLineBits& line) {
    return (wordAt(line.known.data()) & wordAt(line.known.data() + 8)) == ~std::uint64_t{0};
}

// Reads the planes in file order, `gap` lines not looked at before each but the first,
// adds those with a rule (the others are read past) and writes the codes they give.
// `Bits` is enough for every rule's code.
template <int Bits>
FileEnd applyPlanes(CatItemReader& reader, std::span<const std::optional<PlaneRule>> planes,
                    int gap, PictureGrid& picture) {
    PlaneCodes<Bits> codes;
    FileEnd end;
    for (std::size_t k = 0; k < planes.size() && !end; ++k) {
        for (int n = k == 0 ? 1 : 1 - gap; n <= kPlaneLines && !end; ++n) {
            if (n < 1 || !planes[k]) {
                end = reader.next() ? FileEnd() : reader.line();
                continue;
            }
            // A line of 32 digits, as almost every line is, is decoded where it lies:
            // digits are no delimiters, so only its end is searched for.
            PlaneLineBits line = decodePlaneLine(reader.ahead(kDigitsPerLine), n);
            if (allKnown(line)) {
                reader.next(kDigitsPerLine);
            } else if (const std::optional<std::string_view> item = reader.next()) {
                line = decodePlaneLine(*item, n);
            } else {
                end = reader.line();
                continue;
            }
            addLine(codes, line, n, *planes[k]);
        }
    }
    writeCodes(codes, picture);
    return end;
}

}  // namespace

FileEnd applyMonochromePlanes(CatItemReader& reader, PictureGrid& picture) {
    constexpr PlaneRule kBlackOnWhite{model::kBlack, true};
    constexpr std::array<std::optional<PlaneRule>, 2> kPlanes = {kBlackOnWhite, kBlackOnWhite};
    constexpr int kEmptyLines = 1;
    constexpr int kBlackBits = 1;
    return applyPlanes<kBlackBits>(reader, kPlanes, kEmptyLines, picture);
}

FileEnd applyColourPlanes(CatItemReader& reader, PictureGrid& picture, LoadColours colours) {
    const std::array<bool, kColourPlanes> ticked = {colours.red, colours.blue, colours.green,
                                                    colours.white};
    constexpr std::array<PlaneRule, kColourPlanes> kRules = {{
        {model::kRed, true},
        {model::kBlue, false},
        {model::kGreen, false},
        {model::kWhite, false},
    }};
    std::array<std::optional<PlaneRule>, kColourPlanes> planes;
    for (std::size_t k = 0; k < kRules.size(); ++k) {
        if (ticked[k]) {
            planes[k] = kRules[k];
        }
    }
    constexpr int kColourBits = 3;  // green, the highest, is 4
    return applyPlanes<kColourBits>(reader, planes, kColourSeparatorLines, picture);
}

}  // namespace tavrolin::catfile
