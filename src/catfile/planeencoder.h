#pragma once

#include <array>
#include <string>

#include "catfile/catlayout.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

using PlaneLine = std::array<char, kDigitsPerLine>;
using PlaneText = std::array<PlaneLine, kPlaneLines>;

// The bit plane in which a bit is set exactly where a cell holds `code`, as 64 lines of
// 32 upper-case hexadecimal digits. Line n holds byte column c = 16 - (n - 1) div 4
// (cells 8c - 7 .. 8c, the leftmost the most significant bit) for the 16 rows from
// y = 64 - 16 * ((n - 1) mod 4) upwards: byte columns right to left, rows bottom up.
PlaneText encodePlaneText(const model::PictureGrid& picture, model::ColorCode code);

}  // namespace tavrolin::catfile
