#include <QFontDatabase>
#include <QTest>
#include <set>

#include "model/canvas.h"
#include "model/readback.h"

using namespace tavrolin::model;

namespace {

QRgb canvasPixel(const EditorState& state, int px, int py) {
    return state.canvas.image().pixel(px, py);
}

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
        QTest::addColumn<int>("px");
        QTest::addColumn<int>("py");
        QTest::addColumn<bool>("black");
        QTest::newRow("first vertical line") << 4 << 2 << true;
        QTest::newRow("first horizontal line") << 2 << 4 << true;
        QTest::newRow("no line along the left edge") << 0 << 2 << false;
        QTest::newRow("last vertical line") << 634 << 100 << true;
        QTest::newRow("none at column 639") << 639 << 100 << false;
        QTest::newRow("none at row 319") << 100 << 319 << false;
        QTest::newRow("crossing reaches the bottom") << 4 << 319 << true;
        QTest::newRow("crossing reaches the right") << 639 << 4 << true;
    }
    void gridLinesSitRightOfAndBelowCells() {
        QFETCH(int, px);
        QFETCH(int, py);
        QFETCH(bool, black);
        EditorState state;
        drawGrid(state);
        QCOMPARE(canvasPixel(state, px, py) == qRgb(0, 0, 0), black);
    }

    void repaintMatchesCellByCellPainting() {
        EditorState state;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            state.picture.at(x, y) = static_cast<ColorCode>((x * 7 + y) % 5);
        });
        state.currentColor = kBlue;
        repaintCanvas(state);
        const QImage fast = state.canvas.image().copy();
        QCOMPARE(state.canvas.drawingColor(), kBlueRgb);
        QCOMPARE(fast, referenceCanvas(state));
        // The preview is brought up to date at once, never left blank.
        QCOMPARE(state.preview.pixel(0, 0), *paletteRgb(state.picture.at(1, 1)));
        QCOMPARE(state.preview.pixel(127, 63), *paletteRgb(state.picture.at(128, 64)));
    }

    // A near colour reads back as its colour, any other strange one as white.
    void readBackRoundTripsThroughTheBoxes() {
        EditorState state;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            state.picture.at(x, y) = static_cast<ColorCode>((x + 3 * y) % 5);
        });
        PictureGrid expected = state.picture;
        PictureBox box(kColumns, kRows, Rgb{240, 240, 240});
        copyPreviewInto(state, box);
        box.setPixel(0, 0, Rgb{0, 132, 0});
        box.setPixel(2, 0, Rgb{0, 255, 0});
        box.setPixel(5, 5, Rgb{240, 240, 240});
        expected.at(3, 1) = expected.at(6, 6) = kWhite;
        PictureGrid::forEachUsedCell([&](int x, int y) { state.picture.at(x, y) = 7; });
        readPictureFromBox(state, box);
        QVERIFY(state.picture.usedCellsEqual(expected));
        QCOMPARE(state.picture.at(1, 1), kGreen);
    }

    void printedTextIsPureDrawingColour() {
        PictureBox box(kColumns, kRows);
        box.setFontName(QStringLiteral("DejaVu Sans"));
        box.setFontSize(14);
        box.setDrawingColor(Rgb{255, 0, 0});
        box.setPrintPosition(3, 2);
        box.print(QStringLiteral("Ježko 42"));
        std::set<QRgb> colours;
        int topmost = kRows;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                colours.insert(box.image().pixel(x, y));
                if (box.image().pixel(x, y) == qRgb(255, 0, 0)) {
                    topmost = std::min(topmost, y);
                }
            }
        }
        QCOMPARE(colours, (std::set<QRgb>{qRgb(255, 255, 255), qRgb(255, 0, 0)}));
        // The top of the line is at the print position: the accent of "ž" sits near it.
        QVERIFY(topmost >= 2 && topmost <= 6);
    }
};

QTEST_MAIN(TestModel)
#include "test_model.moc"
