#include <QTest>

#include "model/canvas.h"
#include "ops/colourreplacement.h"
#include "ops/flips.h"
#include "ops/undo.h"
#include "pictureart.h"

using namespace tavrolin::model;
using namespace tavrolin::ops;
using namespace Qt::StringLiterals;

namespace {

// A picture of a short pattern of letters repeated along the diagonals, so every colour
// of the pattern appears in every row and column.
PictureGrid patterned(const QString& pattern) {
    PictureGrid grid;
    PictureGrid::forEachUsedCell(
        [&](int x, int y) { grid.at(x, y) = pictureart::code(pattern[(x + y) % pattern.size()]); });
    return grid;
}

}  // namespace

class TestOps : public QObject {
    Q_OBJECT

  private slots:
    void undoPutsTheCopyBackOnce() {
        EditorState state;
        state.picture = patterned(u"#.r"_s);
        takeUndoCopy(state);
        state.picture = patterned(u"gb"_s);
        repaintCanvas(state);
        setCurrentColor(state, kRed);
        undoLastOperation(state);
        QVERIFY(state.picture.usedCellsEqual(patterned(u"#.r"_s)));
        QVERIFY(!state.undoAvailable);
        QCOMPARE(state.canvas.image(), pictureart::repainted(state));
        QCOMPARE(state.canvas.drawingColor(), *paletteRgb(kRed));
        QVERIFY(state.undoPicture.usedCellsEqual(state.picture));  // a copy, not an exchange
    }

    void flips_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("left to right, first cell") << true << QPoint(1, 1) << QPoint(128, 1);
        QTest::newRow("top to bottom, first cell") << false << QPoint(1, 1) << QPoint(1, 64);
        QTest::newRow("left to right, middle") << true << QPoint(64, 10) << QPoint(65, 10);
        QTest::newRow("top to bottom, middle") << false << QPoint(9, 33) << QPoint(9, 32);
    }
    void flips() {
        QFETCH(bool, horizontal);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const auto flipOnce = horizontal ? flipHorizontally : flipVertically;
        for (ColorCode colour : {kBlack, kGreen}) {
            EditorState state;
            state.picture.at(from.x(), from.y()) = colour;
            const PictureGrid original = state.picture;
            flipOnce(state);
            PictureGrid expected;
            expected.at(to.x(), to.y()) = colour;
            QVERIFY(state.picture.usedCellsEqual(expected));
            QVERIFY(state.undoPicture.usedCellsEqual(original));
            QVERIFY(state.undoAvailable);
            QCOMPARE(state.canvas.image(), pictureart::repainted(state));
            flipOnce(state);
            QVERIFY(state.picture.usedCellsEqual(original));
            QVERIFY(state.undoPicture.usedCellsEqual(expected));
        }
    }

    void replacement_data() {
        QTest::addColumn<int>("from");  // -1: a list text that names no colour
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("swap");
        QTest::addColumn<QString>("after");  // of the picture ".#rbg"
        QTest::newRow("start-up settings") << 1 << 1 << true << ".#rbg";
        QTest::newRow("negative") << 1 << 0 << true << "#.rbg";
        QTest::newRow("black to white") << 1 << 0 << false << "..rbg";
        QTest::newRow("swap red and green") << 2 << 4 << true << ".#gbr";
        // No colour keeps the one chosen last time: blue to black here.
        QTest::newRow("no colours") << -1 << -1 << false << ".#r#g";
        QTest::newRow("no first colour") << -1 << 0 << true << "b#r.g";
    }
    void replacement() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, swap);
        QFETCH(QString, after);
        EditorState state;
        state.replaceFrom = kBlue;
        state.replaceTo = kBlack;
        state.picture = patterned(u".#rbg"_s);
        const auto colour = [](int code) {
            return code < 0 ? std::nullopt : std::optional<ColorCode>(code);
        };
        replaceColours(state, colour(from), colour(to), swap);
        QVERIFY(state.picture.usedCellsEqual(patterned(after)));
        QVERIFY(state.undoAvailable);
        QVERIFY(state.undoPicture.usedCellsEqual(patterned(u".#rbg"_s)));
        QCOMPARE(state.canvas.image(), pictureart::repainted(state));
    }
};

QTEST_MAIN(TestOps)
#include "test_ops.moc"
