#pragma once

#include <QImage>
#include <QString>

#include "model/failure.h"

namespace tavrolin::exchange {

// The image to fit to the screen. A large one is decoded straight at a small size
// (a JPEG by its decoder's own scaling), still twice the screen's detail, so a
// camera photo is read in a moment and the fit dialog redraws at once.
model::Result<QImage> readImageToFit(const QString& path);

// Whether an image is more than a calculator picture and is worth fitting: larger
// than the screen (known from the file's header where its format allows), or in
// colours other than those a picture is read back in. A file that is no image needs
// no fitting: the import itself says what is wrong with it.
bool imageNeedsFitting(const QString& path);

}  // namespace tavrolin::exchange
