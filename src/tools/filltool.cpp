#include <utility>
#include <vector>

#include "model/canvas.h"
#include "tools/toolpicture.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

// The neighbours a fill spreads to: across edges only, not corners.
constexpr std::pair<int, int> kNeighbours[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// The region of the displayed cell's colour, as far as it reaches through neighbouring
// cells of that colour, takes the current colour in one undo step. A cell already of
// the current colour leaves the picture and "Naspäť" as they are.
void fill(EditorState& state) {
    const int x = state.pointerCellX;
    const int y = state.pointerCellY;
    if (!model::inPicture(x, y) || state.picture.at(x, y) == state.currentColor) {
        return;
    }
    model::takeUndoCopy(state);
    const model::ColorCode region = state.picture.at(x, y);
    state.picture.at(x, y) = state.currentColor;
    std::vector<std::pair<int, int>> reached{{x, y}};
    while (!reached.empty()) {
        const auto [cx, cy] = reached.back();
        reached.pop_back();
        for (const auto& [dx, dy] : kNeighbours) {
            const int nx = cx + dx;
            const int ny = cy + dy;
            if (model::inPicture(nx, ny) && state.picture.at(nx, ny) == region) {
                state.picture.at(nx, ny) = state.currentColor;
                reached.emplace_back(nx, ny);
            }
        }
    }
    model::repaintCanvas(state);
}

// A tipped paint bucket pouring.
QImage picture() {
    return pictureFromRows(
        {"................", "....##..........", "...#..#.........", "..#....#........",
         "..#.....#.......", ".#########......", "#.........#.....", ".#.........#....",
         "..#.......#+....", "...#.....#.++...", "....#...#..++...", ".....#.#...++...",
         "......#....++...", "............+...", "................", "................"},
        kButtonInk, QColor(0, 0, 255));
}

}  // namespace

const ToolDescription fillTool{
    .tool = model::kFillTool,
    .button = "fillButton",
    .word = QT_TRANSLATE_NOOP("Tools", "vyplň"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: vyplň"),
    .key = Qt::Key_F,
    .picture = picture,
    .clicked = fill,
};

}  // namespace tavrolin::tools
