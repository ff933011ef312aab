#include "ops/colourreplacement.h"

#include "model/canvas.h"

namespace tavrolin::ops {

void replaceColours(model::EditorState& state, std::optional<model::ColorCode> from,
                    std::optional<model::ColorCode> to, bool swap) {
    model::takeUndoCopy(state);
    state.replaceFrom = from.value_or(state.replaceFrom);
    state.replaceTo = to.value_or(state.replaceTo);
    const model::ColorCode replaced = state.replaceFrom;
    const model::ColorCode replacement = state.replaceTo;
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        std::int16_t& cell = state.picture.at(x, y);
        if (cell == replaced) {
            cell = replacement;
        } else if (swap && cell == replacement) {
            cell = replaced;
        }
    });
    model::repaintCanvas(state);
}

}  // namespace tavrolin::ops
