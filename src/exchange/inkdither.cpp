#include "exchange/inkdither.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "model/palette.h"

namespace tavrolin::exchange {

namespace {

using Colour = std::array<int, 3>;

constexpr std::array<model::ColorCode, 3> kInks{model::kRed, model::kBlue, model::kGreen};
constexpr std::array<model::ColorCode, 4> kScreenColours{model::kWhite, model::kRed, model::kBlue,
                                                         model::kGreen};

Colour colourOf(model::ColorCode code) {
    const model::Rgb rgb = *model::paletteRgb(code);
    return {rgb.red, rgb.green, rgb.blue};
}

Colour colourOf(QRgb pixel) {
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

model::ColorCode nearest(const Colour& colour, std::span<const model::ColorCode> codes) {
    model::ColorCode best = codes.front();
    int bestDistance = -1;
    for (const model::ColorCode code : codes) {
        const Colour shown = colourOf(code);
        int distance = 0;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const int difference = colour[channel] - shown[channel];
            distance += difference * difference;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = code;
            bestDistance = distance;
        }
    }
    return best;
}

const QRgb* screenRow(const QImage& rgb, int y) {
    return reinterpret_cast<const QRgb*>(rgb.constScanLine(y - 1));
}

}  // namespace

model::ColorCode nearestInk(QRgb pixel) {
    return nearest(colourOf(pixel), kInks);
}

model::PictureGrid diffuseToInks(const QImage& rgb) {
    model::PictureGrid picture;
    // The weights 7, 5, 3 and 1 share an error out in sixteenths; one slot either side of
    // the row so the edges need no test.
    constexpr int kErrorParts = 16;
    std::vector<Colour> thisRow(model::kColumns + 2);
    std::vector<Colour> nextRow(model::kColumns + 2);
    for (int y = 1; y <= model::kRows; ++y) {
        const QRgb* pixels = screenRow(rgb, y);
        for (int x = 1; x <= model::kColumns; ++x) {
            Colour wanted = colourOf(pixels[x - 1]);
            for (std::size_t channel = 0; channel < 3; ++channel) {
                wanted[channel] =
                    std::clamp(wanted[channel] + thisRow[x][channel] / kErrorParts, 0, 255);
            }
            const model::ColorCode code = nearest(wanted, kScreenColours);
            picture.at(x, y) = code;
            const Colour shown = colourOf(code);
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const int error = wanted[channel] - shown[channel];
                thisRow[x + 1][channel] += 7 * error;
                nextRow[x - 1][channel] += 3 * error;
                nextRow[x][channel] += 5 * error;
                nextRow[x + 1][channel] += error;
            }
        }
        std::swap(thisRow, nextRow);
        std::fill(nextRow.begin(), nextRow.end(), Colour{});
    }
    return picture;
}

model::PictureGrid orderToInks(const QImage& rgb) {
    // A 4 × 4 Bayer matrix: the order in which its cells turn to ink.
    static constexpr int kSide = 4;
    static constexpr int kCells = kSide * kSide;
    static constexpr std::array<int, kCells> kBayer{0, 8,  2, 10, 12, 4, 14, 6,
                                                    3, 11, 1, 9,  15, 7, 13, 5};
    // How far the pattern moves a colour: a whole step between white and an ink, so
    // that a colour a quarter of the way to an ink gets about a quarter of its cells.
    static constexpr int kSpread = 255;
    model::PictureGrid picture;
    for (int y = 1; y <= model::kRows; ++y) {
        const QRgb* pixels = screenRow(rgb, y);
        for (int x = 1; x <= model::kColumns; ++x) {
            const int cell = kSide * (y % kSide) + x % kSide;
            const int step = kBayer[static_cast<std::size_t>(cell)];
            // From -15/32 to +15/32 of the spread, centred on nothing moved.
            const int offset = (2 * step - (kCells - 1)) * kSpread / (2 * kCells);
            Colour moved = colourOf(pixels[x - 1]);
            for (int& channel : moved) {
                channel += offset;
            }
            picture.at(x, y) = nearest(moved, kScreenColours);
        }
    }
    return picture;
}

}  // namespace tavrolin::exchange
