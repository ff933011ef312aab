#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "model/canvas.h"
#include "pictureart.h"
#include "scriptedprompts.h"
#include "ui/form1.h"

using namespace tavrolin;
using model::EditorState;
using model::kHiddenOutlineY;

namespace {

template <typename Control = QWidget>
Control* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

QImage repaintedCanvas(EditorState state) {
    model::repaintCanvas(state);
    return state.canvas.image();
}

int blackCells(const model::PictureGrid& grid) {
    int count = 0;
    model::PictureGrid::forEachUsedCell([&](int x, int y) { count += grid.at(x, y) != 0; });
    return count;
}

}  // namespace

// Drives the window as a user does: through its top-level window, so a press on the
// canvas grabs the pointer and moves outside the canvas still reach it.
class TestDrawingWindow : public QObject {
    Q_OBJECT

    // A canvas pixel in the window's coordinates.
    QPoint at(int px, int py) {
        return control(*window_, "Picture1")->mapTo(window_.get(), QPoint(px, py));
    }
    // A pixel inside cell (cx, cy), off its grid lines.
    QPoint cell(int cx, int cy) { return at(5 * cx - 3, 5 * cy - 3); }
    void move(QPoint to) { QTest::mouseMove(window_->windowHandle(), to); }
    void press(QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window_->windowHandle(), button, {}, to);
    }
    void release(QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window_->windowHandle(), button, {}, to);
    }
    void clickCell(int cx, int cy) {
        move(cell(cx, cy));
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, cell(cx, cy));
    }
    void click(const char* name) { QTest::mouseClick(control(*window_, name), Qt::LeftButton); }
    EditorState& state() { return window_->context().state; }
    QString text(const char* label) { return control<QLabel>(*window_, label)->text(); }
    bool undoEnabled() { return control(*window_, "Command11")->isEnabled(); }

  private slots:
    void init() {
        window_ = std::make_unique<ui::Form1>(prompts_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // Off the canvas: the platform drops a move to where the pointer already is,
        // so a test must not start where the last one ended.
        move(QPoint(2, 570));
    }
    void cleanup() {
        // Every handler leaves the canvas showing the picture.
        QCOMPARE(state().canvas.image(), repaintedCanvas(state()));
        window_.reset();
    }

    void dragWithThePen_data() {
        QTest::addColumn<QPoint>("to");  // canvas pixel the pointer is dragged to
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("paints");
        QTest::newRow("last column") << QPoint(637, 0) << "128"
                                     << "1" << true;
        QTest::newRow("grid line") << QPoint(9, 9) << "2"
                                   << "2" << true;
        QTest::newRow("right of the canvas") << QPoint(640, 100) << "129"
                                             << "21" << false;
        QTest::newRow("left of the canvas") << QPoint(-3, 100) << "0"
                                            << "21" << false;
        QTest::newRow("further left") << QPoint(-7, 100) << "-1"
                                      << "21" << false;
        QTest::newRow("below the canvas") << QPoint(100, 322) << "21"
                                          << "65" << false;
    }
    void dragWithThePen() {
        QFETCH(QPoint, to);
        QFETCH(QString, column);
        QFETCH(QString, row);
        QFETCH(bool, paints);
        press(at(300, 150));  // a press alone paints nothing
        QCOMPARE(blackCells(state().picture), 0);
        move(at(to.x(), to.y()));
        QCOMPARE(text("Label3"), column);
        QCOMPARE(text("Label4"), row);
        QCOMPARE(blackCells(state().picture), paints ? 1 : 0);
        if (paints) {
            QCOMPARE(state().picture.at(column.toInt(), row.toInt()), model::kBlack);
        }
        release(at(to.x(), to.y()));
        QVERIFY(!undoEnabled());
    }

    void penStrokeInWidthAndColour() {
        click("Command7");
        click("Command7");
        click("Image3");
        press(cell(10, 10) - QPoint(1, 1));
        move(cell(10, 10));
        move(cell(14, 10));
        release(cell(14, 10));
        move(cell(20, 10));  // no button: nothing
        press(cell(30, 10));
        press(cell(30, 10), Qt::RightButton);
        move(cell(31, 10));  // left and right together: nothing
        QCOMPARE(pictureart::art(state().picture, 8, 8, 16, 12),
                 QStringLiteral(".........\n.rrr.rrr.\n.rrr.rrr.\n.rrr.rrr.\n........."));
        QCOMPARE(blackCells(state().picture), 18);
        release(cell(31, 10), Qt::RightButton);
        release(cell(31, 10));
        click("Command27");
        press(cell(40, 40));
        move(cell(41, 41));  // other tools do not paint while dragging
        release(cell(41, 41));
        QCOMPARE(blackCells(state().picture), 18);
    }

    void shapes_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<QPoint>>("cells");  // first click, moves, second click
        QTest::addColumn<QString>("expected");     // cells 1..8 × 1..9
        QTest::newRow("line along the first row")
            << "Command27" << QList<QPoint>{{1, 1}, {5, 1}}
            << QStringLiteral(
                   "####....\n........\n........\n........\n........\n"
                   "........\n........\n........\n........");
        QTest::newRow("line ending in its first cell")
            << "Command27" << QList<QPoint>{{3, 3}, {7, 7}, {3, 3}}
            << QStringLiteral(
                   "........\n........\n........\n........\n........\n"
                   "........\n........\n........\n........");
        QTest::newRow("rectangle with four corners")
            << "Command28" << QList<QPoint>{{2, 3}, {6, 8}}
            << QStringLiteral(
                   "........\n........\n.#####..\n.#...#..\n.#...#..\n"
                   ".#...#..\n.#...#..\n.#####..\n........");
        QTest::newRow("rectangle keeps its last positive width")
            << "Command28" << QList<QPoint>{{2, 3}, {6, 8}, {1, 8}, {1, 8}}
            << QStringLiteral(
                   "........\n........\n.#####..\n.#...#..\n.#...#..\n"
                   ".#...#..\n.#...#..\n.#####..\n........");
        QTest::newRow("rectangle in one cell")
            << "Command28" << QList<QPoint>{{2, 3}, {2, 3}}
            << QStringLiteral(
                   "........\n........\n.#......\n........\n........\n"
                   "........\n........\n........\n........");
        QTest::newRow("circle under ten pixels")
            << "Command29" << QList<QPoint>{{2, 3}, {3, 8}}
            << QStringLiteral(
                   "........\n........\n........\n........\n.#......\n"
                   "........\n........\n........\n........");
    }
    void shapes() {
        QFETCH(QString, tool);
        QFETCH(QList<QPoint>, cells);
        QFETCH(QString, expected);
        click(tool.toLatin1().constData());
        clickCell(cells.first().x(), cells.first().y());
        for (QPoint to : cells.mid(1)) {
            move(cell(to.x(), to.y()));
        }
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                          cell(cells.last().x(), cells.last().y()));
        QCOMPARE(pictureart::art(state().picture, 1, 1, 8, 9), expected);
        QCOMPARE(blackCells(state().picture), int(expected.count(QLatin1Char('#'))));
        QVERIFY(undoEnabled());
        QCOMPARE(state().pen2.y1, kHiddenOutlineY);
        QCOMPARE(state().pen3.top, kHiddenOutlineY);
        QCOMPARE(state().pen4.top, kHiddenOutlineY);
    }

    void circleLiesWhereItsOutlineWas() {
        click("Command29");
        click("Image4");
        clickCell(3, 3);
        press(at(40, 40));  // press, drag and release: acts where released
        move(at(71, 51));   // a 60 × 40 box from (11, 11)
        release(at(71, 51));
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
        click("Command28");
        click("Image2");
        clickCell(2, 2);
        clickCell(5, 4);
        QCOMPARE(pictureart::art(state().picture, 1, 1, 6, 5),
                 QStringLiteral("######\n#....#\n#.##.#\n#....#\n######"));
    }

    void pendingShapeResumesWithItsHiddenOutline() {
        click("Command28");
        clickCell(2, 3);
        click("Command27");
        clickCell(2, 3);
        click("Command26");  // both outlines hidden, both shapes pending
        click("Command28");
        move(cell(20, 20));
        QCOMPARE(state().pen3.top, kHiddenOutlineY);
        QCOMPARE(state().pen3.height, 1.0f);  // Y − 500 is never positive
        clickCell(20, 20);
        QCOMPARE(blackCells(state().picture), 0);  // drawn below the preview
        QVERIFY(undoEnabled());
        click("Command27");
        clickCell(10, 3);
        // From preview row 100 up to the clicked cell: one cell a row in rows 4..64.
        QCOMPARE(blackCells(state().picture), 61);
        QCOMPARE(pictureart::art(state().picture, 1, 1, 128, 3).count(QLatin1Char('#')), 0);
        QCOMPARE(state().lineStarted + state().rectStarted, 0);
    }

    void undoSequences() {
        click("Command28");
        clickCell(2, 2);
        clickCell(4, 4);
        const model::PictureGrid rectangle = state().picture;
        click("Command26");
        press(cell(30, 30));
        move(cell(31, 30));
        release(cell(31, 30));
        click("Command11");
        QCOMPARE(blackCells(state().picture), 0);  // before the rectangle, strokes gone
        QVERIFY(!undoEnabled());
        press(cell(50, 50));
        move(cell(51, 50));
        release(cell(51, 50));
        QVERIFY(!undoEnabled());  // the pen takes no copy

        state().picture = rectangle;
        click("Command13");
        const model::PictureGrid flippedOnce = state().picture;
        QCOMPARE(flippedOnce.at(127, 2), model::kBlack);
        QCOMPARE(flippedOnce.at(2, 2), model::kWhite);
        click("Command13");
        QVERIFY(state().picture.usedCellsEqual(rectangle));
        click("Command11");
        QVERIFY(state().picture.usedCellsEqual(flippedOnce));
        click("Command24");
        QCOMPARE(state().picture.at(127, 63), model::kBlack);
        QCOMPARE(blackCells(state().picture), 8);
    }

    void replaceColours_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("swap");
        QTest::addColumn<QString>("after");
        QTest::newRow("start-up settings") << "čiernu"
                                           << "čiernu" << true << ".#r";
        QTest::newRow("negative") << "čiernu"
                                  << "bielu" << true << "#.r";
        QTest::newRow("black to white") << "čiernu"
                                        << "bielu" << false << "..r";
        QTest::newRow("red to red") << "červenú"
                                    << "červenú" << false << ".#r";
        QTest::newRow("typed text keeps the last colours") << "čierna"
                                                           << "Bielu" << true << ".#r";
    }
    void replaceColours() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, swap);
        QFETCH(QString, after);
        pictureart::draw(state().picture, 1, 1, {QStringLiteral(".#r")});
        control<QComboBox>(*window_, "Combo3")->setCurrentText(from);
        control<QComboBox>(*window_, "Combo4")->setCurrentText(to);
        control<QCheckBox>(*window_, "Check6")->setChecked(swap);
        click("Command16");
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1), after);
        QCOMPARE(state().picture.at(100, 50), after == QStringLiteral("#.r") ? 1 : 0);
        QVERIFY(undoEnabled());
        click("Command11");
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1), QStringLiteral(".#r"));
    }

  private:
    ScriptedPrompts prompts_;
    std::unique_ptr<ui::Form1> window_;
};

QTEST_MAIN(TestDrawingWindow)
#include "test_drawing_window.moc"
