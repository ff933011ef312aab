#include <QPainter>

#include "tools/outline.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void draw(EditorState& state) {
    const model::BoxOutline& outline = state.pen3;
    const int x0 = previewPixel(outline.left);
    const int y0 = previewPixel(outline.top);
    const int x1 = previewPixel(outline.left + outline.width);
    const int y1 = previewPixel(outline.top + outline.height);
    model::PictureBox& preview = state.preview;
    preview.line(x0, y0, x0, y1);
    // One further down than the other edges, as the line leaves out its end point:
    // this is what paints the bottom-right corner.
    preview.line(x1, y0, x1, y1 + 1);
    preview.line(x0, y0, x1, y0);
    preview.line(x0, y1, x1, y1);
}

void paintOutline(const EditorState& state, QPainter& painter) {
    const model::BoxOutline& box = state.pen3;
    painter.drawRect(QRectF(box.left, box.top, box.width, box.height));
}

}  // namespace

const ToolDescription rectangleTool{
    model::kRectangleTool,
    "Command28",
    QT_TRANSLATE_NOOP("Tools", "obdĺžnik"),
    QT_TRANSLATE_NOOP("Tools", "aktívne: obdĺžnik"),
    Qt::Key_R,
    &EditorState::rectStarted,
    stretchBox<&EditorState::pen3>,
    startBox<&EditorState::pen3>,
    draw,
    hideBox<&EditorState::pen3>,
    paintOutline,
};

}  // namespace tavrolin::tools
