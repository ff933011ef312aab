#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "model/editorstate.h"

class QPainter;

namespace tavrolin::tools {

// One tool, described once: whatever needs to know a tool (the tool buttons, the
// keys, the words read out, the canvas's pointer and clicks, the rubber bands) reads
// its row. The shape tools take two clicks, one to start and one to commit; the pen
// has no clicks, no outline and no started flag, and acts on pointer moves alone.
struct ToolDescription {
    model::Tool tool;
    const char* button;  // the design name of its button in "Nástroje:"
    // The tool in a word, as the canvas's description and its button's name say it,
    // and the caption under the buttons while it is active: Slovak, translated by
    // wordShown() and captionShown().
    const char* word;
    const char* activeCaption;
    Qt::Key key;  // the key that chooses it
    // The shape's first point is placed (1) or not (0); null for the pen.
    std::int16_t model::EditorState::*started;
    // A pointer move at canvas position (x, y), for the pen always, for a shape tool
    // while it is started: the pen paints, a shape's rubber band follows.
    void (*pointerMoved)(model::EditorState& state, int buttons, float x, float y);
    // The first click: places the outline's first point at canvas pixel (x, y).
    void (*start)(model::EditorState& state, float x, float y);
    // The second click: draws the shape from its outline into the preview.
    void (*draw)(model::EditorState& state);
    // Moves the outline out of sight, below the canvas.
    void (*hideOutline)(model::EditorState& state);
    // Draws the outline over the canvas view, where it is (out of sight or not).
    void (*paintOutline)(const model::EditorState& state, QPainter& painter);

    bool takesTwoClicks() const { return started != nullptr; }
    QString wordShown() const;
    QString captionShown() const;
};

// The rows, each defined in its tool's own file, in the order of their buttons.
extern const ToolDescription penTool;
extern const ToolDescription lineTool;
extern const ToolDescription rectangleTool;
extern const ToolDescription circleTool;

// Every tool, in the order of its button in the frame (down the columns).
std::span<const ToolDescription* const> toolTable();
const ToolDescription& describeTool(model::Tool tool);

// Makes a tool the active one, hides the rubber bands of the other shape tools and
// drops a shape they had begun: choosing its tool again starts afresh.
void chooseTool(model::EditorState& state, model::Tool tool);

}  // namespace tavrolin::tools
