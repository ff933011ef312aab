#pragma once

#include <QImage>
#include <QString>

#include "model/failure.h"
#include "model/imagereading.h"

namespace tavrolin::exchange {

// The image to fit to the screen. A large one is decoded straight at a small size
// (a JPEG by its decoder's own scaling, an 8-bit colour PNG row by row), still twice
// the screen's detail, so a camera photo is read in a moment and the fit dialog
// redraws at once. Other images are decoded whole, then scaled: one whose whole
// decode passes the limit is refused with its size.
model::Result<QImage> readImageToFit(const QString& path,
                                     int limitMegabytes = model::kDecodeLimitMegabytes);

// Whether an image is more than a calculator picture and is worth fitting: larger
// than the screen (known from the file's header where its format allows), or in
// colours other than those a picture is read back in (for a JPEG, than those near
// them). A file that is no image needs no fitting: the import itself says what is
// wrong with it.
bool imageNeedsFitting(const QString& path);

}  // namespace tavrolin::exchange
