#pragma once

#include <QRgb>

namespace tavrolin::exchange {

// How bright a pixel looks, 0..255: the sRGB luma with the Rec. 709 weights, the
// brightness image tools take. It decides ink for the threshold and both dithers, so
// a bright green stays light and a deep blue dark.
int luma(QRgb pixel);

}  // namespace tavrolin::exchange
