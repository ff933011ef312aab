#include "stamps/hedgehogstamp.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/canvas.h"
#include "model/readback.h"

namespace tavrolin::stamps {

namespace {

// A pointer coordinate as a whole pixel: nearest, halves to the even neighbour, held
// within the 16-bit range the anchor is kept in.
std::int16_t toPixel(float coordinate) {
    constexpr float kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr float kHighest = std::numeric_limits<std::int16_t>::max();
    if (!(coordinate > kLowest)) {
        return static_cast<std::int16_t>(kLowest);
    }
    if (coordinate > kHighest) {
        return static_cast<std::int16_t>(kHighest);
    }
    return static_cast<std::int16_t>(std::nearbyint(coordinate));
}

}  // namespace

void toggleHedgehog(model::EditorState& state) {
    if (state.hedgehogDrawing) {
        state.hedgehogDrawing = false;
        return;
    }
    showHedgehogPicture(state);
    state.hedgehogDrawing = true;
}

void trackHedgehog(model::EditorState& state, float x, float y) {
    state.hedgehogBox.setDrawingColor(*model::paletteRgb(state.currentColor));
    if (!state.hedgehogDrawing) {
        state.hedgehogAnchorX = x;
        state.hedgehogAnchorY = toPixel(y);
        return;
    }
    state.hedgehogBox.line(toPixel(state.hedgehogAnchorX), state.hedgehogAnchorY, toPixel(x),
                           toPixel(y));
}

void showHedgehogPicture(model::EditorState& state) {
    state.hedgehogBox.clear();
    state.hedgehogBox.setDrawingColor(state.canvas.drawingColor());
    model::copyPreviewInto(state, state.hedgehogBox);
}

void eraseHedgehog(model::EditorState& state) {
    state.hedgehogBox.clear();
}

void insertHedgehog(model::EditorState& state) {
    model::takeUndoCopy(state);
    model::readPictureFromBox(state, state.hedgehogBox);
    model::repaintCanvas(state);
    state.hedgehogBox.clear();
}

}  // namespace tavrolin::stamps
