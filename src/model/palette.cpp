#include "palette.h"

#include <array>

namespace tavrolin::model {

namespace {

constexpr std::array<Rgb, 5> kPalette{{
    {255, 255, 255},  // white
    {0, 0, 0},        // black
    {255, 0, 0},      // red
    {0, 0, 255},      // blue
    {0, 128, 0},      // green
}};

struct ReadBackColour {
    Rgb pixel;
    ColorCode code;
};

// Some image tools store white and green a shade off; those two are taken as well.
constexpr std::array<ReadBackColour, 7> kReadBack{{
    {{255, 255, 255}, kWhite},
    {{255, 252, 255}, kWhite},
    {{0, 0, 0}, kBlack},
    {{255, 0, 0}, kRed},
    {{0, 0, 255}, kBlue},
    {{0, 128, 0}, kGreen},
    {{0, 132, 0}, kGreen},
}};

}  // namespace

std::optional<Rgb> paletteRgb(int code) {
    if (code < 0 || code >= static_cast<int>(kPalette.size())) {
        return std::nullopt;
    }
    return kPalette[static_cast<std::size_t>(code)];
}

std::optional<ColorCode> colorCodeFromRgb(Rgb pixel) {
    for (const ReadBackColour& entry : kReadBack) {
        if (entry.pixel == pixel) {
            return entry.code;
        }
    }
    return std::nullopt;
}

}  // namespace tavrolin::model
