#include "picturegrid.h"

namespace tavrolin::model {

void PictureGrid::clearUsedCells() {
    forEachUsedCell([this](int x, int y) { at(x, y) = kWhite; });
}

void PictureGrid::copyUsedCellsFrom(const PictureGrid& other) {
    forEachUsedCell([&](int x, int y) { at(x, y) = other.at(x, y); });
}

bool PictureGrid::usedCellsEqual(const PictureGrid& other) const {
    bool equal = true;
    forEachUsedCell([&](int x, int y) { equal = equal && at(x, y) == other.at(x, y); });
    return equal;
}

}  // namespace tavrolin::model
