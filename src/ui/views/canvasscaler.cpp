#include "ui/views/canvasscaler.h"

#include <algorithm>
#include <cmath>

#include "model/editorstate.h"

namespace tavrolin::ui {

namespace {

// Keeps products such as 5 × 1.1, a hair above a whole number, on that number.
constexpr qreal kRoundingSlack = 1e-6;

// The first device pixel of a canvas pixel: the first whose logical position is in it.
int deviceStart(int pixel, qreal ratio) {
    return static_cast<int>(std::ceil(pixel * ratio - kRoundingSlack));
}

}  // namespace

std::vector<int> CanvasScaler::axisMap(int pixels, qreal ratio) {
    constexpr int kCell = model::kCellSize;
    const int lineWidth = std::max(1, static_cast<int>(std::floor(ratio + kRoundingSlack)));
    std::vector<int> map(static_cast<std::size_t>(deviceStart(pixels, ratio)));
    for (int first = 0; first < pixels; first += kCell) {
        const int begin = deviceStart(first, ratio);
        const int end = deviceStart(std::min(first + kCell, pixels), ratio);
        // On a screen too coarse for both, the interior keeps one device pixel.
        const int line = std::min(lineWidth, std::max(0, end - begin - 1));
        const int interior = end - begin - line;
        for (int device = begin; device < end; ++device) {
            map[static_cast<std::size_t>(device)] =
                device >= end - line ? first + kCell - 1
                                     : first + (device - begin) * (kCell - 1) / interior;
        }
    }
    return map;
}

int CanvasScaler::firstDevicePixel(int pixel) const {
    return deviceStart(pixel, ratio_);
}

QImage CanvasScaler::scaled(const QImage& canvas, qreal ratio, const QRect& area) {
    if (ratio != ratio_ || canvas.size() != canvasSize_) {
        ratio_ = ratio;
        canvasSize_ = canvas.size();
        columns_ = axisMap(canvas.width(), ratio);
        rows_ = axisMap(canvas.height(), ratio);
    }
    const QRect pixels = area & canvas.rect();
    const int left = firstDevicePixel(pixels.left());
    const int top = firstDevicePixel(pixels.top());
    QImage image(firstDevicePixel(pixels.right() + 1) - left,
                 firstDevicePixel(pixels.bottom() + 1) - top, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QImage source = canvas.convertToFormat(QImage::Format_RGB32);
    // The maps are indexed from the device pixel at (left, top).
    const auto* const rowMap = rows_.data() + top;
    const auto* const columnMap = columns_.data() + left;
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(rowMap[y]));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            to[x] = from[columnMap[x]];
        }
    }
    return image;
}

QPointF CanvasScaler::devicePosition(QPoint pixel) const {
    return QPointF(firstDevicePixel(pixel.x()), firstDevicePixel(pixel.y())) / ratio_;
}

}  // namespace tavrolin::ui
