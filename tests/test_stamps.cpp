#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "stamps/hedgehogstamp.h"
#include "stamps/textstamp.h"

using namespace tavrolin::model;
using namespace tavrolin::stamps;
using enum tavrolin::stamps::TextDirection;

namespace {

const QString kMono = QStringLiteral("DejaVu Sans Mono");

// A 128 × 64 box's pixels from the top left to (right, bottom) as art, one string a row.
QStringList pixels(const PictureBox& box, int right, int bottom) {
    PictureGrid grid;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        grid.at(x, y) = colorCodeFromRgb(box.pixel(x - 1, y - 1)).value_or(-1);
    });
    return pictureart::art(grid, 1, 1, right, bottom).split(u'\n');
}

// Rows of art separated by '/'.
QStringList art(const char* rows) {
    return QString::fromLatin1(rows).split(u'/');
}

PictureGrid filled(ColorCode code) {
    PictureGrid grid;
    PictureGrid::forEachUsedCell([&](int x, int y) { grid.at(x, y) = code; });
    return grid;
}

const QString kEight = QStringLiteral("8");

}  // namespace

class TestStamps : public QObject {
    Q_OBJECT

  private slots:
    void textLandsWhereTheGlyphsAre_data() {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<ColorCode>("colour");
        QTest::addColumn<ColorCode>("ground");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("expected");  // the top-left cells
        QTest::newRow("white erases under the glyphs")
            << QPoint(0, 0) << kWhite << kBlack << kEight
            << art("########/########/#.####.#/#.####.#/#.####.#/#......#/#.####.#/#.####.#/"
                   "#.####.#/#.####.#/########");
        QTest::newRow("red, three columns cut off on the left, a row down")
            << QPoint(-3, 1) << kRed << kWhite << kEight
            << art("......../......../......../...r..../...r..../...r..../rrrr..../...r..../"
                   "...r..../...r..../...r....");
        QTest::newRow("twelve points")
            << QPoint(0, 0) << kBlack << kWhite << "12"
            << art("........../........../........../.#......#./.#......#./.#......#./.#......#./"
                   ".#......#./.########./.#......#./.#......#./.#......#./.#......#./.#......#./"
                   ".#......#./..........");
    }
    void textLandsWhereTheGlyphsAre() {
        QFETCH(QPoint, position);
        QFETCH(ColorCode, colour);
        QFETCH(ColorCode, ground);
        QFETCH(QString, size);
        QFETCH(QStringList, expected);
        const int right = int(expected.first().size());
        const int bottom = int(expected.size());
        EditorState state;
        state.picture = filled(ground);
        PictureGrid stamped = state.picture;
        pictureart::draw(stamped, 1, 1, expected);
        setCurrentColor(state, colour);
        state.textX = static_cast<std::int16_t>(position.x());
        state.textY = static_cast<std::int16_t>(position.y());
        const TextInput input{QStringLiteral("H"), kMono, size};

        showText(state, input);
        QCOMPARE(pixels(state.textBox, right, bottom), expected);
        QVERIFY(state.picture.usedCellsEqual(filled(ground)));
        insertText(state, input);
        QVERIFY(state.picture.usedCellsEqual(stamped));
        QVERIFY(state.undoHistory.latest().usedCellsEqual(filled(ground)));
        QCOMPARE(state.canvas.drawingColor(), *paletteRgb(colour));
    }

    // An empty text takes the copy all the same; inserting twice stamps the same cells and
    // takes a new copy; the pen's latest cells, not yet in the preview, survive.
    void insertSequences() {
        EditorState state;
        state.picture.at(100, 50) = kRed;
        insertText(state, TextInput{QString(), kMono, kEight});
        QCOMPARE(state.undoHistory.latest().at(100, 50), kRed);
        PictureGrid red;
        red.at(100, 50) = kRed;
        QVERIFY(state.picture.usedCellsEqual(red));
        const TextInput input{QStringLiteral("H"), kMono, kEight};
        insertText(state, input);
        const PictureGrid once = state.picture;
        QCOMPARE(once.at(100, 50), kRed);
        QCOMPARE(once.at(2, 3), kBlack);
        insertText(state, input);
        QVERIFY(state.picture.usedCellsEqual(once));
        QVERIFY(state.undoHistory.latest().usedCellsEqual(once));
    }

    void fontSizeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("size");  // -1: no size
        QTest::newRow("list item") << "12" << 12.0f;
        QTest::newRow("typed with blanks and a fraction") << " 9.5 " << 9.5f;
        QTest::newRow("word") << "veľké" << -1.0f;
        QTest::newRow("zero") << "0" << -1.0f;
        QTest::newRow("infinite") << "inf" << -1.0f;
    }
    void fontSizeText() {
        QFETCH(QString, text);
        QFETCH(float, size);
        QCOMPARE(parseFontSize(text).value_or(-1.0f), size);
    }

    void arrows_data() {
        QTest::addColumn<TextDirection>("direction");
        QTest::addColumn<int>("from");  // both coordinates
        QTest::addColumn<QPoint>("to");
        QTest::newRow("left below zero") << kLeft << 0 << QPoint(-1, 0);
        QTest::newRow("right past the box") << kRight << 127 << QPoint(128, 127);
        QTest::newRow("right, at the top end") << kRight << 32767 << QPoint(32767, 32767);
        QTest::newRow("down to the top end") << kDown << 32766 << QPoint(32766, 32767);
        QTest::newRow("up to the bottom end") << kUp << -32767 << QPoint(-32767, -32768);
        QTest::newRow("left, at the bottom end") << kLeft << -32768 << QPoint(-32768, -32768);
    }
    void arrows() {
        QFETCH(TextDirection, direction);
        QFETCH(int, from);
        QFETCH(QPoint, to);
        EditorState state;
        state.textX = state.textY = static_cast<std::int16_t>(from);
        moveText(state, direction, TextInput{QStringLiteral("H"), kMono, kEight});
        QCOMPARE(QPoint(state.textX, state.textY), to);
    }

    void anchorFollowsThePointerUntilTheClick_data() {
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("anchorY");
        QTest::newRow("half goes down to even") << 2.5f << 2;
        QTest::newRow("half goes up to even") << 3.5f << 4;
        QTest::newRow("far below") << 1e6f << 32767;
        QTest::newRow("far above") << -1e6f << -32768;
    }
    void anchorFollowsThePointerUntilTheClick() {
        QFETCH(float, y);
        QFETCH(int, anchorY);
        EditorState state;
        trackHedgehog(state, 40, 30);
        trackHedgehog(state, 3.4f, y);
        QCOMPARE(state.hedgehogAnchorX, 3.4f);
        QCOMPARE(state.hedgehogAnchorY, anchorY);
        QCOMPARE(pixels(state.hedgehogBox, kColumns, kRows),
                 QStringList(kRows, QString(kColumns, QLatin1Char('.'))));
    }
};

QTEST_MAIN(TestStamps)
#include "test_stamps.moc"
