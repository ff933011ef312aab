#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tavrolin::ui::icons {

// The pictures of the picture buttons, drawn pixel by pixel at their own sizes so
// they stay crisp (the tool buttons' pictures are their tools' own).
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
