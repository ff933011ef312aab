#pragma once

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Finds the editor's controls as a user names them: by what a screen reader says, or,
// for a control no reader names, by its object name.
namespace windowdriver {

// The control called `name` below `parent`; a missing one stops the test naming it.
template <typename Control = QWidget>
Control* control(const QObject& parent, QAnyStringView name) {
    auto* found = parent.findChild<Control*>(name.toString());
    if (!found) {
        qFatal("no control %s", qPrintable(name.toString()));
    }
    return found;
}

inline QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

inline QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Whether a reader knows the widget by `name`: its name, or, for a label that shows a
// value, the description that says what the value is.
inline bool spokenAs(QWidget* widget, const QString& name) {
    QAccessibleInterface* reader = accessible(widget);
    return reader &&
           (reader->text(QAccessible::Name) == name ||
            (qobject_cast<QLabel*>(widget) && reader->text(QAccessible::Description) == name));
}

// What a reader says of the widget: its description, or its name where it has none.
inline QString spokenText(QWidget* widget) {
    const QString description = accessible(widget)->text(QAccessible::Description);
    return description.isEmpty() ? accessible(widget)->text(QAccessible::Name) : description;
}

// Every control in the windows `within` that a reader calls `name`; the visible ones if
// there are any.
inline QList<QWidget*> spokenNamed(const QList<QWidget*>& within, const QString& name) {
    QList<QWidget*> found;
    QList<QWidget*> visible;
    for (QWidget* scope : within) {
        QList<QWidget*> widgets = scope->findChildren<QWidget*>();
        widgets.prepend(scope);
        for (QWidget* widget : widgets) {
            // An editable list is called by the name of its text field.
            auto* list = qobject_cast<QComboBox*>(widget->parentWidget());
            QWidget* named = list ? list : widget;
            if (!found.contains(named) && spokenAs(widget, name)) {
                found << named;
                visible << (named->isVisible() ? QList<QWidget*>{named} : QList<QWidget*>{});
            }
        }
    }
    return visible.isEmpty() ? found : visible;
}

// The control a step's words begin with, and the words after its name.
struct Named {
    QWidget* control;
    QString rest;
};

// The longest run of the words that names one control, alone or after its frame's or
// window's name; else the object name the first word is, looked for in `main` first.
// None stops the test.
inline Named named(const QString& words, QWidget* main) {
    const QStringList list = words.split(u' ', Qt::SkipEmptyParts);
    const QList<QWidget*> everywhere = QApplication::topLevelWidgets();
    for (qsizetype n = list.size(); n >= 1; --n) {
        const QString rest = list.mid(n).join(u' ');
        const QList<QWidget*> found = spokenNamed(everywhere, list.first(n).join(u' '));
        if (found.size() == 1) {
            return {found.front(), rest};
        }
        for (qsizetype k = 1; k < n; ++k) {
            const QList<QWidget*> scope = spokenNamed(everywhere, list.first(k).join(u' '));
            const QList<QWidget*> inside = scope.size() == 1
                                               ? spokenNamed(scope, list.mid(k, n - k).join(u' '))
                                               : QList<QWidget*>{};
            if (inside.size() == 1 && inside.front() != scope.front()) {
                return {inside.front(), rest};
            }
        }
    }
    // By object name: "Form3.Command1" is Command1 inside the window Form3.
    const QString scope = list.value(0).section(u'.', 0, 0);
    const QString inside = list.value(0).section(u'.', 1);
    for (QWidget* window : QList<QWidget*>{main} + everywhere) {
        QWidget* found =
            window->objectName() == scope ? window : window->findChild<QWidget*>(scope);
        found = found && !inside.isEmpty() ? found->findChild<QWidget*>(inside) : found;
        if (found) {
            return {found, list.mid(1).join(u' ')};
        }
    }
    qFatal("no control is called %s", qPrintable(words));
}

}  // namespace windowdriver
