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

// The items the planes need, in file order. Where the file ends early the rest stay
// empty: lines without values, which leave their cells as they are.
template <std::size_t Count>
struct Items {
    std::array<std::string_view, Count> items{};
    FileEnd end;
};

template <std::size_t Count>
Items<Count> takeItems(CatItemReader& reader) {
    Items<Count> taken;
    for (std::string_view& item : taken.items) {
        const std::optional<std::string_view> next = reader.next();
        if (!next) {
            taken.end = reader.line();
            break;
        }
        item = *next;
    }
    return taken;
}

constexpr int kByteColumns = model::kColumns / 8;

// What a plane does to a cell: a set bit makes it setCode; a clear bit makes it
// clearCode when the plane clears, and leaves it otherwise.
struct PlaneRule {
    ColorCode setCode;
    bool clears;
    ColorCode clearCode;
};

// A decoded plane in the picture's order, row by row, byte column by byte column, so
// that the planes of a file are applied a picture row at a time. Every byte is written
// by decodePlane, hence no initialisers.
struct Layer {
    std::array<std::uint8_t, model::kRows * kByteColumns> set;
    std::array<std::uint8_t, model::kRows * kByteColumns> known;
    PlaneRule rule;
};

constexpr int byteIndex(int y, int column) {
    return (y - 1) * kByteColumns + (column - 1);
}

void decodePlane(std::span<const std::string_view, kPlaneLines> lines, PlaneRule rule,
                 Layer& layer) {
    layer.rule = rule;
    for (int n = 1; n <= kPlaneLines; ++n) {
        const PlaneLineBits line = decodePlaneLine(lines[n - 1], n);
        const int column = (line.firstX + 7) / 8;
        for (int i = 0; i < 16; ++i) {
            const int index = byteIndex(line.firstRow - i, column);
            layer.set[index] = line.set[i];
            layer.known[index] = line.known[i];
        }
    }
}

// A byte's bits, most significant first, spread to a 16-bit mask (all ones or zero) each.
constexpr auto kSpread = [] {
    std::array<std::array<std::uint16_t, 8>, 256> spread{};
    for (unsigned value = 0; value < 256; ++value) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            spread[value][bit] = ((value >> (7 - bit)) & 1U) != 0 ? 0xFFFFU : 0U;
        }
    }
    return spread;
}();

// Applies the layers in order, a later one winning, a picture row at a time. The row's
// plane bits are spread to masks as wide as a cell, so choosing a cell's code is plain
// masking: no branch on the picture's bits (as good as random), and the compiler can
// do many cells an instruction.
void applyLayers(std::span<const Layer> layers, PictureGrid& picture) {
    using Lanes = std::array<std::uint16_t, model::kColumns>;
    Lanes row;
    Lanes known;
    Lanes set;
    for (int y = 1; y <= model::kRows; ++y) {
        for (int x = 1; x <= model::kColumns; ++x) {
            row[x - 1] = static_cast<std::uint16_t>(picture.at(x, y));
        }
        for (const Layer& layer : layers) {
            for (int column = 1; column <= kByteColumns; ++column) {
                const int index = byteIndex(y, column);
                const std::size_t first = 8 * std::size_t(column - 1);
                std::memcpy(&known[first], kSpread[layer.known[index]].data(), 16);
                std::memcpy(&set[first], kSpread[layer.set[index]].data(), 16);
            }
            const auto clears = static_cast<std::uint16_t>(layer.rule.clears ? 0xFFFFU : 0U);
            const auto setCode = static_cast<std::uint16_t>(layer.rule.setCode);
            const auto clearCode = static_cast<std::uint16_t>(layer.rule.clearCode);
            for (std::size_t x = 0; x < row.size(); ++x) {
                const auto write = static_cast<std::uint16_t>(known[x] & (set[x] | clears));
                const auto value =
                    static_cast<std::uint16_t>((set[x] & setCode) | (~set[x] & clearCode));
                row[x] = static_cast<std::uint16_t>((row[x] & ~write) | (value & write));
            }
        }
        for (int x = 1; x <= model::kColumns; ++x) {
            picture.at(x, y) = static_cast<ColorCode>(row[x - 1]);
        }
    }
}

}  // namespace

FileEnd applyMonochromePlanes(CatItemReader& reader, PictureGrid& picture) {
    constexpr int kEmptyLines = 1;
    const auto taken = takeItems<2 * kPlaneLines + kEmptyLines>(reader);
    constexpr PlaneRule kBlackOnWhite{model::kBlack, true, model::kWhite};
    const std::span<const std::string_view> all(taken.items);
    std::array<Layer, 2> layers;
    decodePlane(all.first<kPlaneLines>(), kBlackOnWhite, layers[0]);
    decodePlane(all.subspan<kPlaneLines + kEmptyLines, kPlaneLines>(), kBlackOnWhite, layers[1]);
    applyLayers(layers, picture);
    return taken.end;
}

FileEnd applyColourPlanes(CatItemReader& reader, PictureGrid& picture, LoadColours colours) {
    constexpr int kStride = kPlaneLines + kColourSeparatorLines;
    const auto taken = takeItems<kPlaneLines + (kColourPlanes - 1) * kStride>(reader);
    const std::array<bool, kColourPlanes> ticked = {colours.red, colours.blue, colours.green,
                                                    colours.white};
    constexpr std::array<PlaneRule, kColourPlanes> kRules = {{
        {model::kRed, true, model::kWhite},
        {model::kBlue, false, model::kWhite},
        {model::kGreen, false, model::kWhite},
        {model::kWhite, false, model::kWhite},
    }};
    // In file order, so a later plane wins; unticked planes are left out.
    const std::span<const std::string_view> all(taken.items);
    std::array<Layer, kColourPlanes> layers;
    std::size_t count = 0;
    for (std::size_t k = 0; k < kRules.size(); ++k) {
        if (ticked[k]) {
            decodePlane(all.subspan(k * kStride).first<kPlaneLines>(), kRules[k], layers[count++]);
        }
    }
    applyLayers(std::span(layers).first(count), picture);
    return taken.end;
}

}  // namespace tavrolin::catfile
