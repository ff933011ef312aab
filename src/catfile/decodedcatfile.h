#pragma once

#include <string_view>

#include "catfile/loadcolours.h"
#include "catfile/loadformat.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

// A whole file read at once, as the command-line converter reads it: the variant line 2
// named, whether the file was readable, and the picture (all white when it was not).
struct DecodedCatFile {
    LoadFormat loadFormat = LoadFormat::None;
    bool valid = false;
    model::PictureGrid picture;
};

// Header check, then the planes of the variant onto an all-white picture.
DecodedCatFile decodeCatFile(std::string_view bytes, LoadColours colours);

}  // namespace tavrolin::catfile
