#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace tavrolin::ui {

// The canvas on a screen whose device pixels are not its logical ones (a scale of
// 1.25, 1.5, 2 ...). Plain nearest-neighbour scaling would make every other grid line
// twice as wide at 1.5; here every grid line is equally wide (one device pixel for each
// whole logical one, never less than one) and the cell interiors take the rest. A cell
// covers exactly the device pixels whose logical position lies in it, so the cell
// under the pointer is the one the canvas shows there. No pixel is blended.
class CanvasScaler {
  public:
    // The device pixels that show the canvas pixels of `area`, for drawing at
    // `devicePosition(area.topLeft())`; its device-pixel ratio is `ratio`.
    QImage scaled(const QImage& canvas, qreal ratio, const QRect& area);

    // Where a canvas pixel's first device pixel lies, in logical units of the canvas.
    QPointF devicePosition(QPoint pixel) const;

  private:
    // Device pixel by device pixel, the canvas pixel it shows along one axis.
    static std::vector<int> axisMap(int pixels, qreal ratio);
    int firstDevicePixel(int pixel) const;

    qreal ratio_ = 0;
    QSize canvasSize_;
    std::vector<int> columns_;
    std::vector<int> rows_;
};

}  // namespace tavrolin::ui
