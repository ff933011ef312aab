#pragma once

#include <array>

#include "model/picturegrid.h"

namespace tavrolin::tools {

namespace detail {

struct Offset {
    int dx;
    int dy;
};

// The pen's cells relative to the pointer cell, in the order they are written:
// the pointer row first, then the row above, then the row below; in each row the
// pointer column, then right, then left.
inline constexpr std::array<Offset, 9> kBrushOffsets{{
    {0, 0},
    {1, 0},
    {-1, 0},
    {0, -1},
    {1, -1},
    {-1, -1},
    {0, 1},
    {1, 1},
    {-1, 1},
}};

// Width 2 grows right and down only, so the pointer cell is the block's top-left.
inline constexpr std::array<Offset, 4> kWideOffsets{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

template <typename Visit>
void forEachBlockOffset(int penWidth, Visit&& visit) {
    if (penWidth <= 1) {
        visit(kBrushOffsets[0]);
    } else if (penWidth == 2) {
        for (const Offset& offset : kWideOffsets) {
            visit(offset);
        }
    } else {
        for (const Offset& offset : kBrushOffsets) {
            visit(offset);
        }
    }
}

}  // namespace detail

// Calls visit(x, y) for every cell of the pen's 1 × 1, 2 × 2 or 3 × 3 block around
// the pointer cell (cx, cy), whether or not it lies in the picture.
template <typename Visit>
void forEachBlockCell(int penWidth, int cx, int cy, Visit&& visit) {
    detail::forEachBlockOffset(
        penWidth, [&](detail::Offset offset) { visit(cx + offset.dx, cy + offset.dy); });
}

// Calls visit(x, y) for the cells the pen writes into the picture: the block's cells
// that lie inside the picture, in the pen's writing order.
template <typename Visit>
void forEachBrushCell(int penWidth, int cx, int cy, Visit&& visit) {
    forEachBlockCell(penWidth, cx, cy, [&](int x, int y) {
        if (x >= 1 && x <= model::kColumns && y >= 1 && y <= model::kRows) {
            visit(x, y);
        }
    });
}

}  // namespace tavrolin::tools
