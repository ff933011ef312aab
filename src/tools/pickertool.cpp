#include "model/canvas.h"
#include "tools/toolpicture.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

// The displayed cell's colour becomes the current colour, as a click on its swatch makes it.
void pickColour(model::EditorState& state) {
    if (model::inPicture(state.pointerCellX, state.pointerCellY)) {
        model::setCurrentColor(state, state.picture.at(state.pointerCellX, state.pointerCellY));
    }
}

// An eyedropper from its bulb at the top right down to a drop at its tip.
QImage picture() {
    ToolPicture picture;
    QPainter& p = picture.painter();
    p.setPen(QPen(kButtonInk, 2));
    p.drawLine(3, 12, 9, 6);
    p.setPen(QPen(kButtonInk, 1));
    p.drawLine(8, 4, 11, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonInk);
    p.drawEllipse(10, 1, 4, 4);
    p.fillRect(1, 14, 2, 2, QColor(0, 0, 255));
    return picture.done();
}

}  // namespace

const ToolDescription pickerTool{
    .tool = model::kPickerTool,
    .button = "pickerButton",
    .word = QT_TRANSLATE_NOOP("Tools", "kvapkadlo"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: kvapkadlo"),
    .key = Qt::Key_K,
    .picture = picture,
    .clicked = pickColour,
};

}  // namespace tavrolin::tools
