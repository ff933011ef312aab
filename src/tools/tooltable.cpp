#include "tools/tooltable.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace tavrolin::tools {

namespace {

// A new tool is a file of its own that defines its row, and one entry here.
constexpr const ToolDescription* kTools[] = {&penTool, &lineTool, &rectangleTool, &circleTool};

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
    state.currentTool = tool;
    // A shape whose outline goes out of sight is given up with it, so it never
    // resumes from an outline the user cannot see.
    for (const ToolDescription* row : kTools) {
        if (row->tool != tool && row->takesTwoClicks()) {
            row->hideOutline(state);
            state.*row->started = 0;
        }
    }
}

}  // namespace tavrolin::tools
