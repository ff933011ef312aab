#include "ui/frames/toolsframe.h"

#include "tools/tooltable.h"
#include "ui/controls.h"
#include "ui/icons.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

namespace {

// The buttons fill a block two high, column by column, in the order of the table.
QRect buttonPlace(int index) {
    return QRect(10 + 44 * (index / 2), 18 + 33 * (index % 2), 41, 31);
}

}  // namespace

ToolsFrame::ToolsFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Nástroje:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame12"));
    int index = 0;
    for (const tools::ToolDescription* tool : tools::toolTable()) {
        QPushButton* button = makePictureButton(this, tool->button, icons::toolPicture(tool->tool),
                                                buttonPlace(index++));
        // Its name to a reader is the tool's word: "Pero".
        const QString word = tool->wordShown();
        button->setAccessibleName(word.front().toUpper() + word.mid(1));
        clickOnKeys(*button, {tool->key});
        connect(button, &QPushButton::clicked, this,
                [this, which = tool->tool] { chooseTool(which); });
    }
    activeToolLabel_ = makeLabel(this, "Label18", tools::describeTool(model::kPen).captionShown(),
                                 QRect(8, 86, 94, 16));
    connect(&context_, &EditorContext::stateChanged, this, &ToolsFrame::reflect);
}

void ToolsFrame::chooseTool(model::Tool tool) {
    tools::chooseTool(context_.state, tool);
    context_.changed();
}

void ToolsFrame::reflect() {
    activeToolLabel_->setText(tools::describeTool(context_.state.currentTool).captionShown());
}

}  // namespace tavrolin::ui
