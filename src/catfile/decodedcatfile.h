#pragma once

#include <string_view>

#include "catfile/loadcolours.h"
#include "catfile/loadformat.h"
#include "catfile/planeapplier.h"
#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

// A whole file read at once, as the command-line converter reads it: the variant line 2
// named, the picture, and where the file ended if it was cut short.
struct DecodedCatFile {
    LoadFormat loadFormat = LoadFormat::None;
    model::PictureGrid picture;
    FileEnd end;
};

// The n-th picture record of the file (the file itself when it is one record): header
// check, then the planes of its variant onto an all-white picture.
model::Result<DecodedCatFile> decodeCatFile(std::string_view bytes, LoadColours colours,
                                            int record = 1);

}  // namespace tavrolin::catfile
