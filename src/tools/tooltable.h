#pragma once

#include <QImage>
#include <QString>
#include <span>

#include "model/editorstate.h"

class QPainter;

namespace tavrolin::tools {

// One tool, described once: whatever needs to know a tool (the tool buttons and their
// pictures, the keys, the words read out, the canvas's pointer and clicks, the rubber
// bands) reads its row. A row names only what its tool does: the pen acts on pointer
// moves, a one-click tool on a click, a shape tool takes two clicks, one to place the
// first point of the state's shape in progress and one to commit it.
struct ToolDescription {
    model::Tool tool;
    const char* button;  // the design name of its button in "Nástroje:"
    // The tool in a word, as the canvas's description and its button's name say it,
    // and the caption under the buttons while it is active: Slovak, translated by
    // wordShown() and captionShown().
    const char* word;
    const char* activeCaption;
    Qt::Key key;  // the key that chooses it
    // The picture on its button, drawn pixel by pixel at its own size so it stays crisp.
    QImage (*picture)();
    // A pointer move at canvas position (x, y), for the pen always, for a shape tool
    // while its shape is started: the pen paints, a shape's rubber band follows.
    void (*pointerMoved)(model::EditorState& state, int buttons, float x, float y) = nullptr;
    // A click on the canvas, acting at the displayed cell in one go.
    void (*clicked)(model::EditorState& state) = nullptr;
    // A shape's first click: places its outline's first point at canvas pixel (x, y).
    void (*start)(model::EditorState& state, float x, float y) = nullptr;
    // A shape's second click: draws the shape from its outline into the preview.
    void (*draw)(model::EditorState& state) = nullptr;
    // Draws the rubber band of a started shape over the canvas view.
    void (*paintOutline)(const model::ShapeInProgress& shape, QPainter& painter) = nullptr;

    bool takesTwoClicks() const { return start != nullptr; }
    QString wordShown() const;
    QString captionShown() const;
};

// The rows, each defined in its tool's own file, in the order of their buttons.
extern const ToolDescription penTool;
extern const ToolDescription lineTool;
extern const ToolDescription rectangleTool;
extern const ToolDescription circleTool;
extern const ToolDescription fillTool;
extern const ToolDescription pickerTool;

// Every tool, in the order of its button in the frame (down the columns).
std::span<const ToolDescription* const> toolTable();
const ToolDescription& describeTool(model::Tool tool);

// Makes a tool the active one. A shape begun with another tool is given up, so it never
// resumes from an outline the user no longer sees; choosing its own tool again keeps it.
void chooseTool(model::EditorState& state, model::Tool tool);

}  // namespace tavrolin::tools
