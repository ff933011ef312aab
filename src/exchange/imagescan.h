#pragma once

#include <QString>

#include "model/failure.h"
#include "model/picturebox.h"
#include "model/picturegrid.h"
#include "model/readback.h"

namespace tavrolin::exchange {

// The ticks of "Import obrázka:": which colours of an imported image become cells of
// their own colour. A colour that is not ticked imports as white.
struct ImportColours {
    bool white = true;  // Check1 "biela"
    bool blue = true;   // Check2 "modrá"
    bool green = true;  // Check3 "zelená"
    bool red = true;    // Check4 "červená"
    bool black = true;  // Check5 "čierna"

    model::KeptColours kept() const;
};

// A JPEG's pixels stray from the colours they were drawn in, most at the edges; a
// pixel within this much, in every channel, of a palette colour is that colour. A
// black-and-white picture saved at quality 75 strays at most 43; the palette colours
// lie at least 128 apart in some channel, so no pixel is near two.
inline constexpr int kJpegError = 48;

// Loads an image file into a box as the import does: from the top-left corner,
// unscaled, on white, a JPEG's pixels near palette colours set to those colours.
model::Outcome loadAsImported(model::PictureBox& box, const QString& path);

// Loads an image file as the import box does (from the top-left corner, unscaled, on
// white) and scans it as an import does; the reason when the file is not a readable
// image. The editor and the command-line converter both scan through
// model::pictureInBox, so they agree on every pixel.
model::Result<model::PictureGrid> scanImageFile(const QString& path, const ImportColours& colours);

}  // namespace tavrolin::exchange
