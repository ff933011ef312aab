#pragma once

#include <QString>
#include <optional>

#include "model/editorstate.h"

namespace tavrolin::stamps {

// What the text frame's controls hold when one of its buttons is pressed: the text,
// the font name and the size as typed, in points.
struct TextInput {
    QString text;
    QString fontName;
    QString sizeText;
};

enum class TextDirection { kLeft, kRight, kUp, kDown };

// The size a size text stands for: a positive, finite number, or none.
std::optional<float> parseFontSize(const QString& sizeText);

// Gives the work box, then the preview, the chosen font name, then the size. A size
// that is not a positive number leaves the last valid one in force.
void applyTextFont(model::EditorState& state, const TextInput& input);

// Shows the picture with the text laid over it in the work box; the picture itself
// is not touched.
void showText(model::EditorState& state, const TextInput& input);

// Moves the text one pixel, stopping at the ends of the 16-bit range, and shows it.
void moveText(model::EditorState& state, TextDirection direction, const TextInput& input);

// Stamps the text into the picture in the drawing colour, undoable.
void insertText(model::EditorState& state, const TextInput& input);

// Empties the work box and puts the next text at the top-left corner; the caller
// empties the text field.
void clearText(model::EditorState& state, const TextInput& input);

}  // namespace tavrolin::stamps
