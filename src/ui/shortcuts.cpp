#include "ui/shortcuts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyCombination>
#include <QLineEdit>
#include <QShortcut>

#include "ui/accessibility.h"

namespace tavrolin::ui {

namespace {

struct ShortcutKey {
    const char* button;
    QKeyCombination key;
};

// Where a button has more than one key, its first is the one its tooltip shows. The
// keypad's digits, + and - work as the keys of the main block do.
constexpr ShortcutKey kShortcutKeys[] = {
    {"Command3", Qt::CTRL | Qt::Key_N},   // "Nový"
    {"Command1", Qt::CTRL | Qt::Key_O},   // "Otvor"
    {"Command2", Qt::CTRL | Qt::Key_S},   // "Ulož"
    {"Command11", Qt::CTRL | Qt::Key_Z},  // "Naspäť"
    {"Command4", Qt::CTRL | Qt::Key_E},   // "Exportuj obrázok"
    {"Command5", Qt::CTRL | Qt::Key_I},   // "Importuj obrázok"
    {"Command26", Qt::Key_P},             // pen
    {"Command27", Qt::Key_L},             // line
    {"Command28", Qt::Key_R},             // rectangle
    {"Command29", Qt::Key_C},             // circle
    {"Image1", Qt::Key_1},                // black
    {"Image2", Qt::Key_2},                // white
    {"Image3", Qt::Key_3},                // red
    {"Image4", Qt::Key_4},                // blue
    {"Image5", Qt::Key_5},                // green
    {"Command6", Qt::Key_Minus},          // thinner
    {"Command7", Qt::Key_Plus},           // thicker
    {"Command7", Qt::Key_Equal},          // + without Shift on many keyboards
};

// A line edit takes letters, digits, + and - as text before any shortcut sees them; an
// editable list passes them to its own line edit. Keys with Ctrl it does not take
// are still not meant for the window while the user types.
bool typingText() {
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit*>(focus)) {
        return true;
    }
    const auto* list = qobject_cast<QComboBox*>(focus);
    return list && list->isEditable();
}

}  // namespace

void installShortcuts(QWidget& window) {
    QAbstractButton* previous = nullptr;
    for (const ShortcutKey& entry : kShortcutKeys) {
        auto* button = window.findChild<QAbstractButton*>(QLatin1StringView(entry.button));
        if (button == nullptr) {
            continue;
        }
        auto* shortcut = new QShortcut(QKeySequence(entry.key), &window);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (!typingText()) {
                button->click();
            }
        });
        if (button != previous) {
            showShortcutInToolTip(*button, shortcut->key());
        }
        previous = button;
    }
}

}  // namespace tavrolin::ui
