#include "tools/circletool.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tools/outline.h"
#include "tools/toolpicture.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void draw(EditorState& state) {
    const CircleGeometry circle = circleInOutline(std::get<model::BoxOutline>(state.shape.outline));
    state.preview.circle(static_cast<int>(circle.circleCenterX),
                         static_cast<int>(circle.circleCenterY), circle.circleRadius);
}

// The circle inscribed in its box, centred along the longer side.
void paintOutline(const model::ShapeInProgress& shape, QPainter& painter) {
    const auto& box = std::get<model::BoxOutline>(shape.outline);
    const float diameter = std::min(box.width, box.height);
    painter.drawEllipse(QRectF(box.left + (box.width - diameter) / 2,
                               box.top + (box.height - diameter) / 2, diameter, diameter));
}

QImage picture() {
    return pictureFromRows(
        {"................", "................", ".....######.....", "...##......##...",
         "..#..........#..", ".#............#.", ".#............#.", ".#............#.",
         ".#............#.", ".#............#.", "..#..........#..", "...##......##...",
         ".....######.....", "................", "................", "................"},
        kButtonInk);
}

}  // namespace

CircleGeometry circleInOutline(const model::BoxOutline& outline) {
    const float m = std::min(outline.width, outline.height);
    CircleGeometry circle;
    circle.circleRadius = static_cast<std::int16_t>(std::floor(m / (2 * model::kCellSize)));
    circle.circleCenterX = static_cast<float>(previewPixel(outline.left + (outline.width - m) / 2) +
                                              circle.circleRadius);
    circle.circleCenterY = static_cast<float>(previewPixel(outline.top + (outline.height - m) / 2) +
                                              circle.circleRadius);
    return circle;
}

const ToolDescription circleTool{
    .tool = model::kCircleTool,
    .button = "Command29",
    .word = QT_TRANSLATE_NOOP("Tools", "kruh"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: kruh"),
    .key = Qt::Key_C,
    .picture = picture,
    .pointerMoved = stretchBox,
    .start = startBox,
    .draw = draw,
    .paintOutline = paintOutline,
};

}  // namespace tavrolin::tools
