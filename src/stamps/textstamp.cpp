#include "stamps/textstamp.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/canvas.h"
#include "model/readback.h"

namespace tavrolin::stamps {

namespace {

std::int16_t stepSaturating(std::int16_t value, int step) {
    const int moved = value + step;
    if (moved > std::numeric_limits<std::int16_t>::max() ||
        moved < std::numeric_limits<std::int16_t>::min()) {
        return value;
    }
    return static_cast<std::int16_t>(moved);
}

}  // namespace

std::optional<float> parseFontSize(const QString& sizeText) {
    bool ok = false;
    const float size = sizeText.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(size) || size <= 0) {
        return std::nullopt;
    }
    return size;
}

void applyTextFont(model::EditorState& state, const TextInput& input) {
    state.textBox.setFontName(input.fontName);
    state.preview.setFontName(input.fontName);
    if (const std::optional<float> size = parseFontSize(input.sizeText)) {
        state.textBox.setFontSize(*size);
        state.preview.setFontSize(*size);
    }
}

void showText(model::EditorState& state, const TextInput& input) {
    state.textBox.clear();
    state.textBox.setDrawingColor(state.canvas.drawingColor());
    applyTextFont(state, input);
    model::copyPreviewInto(state, state.textBox);
    state.textBox.setPrintPosition(state.textX, state.textY);
    state.textBox.print(input.text);
}

void moveText(model::EditorState& state, TextDirection direction, const TextInput& input) {
    switch (direction) {
        case TextDirection::kLeft:
            state.textX = stepSaturating(state.textX, -1);
            break;
        case TextDirection::kRight:
            state.textX = stepSaturating(state.textX, 1);
            break;
        case TextDirection::kUp:
            state.textY = stepSaturating(state.textY, -1);
            break;
        case TextDirection::kDown:
            state.textY = stepSaturating(state.textY, 1);
            break;
    }
    showText(state, input);
}

void insertText(model::EditorState& state, const TextInput& input) {
    model::takeUndoCopy(state);
    state.textBox.clear();
    applyTextFont(state, input);
    // The text is printed over the picture as it is now, pen strokes of the last
    // moments included, and the whole picture is read back from there.
    model::refreshPreview(state);
    state.preview.setPrintPosition(state.textX, state.textY);
    state.preview.setDrawingColor(state.canvas.drawingColor());
    state.preview.print(input.text);
    model::readPictureFromBox(state, state.preview);
    model::repaintCanvas(state);
}

void clearText(model::EditorState& state, const TextInput& input) {
    state.textBox.clear();
    applyTextFont(state, input);
    state.textBox.setPrintPosition(0, 0);
    state.textX = 0;
    state.textY = 0;
}

}  // namespace tavrolin::stamps
