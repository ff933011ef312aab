#include "ui/views/pictureboxview.h"

#include <QMouseEvent>
#include <QPainter>

#include "tools/pointermove.h"

namespace tavrolin::ui {

namespace {

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= tools::kLeftButton;
    }
    if (buttons & Qt::RightButton) {
        mask |= tools::kRightButton;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= tools::kMiddleButton;
    }
    return mask;
}

}  // namespace

PictureBoxView::PictureBoxView(model::PictureBox& box, int border, QWidget* parent)
    : QWidget(parent), box_(box), border_(border) {
    setFixedSize(box.width() + 2 * border, box.height() + 2 * border);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    box_.setChangeListener([this](const QRect& area) {
        update(area.translated(border_, border_).adjusted(-1, -1, 1, 1));
    });
}

QRect PictureBoxView::drawingArea() const {
    return QRect(border_, border_, box_.width(), box_.height());
}

void PictureBoxView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (border_ > 0) {
        // Filled, then covered by the image: on a scaled screen a drawn outline and the
        // image need not meet, and the device pixels between them would show garbage.
        painter.fillRect(rect(), palette().color(QPalette::Dark));
    }
    painter.setClipRect(drawingArea());
    painter.translate(drawingArea().topLeft());
    paintImage(painter, event->rect().translated(-drawingArea().topLeft()) &
                            QRect(QPoint(0, 0), box_.image().size()));
    paintOverlay(painter);
}

void PictureBoxView::paintImage(QPainter& painter, const QRect& area) {
    // Drawn 1:1 in logical pixels; on a scaled screen each pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(area.topLeft(), box_.image(), area);
}

void PictureBoxView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(buttonMask(event->buttons()), event->position() - QPointF(border_, border_));
}

void PictureBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftPressedHere_ = true;
    }
}

void PictureBoxView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftPressedHere_) {
        leftPressedHere_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
    }
}

}  // namespace tavrolin::ui
