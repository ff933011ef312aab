#include "model/readback.h"

#include "model/canvas.h"

namespace tavrolin::model {

PictureGrid pictureInBox(const PictureBox& box, const KeptColours& kept) {
    PictureGrid picture;
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const std::optional<ColorCode> code = colorCodeFromRgb(box.pixel(x - 1, y - 1));
            if (code && kept[static_cast<std::size_t>(*code)]) {
                picture.at(x, y) = *code;
            }
        }
    }
    return picture;
}

void readPictureFromBox(EditorState& state, const PictureBox& box) {
    state.picture.copyUsedCellsFrom(pictureInBox(box));
}

void copyPreviewInto(EditorState& state, PictureBox& box) {
    // The preview is refreshed only twice a second; taking it as it stands could
    // lose the latest pen strokes.
    refreshPreview(state);
    box.editImage([&](QImage& image) {
        for (int y = 1; y <= kRows; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y - 1));
            for (int x = 1; x <= kColumns; ++x) {
                const std::optional<ColorCode> code =
                    colorCodeFromRgb(state.preview.pixel(x - 1, y - 1));
                if (code) {
                    row[x - 1] = toQRgb(*paletteRgb(*code));
                }
            }
        }
    });
}

}  // namespace tavrolin::model
