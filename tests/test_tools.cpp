#include <QList>
#include <QPoint>
#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "tools/brush.h"
#include "tools/circletool.h"
#include "tools/pointermove.h"
#include "tools/shapetools.h"

using namespace tavrolin::model;
using namespace tavrolin::tools;

namespace {

// A value no tool writes, for the grid elements outside the picture.
constexpr std::int16_t kUntouched = 7;

// A pointer position inside cell (cx, cy), off its grid lines.
float inCell(int cell) {
    return static_cast<float>(5 * cell - 3);
}

void moveTo(EditorState& state, int cx, int cy, int buttons = 0) {
    pointerMoved(state, buttons, inCell(cx), inCell(cy));
}

void clickAt(EditorState& state, int cx, int cy) {
    moveTo(state, cx, cy);
    canvasClicked(state);
}

// Row 0 and column 0 get a value no tool writes, and every used cell another colour,
// so a write of any colour, white included, shows.
void fillAround(EditorState& state, ColorCode fill) {
    for (int i = 0; i <= kColumns; ++i) {
        state.picture.at(i, 0) = state.picture.at(0, std::min(i, kRows)) = kUntouched;
    }
    PictureGrid::forEachUsedCell([&](int x, int y) { state.picture.at(x, y) = fill; });
    repaintCanvas(state);
}

bool borderUntouched(const EditorState& state) {
    bool untouched = true;
    for (int i = 0; i <= kColumns; ++i) {
        untouched = untouched && state.picture.at(i, 0) == kUntouched &&
                    state.picture.at(0, std::min(i, kRows)) == kUntouched;
    }
    return untouched;
}

QList<QPoint> changedCells(const PictureGrid& before, const PictureGrid& after) {
    QList<QPoint> cells;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        if (before.at(x, y) != after.at(x, y)) {
            cells << QPoint(x, y);
        }
    });
    return cells;
}

}  // namespace

class TestTools : public QObject {
    Q_OBJECT

  private slots:
    void pointerCell_data() {
        QTest::addColumn<float>("position");
        QTest::addColumn<int>("cell");
        QTest::newRow("first pixel") << 0.0f << 1;
        QTest::newRow("last pixel") << 639.9f << 128;
        QTest::newRow("half a pixel left") << -0.5f << 0;
        QTest::newRow("one cell left") << -5.0f << 0;
        QTest::newRow("further left") << -5.5f << -1;
        QTest::newRow("after the grid line") << 10.0f << 3;
        QTest::newRow("last row") << 319.0f << 64;
    }
    void pointerCell() {
        QFETCH(float, position);
        QFETCH(int, cell);
        QCOMPARE(canvasCell(position), cell);
        EditorState state;
        pointerMoved(state, kLeftButton, position, position);
        QCOMPARE(state.pointerCellX, cell);
        QCOMPARE(state.pointerCellY, cell);
    }

