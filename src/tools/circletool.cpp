#include "tools/circletool.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tools/outline.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void draw(EditorState& state) {
    const CircleGeometry circle = circleInOutline(state.pen4);
    state.preview.circle(static_cast<int>(circle.circleCenterX),
                         static_cast<int>(circle.circleCenterY), circle.circleRadius);
}

// The circle inscribed in its box, centred along the longer side.
void paintOutline(const EditorState& state, QPainter& painter) {
    const model::BoxOutline& box = state.pen4;
    const float diameter = std::min(box.width, box.height);
    painter.drawEllipse(QRectF(box.left + (box.width - diameter) / 2,
                               box.top + (box.height - diameter) / 2, diameter, diameter));
}

}  // namespace

CircleGeometry circleInOutline(const model::BoxOutline& outline) {
    const float m = std::min(outline.width, outline.height);
    CircleGeometry circle;
    circle.circleRadius = static_cast<std::int16_t>(std::floor(m / 10));
    circle.circleCenterX = static_cast<float>(previewPixel(outline.left + (outline.width - m) / 2) +
                                              circle.circleRadius);
    circle.circleCenterY = static_cast<float>(previewPixel(outline.top + (outline.height - m) / 2) +
                                              circle.circleRadius);
    return circle;
}

const ToolDescription circleTool{
    model::kCircleTool,
    "Command29",
    QT_TRANSLATE_NOOP("Tools", "kruh"),
    QT_TRANSLATE_NOOP("Tools", "aktívne: kruh"),
    Qt::Key_C,
    &EditorState::circleStarted,
    stretchBox<&EditorState::pen4>,
    startBox<&EditorState::pen4>,
    draw,
    hideBox<&EditorState::pen4>,
    paintOutline,
};

}  // namespace tavrolin::tools
