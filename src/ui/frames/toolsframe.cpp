#include "ui/frames/toolsframe.h"

#include "model/toolchoice.h"
#include "ui/controls.h"
#include "ui/icons.h"

namespace tavrolin::ui {

QString ToolsFrame::activeToolCaption(int tool) {
    switch (tool) {
        case model::kLineTool:
            return tr("aktívne: čiara");
        case model::kRectangleTool:
            return tr("aktívne: obdĺžnik");
        case model::kCircleTool:
            return tr("aktívne: kruh");
        default:
            return tr("aktívne: pero");
    }
}

ToolsFrame::ToolsFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Nástroje:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame12"));
    Command26 = makePictureButton(this, "Command26", icons::brush(), QRect(10, 18, 41, 31));
    Command28 = makePictureButton(this, "Command28", icons::rectangle(), QRect(54, 18, 41, 31));
    Command27 = makePictureButton(this, "Command27", icons::line(), QRect(10, 51, 41, 31));
    Command29 = makePictureButton(this, "Command29", icons::ellipse(), QRect(54, 51, 41, 31));
    Label18 = makeLabel(this, "Label18", activeToolCaption(model::kPen), QRect(8, 86, 94, 16));
    const std::pair<QPushButton*, model::Tool> buttons[] = {
        {Command26, model::kPen},
        {Command27, model::kLineTool},
        {Command28, model::kRectangleTool},
        {Command29, model::kCircleTool},
    };
    for (const auto& [button, tool] : buttons) {
        connect(button, &QPushButton::clicked, this, [this, tool = tool] { chooseTool(tool); });
    }
    connect(&context_, &EditorContext::stateChanged, this, &ToolsFrame::reflect);
}

void ToolsFrame::chooseTool(model::Tool tool) {
    model::chooseTool(context_.state, tool);
    context_.changed();
}

void ToolsFrame::reflect() {
    Label18->setText(activeToolCaption(context_.state.currentTool));
}

}  // namespace tavrolin::ui
