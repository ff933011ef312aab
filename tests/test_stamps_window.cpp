#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "stamps/textstamp.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {}  // namespace

class TestStampsWindow : public QObject {
    Q_OBJECT

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

    // The hedgehog's spines from the clicked pixel, in the chosen colour over any ground.
    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const char* steps) {
            QTest::newRow(name) << QString::fromUtf8(steps);
        };
        const char* fan =
            "hmove 30,30 | hmove 2,2 | hclick 2,2 | hdrag 6,2 | hdrag 2,6 | hdrag 6,6 | "
            "hclick 2,2 | hmove 40,2 | click Command12 | ";
        row("black on white", (QByteArray(fan) + "art 1,1 ......../......../..####../..##..../"
                                                 "..#.#.../..#..#../........ | art 100,50 . | "
                                                 "is undo=1 | click Command11 | art 3,3 .")
                                  .constData());
        row("white erases black",
            (QByteArray("draw 1,1 ########/########/########/########/########/########/######## | "
                        "click Image2 | ") +
             fan + "art 1,1 ########/########/##....##/##..####/##.#.###/##.##.##/########")
                .constData());
        row("red on green",
            (QByteArray("draw 1,1 gggggggg/gggggggg/gggggggg/gggggggg/gggggggg/gggggggg/gggggggg | "
                        "draw 100,50 b | click Image3 | ") +
             fan +
             "art 1,1 gggggggg/gggggggg/ggrrrrgg/ggrrgggg/ggrgrggg/ggrggrgg/gggggggg | "
             "art 100,50 b")
                .constData());
        row("inserted twice leaves white",
            "hclick 0,0 | hdrag 10,0 | click Command12 | "
            "art 1,1 ##########. | click Command12 | art 1,1 .. | "
            "click Command11 | art 1,1 ##########.");
        // "Ukáž" lays the picture in afresh, "Vymaž" empties the box: drawing goes on.
        row("erased while drawing",
            "draw 100,50 r | hclick 0,0 | hdrag 0,3 | click Command25 | "
            "click Command14 | hdrag 3,0 | click Command12 | "
            "art 1,1 ###./.... | art 100,50 .");
        row("new clears the box",
            "hclick 5,5 | hdrag 20,20 | click Command3 | click Command12 | "
            "art 6,6 . | art 21,21 .");
        row("clear empties the text and its place",
            "type Combo1 DejaVu Sans Mono | type Text1 H | click Command32 | click Command10 | "
            "art 2,3 .# | click Command8 | is textx=0 undo=1 | art 2,3 .# | type Text1 H | "
            "click Command10 | art 2,3 ##");
    }
    void scenario() {
        QFETCH(QString, steps);
        ui_.run(steps);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestStampsWindow)
#include "test_stamps_window.moc"
