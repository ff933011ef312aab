#pragma once

#include <QImage>

#include "exchange/imagefit.h"
#include "model/picturegrid.h"

// A screen-sized 32-bit image, one pixel a cell, in the colours of a calculator's
// screen. Qt dithers only to black and white by its own brightness, so these are
// written here, one way for both screens. Everywhere a pixel that is white or a colour
// of the screen, give or take the noise of compression and scaling, is that colour:
// no dots on white, no holes in a flat colour.
namespace tavrolin::exchange {

// Each cell's error spread to its neighbours (Floyd–Steinberg).
model::PictureGrid diffuseToScreen(const QImage& rgb, FitColours colours);

// A 4 × 4 Bayer pattern between the two screen colours a pixel lies between.
model::PictureGrid orderToScreen(const QImage& rgb, FitColours colours);

// Ink where a pixel is darker than the level: black, or the nearest of red, blue and
// green.
model::PictureGrid thresholdToScreen(const QImage& rgb, FitColours colours, int level);

}  // namespace tavrolin::exchange
