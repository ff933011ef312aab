#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "windowdriver.h"

using namespace tavrolin;
using model::EditorState;
using model::kHiddenOutlineY;
using namespace Qt::StringLiterals;

namespace {

int blackCells(const model::PictureGrid& grid) {
    int count = 0;
    model::PictureGrid::forEachUsedCell([&](int x, int y) { count += grid.at(x, y) != 0; });
    return count;
}

// Columns 1..8, rows 1..9 of a picture of the given art rows, separated by '/'.
QString firstCells(const QString& rows) {
    model::PictureGrid grid;
    pictureart::draw(grid, 1, 1, rows.split(u'/'));
    return pictureart::art(grid, 1, 1, 8, 9);
}

}  // namespace

class TestDrawingWindow : public QObject {
    Q_OBJECT

    EditorState& state() { return ui_.state(); }

  private slots:
    void init() { QVERIFY(ui_.open(prompts_)); }
    void cleanup() {
        // Every handler leaves the canvas showing the picture.
        QCOMPARE(state().canvas.image(), ui_.repaintedCanvas());
        ui_.close();
    }

    void dragWithThePen_data() {
        QTest::addColumn<QPoint>("to");  // canvas pixel the pointer is dragged to
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("paints");
        QTest::newRow("last column") << QPoint(637, 0) << 128 << 1 << true;
        QTest::newRow("grid line") << QPoint(9, 9) << 2 << 2 << true;
        QTest::newRow("right of the canvas") << QPoint(640, 100) << 129 << 21 << false;
        QTest::newRow("left of the canvas") << QPoint(-3, 100) << 0 << 21 << false;
        QTest::newRow("further left") << QPoint(-7, 100) << -1 << 21 << false;
        QTest::newRow("above the canvas") << QPoint(100, -3) << 21 << 0 << false;
        QTest::newRow("below the canvas") << QPoint(100, 322) << 21 << 65 << false;
    }
    void dragWithThePen() {
        QFETCH(QPoint, to);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, paints);
        ui_.press(ui_.at(300, 150));  // a press alone paints nothing
        QCOMPARE(blackCells(state().picture), 0);
        ui_.move(ui_.at(to.x(), to.y()));
        QCOMPARE(ui_.text("Label3"), QString::number(column));
        QCOMPARE(ui_.text("Label4"), QString::number(row));
        QCOMPARE(blackCells(state().picture), paints ? 1 : 0);
        if (paints) {
            QCOMPARE(state().picture.at(column, row), model::kBlack);
        }
        ui_.release(ui_.at(to.x(), to.y()));
        QVERIFY(!ui_.undoEnabled());
    }

    void penStrokeInWidthAndColour() {
        ui_.click("Command7");
        ui_.click("Command7");
        ui_.click("Image3");
        ui_.press(ui_.cell(10, 10) - QPoint(1, 1));
        ui_.move(ui_.cell(10, 10));
        ui_.move(ui_.cell(14, 10));
        ui_.release(ui_.cell(14, 10));
        ui_.move(ui_.cell(20, 10));  // no button: nothing
        ui_.press(ui_.cell(30, 10));
        ui_.press(ui_.cell(30, 10), Qt::RightButton);
        ui_.move(ui_.cell(31, 10));  // left and right together: nothing
        QCOMPARE(pictureart::art(state().picture, 8, 8, 16, 12),
                 QStringLiteral(".........\n.rrr.rrr.\n.rrr.rrr.\n.rrr.rrr.\n........."));
        QCOMPARE(blackCells(state().picture), 18);
        ui_.release(ui_.cell(31, 10), Qt::RightButton);
        ui_.release(ui_.cell(31, 10));
        for (const char* tool : {"Command27", "Command28", "Command29"}) {
            ui_.click(tool);
            ui_.drag(ui_.cell(40, 40), {ui_.cell(41, 41)});  // other tools do not paint
        }
        QCOMPARE(blackCells(state().picture), 18);
    }

    void shapes_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<QPoint>>("cells");  // first click, moves, second click
        QTest::addColumn<QString>("expected");     // rows from cell (1, 1); the rest white
        const char* rectangle = "//.#####/.#...#/.#...#/.#...#/.#...#/.#####";
        QTest::newRow("line along the first row")
            << "Command27" << QList<QPoint>{{1, 1}, {5, 1}} << "####";
        QTest::newRow("line ending in its first cell")
            << "Command27" << QList<QPoint>{{3, 3}, {7, 7}, {3, 3}} << "";
        QTest::newRow("rectangle with four corners")
            << "Command28" << QList<QPoint>{{2, 3}, {6, 8}} << rectangle;
        QTest::newRow("rectangle keeps its last positive width")
            << "Command28" << QList<QPoint>{{2, 3}, {6, 8}, {1, 8}, {1, 8}} << rectangle;
        QTest::newRow("rectangle in one cell")
            << "Command28" << QList<QPoint>{{2, 3}, {2, 3}} << "//.#";
        QTest::newRow("circle under ten pixels")
            << "Command29" << QList<QPoint>{{2, 3}, {3, 8}} << "////.#";
    }
    void shapes() {
        QFETCH(QString, tool);
        QFETCH(QList<QPoint>, cells);
        QFETCH(QString, expected);
        ui_.click(tool);
        ui_.clickCell(cells.first().x(), cells.first().y());
        for (QPoint to : cells.mid(1)) {
            ui_.move(ui_.cell(to.x(), to.y()));
        }
        ui_.clickAt(ui_.cell(cells.last().x(), cells.last().y()));
        QCOMPARE(pictureart::art(state().picture, 1, 1, 8, 9), firstCells(expected));
        QCOMPARE(blackCells(state().picture), int(expected.count(u'#')));
        QVERIFY(ui_.undoEnabled());
        QCOMPARE(state().pen2.y1, kHiddenOutlineY);
        QCOMPARE(state().pen3.top, kHiddenOutlineY);
        QCOMPARE(state().pen4.top, kHiddenOutlineY);
    }

    void circleLiesWhereItsOutlineWas() {
        ui_.click("Command29");
        ui_.click("Image4");
        ui_.clickCell(3, 3);
        ui_.press(ui_.at(40, 40));  // press, drag and release: acts where released
        ui_.move(ui_.at(71, 51));   // a 60 × 40 box from (11, 11)
        ui_.release(ui_.at(71, 51));
        // Radius 4 around cell (9, 7), the inscribed circle's box two cells in.
        for (QPoint on : {QPoint(5, 7), QPoint(13, 7), QPoint(9, 3), QPoint(9, 11)}) {
            QCOMPARE(state().picture.at(on.x(), on.y()), model::kBlue);
        }
        for (QPoint off : {QPoint(9, 7), QPoint(4, 7), QPoint(14, 7), QPoint(9, 12)}) {
            QCOMPARE(state().picture.at(off.x(), off.y()), model::kWhite);
        }
    }

    void whiteRectangleClearsItsOutline() {
        model::PictureGrid::forEachUsedCell(
            [&](int x, int y) { state().picture.at(x, y) = model::kBlack; });
        ui_.click("Command28");
        ui_.click("Image2");
        ui_.clickCell(2, 2);
        ui_.clickCell(5, 4);
        QCOMPARE(pictureart::art(state().picture, 1, 1, 6, 5),
                 QStringLiteral("######\n#....#\n#.##.#\n#....#\n######"));
    }

    // A shape left for another tool is given up: its tool starts afresh, and nothing
    // is drawn or kept for "Naspäť" until a whole shape is.
    void leftShapeStartsAfresh() {
        ui_.click("Command28");
        ui_.clickCell(2, 3);
        ui_.click("Command27");
        ui_.clickCell(2, 3);
        ui_.click("Command26");  // both outlines hidden, both shapes given up
        ui_.click("Command28");
        ui_.clickCell(20, 20);
        QCOMPARE(blackCells(state().picture), 0);
        QVERIFY(!ui_.undoEnabled());
        ui_.clickCell(22, 21);
        QCOMPARE(blackCells(state().picture), 6);
        ui_.click("Command27");
        ui_.clickCell(10, 3);
        QCOMPARE(blackCells(state().picture), 6);
        QCOMPARE(state().lineStarted, 1);
    }

    void undoSequences() {
        ui_.click("Command28");
        ui_.clickCell(2, 2);
        ui_.clickCell(4, 4);
        const model::PictureGrid rectangle = state().picture;
        ui_.click("Command26");
        ui_.drag(ui_.cell(30, 30), {ui_.cell(31, 30)});
        ui_.click("Command11");
        QCOMPARE(blackCells(state().picture), 0);  // before the rectangle, strokes gone
        QVERIFY(!ui_.undoEnabled());
        ui_.drag(ui_.cell(50, 50), {ui_.cell(51, 50)});
        QVERIFY(!ui_.undoEnabled());  // the pen takes no copy

        state().picture = rectangle;
        ui_.click("Command13");
        const model::PictureGrid flippedOnce = state().picture;
        QCOMPARE(flippedOnce.at(127, 2), model::kBlack);
        QCOMPARE(flippedOnce.at(2, 2), model::kWhite);
        ui_.click("Command13");
        QVERIFY(state().picture.usedCellsEqual(rectangle));
        ui_.click("Command11");
        QVERIFY(state().picture.usedCellsEqual(flippedOnce));
        ui_.click("Command24");
        QCOMPARE(state().picture.at(127, 63), model::kBlack);
        QCOMPARE(blackCells(state().picture), 8);
    }

    // The lists and the tick reach the replacement; its rules are the operation's own.
    void replaceColours_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("swap");
        QTest::addColumn<QString>("after");
        QTest::newRow("negative") << u"čiernu"_s << u"bielu"_s << true << u"#.r"_s;
        QTest::newRow("black to white") << u"čiernu"_s << u"bielu"_s << false << u"..r"_s;
    }
    void replaceColours() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, swap);
        QFETCH(QString, after);
        pictureart::draw(state().picture, 1, 1, {u".#r"_s});
        ui_.control<QComboBox>("Combo3")->setCurrentText(from);
        ui_.control<QComboBox>("Combo4")->setCurrentText(to);
        ui_.control<QCheckBox>("Check6")->setChecked(swap);
        ui_.click("Command16");
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1), after);
        QCOMPARE(state().picture.at(100, 50), after == u"#.r"_s ? 1 : 0);
        QVERIFY(ui_.undoEnabled());
        ui_.click("Command11");
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1), u".#r"_s);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestDrawingWindow)
#include "test_drawing_window.moc"
