#pragma once

class QWidget;

namespace tavrolin::ui {

class EditorContext;

// Gives a window's controls the Slovak names, descriptions and tooltips that screen
// readers and scripts find them by, and a Tab order that follows the layout. Call it
// at the end of the window's constructor, when every control exists.
void makeAccessible(QWidget& window);
// The main window also keeps the names that tell its drawing state up to date: the
// canvas's description, the selected swatch, the colour indicator and the thickness.
void makeAccessible(QWidget& window, EditorContext& context);

}  // namespace tavrolin::ui
