#pragma once

#include <QImage>

#include "model/picturegrid.h"

// The colour screen's red, blue and green on white. Qt dithers only to black and white
// or to a palette of its own choosing, so these are written here.
namespace tavrolin::exchange {

// The nearest of red, blue and green to a pixel, white left out.
model::ColorCode nearestInk(QRgb pixel);

// A screen-sized 32-bit image in white, red, blue and green with each cell's error
// spread to its neighbours (Floyd–Steinberg), or with a 4 × 4 Bayer pattern.
model::PictureGrid diffuseToInks(const QImage& rgb);
model::PictureGrid orderToInks(const QImage& rgb);

}  // namespace tavrolin::exchange
