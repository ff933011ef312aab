#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// The 4 × 4 interior of cell (x, y) on the canvas: the cell's block without the grid
// line right of and below it. Cells outside the picture lie outside the canvas.
QRect cellInterior(int x, int y);

// Paints the 4 × 4 interior of cell (x, y) on the canvas from the picture and leaves
// the drawing colour at the cell's colour. Grid pixels are never touched.
void paintCell(EditorState& state, int x, int y);

// The black grid: a line right of and below every cell but the last column and row.
void drawGrid(EditorState& state);

// Redraws the canvas from the picture, grid included, brings the preview up to date
// and sets the drawing colour back to the current colour.
void repaintCanvas(EditorState& state);

// Makes the preview show the picture, one pixel a cell.
void refreshPreview(EditorState& state);

// Draws the picture one pixel a cell, in the palette colours, into a 128 × 64 image
// of 32-bit pixels: cell (x, y) at pixel (x − 1, y − 1).
void drawPicture(const PictureGrid& picture, QImage& image);

// Keeps the picture as it is now as the latest step of "Naspäť".
void takeUndoCopy(EditorState& state);

// Sets the current colour and the drawing colour together.
void setCurrentColor(EditorState& state, ColorCode code);

}  // namespace tavrolin::model
