#pragma once

#include <string>

#include "catfile/savecolours.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

// Text of a picture file, every line ending in CR LF, 7-bit ASCII. The editor writes a
// file in stages (a warning or a colour dialog comes between), so the pieces are here
// as well as the whole files.

// Monochrome lines 1..138: header, the zero first plane, an empty line, the plane of
// the black cells.
std::string monochromeBody(const model::PictureGrid& picture);

// Colour lines 1..19, "%Header Record" to "%Data Record".
std::string colourHeader();

// Colour lines 20..283: the red, blue and green planes (zero where not chosen) and the
// zero fourth plane, each behind its "Sheet:1" and "Color:k" lines.
std::string colourSheets(const model::PictureGrid& picture, SaveColours colours);

// "%End" and the note line that ends every file the editor writes.
std::string fileTrailer();

// The whole files: 140 and 285 lines.
std::string monochromeFile(const model::PictureGrid& picture);
std::string colourFile(const model::PictureGrid& picture, SaveColours colours);

}  // namespace tavrolin::catfile
