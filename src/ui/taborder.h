#pragma once

class QWidget;

namespace tavrolin::ui {

// Sets the Tab order of a window to follow its layout: frames standing side by side
// are read column by column, the controls inside a frame row by row, top to bottom
// and left to right. A dialog's default button comes last, after what it confirms.
// The window opens with the focus on the first stop.
// Call it once all the window's controls are in place.
void orderTabStops(QWidget& window);

}  // namespace tavrolin::ui
