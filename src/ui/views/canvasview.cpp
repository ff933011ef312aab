#include "ui/views/canvasview.h"

#include <QPainter>
#include <algorithm>

namespace tavrolin::ui {

CanvasView::CanvasView(model::EditorState& state, QWidget* parent)
    : PictureBoxView(state.canvas, 0, parent), state_(state) {
    setCursor(Qt::CrossCursor);
}

void CanvasView::paintImage(QPainter& painter, const QRect& area) {
    // Device pixels per logical one, on the screen or in whatever the view is drawn into.
    const qreal ratio = painter.deviceTransform().m11();
    if (ratio == 1.0) {
        PictureBoxView::paintImage(painter, area);
        return;
    }
    const QImage scaled = scaler_.scaled(box().image(), ratio, area);
    painter.drawImage(scaler_.devicePosition(area.topLeft()), scaled);
}

void CanvasView::paintOverlay(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 255), 0));
    painter.setBrush(Qt::NoBrush);
    const model::LineOutline& line = state_.pen2;
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    const model::BoxOutline& rectangle = state_.pen3;
    painter.drawRect(QRectF(rectangle.left, rectangle.top, rectangle.width, rectangle.height));
    // The circle inscribed in its box, centred along the longer side.
    const model::BoxOutline& circle = state_.pen4;
    const float diameter = std::min(circle.width, circle.height);
    painter.drawEllipse(QRectF(circle.left + (circle.width - diameter) / 2,
                               circle.top + (circle.height - diameter) / 2, diameter, diameter));
}

}  // namespace tavrolin::ui
