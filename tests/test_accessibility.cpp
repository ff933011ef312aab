#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/form4.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// Every control a reader can reach below `node` that it could not name: the path of
// object names and its role.
void collectNameless(QAccessibleInterface* node, const QString& path, QStringList& nameless) {
    if (node->state().invisible) {
        return;
    }
    const QString here = path + u'/' + (node->object() ? node->object()->objectName() : u"?"_s);
    if (!node->state().disabled && node->text(QAccessible::Name).trimmed().isEmpty()) {
        nameless << here + u' ' + QString::number(node->role(), 16);
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collectNameless(node->child(i), here, nameless);
    }
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    QWidget& window() { return ui_.window(); }
    QString description(QAnyStringView control) {
        return accessible(ui_.control(control))->text(QAccessible::Description);
    }

  private slots:
    void init() {
        QVERIFY(ui_.open(prompts_));
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void cleanup() { ui_.close(); }

    // Each window is called by its caption, and so is every control in it that a
    // reader reaches.
    void everyControlHasAName_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::newRow("main window")
            << u"Form1"_s << u"Tavrolin v. 2.0 – obrázky pre kalkulačky Casio"_s;
        QTest::newRow("colours to load") << u"Form2"_s << u"Ktoré farby načítať?"_s;
        QTest::newRow("colours to save") << u"Form3"_s << u"V akej farbe uložiť obrázok?"_s;
        QTest::newRow("splash") << u"Form4"_s << u"Tavrolin"_s;
    }
    void everyControlHasAName() {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        std::unique_ptr<QWidget> other;
        if (which == u"Form2") {
            other = std::make_unique<ui::Form2>(&window());
        } else if (which == u"Form3") {
            other = std::make_unique<ui::Form3>(&window());
        } else if (which == u"Form4") {
            other = std::make_unique<ui::Form4>([] {});
        }
        QWidget* shown = other ? other.get() : &window();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(accessible(shown)->text(QAccessible::Name), caption);
        QStringList nameless;
        collectNameless(accessible(shown), QString(), nameless);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", ")));
    }

    // "OK" answers Enter from any of the ticks, the first of which has the focus.
    void enterConfirmsTheColoursToSave() {
        ui::Form3 dialog(&window());
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        dialog.activateWindow();
        QTRY_VERIFY(dialog.isActiveWindow());
        QCOMPARE(focusName(), u"Check1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // "červená" off
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(accepted.size(), 1);
        QVERIFY(!dialog.colours().red && dialog.colours().blue && dialog.colours().green);
    }

    void readersFollowTheDrawingState_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("canvas");
        QTest::addColumn<int>("swatch");  // the one marked chosen, Image1..Image5
        QTest::newRow("start") << u""_s << "nástroj: pero, farba: čierna, hrúbka: 1" << 1;
        QTest::newRow("rectangle, blue, thickest")
            << u"click Command28 | click Image4 | click Command7 | click Command7 | click Command7"_s
            << "nástroj: obdĺžnik, farba: modrá, hrúbka: 3" << 4;
        // A new picture goes back to the black pen without any swatch being clicked.
        QTest::newRow("new picture")
            << u"click Command29 | click Image3 | click Command7 | click Command3"_s
            << "nástroj: pero, farba: čierna, hrúbka: 2" << 1;
    }
    void readersFollowTheDrawingState() {
        QFETCH(QString, steps);
        QFETCH(QString, canvas);
        QFETCH(int, swatch);
        ui_.run(steps);
        QCOMPARE(description("Picture1"), canvas);
        QCOMPARE(accessible(ui_.control("Label16"))->text(QAccessible::Name),
                 u"vybraná hrúbka: "_s + canvas.right(1));
        QCOMPARE(description("Shape1"), canvas.section(u"farba: "_s, 1).section(u',', 0, 0));
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(accessible(ui_.control(u"Image%1"_s.arg(i)))->state().checked, i == swatch);
        }
    }

    // A reader's "press" chooses the colour, as a click does; it does not just move the mark.
    void swatchesAreChosenByTheirAction() {
        QWidget* red = ui_.control("Image3");
        QAccessibleActionInterface* actions = accessible(red)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames().constFirst(), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(ui_.state().currentColor, model::kRed);
        QVERIFY(accessible(red)->state().checked);
        QVERIFY(!accessible(ui_.control("Image1"))->state().checked);
    }

    // Tab reaches every control a user can operate; of a pair of options, the selected
    // one (the arrow keys move between them).
    void everyControlIsReachableFromTheKeyboard() {
        ui_.click("Command3");  // "Naspäť" becomes available
        QSet<QString> reached;
        ui_.control("Command2")->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 100 && !reached.contains(focusName()); ++presses) {
            reached << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* widget : window().findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(widget) ||
                                  qobject_cast<QComboBox*>(widget) ||
                                  (qobject_cast<QLineEdit*>(widget) &&
                                   !qobject_cast<QComboBox*>(widget->parentWidget()));
            auto* option = qobject_cast<QRadioButton*>(widget);
            if (!operable || !widget->isVisible() || !widget->isEnabled() ||
                widget->focusPolicy() == Qt::NoFocus || (option && !option->isChecked())) {
                continue;
            }
            QVERIFY2(reached.contains(widget->objectName()), qPrintable(widget->objectName()));
        }
        QVERIFY(reached.contains(u"Command11"_s));
        ui_.control("Option1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(focusName(), u"Option2"_s);
        QVERIFY(ui_.control<QRadioButton>("Option2")->isChecked());
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
