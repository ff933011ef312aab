#include <QList>
#include <QPoint>
#include <QTest>
#include <cstring>

#include "model/canvas.h"
#include "pictureart.h"
#include "tools/brush.h"
#include "tools/circletool.h"
#include "tools/pointermove.h"
#include "tools/shapetools.h"
#include "tools/tooltable.h"

using namespace tavrolin::model;
using namespace tavrolin::tools;
using namespace Qt::StringLiterals;
using Points = QList<QPoint>;

namespace {

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
        QTest::newRow("after the grid line") << 10.0f << 3;
    }
    // Without the button held the pen only follows.
    void pointerCell() {
        QFETCH(float, position);
        QFETCH(int, cell);
        QCOMPARE(canvasCell(position), cell);
        EditorState state;
        pointerMoved(state, 0, position, position);
        QCOMPARE(state.pointerCellX, cell);
        QCOMPARE(state.pointerCellY, cell);
        QVERIFY(state.picture.usedCellsEqual(PictureGrid{}));
    }

    void brush_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<Points>("cells");  // in writing order
        QTest::newRow("1 anywhere") << 1 << QPoint(7, 9) << Points{{7, 9}};
        QTest::newRow("2 grows right and down")
            << 2 << QPoint(7, 9) << Points{{7, 9}, {8, 9}, {7, 10}, {8, 10}};
        QTest::newRow("2 bottom-right") << 2 << QPoint(128, 64) << Points{{128, 64}};
        QTest::newRow("3 centred")
            << 3 << QPoint(7, 9)
            << Points{{7, 9}, {8, 9}, {6, 9}, {7, 8}, {8, 8}, {6, 8}, {7, 10}, {8, 10}, {6, 10}};
        QTest::newRow("3 top-left corner")
            << 3 << QPoint(1, 1) << Points{{1, 1}, {2, 1}, {1, 2}, {2, 2}};
        QTest::newRow("3 bottom-right")
            << 3 << QPoint(128, 64) << Points{{128, 64}, {127, 64}, {128, 63}, {127, 63}};
    }
    void brush() {
        QFETCH(int, width);
        QFETCH(QPoint, pointer);
        QFETCH(Points, cells);
        Points visited;
        forEachBrushCell(width, pointer.x(), pointer.y(),
                         [&](int x, int y) { visited << QPoint(x, y); });
        QCOMPARE(visited, cells);

        // The pen writes exactly those cells, white included and none outside the picture,
        // and the canvas agrees.
        for (ColorCode colour : {kWhite, kGreen}) {
            EditorState state;
            PictureGrid::forEachUsedCell(
                [&](int x, int y) { state.picture.at(x, y) = colour == kWhite ? kRed : kWhite; });
            repaintCanvas(state);
            PictureGrid expected = state.picture;
            for (QPoint cell : cells) {
                expected.at(cell.x(), cell.y()) = colour;
            }
            setCurrentColor(state, colour);
            state.penWidth = static_cast<std::int16_t>(width);
            moveTo(state, pointer.x(), pointer.y(), kLeftButton);
            // Every element, row 0 and column 0 included.
            QVERIFY(std::memcmp(&state.picture, &expected, sizeof(PictureGrid)) == 0);
            QCOMPARE(state.canvas.image(), pictureart::repainted(state));
            QVERIFY(!state.undoHistory.canUndo());
        }
    }

    // From the first point (11, 16) of cell (3, 4), the line's end follows the pointer
    // anywhere; a box grows only right and down of it.
    void outlineFollowsThePointer_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QList<QPointF>>("ends");  // the line's end or the box's size, each move
        QTest::newRow("line") << int(kLineTool) << QList<QPointF>{{11, 3}, {50.5, 36.25}, {30, 16}};
        QTest::newRow("rectangle")
            << int(kRectangleTool) << QList<QPointF>{{1, 1}, {39.5, 20.25}, {19, 20.25}};
        QTest::newRow("circle") << int(kCircleTool)
                                << QList<QPointF>{{1, 1}, {39.5, 20.25}, {19, 20.25}};
    }
    void outlineFollowsThePointer() {
        QFETCH(int, tool);
        QFETCH(QList<QPointF>, ends);
        EditorState state;
        state.currentTool = static_cast<Tool>(tool);
        clickAt(state, 3, 4);
        const QList<QPointF> moves = {{11, 3}, {50.5, 36.25}, {30, 16}};
        for (qsizetype i = 0; i < moves.size(); ++i) {
            pointerMoved(state, 0, float(moves[i].x()), float(moves[i].y()));
            const auto* line = std::get_if<LineOutline>(&state.shape.outline);
            const auto* box = std::get_if<BoxOutline>(&state.shape.outline);
            QCOMPARE(line ? QPointF(line->x1, line->y1) : QPointF(box->left, box->top),
                     QPointF(11, 16));
            QCOMPARE(line ? QPointF(line->x2, line->y2) : QPointF(box->width, box->height),
                     ends[i]);
        }
    }

    void circleGeometry_data() {
        QTest::addColumn<QSizeF>("box");  // its top-left: canvas pixel (11, 11), preview (2, 2)
        QTest::addColumn<int>("radius");
        QTest::addColumn<QPointF>("centre");
        QTest::newRow("higher than wide") << QSizeF(40, 60) << 4 << QPointF(6, 8);
        QTest::newRow("square") << QSizeF(43, 43) << 4 << QPointF(6, 6);
    }
    void circleGeometry() {
        QFETCH(QSizeF, box);
        QFETCH(int, radius);
        QFETCH(QPointF, centre);
        const CircleGeometry circle =
            circleInOutline(BoxOutline{11, 11, float(box.width()), float(box.height())});
        QCOMPARE(circle.circleRadius, radius);
        QCOMPARE(QPointF(circle.circleCenterX, circle.circleCenterY), centre);
    }

    // A fill turns the region of the clicked cell's colour, its cells joined across edges,
    // into the current colour, in one undo step. The picture is drawn from cell (1, 1);
    // `filled` counts the cells of the current colour in the whole picture afterwards.
    void fill_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("filled");
        QTest::newRow("closed region")
            << u"#####/#...#/#####"_s << QPoint(2, 2) << int(kRed) << u"#####/#rrr#/#####"_s << 3;
        QTest::newRow("diagonal neighbours not filled")
            << u".###./#...#/.###."_s << QPoint(3, 2) << int(kRed) << u".###./#rrr#/.###."_s << 3;
        QTest::newRow("region in the first corner")
            << u".#/#."_s << QPoint(1, 1) << int(kBlue) << u"b#/#."_s << 1;
        QTest::newRow("region to the far edges")
            << u".#/#."_s << QPoint(128, 64) << int(kBlue) << u".#/#b"_s << kColumns * kRows - 3;
        QTest::newRow("already the current colour")
            << u"#.."_s << QPoint(1, 1) << int(kBlack) << u"#.."_s << 1;
    }
    void fill() {
        QFETCH(QString, picture);
        QFETCH(QPoint, click);
        QFETCH(int, colour);
        QFETCH(QString, expected);
        QFETCH(int, filled);
        EditorState state;
        const QStringList rows = picture.split(u'/');
        pictureart::draw(state.picture, 1, 1, rows);
        repaintCanvas(state);
        const PictureGrid before = state.picture;
        setCurrentColor(state, static_cast<ColorCode>(colour));
        chooseTool(state, kFillTool);
        clickAt(state, click.x(), click.y());
        QCOMPARE(pictureart::art(state.picture, 1, 1, int(rows[0].size()), int(rows.size())),
                 expected.replace(u'/', u'\n'));
        int count = 0;
        PictureGrid::forEachUsedCell(
            [&](int x, int y) { count += state.picture.at(x, y) == colour; });
        QCOMPARE(count, filled);
        const bool changed = !state.picture.usedCellsEqual(before);
        QCOMPARE(state.undoHistory.canUndo(), changed);
        QVERIFY(!changed || state.undoHistory.latest().usedCellsEqual(before));
        QCOMPARE(state.canvas.image(), pictureart::repainted(state));
    }

    // The picker makes the clicked cell's colour the current one, as its swatch does, and
    // leaves the picture and "Naspäť" as they are.
    void picker_data() {
        QTest::addColumn<int>("colour");
        int code = kWhite;
        for (const char* name : {"white", "black", "red", "blue", "green"}) {
            QTest::newRow(name) << code++;
        }
    }
    void picker() {
        QFETCH(int, colour);
        EditorState state;
        state.picture.at(7, 5) = static_cast<ColorCode>(colour);
        setCurrentColor(state, colour == kGreen ? kRed : kGreen);
        const PictureGrid before = state.picture;
        EditorState swatchClicked;
        setCurrentColor(swatchClicked, static_cast<ColorCode>(colour));
        chooseTool(state, kPickerTool);
        clickAt(state, 7, 5);
        QCOMPARE(state.currentColor, colour);
        QCOMPARE(state.canvas.drawingColor(), swatchClicked.canvas.drawingColor());
        QVERIFY(state.picture.usedCellsEqual(before) && !state.undoHistory.canUndo());
    }

    // The rectangle closes at its bottom-right corner.
    void commitKeepsStrokesThePreviewHasNotShown() {
        EditorState state;
        refreshPreview(state);
        state.penWidth = 2;
        moveTo(state, 40, 30, kLeftButton);
        state.currentTool = kRectangleTool;
        clickAt(state, 1, 1);
        clickAt(state, 4, 3);
        QCOMPARE(pictureart::art(state.picture, 39, 29, 42, 32), u"....\n.##.\n.##.\n...."_s);
        QCOMPARE(pictureart::art(state.picture, 1, 1, 4, 3), u"####\n#..#\n####"_s);
        // The undo copy holds the strokes as well: they were in the picture before.
        QCOMPARE(state.undoHistory.latest().at(40, 30), kBlack);
    }
};

QTEST_MAIN(TestTools)
#include "test_tools.moc"
