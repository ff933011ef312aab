#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "model/canvas.h"
#include "pictureart.h"
#include "scriptedprompts.h"
#include "stamps/textstamp.h"
#include "ui/form1.h"

using namespace tavrolin;

namespace {

const QString kMono = QStringLiteral("DejaVu Sans Mono");

template <typename Control = QWidget>
Control* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

void type(QWidget& window, const char* name, const QString& text) {
    QWidget* field = control(window, name);
    if (auto* list = qobject_cast<QComboBox*>(field)) {
        field = list->lineEdit();
    }
    auto* edit = qobject_cast<QLineEdit*>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The hedgehog box shows its pixels inside a one-pixel border.
QPoint spotOf(QPoint pixel) {
    return pixel + QPoint(1, 1);
}

void moveOverHedgehog(QWidget& window, QPoint pixel, Qt::MouseButtons held = Qt::NoButton) {
    QWidget* box = control(window, "Picture6");
    const QPoint spot = spotOf(pixel);
    QMouseEvent move(QEvent::MouseMove, spot, box->mapToGlobal(spot), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(box, &move);
}

void clickHedgehog(QWidget& window, QPoint pixel) {
    QTest::mouseClick(control(window, "Picture6"), Qt::LeftButton, {}, spotOf(pixel));
}

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

  private slots:
    void init() {
        window_ = std::make_unique<ui::Form1>(prompts_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

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
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        state.picture.at(60, 30) = model::kBlue;
        const model::PictureGrid before = state.picture;
        // The font the list starts with: choosing one would apply the size as well.
        const QString font = control<QComboBox>(window, "Combo1")->currentText();
        type(window, "Text1", QStringLiteral("Ahoj"));
        if (!sizeTyped.isEmpty()) {
            type(window, "Combo2", sizeTyped);
        }
        click(window, "Command31");
        click(window, "Command10");

        model::EditorState expected;
        expected.picture = before;
        expected.textY = 1;
        stamps::insertText(expected, {QStringLiteral("Ahoj"), font, sizeUsed});
        QVERIFY(state.picture.usedCellsEqual(expected.picture));
        QVERIFY(!state.picture.usedCellsEqual(before));
        QVERIFY(control(window, "Command11")->isEnabled());
        QCOMPARE(state.canvas.image(), expected.canvas.image());

        click(window, "Command11");
        QVERIFY(state.picture.usedCellsEqual(before));
    }

    void arrowsMoveTheTextAndShowIt_data() {
        QTest::addColumn<QByteArray>("arrow");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("left") << QByteArray("Command15") << -1 << 0;
        QTest::newRow("right") << QByteArray("Command32") << 1 << 0;
        QTest::newRow("up") << QByteArray("Command30") << 0 << -1;
        QTest::newRow("down") << QByteArray("Command31") << 0 << 1;
    }
    void arrowsMoveTheTextAndShowIt() {
        QFETCH(QByteArray, arrow);
        QFETCH(int, x);
        QFETCH(int, y);
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        type(window, "Text1", QStringLiteral("H"));
        type(window, "Combo1", kMono);
        click(window, arrow.constData());
        QCOMPARE(state.textX, x);
        QCOMPARE(state.textY, y);
        // "H" of 8 points at (0, 0) has its left stem in pixel column 1, from row 2 down.
        QCOMPARE(state.textBox.pixel(1 + x, 2 + y), model::kBlackRgb);
        QCOMPARE(state.textBox.pixel(1 + x, 1 + y), state.textBox.background());
        QCOMPARE(state.textBox.pixel(x, 2 + y), state.textBox.background());
        QVERIFY(allWhite(state.picture));
        QVERIFY(!state.undoAvailable);
    }

    void clearEmptiesTheTextAndItsPlace() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        type(window, "Combo1", kMono);
        type(window, "Text1", QStringLiteral("H"));
        click(window, "Command32");
        click(window, "Command10");
        const model::PictureGrid stamped = state.picture;
        click(window, "Command8");
        QCOMPARE(control<QLineEdit>(window, "Text1")->text(), QString());
        QCOMPARE(state.textX, 0);
        QVERIFY(boxIsBlank(state.textBox));
        QVERIFY(state.picture.usedCellsEqual(stamped));
        QVERIFY(control(window, "Command11")->isEnabled());
        // The next text starts at the top-left corner: the stem of "H" in pixel column 1.
        type(window, "Text1", QStringLiteral("H"));
        click(window, "Command9");
        QCOMPARE(state.textBox.pixel(1, 2), model::kBlackRgb);
    }

    void fontChosenGoesToBothBoxes() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        type(window, "Combo1", kMono);
        QCOMPARE(state.textBox.font().family(), kMono);
        QCOMPARE(state.preview.font().family(), kMono);
        QVERIFY(boxIsBlank(state.textBox));
    }

    void hedgehogFansOutFromTheClick() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        state.picture.at(8, 8) = model::kGreen;
        const model::PictureGrid before = state.picture;
        moveOverHedgehog(window, {30, 30});
        moveOverHedgehog(window, {2, 2});
        QVERIFY(boxIsBlank(state.hedgehogBox));
        clickHedgehog(window, {2, 2});
        for (const QPoint end : {QPoint(6, 2), QPoint(2, 6), QPoint(6, 6)}) {
            moveOverHedgehog(window, end, Qt::LeftButton);
        }
        clickHedgehog(window, {2, 2});
        moveOverHedgehog(window, {40, 2});  // not drawing: no spine
        click(window, "Command12");
        QCOMPARE(pictureart::art(state.picture, 1, 1, 8, 8), QStringLiteral("........\n"
                                                                            "........\n"
                                                                            "..####..\n"
                                                                            "..##....\n"
                                                                            "..#.#...\n"
                                                                            "..#..#..\n"
                                                                            "........\n"
                                                                            ".......g"));
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QVERIFY(control(window, "Command11")->isEnabled());
        click(window, "Command11");
        QVERIFY(state.picture.usedCellsEqual(before));
    }

