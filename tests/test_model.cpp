#include <QTest>

#include "model/canvas.h"
#include "model/readback.h"

using namespace tavrolin::model;

namespace {

// The slow way the canvas is defined: clear, grid, then every cell's four lines.
QImage referenceCanvas(EditorState& state) {
    state.canvas.clear();
    drawGrid(state);
    PictureGrid::forEachUsedCell([&](int x, int y) {
        state.canvas.setDrawingColor(*paletteRgb(state.picture.at(x, y)));
        for (int r = 5 * y - 5; r <= 5 * y - 2; ++r) {
            state.canvas.line(5 * x - 5, r, 5 * x - 1, r);
        }
    });
    return state.canvas.image().copy();
}

}  // namespace

class TestModel : public QObject {
    Q_OBJECT

  private slots:
    void gridLinesSitRightOfAndBelowCells_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("black");
        QTest::newRow("first vertical line") << QPoint(4, 2) << true;
        QTest::newRow("first horizontal line") << QPoint(2, 4) << true;
        QTest::newRow("no line along the left edge") << QPoint(0, 2) << false;
        QTest::newRow("last vertical line") << QPoint(634, 100) << true;
        QTest::newRow("none at column 639") << QPoint(639, 100) << false;
        QTest::newRow("none at row 319") << QPoint(100, 319) << false;
        QTest::newRow("crossing reaches the bottom") << QPoint(4, 319) << true;
        QTest::newRow("crossing reaches the right") << QPoint(639, 4) << true;
    }
    void gridLinesSitRightOfAndBelowCells() {
        QFETCH(QPoint, pixel);
        QFETCH(bool, black);
        EditorState state;
        drawGrid(state);
        QCOMPARE(state.canvas.image().pixel(pixel) == qRgb(0, 0, 0), black);
    }

    void repaintMatchesCellByCellPainting() {
        EditorState state;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            state.picture.at(x, y) = static_cast<ColorCode>((x * 7 + y) % 5);
        });
        state.currentColor = kBlue;
        repaintCanvas(state);
        const QImage fast = state.canvas.image().copy();
        QCOMPARE(state.canvas.drawingColor(), (Rgb{0, 0, 255}));
        QCOMPARE(fast, referenceCanvas(state));
        // The preview is brought up to date at once, never left blank.
        QCOMPARE(state.preview.pixel(0, 0), *paletteRgb(state.picture.at(1, 1)));
        QCOMPARE(state.preview.pixel(127, 63), *paletteRgb(state.picture.at(128, 64)));
    }

    // A colour outside the palette reads back as white.
    void readBackRoundTripsThroughTheBoxes() {
        EditorState state;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            state.picture.at(x, y) = static_cast<ColorCode>((x + 3 * y) % 5);
        });
        PictureGrid expected = state.picture;
        PictureBox box(kColumns, kRows, Rgb{240, 240, 240});
        copyPreviewInto(state, box);
        box.setPixel(2, 0, Rgb{0, 255, 0});
        box.setPixel(5, 5, Rgb{240, 240, 240});
        expected.at(3, 1) = expected.at(6, 6) = kWhite;
        PictureGrid::forEachUsedCell([&](int x, int y) { state.picture.at(x, y) = 7; });
        readPictureFromBox(state, box);
        QVERIFY(state.picture.usedCellsEqual(expected));
    }
};

QTEST_MAIN(TestModel)
#include "test_model.moc"
