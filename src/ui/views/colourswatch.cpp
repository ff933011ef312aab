#include "ui/views/colourswatch.h"

#include <QPainter>

namespace tavrolin::ui {

ColourSwatch::ColourSwatch(const QColor& colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {}

void ColourSwatch::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

}  // namespace tavrolin::ui
