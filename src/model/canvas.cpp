#include "model/canvas.h"

#include <array>

namespace tavrolin::model {

namespace {

constexpr QRgb kGridColour = qRgb(0, 0, 0);

bool isGridColumn(int px) {
    return px % kCellSize == kCellSize - 1 && px < kCanvasWidth - 1;
}

// The palette as pixel values, so the whole-picture loops look a colour up without
// a call per cell. A code outside the palette has none.
class PalettePixels {
  public:
    PalettePixels() {
        for (int code = kWhite; code <= kGreen; ++code) {
            pixels_[static_cast<std::size_t>(code)] = toQRgb(*paletteRgb(code));
        }
    }
    const QRgb* find(int code) const {
        return code >= kWhite && code <= kGreen ? &pixels_[static_cast<std::size_t>(code)]
                                                : nullptr;
    }

  private:
    std::array<QRgb, kGreen + 1> pixels_{};
};

}  // namespace

QRect cellInterior(int x, int y) {
    return {kCellSize * (x - 1), kCellSize * (y - 1), kCellSize - 1, kCellSize - 1};
}

void paintCell(EditorState& state, int x, int y) {
    const std::optional<Rgb> colour = paletteRgb(state.picture.at(x, y));
    if (colour) {
        state.canvas.setDrawingColor(*colour);
    }
    state.canvas.fillRect(cellInterior(x, y), state.canvas.drawingColor());
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
    // Row of cells by row of cells: the same pixels as clearing, drawing the grid and
    // painting every cell, at a fraction of the cost. The four pixel rows of a cell
    // row are alike, so each is built once and copied.
    const QRgb background = toQRgb(state.canvas.background());
    const PalettePixels palette;
    std::array<QRgb, kCanvasWidth> cells{};
    // The bottom pixel row has no horizontal grid line, only the vertical lines' ends.
    std::array<QRgb, kCanvasWidth> bottomRow{};
    for (int px = 0; px < kCanvasWidth; ++px) {
        bottomRow[static_cast<std::size_t>(px)] = isGridColumn(px) ? kGridColour : background;
    }
    cells.back() = background;
    state.canvas.editImage([&](QImage& image) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                const QRgb* colour = palette.find(state.picture.at(x, y));
                auto* const first = cells.begin() + kCellSize * (x - 1);
                std::fill(first, first + kCellSize - 1, colour ? *colour : background);
                if (x < kColumns) {
                    first[kCellSize - 1] = kGridColour;
                }
            }
            const int top = kCellSize * (y - 1);
            for (int py = top; py < top + kCellSize - 1; ++py) {
                std::copy(cells.begin(), cells.end(), reinterpret_cast<QRgb*>(image.scanLine(py)));
            }
            QRgb* gridRow = reinterpret_cast<QRgb*>(image.scanLine(top + kCellSize - 1));
            if (y < kRows) {
                std::fill(gridRow, gridRow + kCanvasWidth, kGridColour);
            } else {
                std::copy(bottomRow.begin(), bottomRow.end(), gridRow);
            }
        }
    });
    refreshPreview(state);
    state.canvas.setDrawingColor(*paletteRgb(state.currentColor));
}

void refreshPreview(EditorState& state) {
    state.preview.editImage([&](QImage& image) { drawPicture(state.picture, image); });
}

void drawPicture(const PictureGrid& picture, QImage& image) {
    const PalettePixels palette;
    for (int y = 1; y <= kRows; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y - 1));
        for (int x = 1; x <= kColumns; ++x) {
            if (const QRgb* colour = palette.find(picture.at(x, y))) {
                row[x - 1] = *colour;
            }
        }
    }
}

void takeUndoCopy(EditorState& state) {
    state.undoHistory.keep(state.picture);
}

void setCurrentColor(EditorState& state, ColorCode code) {
    state.currentColor = code;
    state.canvas.setDrawingColor(*paletteRgb(code));
}

}  // namespace tavrolin::model
