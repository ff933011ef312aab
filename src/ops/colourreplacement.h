#pragma once

#include <optional>

#include "model/editorstate.h"

namespace tavrolin::ops {

// "Invertuj farby": every cell of colour `from` becomes `to` and, with swap, the other
// way round at the same time. A list whose text names no colour (none) keeps the colour
// chosen last time. Undoable.
void replaceColours(model::EditorState& state, std::optional<model::ColorCode> from,
                    std::optional<model::ColorCode> to, bool swap);

}  // namespace tavrolin::ops