    void hedgehogInsertedTwiceLeavesWhite() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        clickHedgehog(window, {0, 0});
        moveOverHedgehog(window, {10, 0}, Qt::LeftButton);
        click(window, "Command12");
        const model::PictureGrid first = state.picture;
        QCOMPARE(pictureart::art(first, 1, 1, 11, 1), QStringLiteral("##########."));
        click(window, "Command12");
        QVERIFY(allWhite(state.picture));
        click(window, "Command11");
        QVERIFY(state.picture.usedCellsEqual(first));
    }

    void eraseWhileDrawingKeepsLaterSpines() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        state.picture.at(100, 50) = model::kRed;
        clickHedgehog(window, {0, 0});
        moveOverHedgehog(window, {0, 3}, Qt::LeftButton);
        // "Ukáž" lays the picture in afresh, "Vymaž" empties the box: drawing goes on.
        click(window, "Command25");
        QCOMPARE(state.hedgehogBox.pixel(0, 1), model::kWhiteRgb);
        QCOMPARE(state.hedgehogBox.pixel(99, 49), (model::Rgb{255, 0, 0}));
        click(window, "Command14");
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QCOMPARE(state.hedgehogDrawing, 1);
        moveOverHedgehog(window, {3, 0}, Qt::LeftButton);
        click(window, "Command12");
        QCOMPARE(pictureart::art(state.picture, 1, 1, 4, 2), QStringLiteral("###.\n...."));
        QCOMPARE(state.picture.at(100, 50), model::kWhite);
    }

    void newClearsTheHedgehogBox() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        clickHedgehog(window, {5, 5});
        moveOverHedgehog(window, {20, 20}, Qt::LeftButton);
        QVERIFY(!boxIsBlank(state.hedgehogBox));
        click(window, "Command3");
        QVERIFY(boxIsBlank(state.hedgehogBox));
        QCOMPARE(state.hedgehogDrawing, 1);
    }

  private:
    ScriptedPrompts prompts_;
    std::unique_ptr<ui::Form1> window_;
};

QTEST_MAIN(TestStampsWindow)
#include "test_stamps_window.moc"
