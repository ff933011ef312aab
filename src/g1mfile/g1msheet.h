#pragma once

#include <string>
#include <string_view>

#include "model/picturegrid.h"

namespace tavrolin::g1mfile {

// Makes black every cell whose bit is set in the sheet (1024 bytes); other cells keep
// their colour, so a second sheet lies over the first as the calculator shows them.
void overlaySheet(std::string_view sheet, model::PictureGrid& picture);

// The sheet of the picture's cells of one colour; every other colour is a clear bit.
std::string cellSheet(const model::PictureGrid& picture, model::ColorCode colour);

// The sheet of the picture's black cells, as the calculator shows them.
inline std::string blackSheet(const model::PictureGrid& picture) {
    return cellSheet(picture, model::kBlack);
}

}  // namespace tavrolin::g1mfile
