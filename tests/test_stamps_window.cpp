#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "stamps/textstamp.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kMono = QStringLiteral("DejaVu Sans Mono");

bool allWhite(const model::PictureGrid& grid) {
    bool white = true;
    model::PictureGrid::forEachUsedCell(
        [&](int x, int y) { white = white && grid.at(x, y) == model::kWhite; });
    return white;
}

bool boxIsBlank(const model::PictureBox& box) {
    bool blank = true;
    model::PictureGrid::forEachUsedCell(
        [&](int x, int y) { blank = blank && box.pixel(x - 1, y - 1) == box.background(); });
    return blank;
}

}  // namespace

class TestStampsWindow : public QObject {
    Q_OBJECT

    // The hedgehog box shows its pixels inside a one-pixel border.
    void moveOverHedgehog(QPoint pixel, Qt::MouseButtons held = Qt::NoButton) {
        windowdriver::moveOver(ui_.control("Picture6"), pixel + QPoint(1, 1), held);
    }
    void clickHedgehog(QPoint pixel) {
        QTest::mouseClick(ui_.control("Picture6"), Qt::LeftButton, {}, pixel + QPoint(1, 1));
    }

  private slots:
    void init() { QVERIFY(ui_.open(prompts_)); }
    void cleanup() { ui_.close(); }

    // What the window stamps is what the stamp itself gives for the same controls.
    void textTypedIntoTheFrameIsStamped_data() {
        QTest::addColumn<QString>("sizeTyped");
        QTest::addColumn<QString>("sizeUsed");
        QTest::newRow("size from the start") << QString() << QStringLiteral("8");
        QTest::newRow("twelve without showing") << QStringLiteral("12") << QStringLiteral("12");
        QTest::newRow("no number keeps the last size")
            << QStringLiteral("x") << QStringLiteral("8");
    }
    void textTypedIntoTheFrameIsStamped() {
        QFETCH(QString, sizeTyped);
        QFETCH(QString, sizeUsed);
        model::EditorState& state = ui_.state();
        state.picture.at(60, 30) = model::kBlue;
        const model::PictureGrid before = state.picture;
        // The font the list starts with: choosing one would apply the size as well.
        const QString font = ui_.control<QComboBox>("Combo1")->currentText();
        ui_.type("Text1", QStringLiteral("Ahoj"));
        if (!sizeTyped.isEmpty()) {
            ui_.type("Combo2", sizeTyped);
        }
        ui_.click("Command31");
        ui_.click("Command10");

        model::EditorState expected;
        expected.picture = before;
        expected.textY = 1;
        stamps::insertText(expected, {QStringLiteral("Ahoj"), font, sizeUsed});
        QVERIFY(state.picture.usedCellsEqual(expected.picture));
        QVERIFY(!state.picture.usedCellsEqual(before));
        QVERIFY(ui_.undoEnabled());
        QCOMPARE(state.canvas.image(), expected.canvas.image());

        ui_.click("Command11");
        QVERIFY(state.picture.usedCellsEqual(before));
    }

