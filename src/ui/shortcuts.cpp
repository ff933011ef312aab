#include "ui/shortcuts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

namespace tavrolin::ui {

namespace {

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

void clickOnKeys(QAbstractButton& button, std::initializer_list<QKeyCombination> keys) {
    for (const QKeyCombination key : keys) {
        // Owned by the button, so the key works wherever the focus is in its window,
        // and not while the button is disabled.
        auto* shortcut = new QShortcut(QKeySequence(key), &button);
        QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
            if (!typingText()) {
                button.click();
            }
        });
    }
    showShortcutInToolTip(button);
}

void showShortcutInToolTip(QWidget& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    const auto* shortcut = control.findChild<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    control.setToolTip(shortcut == nullptr
                           ? name
                           : QStringLiteral("%1 (%2)").arg(
                                 name, shortcut->key().toString(QKeySequence::NativeText)));
}

}  // namespace tavrolin::ui
