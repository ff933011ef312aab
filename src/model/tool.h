#pragma once

#include <cstdint>

namespace tavrolin::model {

// The drawing tools, by the code the window keeps. What each one is and does is its
// row in the tool table (tools/tooltable.h).
enum Tool : std::int16_t {
    kPen = 1,
    kLineTool = 2,
    kRectangleTool = 3,
    kCircleTool = 4,
    kFillTool = 5,
    kPickerTool = 6
};

}  // namespace tavrolin::model
