#include "ui/frames/toolsframe.h"

#include "tools/tooltable.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

namespace {

// The buttons fill a block two high across the frame, column by column in the order of
// the table, as wide as their number allows.
QRect buttonPlace(int index, int count) {
    constexpr int kLeft = 7;
    constexpr int kBlockWidth = 91;
    constexpr int kGap = 3;
    constexpr int kTop = 18;
    constexpr int kHeight = 31;
    const int columns = (count + 1) / 2;
    const int width = (kBlockWidth - kGap * (columns - 1)) / columns;
    return QRect(kLeft + (width + kGap) * (index / 2), kTop + (kHeight + 2) * (index % 2), width,
                 kHeight);
}

}  // namespace

ToolsFrame::ToolsFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Nástroje:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame12"));
    const int count = static_cast<int>(tools::toolTable().size());
    int index = 0;
    for (const tools::ToolDescription* tool : tools::toolTable()) {
        QPushButton* button = makePictureButton(
            this, tool->button, QPixmap::fromImage(tool->picture()), buttonPlace(index++, count));
        // Its name to a reader is the tool's word: "Pero".
        const QString word = tool->wordShown();
        namePictureButton(*button, word.front().toUpper() + word.mid(1));
        clickOnKeys(*button, {tool->key});
        connect(button, &QPushButton::clicked, this,
                [this, which = tool->tool] { chooseTool(which); });
    }
    activeToolLabel_ = makeLabel(this, "Label18", tools::describeTool(model::kPen).captionShown(),
                                 QRect(8, 86, 94, 16));
    activeToolLabel_->setAccessibleDescription(tr("aktívny nástroj"));
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
