#include "model/canvas.h"

#include <array>

namespace tavrolin::model {

namespace {

constexpr QRgb kGridColour = qRgb(0, 0, 0);

bool isGridColumn(int px) {
    return px % kCellSize == kCellSize - 1 && px < kCanvasWidth - 1;
}
bool isGridRow(int py) {
    return py % kCellSize == kCellSize - 1 && py < kCanvasHeight - 1;
}

}  // namespace

void paintCell(EditorState& state, int x, int y) {
    const std::optional<Rgb> colour = paletteRgb(state.picture.at(x, y));
    if (colour) {
        state.canvas.setDrawingColor(*colour);
    }
    state.canvas.fillRect(
        QRect(kCellSize * x - kCellSize, kCellSize * y - kCellSize, kCellSize - 1, kCellSize - 1),
        state.canvas.drawingColor());
}

void drawGrid(EditorState& state) {
    state.canvas.setDrawingColor(kBlackRgb);
    for (int i = 1; i < kColumns; ++i) {
        state.canvas.line(kCellSize * i - 1, 0, kCellSize * i - 1, kCanvasHeight);
    }
    for (int j = 1; j < kRows; ++j) {
        state.canvas.line(0, kCellSize * j - 1, kCanvasWidth, kCellSize * j - 1);
    }
}

void repaintCanvas(EditorState& state) {
    // Row by row in one pass: the same pixels as clearing, drawing the grid and
    // painting every cell, at a fraction of the cost.
    const QRgb background = toQRgb(state.canvas.background());
    std::array<QRgb, kColumns + 1> cellColour{};
    state.canvas.editImage([&](QImage& image) {
        for (int py = 0; py < kCanvasHeight; ++py) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(py));
            if (isGridRow(py)) {
                std::fill(row, row + kCanvasWidth, kGridColour);
                continue;
            }
            if (py % kCellSize == 0) {
                const int y = py / kCellSize + 1;
                for (int x = 1; x <= kColumns; ++x) {
                    const std::optional<Rgb> colour = paletteRgb(state.picture.at(x, y));
                    cellColour[static_cast<std::size_t>(x)] = colour ? toQRgb(*colour) : background;
                }
            }
            const bool lastRow = py == kCanvasHeight - 1;
            for (int px = 0; px < kCanvasWidth; ++px) {
                if (isGridColumn(px)) {
                    row[px] = kGridColour;
                } else if (lastRow || px == kCanvasWidth - 1) {
                    row[px] = background;
                } else {
                    row[px] = cellColour[static_cast<std::size_t>(px / kCellSize + 1)];
                }
            }
        }
    });
    refreshPreview(state);
    state.canvas.setDrawingColor(*paletteRgb(state.currentColor));
}

void refreshPreview(EditorState& state) {
    state.preview.editImage([&](QImage& image) {
        for (int y = 1; y <= kRows; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y - 1));
            for (int x = 1; x <= kColumns; ++x) {
                if (const std::optional<Rgb> colour = paletteRgb(state.picture.at(x, y))) {
                    row[x - 1] = toQRgb(*colour);
                }
            }
        }
    });
}

void takeUndoCopy(EditorState& state) {
    state.undoPicture.copyUsedCellsFrom(state.picture);
    state.undoAvailable = true;
}

void setCurrentColor(EditorState& state, ColorCode code) {
    state.currentColor = code;
    state.canvas.setDrawingColor(*paletteRgb(code));
}

}  // namespace tavrolin::model
