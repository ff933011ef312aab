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
        QTest::newRow("left to right, last cell") << true << QPoint(128, 64) << QPoint(1, 64);
        QTest::newRow("top to bottom, last cell") << false << QPoint(128, 64) << QPoint(128, 1);
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

    void listTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");  // -1: names no colour
        QTest::newRow("black") << u"čiernu"_s << 1;
        QTest::newRow("white") << u"bielu"_s << 0;
        QTest::newRow("red") << u"červenú"_s << 2;
        QTest::newRow("blue") << u"modrú"_s << 3;
        QTest::newRow("green") << u"zelenú"_s << 4;
        QTest::newRow("capital") << u"Čiernu"_s << -1;
        QTest::newRow("trailing blank") << u"bielu "_s << -1;
        QTest::newRow("nominative") << u"biela"_s << -1;
        QTest::newRow("no accents") << u"cervenu"_s << -1;
        QTest::newRow("empty") << QString() << -1;
    }
    void listTexts() {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(colorCodeForListText(text).value_or(-1), code);
    }

    void replacement_data() {
        QTest::addColumn<QString>("fromText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<bool>("swap");
        QTest::addColumn<QString>("after");  // of the picture ".#rbg"
        QTest::newRow("start-up settings") << u"čiernu"_s << u"čiernu"_s << true << u".#rbg"_s;
        QTest::newRow("negative") << u"čiernu"_s << u"bielu"_s << true << u"#.rbg"_s;
        QTest::newRow("black to white") << u"čiernu"_s << u"bielu"_s << false << u"..rbg"_s;
        QTest::newRow("white to black") << u"bielu"_s << u"čiernu"_s << false << u"##rbg"_s;
        QTest::newRow("swap red and green") << u"červenú"_s << u"zelenú"_s << true << u".#gbr"_s;
        QTest::newRow("red to red, swap") << u"červenú"_s << u"červenú"_s << true << u".#rbg"_s;
        QTest::newRow("red to red") << u"červenú"_s << u"červenú"_s << false << u".#rbg"_s;
        // Unknown texts keep the colours chosen last time: blue to black here.
        QTest::newRow("unknown texts") << u"Modrú"_s << QString() << false << u".#r#g"_s;
        QTest::newRow("one unknown text") << u"modra"_s << u"bielu"_s << true << u"b#r.g"_s;
    }
    void replacement() {
        QFETCH(QString, fromText);
        QFETCH(QString, toText);
        QFETCH(bool, swap);
        QFETCH(QString, after);
        EditorState state;
        state.replaceFrom = kBlue;
        state.replaceTo = kBlack;
        state.picture = patterned(u".#rbg"_s);
        replaceColours(state, fromText, toText, swap);
        QVERIFY(state.picture.usedCellsEqual(patterned(after)));
        QVERIFY(state.undoAvailable);
        QVERIFY(state.undoPicture.usedCellsEqual(patterned(u".#rbg"_s)));
        QCOMPARE(state.canvas.image(), pictureart::repainted(state));
    }
};

QTEST_MAIN(TestOps)
#include "test_ops.moc"
