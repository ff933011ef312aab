#include "tools/tooltable.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace tavrolin::tools {

namespace {

// A new tool is a file of its own that defines its row, and one entry here.
constexpr const ToolDescription* kTools[] = {&penTool,    &lineTool, &rectangleTool,
                                             &circleTool, &fillTool, &pickerTool};

}  // namespace

QString ToolDescription::wordShown() const {
    return QCoreApplication::translate("Tools", word);
}

QString ToolDescription::captionShown() const {
    return QCoreApplication::translate("Tools", activeCaption);
}

std::span<const ToolDescription* const> toolTable() {
    return kTools;
}

const ToolDescription& describeTool(model::Tool tool) {
    for (const ToolDescription* row : kTools) {
        if (row->tool == tool) {
            return *row;
        }
    }
    qFatal("Tool %d has no row in the tool table", int(tool));
}

void chooseTool(model::EditorState& state, model::Tool tool) {
    if (tool != state.currentTool) {
        state.shape = {};
    }
    state.currentTool = tool;
}

}  // namespace tavrolin::tools
