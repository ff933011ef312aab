#pragma once

#include <cstdint>

#include "model/editorstate.h"

namespace tavrolin::tools {

// The circle a circle outline stands for, in preview pixels: the circle inscribed in
// the outline's box, its diameter and its box's top-left corner taken to cells.
struct CircleGeometry {
    float circleCenterX = 0;
    float circleCenterY = 0;
    std::int16_t circleRadius = 0;
};
CircleGeometry circleInOutline(const model::BoxOutline& outline);

}  // namespace tavrolin::tools
