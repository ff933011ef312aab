#pragma once

#include <QKeySequence>
#include <QString>

#include "model/editorstate.h"

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

// Shows a shortcut after the control's name in its tooltip: "Pero (P)". A picture
// button that has a shortcut of its own when made accessible gets it there already.
void showShortcutInToolTip(QWidget& control, const QKeySequence& shortcut);

// The drawing state in words, as the canvas tells it to a reader:
// "nástroj: pero, farba: čierna, hrúbka: 1".
QString canvasDescription(const model::EditorState& state);

}  // namespace tavrolin::ui
