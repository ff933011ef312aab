#include <QTest>

#include "model/canvas.h"
#include "ops/colourreplacement.h"
#include "ops/flips.h"
#include "ops/undo.h"
#include "pictureart.h"

using namespace tavrolin::model;
using namespace tavrolin::ops;

namespace {

// Every cell of the picture from a short pattern of letters, repeated along the
// diagonals, so every colour of the pattern appears in every row and column.
void fillWithPattern(EditorState& state, const QString& pattern) {
    PictureGrid::forEachUsedCell([&](int x, int y) {
        state.picture.at(x, y) = pictureart::code(pattern[(x + y) % pattern.size()]);
    });
}

bool showsPattern(const PictureGrid& grid, const QString& pattern) {
    bool same = true;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        same = same && grid.at(x, y) == pictureart::code(pattern[(x + y) % pattern.size()]);
    });
    return same;
}

QImage repaintedCanvas(EditorState state) {
    repaintCanvas(state);
    return state.canvas.image();
}

}  // namespace

class TestOps : public QObject {
    Q_OBJECT

  private slots:
    void undoPutsTheCopyBackOnce() {
        EditorState state;
        fillWithPattern(state, QStringLiteral("#.r"));
        takeUndoCopy(state);
        fillWithPattern(state, QStringLiteral("gb"));
        repaintCanvas(state);
        setCurrentColor(state, kRed);
        undoLastOperation(state);
        QVERIFY(showsPattern(state.picture, QStringLiteral("#.r")));
        QVERIFY(!state.undoAvailable);
        QCOMPARE(state.canvas.image(), repaintedCanvas(state));
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
            QCOMPARE(state.canvas.image(), repaintedCanvas(state));
            flipOnce(state);
            QVERIFY(state.picture.usedCellsEqual(original));
            QVERIFY(state.undoPicture.usedCellsEqual(expected));
        }
    }

    void listTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");  // -1: names no colour
        QTest::newRow("black") << QStringLiteral("čiernu") << 1;
        QTest::newRow("white") << QStringLiteral("bielu") << 0;
        QTest::newRow("red") << QStringLiteral("červenú") << 2;
        QTest::newRow("blue") << QStringLiteral("modrú") << 3;
        QTest::newRow("green") << QStringLiteral("zelenú") << 4;
        QTest::newRow("capital") << QStringLiteral("Čiernu") << -1;
        QTest::newRow("trailing blank") << QStringLiteral("bielu ") << -1;
        QTest::newRow("nominative") << QStringLiteral("biela") << -1;
        QTest::newRow("no accents") << QStringLiteral("cervenu") << -1;
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
        const QString black = QStringLiteral("čiernu");
        const QString white = QStringLiteral("bielu");
        const QString red = QStringLiteral("červenú");
        QTest::newRow("start-up settings") << black << black << true << QStringLiteral(".#rbg");
        QTest::newRow("negative") << black << white << true << QStringLiteral("#.rbg");
        QTest::newRow("black to white") << black << white << false << QStringLiteral("..rbg");
        QTest::newRow("white to black") << white << black << false << QStringLiteral("##rbg");
        QTest::newRow("swap red and green")
            << red << QStringLiteral("zelenú") << true << QStringLiteral(".#gbr");
        QTest::newRow("red to red, swap") << red << red << true << QStringLiteral(".#rbg");
        QTest::newRow("red to red") << red << red << false << QStringLiteral(".#rbg");
        // Unknown texts keep the colours chosen last time: blue to black here.
        QTest::newRow("unknown texts")
            << QStringLiteral("Modrú") << QString() << false << QStringLiteral(".#r#g");
        QTest::newRow("one unknown text")
            << QStringLiteral("modra") << white << true << QStringLiteral("b#r.g");
    }
    void replacement() {
        QFETCH(QString, fromText);
        QFETCH(QString, toText);
        QFETCH(bool, swap);
        QFETCH(QString, after);
        EditorState state;
        state.replaceFrom = kBlue;
        state.replaceTo = kBlack;
        fillWithPattern(state, QStringLiteral(".#rbg"));
        replaceColours(state, fromText, toText, swap);
        QVERIFY(showsPattern(state.picture, after));
        QVERIFY(state.undoAvailable);
        QVERIFY(showsPattern(state.undoPicture, QStringLiteral(".#rbg")));
        QCOMPARE(state.canvas.image(), repaintedCanvas(state));
    }
};

QTEST_MAIN(TestOps)
#include "test_ops.moc"
