#pragma once

#include <cstdint>
#include <optional>

#include "picturegrid.h"

namespace tavrolin::model {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhiteRgb{255, 255, 255};
inline constexpr Rgb kBlackRgb{0, 0, 0};

// The colour a code is shown in; none for a value outside 0..4.
std::optional<Rgb> paletteRgb(int code);

// The colour code of a pixel read back from a picture box: the five palette colours
// and two near variants (255,252,255 white and 0,132,0 green), nothing else.
std::optional<ColorCode> colorCodeFromRgb(Rgb pixel);

}  // namespace tavrolin::model
