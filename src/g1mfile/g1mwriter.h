#pragma once

#include <string>

#include "model/picturegrid.h"

namespace tavrolin::g1mfile {

// The calculator keeps pictures "Pict 1" to "Pict 20".
inline constexpr int kFirstPictureNumber = 1;
inline constexpr int kLastPictureNumber = 20;

// A .g1m file holding the picture as "Pict n" (n = 1..20): its black cells set in the
// first sheet, every other colour clear, the second sheet zero. 2124 bytes.
std::string g1mPictureFile(const model::PictureGrid& picture, int number);

}  // namespace tavrolin::g1mfile
