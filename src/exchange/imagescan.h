#pragma once

#include <QString>

#include "model/failure.h"
#include "model/picturebox.h"
#include "model/picturegrid.h"

namespace tavrolin::exchange {

// The ticks of "Import obrázka:": which colours of an imported image become cells of
// their own colour. A colour that is not ticked imports as white.
struct ImportColours {
    bool white = true;  // Check1 "biela"
    bool blue = true;   // Check2 "modrá"
    bool green = true;  // Check3 "zelená"
    bool red = true;    // Check4 "červená"
    bool black = true;  // Check5 "čierna"

    bool admits(model::ColorCode code) const;
};

// The picture in the top-left 128 × 64 pixels of a box, pixel (x − 1, y − 1) giving
// cell (x, y): a pixel in one of the read-back colours whose colour is ticked gives
// that colour, any other pixel white. The editor and the command-line converter both
// import through this, so they agree on every pixel.
model::PictureGrid scanImage(const model::PictureBox& box, const ImportColours& colours);

// Loads an image file as the import box does (from the top-left corner, unscaled, on
// white) and scans it; the reason when the file is not a readable image.
model::Result<model::PictureGrid> scanImageFile(const QString& path, const ImportColours& colours);

}  // namespace tavrolin::exchange
