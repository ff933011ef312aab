#pragma once

#include <QImage>

#include "model/picturegrid.h"

namespace tavrolin::exchange {

// How an image of any size is brought to the 128 × 64 screen: whole, with white
// margins, or filling the screen with the overflow cut off. Centred either way.
enum class FitMode { Contain, Cover };

// How its colours become the calculator's: spread errors to the neighbours, a fixed
// pattern, or a plain brightness threshold.
enum class FitDither { Diffuse, Ordered, Threshold };

// The colours a calculator shows: black on white (Algebra FX 2.0, fx-9860G), or red,
// blue and green on white (CFX-9850).
enum class FitColours { BlackWhite, RedBlueGreen };

struct FitOptions {
    FitMode mode = FitMode::Contain;
    FitDither dither = FitDither::Diffuse;
    // With the threshold: a pixel darker than this (0..255) becomes ink.
    int threshold = 128;
    // Light and dark swapped; the margins stay white.
    bool invert = false;
    FitColours colours = FitColours::BlackWhite;
};

// The image scaled smoothly to the screen as the mode says and centred on white, one
// pixel a cell. Transparent parts are the white they show, before anything else, so
// inverting turns them black.
QImage fitToScreen(const QImage& image, FitMode mode, bool invert);

// A screen-sized image in the calculator's colours, pixel (x − 1, y − 1) giving cell
// (x, y).
model::PictureGrid toCalculatorColours(const QImage& screen, const FitOptions& options);

// Both steps: what the fit dialog previews, the editor imports and the converter writes.
model::PictureGrid fitImage(const QImage& source, const FitOptions& options);

}  // namespace tavrolin::exchange
