#pragma once

#include <string_view>

#include "catfile/planelinebits.h"

namespace tavrolin::catfile {

// Decodes line n (1..64) of a bit plane. The line covers byte column c = 16 - (n - 1)
// div 4 and, for byte j = 1..16 (characters 2j - 1 and 2j), row y = 65 - 16 * ((n - 1)
// mod 4) - j. A hexadecimal digit in either case gives its four cells a value; any
// other character, or one missing from a short line, gives none; characters after the
// 32nd are ignored. A line number out of range gives no value at all.
PlaneLineBits decodePlaneLine(std::string_view text, int n);

}  // namespace tavrolin::catfile
