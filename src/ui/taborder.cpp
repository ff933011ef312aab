#include "ui/taborder.h"

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace tavrolin::ui {

namespace {

bool takesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

// A control that takes Tab is one stop, whatever it holds inside (an editable list's
// own text field is part of the list); anything else is searched for stops.
void collectStops(QWidget* container, QList<QWidget*>& stops) {
    QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget* child) { return child->isWindow(); });
    const bool holdsFrames = std::any_of(children.cbegin(), children.cend(), [](QWidget* child) {
        return qobject_cast<QGroupBox*>(child) != nullptr;
    });
    const auto place = [holdsFrames](const QWidget* widget) {
        return holdsFrames ? std::pair(widget->x(), widget->y())
                           : std::pair(widget->y(), widget->x());
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    for (QWidget* child : children) {
        if (takesTab(child)) {
            stops << child;
        } else {
            collectStops(child, stops);
        }
    }
}

}  // namespace

void orderTabStops(QWidget& window) {
    QList<QWidget*> stops;
    collectStops(&window, stops);
    std::stable_partition(stops.begin(), stops.end(), [](QWidget* stop) {
        const auto* button = qobject_cast<QPushButton*>(stop);
        return button == nullptr || !button->isDefault();
    });
    for (qsizetype i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    }
    // The window opens with the focus on its first stop, not wherever the ring of
    // its widgets happens to start.
    if (!stops.isEmpty()) {
        stops.constFirst()->setFocus();
    }
}

}  // namespace tavrolin::ui
