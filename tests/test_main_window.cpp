#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "ui/dialogs/form4.h"
#include "ui/views/colourswatch.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

bool underlined(windowdriver::MainWindow& ui, const char* name) {
    return ui.control<QLabel>(name)->font().underline();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(ui_.open(prompts_)); }
    void cleanup() { ui_.close(); }

    void startsEmptyWithThePenInBlack() {
        const model::EditorState& state = ui_.state();
        model::PictureGrid::forEachUsedCell(
            [&](int x, int y) { QCOMPARE(state.picture.at(x, y), model::kWhite); });
        QCOMPARE(state.canvas.image(), ui_.repaintedCanvas());
        QCOMPARE(state.preview.pixel(64, 32), model::kWhiteRgb);
        QCOMPARE(state.currentColor, model::kBlack);
        QVERIFY(!ui_.undoEnabled());
        QCOMPARE(ui_.text("Label18"), u"aktívne: pero"_s);
        QCOMPARE(ui_.control("Label16")->y(), 52);
        QVERIFY(ui_.control<QRadioButton>("Option1")->isChecked());
        QCOMPARE(ui_.control<QComboBox>("Combo3")->currentText(), u"čiernu"_s);
        QCOMPARE(ui_.control<QComboBox>("Combo2")->currentText(), u"8"_s);
        QCOMPARE(ui_.control<QComboBox>("Combo2")->count(), 34);
        QVERIFY(ui_.control<QCheckBox>("Check6")->isChecked());
        auto* fonts = ui_.control<QComboBox>("Combo1");
        QCOMPARE(fonts->count(), QFontDatabase::families().size());
        QCOMPARE(fonts->currentText(), QFontDatabase::families().constFirst());
    }

    void newPictureKeepsTheOldOneForUndo() {
        model::EditorState& state = ui_.state();
        state.picture.at(3, 4) = model::kRed;
        ui_.click("Image4");
        ui_.click("Command3");
        QCOMPARE(state.picture.at(3, 4), model::kWhite);
        QCOMPARE(state.undoPicture.at(3, 4), model::kRed);
        QVERIFY(ui_.undoEnabled());
        QCOMPARE(state.currentColor, model::kBlack);
        QCOMPARE(ui_.control<ui::ColourSwatch>("Shape1")->colour(), QColor(0, 0, 0));
        QCOMPARE(ui_.canvasPixel(10, 15), qRgb(255, 255, 255));
        QCOMPARE(ui_.canvasPixel(9, 15), qRgb(0, 0, 0));
    }

    void swatchesSetColourAndIndicator_data() {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<int>("code");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << "Image1" << 1 << QColor(0, 0, 0);
        QTest::newRow("white") << "Image2" << 0 << QColor(255, 255, 255);
        QTest::newRow("red") << "Image3" << 2 << QColor(255, 0, 0);
        QTest::newRow("blue") << "Image4" << 3 << QColor(0, 0, 255);
        QTest::newRow("green") << "Image5" << 4 << QColor(0, 128, 0);
    }
    void swatchesSetColourAndIndicator() {
        QFETCH(QString, swatch);
        QFETCH(int, code);
        QFETCH(QColor, colour);
        if (code == model::kBlack) {
            ui_.click("Image3");
        }
        ui_.click(swatch);
        QCOMPARE(ui_.state().currentColor, code);
        QCOMPARE(QColor(model::toQRgb(ui_.state().canvas.drawingColor())), colour);
        QCOMPARE(ui_.control<ui::ColourSwatch>("Shape1")->colour(), colour);
    }

    void thicknessStopsAtItsLimits() {
        ui_.click("Command6");
        QCOMPARE(ui_.state().penWidth, 1);
        QCOMPARE(ui_.control("Label16")->y(), 52);
        for (int top : {69, 89, 89}) {
            ui_.click("Command7");
            QCOMPARE(ui_.control("Label16")->y(), top);
        }
        QCOMPARE(ui_.state().penWidth, 3);
        ui_.click("Command6");
        QCOMPARE(ui_.state().penWidth, 2);
        QCOMPARE(ui_.control("Label16")->y(), 69);
    }

    void toolButtonsHideTheOtherOutlines_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hidden");  // l(ine), r(ectangle), c(ircle) outlines
        QTest::newRow("pen") << u"Command26"_s << 1 << u"aktívne: pero"_s << u"lrc"_s;
        QTest::newRow("line") << u"Command27"_s << 2 << u"aktívne: čiara"_s << u"rc"_s;
        QTest::newRow("rectangle") << u"Command28"_s << 3 << u"aktívne: obdĺžnik"_s << u"lc"_s;
        QTest::newRow("circle") << u"Command29"_s << 4 << u"aktívne: kruh"_s << u"lr"_s;
    }
    void toolButtonsHideTheOtherOutlines() {
        QFETCH(QString, button);
        QFETCH(int, tool);
        QFETCH(QString, caption);
        QFETCH(QString, hidden);
        model::EditorState& state = ui_.state();
        state.pen2 = {10, 20, 30, 40};
        state.pen3 = {10, 20, 30, 40};
        state.pen4 = {10, 20, 30, 40};
        state.rectStarted = 1;
        ui_.click(button);
        QCOMPARE(state.currentTool, tool);
        QCOMPARE(ui_.text("Label18"), caption);
        QCOMPARE(state.pen2.y1 == 500 && state.pen2.y2 == 500, hidden.contains(u'l'));
        QCOMPARE(state.pen2.x1, 10.0f);
        QCOMPARE(state.pen3.top == 500, hidden.contains(u'r'));
        QCOMPARE(state.pen4.top == 500, hidden.contains(u'c'));
        QCOMPARE(state.pen3.height, 40.0f);
        // A shape begun stays so only while its outline shows.
        QCOMPARE(state.rectStarted, hidden.contains(u'r') ? 0 : 1);
    }

    void calculatorOptionsAreExclusive() {
        auto* mono = ui_.control<QRadioButton>("Option1");
        auto* colour = ui_.control<QRadioButton>("Option2");
        ui_.click("Option2");
        QVERIFY(colour->isChecked() && !mono->isChecked());
        ui_.click("Option1");
        QVERIFY(mono->isChecked() && !colour->isChecked());
    }

    void linkUnderlineFollowsThePointer() {
        ui_.hover("Label11");
        QVERIFY(underlined(ui_, "Label11"));
        ui_.hover("Label14");
        QVERIFY(underlined(ui_, "Label14"));
        QVERIFY(!underlined(ui_, "Label11"));
        // The text frame is not one of the areas that clear it.
        ui_.hover("Frame10");
        QVERIFY(underlined(ui_, "Label14"));
        for (const char* area :
             {"Picture1", "Frame5", "pomocnaobr", "Picture6", "Frame3", "Label8"}) {
            ui_.hover("Label11");
            ui_.hover(area);
            QVERIFY2(!underlined(ui_, "Label11"), area);
        }
    }

    void previewFollowsThePictureWithinATick() {
        ui_.state().picture.at(1, 1) = model::kGreen;
        QTRY_COMPARE_WITH_TIMEOUT(ui_.state().preview.pixel(0, 0), (model::Rgb{0, 128, 0}), 1000);
    }

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
        QCOMPARE(splash->size(), QSize(399, 300));
        if (clickIt) {
            QTest::mouseClick(splash, Qt::LeftButton);
            QCOMPARE(opened, 1);
        } else {
            QTest::qWait(1500);
            QCOMPARE(opened, 0);
        }
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
        QTest::qWait(700);
        QCOMPARE(opened, 1);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
