#pragma once

#include <string_view>

#include "model/failure.h"

namespace tavrolin::g1mfile {

// Whether the bytes start as a .g1m or .g1r file does: the inverted "USBPower", or as
// much of it as bytes fewer than its eight hold (a file cut short is still a .g1m file).
bool startsAsG1mFile(std::string_view bytes);

// The standard header of a whole file: its magic and type, the size field against the
// file's length, and both control bytes against the size field.
model::Outcome checkStandardHeader(std::string_view bytes);

}  // namespace tavrolin::g1mfile
