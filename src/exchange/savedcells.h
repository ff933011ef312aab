#pragma once

#include "catfile/savecolours.h"
#include "exchange/catfilesave.h"
#include "model/picturegrid.h"

namespace tavrolin::exchange {

// Whether a save keeps any cell of the picture: a black one for the black-and-white
// .cat and for .g1m files (SaveVariant::Monochrome), one in a chosen colour for the
// colour .cat. A save without any would write an empty picture.
bool hasCellsToSave(const model::PictureGrid& picture, SaveVariant variant,
                    catfile::SaveColours colours = {});

}  // namespace tavrolin::exchange
