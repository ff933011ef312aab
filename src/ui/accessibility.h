#pragma once

#include <QAccessible>
#include <QString>

class QAbstractButton;
class QWidget;

namespace tavrolin::ui {

// What readers need of a control beyond what Qt tells them. Each frame names its own
// controls where it makes them, and keeps what they tell of the drawing state up to date
// in its reflect(). Buttons, check boxes, options and captioned frames are called by
// their captions; labels that show a value keep the value as their name and say in
// their description what it is.

// The role a reader knows the control by, where Qt's would mislead: picture boxes and
// the colour indicator are pictures and the windows windows, not panes or buttons.
void giveRole(QWidget& control, QAccessible::Role role);

// A picture box: a picture called `name`.
void namePicture(QWidget& box, const QString& name);

// A button that shows only a picture: `name` is its tooltip too, with its key, if any.
void namePictureButton(QAbstractButton& button, const QString& name);

// A button that is one of several choices: an option to a reader, selected while it is
// checked, chosen by a press, as with the mouse.
void makeOption(QAbstractButton& button);

// Readers are told about every change, so only real changes are made: the state is shown
// again after every pointer move. An editable list's text field is named with its list.
void setSpokenName(QWidget& control, const QString& name);
void setSpokenDescription(QWidget& control, const QString& description);

}  // namespace tavrolin::ui
