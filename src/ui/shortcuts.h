#pragma once

class QWidget;

namespace tavrolin::ui {

// The main window's keys: Ctrl with a letter for the file commands and "Naspäť", a
// letter for each tool, 1 to 5 for the colours, + and - for the thickness. A key
// clicks its button, so it does what the click does and nothing while the button is
// disabled; while a text field has the focus, the keys are left to the typing. Each
// button's tooltip shows its key. Call it once every control exists and is named.
void installShortcuts(QWidget& window);

}  // namespace tavrolin::ui
