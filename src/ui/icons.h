#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "model/tool.h"

namespace tavrolin::ui::icons {

// The pictures of the picture buttons, drawn pixel by pixel at their own sizes so
// they stay crisp.
// The picture of a tool's button: 24 × 23 for the pen, 16 × 16 for the others.
QPixmap toolPicture(model::Tool tool);
QPixmap minus();                         // 13 × 13
QPixmap plus();                          // 13 × 13
QPixmap arrow(Qt::ArrowType direction);  // 8 × 8
QPixmap undoArrow();                     // 24 × 23
QPixmap redoArrow();                     // 24 × 23, the undo arrow mirrored

// The program's own picture: a calculator whose screen shows a small drawing. An
// image, not a pixmap, so the installer can draw it without a display.
QImage calculator(int size);
QIcon programIcon();

// The splash window's title picture, 400 × 300.
QPixmap titlePicture();

}  // namespace tavrolin::ui::icons
