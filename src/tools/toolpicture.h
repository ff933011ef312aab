#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <initializer_list>

namespace tavrolin::tools {

// The dark grey the pictures of the buttons are drawn in.
inline const QColor kButtonInk(32, 32, 32);

// The pictures of the tool buttons: 24 × 23 for the pen, 16 × 16 for the others.
inline constexpr int kToolPictureSize = 16;

// A transparent picture to draw on with crisp, unsmoothed strokes.
class ToolPicture {
  public:
    ToolPicture(int width = kToolPictureSize, int height = kToolPictureSize);
    QPainter& painter() { return painter_; }
    QImage done();

  private:
    QImage image_;
    QPainter painter_;
};

// Rows of '#' (ink) and '+' (the second colour) as pixels, the rest transparent.
QImage pictureFromRows(std::initializer_list<const char*> rows, const QColor& ink,
                       const QColor& second = {});

}  // namespace tavrolin::tools
