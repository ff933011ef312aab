#include "ui/views/canvasview.h"

#include <QPainter>

#include "tools/tooltable.h"

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
    const tools::ToolDescription& tool = tools::describeTool(state_.currentTool);
    if (state_.shape.started && tool.paintOutline != nullptr) {
        tool.paintOutline(state_.shape, painter);
    }
}

}  // namespace tavrolin::ui
