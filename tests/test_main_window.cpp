// The main window's wiring, as rows of user steps: each click, key or drag reaches its
// operation and the window shows the result. The rules themselves are tested where
// they live.
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "model/canvas.h"
#include "stamps/textstamp.h"
#include "ui/dialogs/form4.h"
#include "ui/views/colourswatch.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

    bool underlined(const char* name) { return ui_.control<QLabel>(name)->font().underline(); }

  private slots:
    void init() {
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
        QVERIFY(QTest::qWaitForWindowActive(&ui_.window()));
    }
    void cleanup() {
        // Every handler leaves the canvas showing the picture.
        QCOMPARE(ui_.state().canvas.image(), pictureart::repainted(ui_.state()));
        ui_.close();
    }

    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const char* steps) {
            QTest::newRow(name) << QString::fromUtf8(steps);
        };
        // Drawing.
        row("pen drag",
            "press 10,10 | move 12,10 | label Label3 12 | label Label4 10 | "
            "release 12,10 | art 10,10 ..# | is undo=0");
        row("pen off the canvas", "drag 127,1 129,1 | art 127,1 ..");
        row("pen width and colour",
            "click Command7 | click Command7 | click Image3 | "
            "drag 9,10 10,10 14,10 | art 8,9 .rrr.rrr./.rrr.rrr./.rrr.rrr.");
        row("line", "click Command27 | cell 1,1 | cell 5,1 | art 1,1 ####. | is undo=1");
        row("rectangle",
            "click Command28 | cell 2,3 | move 6,8 | cell 6,8 | "
            "art 1,2 ......./.#####./.#...#./.#...#./.#...#./.#...#./.#####./.......");
        row("circle", "click Command29 | cell 2,3 | move 3,8 | cell 3,8 | art 1,4 ../.#/..");
        // A shape left for another tool is given up: its tool starts afresh.
        row("shape left for another tool",
            "click Command28 | cell 2,3 | click Command27 | cell 2,3 | click Command26 | "
            "click Command28 | cell 20,20 | is undo=0 | cell 22,21 | art 20,20 ###/### | "
            "click Command27 | cell 10,3 | art 10,3 . | art 10,60 .");
        row("white rectangle",
            "draw 1,1 ######/######/######/###### | click Command28 | "
            "click Image2 | cell 2,2 | cell 5,4 | art 1,1 ######/#....#/#.##.#/#....#");
        row("undo gives back the copy once",
            "click Command28 | cell 2,2 | cell 4,4 | click Command26 | drag 29,30 30,30 | "
            "click Command11 | art 2,2 . | art 30,30 . | is undo=0 | drag 49,50 50,50 | is undo=0");
        row("flips",
            "dab 2,2 | click Command13 | art 126,2 .# | is undo=1 | click Command24 | "
            "art 127,62 ./# | click Command11 | art 127,2 # | art 127,63 .");
        row("replace with swap",
            "draw 1,1 .#r | choose Combo3 čiernu | choose Combo4 bielu | "
            "click Command16 | art 1,1 #.r | art 100,50 # | "
            "click Command11 | art 1,1 .#r");
        row("replace without swap",
            "draw 1,1 .#r | choose Combo3 čiernu | choose Combo4 bielu | "
            "click Check6 | click Command16 | art 1,1 ..r | art 100,50 .");
        // Only an entry, exactly, names a colour; another text keeps the last (white).
        row("replace a typed text",
            "draw 1,1 .#r | choose Combo3 Červenú | choose Combo4 čiernu | "
            "click Check6 | click Command16 | art 1,1 ##r");
        row("new picture",
            "dab 3,4 | click Image4 | click Command3 | art 3,4 . | "
            "is undo=1 colour=1 shape=1 | click Command11 | art 3,4 #");
        // Colours, thickness and tools.
        row("swatch", "click Image5 | is colour=4 shape=4 | click Image2 | is colour=0 shape=0");
        row("thickness",
            "click Command6 | is width=1 marker=52 | click Command7 | "
            "click Command7 | click Command7 | is width=3 marker=89 | "
            "click Command6 | is width=2 marker=69");
        row("tools",
            "click Command27 | label Label18 aktívne: čiara | is tool=2 | "
            "click Command28 | label Label18 aktívne: obdĺžnik | click Command29 | "
            "label Label18 aktívne: kruh | click Command26 | label Label18 aktívne: pero");
        // Text and its arrows.
        row("text arrows",
            "type Text1 H | click Command15 | is textx=-1 | click Command32 | "
            "click Command32 | is textx=1 | click Command30 | is texty=-1 | "
            "click Command31 | click Command31 | is texty=1 undo=0 | art 1,1 .");
        // Keys: one of each kind; typing into a field keeps them from firing.
        row("tool key",
            "click Command27 | key P | label Label18 aktívne: pero | key C | is tool=4");
        row("colour keys", "key 3 | is colour=2 | key 2 | is colour=0");
        row("keypad colour", "key Num+4 | is colour=3");
        row("width keys", "key + | key = | is width=3 | key - | is width=2");
        row("new and undo keys",
            "click Image3 | dab 9,9 | key Ctrl+Z | art 9,9 r | key Ctrl+N | "
            "art 9,9 . | key Ctrl+Z | art 9,9 r");
        row("file keys ask as their buttons",
            "key Ctrl+O | asked 1 Otvoriť obrázok | key Ctrl+S | asked 2 Uložiť obrázok | "
            "key Ctrl+E | asked 3 Exportuj obrázok | key Ctrl+I | asked 4 Importovať obrázok");
        row("typing in the text",
            "click Command27 | click Image4 | focus Text1 | key P | key + | "
            "key Ctrl+O | is colour=3 width=1 tool=2");
        row("typing in a list",
            "click Command27 | click Image4 | click Command7 | focus Combo3 | "
            "key C | key 3 | key - | key Ctrl+I | is colour=3 width=2 tool=2");
        // The hedgehog's spines from the clicked pixel, in the chosen colour over any ground.
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
        QVERIFY(steps.contains(u"asked"_s) || prompts_.dialogs.empty());
    }

    // What the window stamps is what the stamp itself gives for the same controls.
    // What the window stamps is what the stamp itself gives for the same controls: the
    // size typed (or the last one when it is no number), the font the list starts with.
    void textTypedIntoTheFrameIsStamped_data() {
        QTest::addColumn<QString>("sizeTyped");
        QTest::addColumn<QString>("sizeUsed");
        QTest::newRow("size from the start") << QString() << u"8"_s;
        QTest::newRow("twelve without showing") << u"12"_s << u"12"_s;
        QTest::newRow("no number keeps the last size") << u"x"_s << u"8"_s;
    }
    void textTypedIntoTheFrameIsStamped() {
        QFETCH(QString, sizeTyped);
        QFETCH(QString, sizeUsed);
        model::EditorState expected;
        expected.picture.at(60, 30) = model::kBlue;
        const model::PictureGrid before = expected.picture;
        ui_.state().picture = before;
        ui_.run(u"type Text1 Ahoj | "_s +
                (sizeTyped.isEmpty() ? QString() : u"type Combo2 "_s + sizeTyped + u" | "_s) +
                u"click Command31 | click Command10 | is undo=1"_s);
        expected.textY = 1;
        stamps::insertText(expected,
                           {u"Ahoj"_s, ui_.control<QComboBox>("Combo1")->currentText(), sizeUsed});
        QVERIFY(ui_.state().picture.usedCellsEqual(expected.picture));
        QVERIFY(!expected.picture.usedCellsEqual(before));
        ui_.click("Command11");
        QVERIFY(ui_.state().picture.usedCellsEqual(before));
    }

    void linkUnderlineFollowsThePointer() {
        ui_.hover("Label11");
        QVERIFY(underlined("Label11"));
        ui_.hover("Label14");
        QVERIFY(underlined("Label14") && !underlined("Label11"));
        // The text frame is not one of the areas that clear it.
        ui_.hover("Frame10");
        QVERIFY(underlined("Label14"));
        for (const char* area :
             {"Picture1", "Frame5", "pomocnaobr", "Picture6", "Frame3", "Label8"}) {
            ui_.hover("Label11");
            ui_.hover(area);
            QVERIFY2(!underlined("Label11"), area);
        }
    }

    void previewFollowsThePictureWithinATick() {
        // As the pen paints: the cell and the canvas, not the preview.
        ui_.state().picture.at(1, 1) = model::kGreen;
        model::paintCell(ui_.state(), 1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(ui_.state().preview.pixel(0, 0), (model::Rgb{0, 128, 0}), 1000);
    }

    // Two seconds unless clicked; a click and the timer together open the window once.
    void splashOpensTheMainWindowOnce_data() {
        QTest::addColumn<bool>("clickIt");
        QTest::newRow("by click") << true;
        QTest::newRow("by timer") << false;
    }
    void splashOpensTheMainWindowOnce() {
        QFETCH(bool, clickIt);
        int opened = 0;
        QPointer<ui::Form4> splash = new ui::Form4([&] { ++opened; });
        splash->show();
        auto* timer = windowdriver::control<QTimer>(*splash, u"Timer1");
        QVERIFY(timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(opened, 0);
        if (clickIt) {
            QTest::mouseClick(splash, Qt::LeftButton);
            QCOMPARE(opened, 1);
        }
        QMetaObject::invokeMethod(timer, "timeout");
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(opened, 1);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