    void brush_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QList<QPoint>>("cells");  // in writing order
        QTest::newRow("1 anywhere") << 1 << QPoint(7, 9) << QList<QPoint>{{7, 9}};
        QTest::newRow("2 grows right and down")
            << 2 << QPoint(7, 9) << QList<QPoint>{{7, 9}, {8, 9}, {7, 10}, {8, 10}};
        QTest::newRow("2 bottom-right") << 2 << QPoint(128, 64) << QList<QPoint>{{128, 64}};
        QTest::newRow("3 centred")
            << 3 << QPoint(7, 9) << QList<QPoint>{{7, 9}, {8, 9},  {6, 9},  {7, 8}, {8, 8},
                                                  {6, 8}, {7, 10}, {8, 10}, {6, 10}};
        QTest::newRow("3 top-left corner")
            << 3 << QPoint(1, 1) << QList<QPoint>{{1, 1}, {2, 1}, {1, 2}, {2, 2}};
        QTest::newRow("3 bottom-right")
            << 3 << QPoint(128, 64) << QList<QPoint>{{128, 64}, {127, 64}, {128, 63}, {127, 63}};
    }
    void brush() {
        QFETCH(int, width);
        QFETCH(QPoint, pointer);
        QFETCH(QList<QPoint>, cells);
        QList<QPoint> visited;
        forEachBrushCell(width, pointer.x(), pointer.y(),
                         [&](int x, int y) { visited << QPoint(x, y); });
        QCOMPARE(visited, cells);

        // The pen writes exactly those cells, in every colour, and the canvas agrees.
        for (ColorCode colour : {kWhite, kBlack, kGreen}) {
            EditorState state;
            fillAround(state, colour == kWhite ? kRed : kWhite);
            const PictureGrid before = state.picture;
            setCurrentColor(state, colour);
            state.penWidth = static_cast<std::int16_t>(width);
            moveTo(state, pointer.x(), pointer.y(), kLeftButton);
            QList<QPoint> changed = changedCells(before, state.picture);
            std::sort(visited.begin(), visited.end(), [](QPoint a, QPoint b) {
                return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
            });
            QCOMPARE(changed, visited);
            for (QPoint cell : changed) {
                QCOMPARE(state.picture.at(cell.x(), cell.y()), colour);
            }
            QVERIFY(borderUntouched(state));
            QCOMPARE(state.canvas.image(), pictureart::repainted(state));
            QVERIFY(!state.undoAvailable);
        }
    }

    void rubberBandFollowsThePointer() {
        EditorState state;
        state.currentTool = kLineTool;
        clickAt(state, 3, 4);
        QCOMPARE(state.pen2.x1, 11.0f);
        QCOMPARE(state.pen2.y1, 16.0f);
        pointerMoved(state, 0, 40.5f, 7.25f);
        QCOMPARE(state.pen2.x2, 40.5f);
        QCOMPARE(state.pen2.y2, 7.25f);
        QCOMPARE(state.pen2.x1, 11.0f);
    }

    void boxGrowsOnlyRightAndDown_data() {
        QTest::addColumn<int>("tool");
        QTest::newRow("rectangle") << int(kRectangleTool);
        QTest::newRow("circle") << int(kCircleTool);
    }
    void boxGrowsOnlyRightAndDown() {
        QFETCH(int, tool);
        EditorState state;
        state.currentTool = static_cast<Tool>(tool);
        clickAt(state, 3, 4);
        BoxOutline& box = tool == kRectangleTool ? state.pen3 : state.pen4;
        QCOMPARE(box.left, 11.0f);
        QCOMPARE(box.top, 16.0f);
        QCOMPARE(box.width, 1.0f);
        pointerMoved(state, 0, 5.0f, 3.0f);  // up and left of the first point
        QCOMPARE(box.width, 1.0f);
        QCOMPARE(box.height, 1.0f);
        pointerMoved(state, 0, 50.0f, 36.0f);
        QCOMPARE(box.width, 39.0f);
        QCOMPARE(box.height, 20.0f);
        pointerMoved(state, 0, 11.0f, 30.0f);  // back onto the first column: width stays
        QCOMPARE(box.width, 39.0f);
        QCOMPARE(box.height, 14.0f);
    }

    void circleGeometry_data() {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("centreX");
        QTest::addColumn<int>("centreY");
        // The box's top-left is canvas pixel (11, 11), preview pixel (2, 2).
        QTest::newRow("higher than wide") << 40.0f << 60.0f << 4 << 6 << 8;
        QTest::newRow("square") << 43.0f << 43.0f << 4 << 6 << 6;
    }
    void circleGeometry() {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(int, radius);
        QFETCH(int, centreX);
        QFETCH(int, centreY);
        const CircleGeometry circle = circleInOutline(BoxOutline{11, 11, width, height});
        QCOMPARE(circle.circleRadius, radius);
        QCOMPARE(circle.circleCenterX, centreX);
        QCOMPARE(circle.circleCenterY, centreY);
    }

    void commitKeepsStrokesThePreviewHasNotShown() {
        EditorState state;
        refreshPreview(state);
        state.penWidth = 2;
        moveTo(state, 40, 30, kLeftButton);
        state.currentTool = kLineTool;
        clickAt(state, 1, 1);
        clickAt(state, 4, 1);
        QCOMPARE(pictureart::art(state.picture, 39, 29, 42, 32),
                 QStringLiteral("....\n.##.\n.##.\n...."));
        QCOMPARE(state.picture.at(3, 1), kBlack);
        // The undo copy holds the strokes as well: they were in the picture before.
        QCOMPARE(state.undoPicture.at(40, 30), kBlack);
    }
};

QTEST_MAIN(TestTools)
#include "test_tools.moc"
