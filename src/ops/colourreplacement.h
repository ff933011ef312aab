#pragma once

#include <QString>
#include <optional>

#include "model/editorstate.h"

namespace tavrolin::ops {

// The colour a list of the replacement frame names ("čiernu", "bielu", "červenú",
// "modrú", "zelenú"), matched exactly; none for any other text.
std::optional<model::ColorCode> colorCodeForListText(const QString& text);

// "Invertuj farby": every cell of the colour named by fromText becomes the colour
// named by toText and, with swap, the other way round at the same time. A text that
// names no colour keeps the colour chosen last time. Undoable.
void replaceColours(model::EditorState& state, const QString& fromText, const QString& toText,
                    bool swap);

}  // namespace tavrolin::ops
