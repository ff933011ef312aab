#pragma once

#include <QKeyCombination>
#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace tavrolin::ui {

// The main window's keys: Ctrl with a letter for the file commands and "Naspäť", a
// letter for each tool, 1 to 5 for the colours, + and - for the thickness. Each frame
// gives its own buttons their keys. A key clicks its button, so it does what the click
// does and nothing while the button is disabled; while a text field has the focus, the
// keys are left to the typing. The keypad's digits, + and - work as the keys of the
// main block do. The first key is the one the button's tooltip shows.
void clickOnKeys(QAbstractButton& button, std::initializer_list<QKeyCombination> keys);

// Shows the control's first key after its name in its tooltip: "Pero (P)", or just
// the name for a control without a key.
void showShortcutInToolTip(QWidget& control);

}  // namespace tavrolin::ui
