#include <QPainter>

#include "tools/outline.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void start(EditorState& state, float x, float y) {
    state.pen2 = model::LineOutline{x, y, x, y};
}

// The line's end follows the exact pointer position.
void follow(EditorState& state, int /*buttons*/, float x, float y) {
    state.pen2.x2 = x;
    state.pen2.y2 = y;
}

void draw(EditorState& state) {
    const model::LineOutline& outline = state.pen2;
    state.preview.line(previewPixel(outline.x1), previewPixel(outline.y1), previewPixel(outline.x2),
                       previewPixel(outline.y2));
}

void hide(EditorState& state) {
    state.pen2.y1 = state.pen2.y2 = model::kHiddenOutlineY;
}

void paintOutline(const EditorState& state, QPainter& painter) {
    const model::LineOutline& line = state.pen2;
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

}  // namespace

const ToolDescription lineTool{
    model::kLineTool,
    "Command27",
    QT_TRANSLATE_NOOP("Tools", "čiara"),
    QT_TRANSLATE_NOOP("Tools", "aktívne: čiara"),
    Qt::Key_L,
    &EditorState::lineStarted,
    follow,
    start,
    draw,
    hide,
    paintOutline,
};

}  // namespace tavrolin::tools