    void clearEmptiesTheTextAndItsPlace() {
        model::EditorState& state = ui_.state();
        ui_.type("Combo1", kMono);
        ui_.type("Text1", QStringLiteral("H"));
        ui_.click("Command32");
        ui_.click("Command10");
        const model::PictureGrid stamped = state.picture;
        ui_.click("Command8");
        QCOMPARE(ui_.control<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(state.textX, 0);
        QVERIFY(boxIsBlank(state.textBox));
        QVERIFY(state.picture.usedCellsEqual(stamped));
        QVERIFY(ui_.undoEnabled());
        // The next text starts at the top-left corner: the stem of "H" in pixel column 1.
        ui_.type("Text1", QStringLiteral("H"));
        ui_.click("Command9");
        QCOMPARE(state.textBox.pixel(1, 2), model::kBlackRgb);
    }

    // Spines from the clicked point, in the chosen colour over any ground; the rest stays.
    void hedgehogFansOutFromTheClick_data() {
        QTest::addColumn<int>("ground");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("expected");  // cells 1..8 of rows 1..7, rows split by '/'
        QTest::newRow("black on white")
            << int(model::kWhite) << u"Image1"_s
            << u"......../......../..####../..##..../..#.#.../..#..#../........"_s;
        QTest::newRow("white erases black")
            << int(model::kBlack) << u"Image2"_s
            << u"########/########/##....##/##..####/##.#.###/##.##.##/########"_s;
        QTest::newRow("red on green")
            << int(model::kGreen) << u"Image3"_s
            << u"gggggggg/gggggggg/ggrrrrgg/ggrrgggg/ggrgrggg/ggrggrgg/gggggggg"_s;
    }
    void hedgehogFansOutFromTheClick() {
        QFETCH(int, ground);
        QFETCH(QString, swatch);
        QFETCH(QString, expected);
        model::EditorState& state = ui_.state();
        model::PictureGrid::forEachUsedCell(
            [&](int x, int y) { state.picture.at(x, y) = model::ColorCode(ground); });
        state.picture.at(100, 50) = model::kBlue;
        const model::PictureGrid before = state.picture;
        ui_.click(swatch);
        moveOverHedgehog({30, 30});
        moveOverHedgehog({2, 2});
        QVERIFY(boxIsBlank(state.hedgehogBox));
        clickHedgehog({2, 2});
        for (const QPoint end : {QPoint(6, 2), QPoint(2, 6), QPoint(6, 6)}) {
            moveOverHedgehog(end, Qt::LeftButton);
        }
        clickHedgehog({2, 2});
        moveOverHedgehog({40, 2});  // not drawing: no spine
        ui_.click("Command12");
        model::PictureGrid stamped = before;
        pictureart::draw(stamped, 1, 1, expected.split(u'/'));
        QCOMPARE(pictureart::art(state.picture, 1, 1, 8, 7).split(u'\n'), expected.split(u'/'));
        QVERIFY(state.picture.usedCellsEqual(stamped));
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QVERIFY(ui_.undoEnabled());
        ui_.click("Command11");
        QVERIFY(state.picture.usedCellsEqual(before));
    }

    void hedgehogInsertedTwiceLeavesWhite() {
        model::EditorState& state = ui_.state();
        clickHedgehog({0, 0});
        moveOverHedgehog({10, 0}, Qt::LeftButton);
        ui_.click("Command12");
        const model::PictureGrid first = state.picture;
        QCOMPARE(pictureart::art(first, 1, 1, 11, 1), QStringLiteral("##########."));
        ui_.click("Command12");
        QVERIFY(allWhite(state.picture));
        ui_.click("Command11");
        QVERIFY(state.picture.usedCellsEqual(first));
    }

    void eraseWhileDrawingKeepsLaterSpines() {
        model::EditorState& state = ui_.state();
        state.picture.at(100, 50) = model::kRed;
        clickHedgehog({0, 0});
        moveOverHedgehog({0, 3}, Qt::LeftButton);
        // "Ukáž" lays the picture in afresh, "Vymaž" empties the box: drawing goes on.
        ui_.click("Command25");
        QCOMPARE(state.hedgehogBox.pixel(0, 1), model::kWhiteRgb);
        QCOMPARE(state.hedgehogBox.pixel(99, 49), (model::Rgb{255, 0, 0}));
        ui_.click("Command14");
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QCOMPARE(state.hedgehogDrawing, 1);
        moveOverHedgehog({3, 0}, Qt::LeftButton);
        ui_.click("Command12");
        QCOMPARE(pictureart::art(state.picture, 1, 1, 4, 2), QStringLiteral("###.\n...."));
        QCOMPARE(state.picture.at(100, 50), model::kWhite);
    }

    void newClearsTheHedgehogBox() {
        model::EditorState& state = ui_.state();
        clickHedgehog({5, 5});
        moveOverHedgehog({20, 20}, Qt::LeftButton);
        QVERIFY(!boxIsBlank(state.hedgehogBox));
        ui_.click("Command3");
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QCOMPARE(state.hedgehogDrawing, 1);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestStampsWindow)
#include "test_stamps_window.moc"
