#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "model/canvas.h"
#include "scriptedprompts.h"
#include "ui/colourswatch.h"
#include "ui/form1.h"
#include "ui/form4.h"

using namespace tavrolin;

namespace {

QRgb canvasPixel(ui::Form1& window, int px, int py) {
    return window.context().state.canvas.image().pixel(px, py);
}

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

// A move over the area's own surface: its centre, or for a frame a spot on its border.
void hover(QWidget* area) {
    const QPoint spot =
        qobject_cast<QGroupBox*>(area) ? QPoint(2, area->height() - 3) : area->rect().center();
    QMouseEvent move(QEvent::MouseMove, spot, area->mapToGlobal(spot), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
}

bool underlined(QWidget& window, const char* name) {
    return control<QLabel>(window, name)->font().underline();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<ui::Form1>(prompts_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void startsEmptyWithThePenInBlack() {
        ui::Form1& window = *window_;
        const model::EditorState& state = window.context().state;
        QCOMPARE(window.size(), QSize(794, 575));
        model::PictureGrid::forEachUsedCell(
            [&](int x, int y) { QCOMPARE(state.picture.at(x, y), model::kWhite); });
        QCOMPARE(canvasPixel(window, 4, 0), qRgb(0, 0, 0));
        QCOMPARE(canvasPixel(window, 0, 0), qRgb(255, 255, 255));
        QCOMPARE(canvasPixel(window, 639, 319), qRgb(255, 255, 255));
        QCOMPARE(state.preview.pixel(64, 32), model::kWhiteRgb);
        QCOMPARE(state.currentColor, model::kBlack);
        QVERIFY(!control(window, "Command11")->isEnabled());
        QCOMPARE(control<QLabel>(window, "Label18")->text(), QStringLiteral("aktívne: pero"));
        QCOMPARE(control(window, "Label16")->y(), 52);
        QVERIFY(control<QRadioButton>(window, "Option1")->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Option2")->isChecked());
        QCOMPARE(control<QComboBox>(window, "Combo3")->currentText(), QStringLiteral("čiernu"));
        QCOMPARE(control<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("8"));
        QCOMPARE(control<QComboBox>(window, "Combo2")->count(), 34);
        QVERIFY(control<QCheckBox>(window, "Check6")->isChecked());
        QCOMPARE(control(window, "Picture1")->geometry(), QRect(144, 8, 640, 320));
        QCOMPARE(control(window, "Picture2")->geometry(), QRect(8, 8, 130, 66));
    }

    void everyScreenFontIsOffered() {
        auto* fonts = control<QComboBox>(*window_, "Combo1");
        QCOMPARE(fonts->count(), QFontDatabase::families().size());
        QCOMPARE(fonts->currentText(), QFontDatabase::families().constFirst());
    }

    void newPictureKeepsTheOldOneForUndo() {
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        state.picture.at(3, 4) = model::kRed;
        click(window, "Image4");
        click(window, "Command3");
        QCOMPARE(state.picture.at(3, 4), model::kWhite);
        QCOMPARE(state.undoPicture.at(3, 4), model::kRed);
        QVERIFY(control(window, "Command11")->isEnabled());
        QCOMPARE(state.currentColor, model::kBlack);
        QCOMPARE(control<ui::ColourSwatch>(window, "Shape1")->colour(), QColor(0, 0, 0));
        QCOMPARE(canvasPixel(window, 10, 15), qRgb(255, 255, 255));
        QCOMPARE(canvasPixel(window, 9, 15), qRgb(0, 0, 0));
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
        ui::Form1& window = *window_;
        if (code == model::kBlack) {
            click(window, "Image3");
        }
        click(window, swatch.toLatin1().constData());
        QCOMPARE(window.context().state.currentColor, code);
        QCOMPARE(QColor(model::toQRgb(window.context().state.canvas.drawingColor())), colour);
        QCOMPARE(control<ui::ColourSwatch>(window, "Shape1")->colour(), colour);
    }

    void thicknessStopsAtItsLimits() {
        ui::Form1& window = *window_;
        click(window, "Command6");
        QCOMPARE(window.context().state.penWidth, 1);
        QCOMPARE(control(window, "Label16")->y(), 52);
        const int tops[] = {69, 89, 89};
        for (int top : tops) {
            click(window, "Command7");
            QCOMPARE(control(window, "Label16")->y(), top);
        }
        QCOMPARE(window.context().state.penWidth, 3);
        click(window, "Command6");
        QCOMPARE(window.context().state.penWidth, 2);
        QCOMPARE(control(window, "Label16")->y(), 69);
    }

    void toolButtonsHideTheOtherOutlines_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("lineHidden");
        QTest::addColumn<bool>("rectangleHidden");
        QTest::addColumn<bool>("circleHidden");
        QTest::newRow("pen") << "Command26" << 1 << "aktívne: pero" << true << true << true;
        QTest::newRow("line") << "Command27" << 2 << "aktívne: čiara" << false << true << true;
        QTest::newRow("rectangle")
            << "Command28" << 3 << "aktívne: obdĺžnik" << true << false << true;
        QTest::newRow("circle") << "Command29" << 4 << "aktívne: kruh" << true << true << false;
    }
    void toolButtonsHideTheOtherOutlines() {
        QFETCH(QString, button);
        QFETCH(int, tool);
        QFETCH(QString, caption);
        QFETCH(bool, lineHidden);
        QFETCH(bool, rectangleHidden);
        QFETCH(bool, circleHidden);
        ui::Form1& window = *window_;
        model::EditorState& state = window.context().state;
        state.pen2 = {10, 20, 30, 40};
        state.pen3 = {10, 20, 30, 40};
        state.pen4 = {10, 20, 30, 40};
        state.rectStarted = 1;
        click(window, button.toLatin1().constData());
        QCOMPARE(state.currentTool, tool);
        QCOMPARE(control<QLabel>(window, "Label18")->text(), caption);
        QCOMPARE(state.pen2.y1 == 500 && state.pen2.y2 == 500, lineHidden);
        QCOMPARE(state.pen2.x1, 10.0f);
        QCOMPARE(state.pen3.top == 500, rectangleHidden);
        QCOMPARE(state.pen4.top == 500, circleHidden);
        QCOMPARE(state.pen3.height, 40.0f);
        QCOMPARE(state.rectStarted, 1);  // a pending shape stays pending
    }

    void calculatorOptionsAreExclusive() {
        auto* mono = control<QRadioButton>(*window_, "Option1");
        auto* colour = control<QRadioButton>(*window_, "Option2");
        click(*window_, "Option2");
        QVERIFY(colour->isChecked() && !mono->isChecked());
        click(*window_, "Option1");
        QVERIFY(mono->isChecked() && !colour->isChecked());
    }

    void linkUnderlineFollowsThePointer() {
        ui::Form1& window = *window_;
        hover(control(window, "Label11"));
        QVERIFY(underlined(window, "Label11"));
        hover(control(window, "Label14"));
        QVERIFY(underlined(window, "Label14"));
        QVERIFY(!underlined(window, "Label11"));
        // The text frame is not one of the areas that clear it.
        hover(control(window, "Frame10"));
        QVERIFY(underlined(window, "Label14"));
        for (const char* area :
             {"Picture1", "Frame5", "pomocnaobr", "Picture6", "Frame3", "Label8"}) {
            hover(control(window, "Label11"));
            hover(control(window, area));
            QVERIFY2(!underlined(window, "Label11"), area);
        }
    }

    void previewFollowsThePictureWithinATick() {
        model::EditorState& state = window_->context().state;
        state.picture.at(1, 1) = model::kGreen;
        QTRY_COMPARE_WITH_TIMEOUT(state.preview.pixel(0, 0), (model::Rgb{0, 128, 0}), 1000);
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
    std::unique_ptr<ui::Form1> window_;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
