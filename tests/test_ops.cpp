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
    // Steps on a picture told apart by cell (1, 1): oN an undoable operation that leaves N,
    // pN a pen stroke that leaves N, u "Naspäť", r "Znova". After each step: the cell, then
    // u while "Naspäť" is enabled and r while "Znova" is. Each of those two repaints the
    // canvas, in the colour chosen.
    void history_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::newRow("one step") << "o1 u u" << u"1u 0r 0r"_s;
        QTest::newRow("strokes since the operation") << "o1 p2 u r" << u"1u 2u 0r 2u"_s;
        QTest::newRow("back through every step") << "o1 o2 o3 u u u" << u"1u 2u 3u 2ur 1ur 0r"_s;
        QTest::newRow("forward again") << "o1 o2 u u r r r" << u"1u 2u 1ur 0r 1ur 2u 2u"_s;
        QTest::newRow("a stroke ends redo") << "o1 o2 u p5 r u r" << u"1u 2u 1ur 5u 5u 0r 5u"_s;
        QTest::newRow("an operation ends redo") << "o1 u o2 r u" << u"1u 0r 2u 2u 0r"_s;
        QTest::newRow("even one that changes nothing") << "o1 u o0 r" << u"1u 0r 0u 0u"_s;
        QTest::newRow("a stroke taken back by hand") << "o1 u p7 p0 r" << u"1u 0r 7 0r 1u"_s;
    }
    void history() {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        EditorState state;
        setCurrentColor(state, kRed);
        QStringList seen;
        for (const QString& step : steps.split(u' ')) {
            const auto value = static_cast<ColorCode>(step.mid(1).toInt());
            if (step[0] == u'o') {
                takeUndoCopy(state);
            }
            if (step[0] == u'o' || step[0] == u'p') {
                state.picture.at(1, 1) = value;
            } else {
                (step[0] == u'u' ? undoLastOperation : redoUndoneOperation)(state);
                QCOMPARE(state.canvas.image(), pictureart::repainted(state));
                QCOMPARE(state.canvas.drawingColor(), *paletteRgb(kRed));
            }
            const UndoHistory& history = state.undoHistory;
            seen << QString::number(state.picture.at(1, 1)) + (history.canUndo() ? u"u"_s : u""_s) +
                        (history.canRedo(state.picture) ? u"r"_s : u""_s);
        }
        QCOMPARE(seen.join(u' '), after);
    }

    // The oldest steps go: after more operations than it keeps, "Naspäť" goes back as far
    // as it keeps, and "Znova" all the way forward again.
    void historyKeepsItsDepth() {
        EditorState state;
        const int operations = int(UndoHistory::kDepth) + 5;
        for (int n = 1; n <= operations; ++n) {
            takeUndoCopy(state);
            state.picture.at(1, 1) = static_cast<ColorCode>(n);
        }
        int undone = 0;
        for (; state.undoHistory.canUndo(); ++undone) {
            undoLastOperation(state);
        }
        QCOMPARE(undone, int(UndoHistory::kDepth));
        QCOMPARE(state.picture.at(1, 1), ColorCode(operations - int(UndoHistory::kDepth)));
        for (int redone = 0; redone < undone; ++redone) {
            redoUndoneOperation(state);
        }
        QCOMPARE(state.picture.at(1, 1), ColorCode(operations));
        QVERIFY(!state.undoHistory.canRedo(state.picture));
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
            QVERIFY(state.undoHistory.latest().usedCellsEqual(original));
            QCOMPARE(state.canvas.image(), pictureart::repainted(state));
            flipOnce(state);
            QVERIFY(state.picture.usedCellsEqual(original));
            QVERIFY(state.undoHistory.latest().usedCellsEqual(expected));
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
        QVERIFY(state.undoHistory.latest().usedCellsEqual(patterned(u".#rbg"_s)));
        QCOMPARE(state.canvas.image(), pictureart::repainted(state));
    }
};

QTEST_MAIN(TestOps)
#include "test_ops.moc"
