#include "exchange/inkdither.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "exchange/luma.h"
#include "model/palette.h"

namespace tavrolin::exchange {

namespace {

using Colour = std::array<int, 3>;

// How far, in any channel, a pixel may stray from a screen colour and still be it:
// above the noise of compression and smooth scaling on a flat area, below the light
// tones that should get a few dots.
constexpr int kNoise = 8;

constexpr std::array<model::ColorCode, 2> kBlackWhite{model::kWhite, model::kBlack};
constexpr std::array<model::ColorCode, 4> kColourScreen{model::kWhite, model::kRed, model::kBlue,
                                                        model::kGreen};
constexpr std::array<model::ColorCode, 3> kInks{model::kRed, model::kBlue, model::kGreen};

std::span<const model::ColorCode> screenColours(FitColours colours) {
    if (colours == FitColours::BlackWhite) {
        return kBlackWhite;
    }
    return kColourScreen;
}

Colour colourOf(model::ColorCode code) {
    const model::Rgb rgb = *model::paletteRgb(code);
    return {rgb.red, rgb.green, rgb.blue};
}

Colour colourOf(QRgb pixel) {
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

// What a dither matches: the colour itself on the colour screen, and on the black and
// white one the grey of its brightness.
Colour wantedColour(QRgb pixel, FitColours colours) {
    if (colours == FitColours::BlackWhite) {
        const int brightness = luma(pixel);
        return {brightness, brightness, brightness};
    }
    return colourOf(pixel);
}

int distance(const Colour& one, const Colour& other) {
    int sum = 0;
    for (std::size_t channel = 0; channel < 3; ++channel) {
        const int difference = one[channel] - other[channel];
        sum += difference * difference;
    }
    return sum;
}

model::ColorCode nearest(const Colour& colour, std::span<const model::ColorCode> codes) {
    return *std::ranges::min_element(
        codes, {}, [&](model::ColorCode code) { return distance(colour, colourOf(code)); });
}

// The screen colour a pixel already is, if any.
std::optional<model::ColorCode> exactColour(QRgb pixel, FitColours colours) {
    const Colour colour = colourOf(pixel);
    for (const model::ColorCode code : screenColours(colours)) {
        const Colour shown = colourOf(code);
        int furthest = 0;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            furthest = std::max(furthest, std::abs(colour[channel] - shown[channel]));
        }
        if (furthest <= kNoise) {
            return code;
        }
    }
    return std::nullopt;
}

// Where a colour lies between two screen colours: the pair whose line passes nearest
// to it, and how far along that line from the first it is, 0 to 1.
struct Mix {
    model::ColorCode from = model::kWhite;
    model::ColorCode to = model::kWhite;
    double share = 0;
};

Mix mixOf(const Colour& colour, std::span<const model::ColorCode> codes) {
    Mix best;
    double bestDistance = -1;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        for (std::size_t j = i + 1; j < codes.size(); ++j) {
            const Colour from = colourOf(codes[i]);
            const Colour to = colourOf(codes[j]);
            double along = 0;
            double length = 0;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const int step = to[channel] - from[channel];
                along += double(step) * (colour[channel] - from[channel]);
                length += double(step) * step;
            }
            const double share = std::clamp(along / length, 0.0, 1.0);
            double away = 0;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const double point = from[channel] + share * (to[channel] - from[channel]);
                away += (colour[channel] - point) * (colour[channel] - point);
            }
            if (bestDistance < 0 || away < bestDistance) {
                best = {codes[i], codes[j], share};
                bestDistance = away;
            }
        }
    }
    return best;
}

const QRgb* screenRow(const QImage& rgb, int y) {
    return reinterpret_cast<const QRgb*>(rgb.constScanLine(y - 1));
}

// Calls cell(x, y, pixel) for every cell, the screen colour a pixel already is put
// there without it.
template <typename Cell>
model::PictureGrid eachCell(const QImage& rgb, FitColours colours, Cell&& cell) {
    model::PictureGrid picture;
    for (int y = 1; y <= model::kRows; ++y) {
        const QRgb* pixels = screenRow(rgb, y);
        for (int x = 1; x <= model::kColumns; ++x) {
            const std::optional<model::ColorCode> exact = exactColour(pixels[x - 1], colours);
            picture.at(x, y) = exact ? *exact : cell(x, y, pixels[x - 1]);
        }
    }
    return picture;
}

}  // namespace

model::PictureGrid diffuseToScreen(const QImage& rgb, FitColours colours) {
    const std::span<const model::ColorCode> codes = screenColours(colours);
    // The weights 7, 5, 3 and 1 share an error out in sixteenths; one slot either side of
    // the row so the edges need no test.
    constexpr int kErrorParts = 16;
    std::vector<Colour> thisRow(model::kColumns + 2);
    std::vector<Colour> nextRow(model::kColumns + 2);
    int row = 1;
    // A cell of an exact colour neither takes an error nor passes one on.
    return eachCell(rgb, colours, [&](int x, int y, QRgb pixel) {
        for (; row < y; ++row) {
            std::swap(thisRow, nextRow);
            std::ranges::fill(nextRow, Colour{});
        }
        Colour wanted = wantedColour(pixel, colours);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            wanted[channel] =
                std::clamp(wanted[channel] + thisRow[x][channel] / kErrorParts, 0, 255);
        }
        const model::ColorCode code = nearest(wanted, codes);
        const Colour shown = colourOf(code);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const int error = wanted[channel] - shown[channel];
            thisRow[x + 1][channel] += 7 * error;
            nextRow[x - 1][channel] += 3 * error;
            nextRow[x][channel] += 5 * error;
            nextRow[x + 1][channel] += error;
        }
        return code;
    });
}

model::PictureGrid orderToScreen(const QImage& rgb, FitColours colours) {
    // The 4 × 4 Bayer pattern: the order in which its cells take the second colour.
    constexpr int kSide = 4;
    constexpr int kSteps = kSide * kSide;
    static constexpr std::array<int, kSteps> kBayer{0, 8,  2, 10, 12, 4, 14, 6,
                                                    3, 11, 1, 9,  15, 7, 13, 5};
    const std::span<const model::ColorCode> codes = screenColours(colours);
    return eachCell(rgb, colours, [&](int x, int y, QRgb pixel) {
        const Mix mix = mixOf(wantedColour(pixel, colours), codes);
        // A colour a quarter of the way to an ink gets that ink in 4 cells of 16.
        const int cell = kSide * (y % kSide) + x % kSide;
        const int step = kBayer[static_cast<std::size_t>(cell)];
        return mix.share * kSteps > step + 0.5 ? mix.to : mix.from;
    });
}

model::PictureGrid thresholdToScreen(const QImage& rgb, FitColours colours, int level) {
    return eachCell(rgb, colours, [&](int, int, QRgb pixel) {
        if (luma(pixel) >= level) {
            return model::kWhite;
        }
        return colours == FitColours::BlackWhite ? model::kBlack : nearest(colourOf(pixel), kInks);
    });
}

}  // namespace tavrolin::exchange
