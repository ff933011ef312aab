#pragma once

#include <array>
#include <cstdint>

namespace tavrolin::model {

// A cell's value: 0 white, 1 black, 2 red, 3 blue, 4 green.
using ColorCode = std::int16_t;

inline constexpr ColorCode kWhite = 0;
inline constexpr ColorCode kBlack = 1;
inline constexpr ColorCode kRed = 2;
inline constexpr ColorCode kBlue = 3;
inline constexpr ColorCode kGreen = 4;

// The calculator screen: columns 1..128 left to right, rows 1..64 top to bottom.
inline constexpr int kColumns = 128;
inline constexpr int kRows = 64;

// Whether cell (x, y) is part of the picture.
inline constexpr bool inPicture(int x, int y) {
    return x >= 1 && x <= kColumns && y >= 1 && y <= kRows;
}

// The picture as the calculator screen holds it. Indexed [x][y] with x = 0..128 and
// y = 0..64; row 0 and column 0 exist but are never part of the picture, which is
// why every whole-picture routine below touches the used cells only.
class PictureGrid {
  public:
    std::int16_t& at(int x, int y) { return cells_[index(x, y)]; }
    std::int16_t at(int x, int y) const { return cells_[index(x, y)]; }

    void clearUsedCells();
    void copyUsedCellsFrom(const PictureGrid& other);
    bool usedCellsEqual(const PictureGrid& other) const;

    // Calls visit(x, y) for every used cell, x outer and y inner.
    template <typename Visit>
    static void forEachUsedCell(Visit&& visit) {
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                visit(x, y);
            }
        }
    }

  private:
    static constexpr int index(int x, int y) { return x + (kColumns + 1) * y; }
    std::array<std::int16_t, (kColumns + 1) * (kRows + 1)> cells_{};
};

}  // namespace tavrolin::model
