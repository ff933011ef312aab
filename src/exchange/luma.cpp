#include "exchange/luma.h"

namespace tavrolin::exchange {

int luma(QRgb pixel) {
    // 0.2126, 0.7152 and 0.0722 in ten-thousandths, rounded to the nearest level.
    return (2126 * qRed(pixel) + 7152 * qGreen(pixel) + 722 * qBlue(pixel) + 5000) / 10000;
}

}  // namespace tavrolin::exchange
