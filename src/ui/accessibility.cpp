#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include "ui/shortcuts.h"

namespace tavrolin::ui {

namespace {

// The role given to a control, kept on the control itself.
constexpr char kRoleProperty[] = "accessibleRole";

// A swatch is one of five choices to a reader: an option, selected while its colour is
// the current one, that is chosen by a click, as with the mouse. (A plain checkable
// button would offer to toggle its mark without choosing the colour.)
class OptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionAccessible(QAbstractButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            option()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QAbstractButton* option() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRoleProperty) : QVariant();
    if (!role.isValid()) {
        return nullptr;
    }
    const auto given = static_cast<QAccessible::Role>(role.toInt());
    if (auto* option = qobject_cast<QAbstractButton*>(widget);
        option && given == QAccessible::RadioButton) {
        return new OptionAccessible(option);
    }
    return new QAccessibleWidget(widget, given);
}

}  // namespace

// Qt asks the factory installed last first, so this one is installed after the
// application's own; an interface made before it, with another role, is made again.
void giveRole(QWidget& control, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(interfaceWithRole);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    control.setProperty(kRoleProperty, int(role));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    if (accessible != nullptr && accessible->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
    }
}

void namePicture(QWidget& box, const QString& name) {
    box.setAccessibleName(name);
    giveRole(box, QAccessible::Graphic);
}

void namePictureButton(QAbstractButton& button, const QString& name) {
    button.setAccessibleName(name);
    showShortcutInToolTip(button);
}

void makeOption(QAbstractButton& button) {
    button.setCheckable(true);
    giveRole(button, QAccessible::RadioButton);
}

void setSpokenName(QWidget& control, const QString& name) {
    if (control.accessibleName() != name) {
        control.setAccessibleName(name);
    }
    if (auto* list = qobject_cast<QComboBox*>(&control); list && list->lineEdit()) {
        setSpokenName(*list->lineEdit(), name);
    }
}

void setSpokenDescription(QWidget& control, const QString& description) {
    if (control.accessibleDescription() != description) {
        control.setAccessibleDescription(description);
    }
}

}  // namespace tavrolin::ui
