#pragma once

#include <QImage>
#include <QString>

#include "exchange/catfilesave.h"
#include "exchange/pictureformat.h"
#include "model/editorstate.h"
#include "model/failure.h"

namespace tavrolin::exchange {

// The picture one pixel a cell in the palette colours: a 128 × 64 image.
QImage pictureImage(const model::PictureGrid& picture);

// Writes the picture, one pixel a cell, as an image file in `format`: "BMP" is the
// 24-bit file "Exportuj obrázok" writes. The file is written beside `path` and moved
// over it only when complete, so a failure never leaves a broken file or destroys
// the one it was to replace.
model::Outcome writePictureImage(const model::PictureGrid& picture, const QString& path,
                                 const char* format);

// Writes the picture in an export format: a BMP or PNG image, or C source whose arrays
// are named after the file and hold the sheets of `variant`.
model::Outcome writeExport(const PictureFormat& format, const model::PictureGrid& picture,
                           const QString& path, SaveVariant variant);

// "Exportuj obrázok": writes the picture in the format the name's extension gives (BMP
// for any other name) and makes black the current colour. A failure changes nothing:
// the colour stays, and a file already there is kept whole.
model::Outcome exportPicture(model::EditorState& state, const QString& path, SaveVariant variant);

}  // namespace tavrolin::exchange
