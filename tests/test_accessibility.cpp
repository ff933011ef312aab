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

QStringList names(const char* spaced) {
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleText(QWidget* widget, QAccessible::Text text) {
    return accessible(widget)->text(text);
}

// Every control a reader can reach below `node` that it could not name: the path of
// object names and its role.
void collectNameless(QAccessibleInterface* node, const QString& path, QStringList& nameless) {
    const QAccessible::State state = node->state();
    if (state.invisible) {
        return;
    }
    const QString name = node->object() ? node->object()->objectName() : QStringLiteral("?");
    const QString here = path + QLatin1Char('/') + name;
    if (!state.disabled && node->text(QAccessible::Name).trimmed().isEmpty()) {
        nameless << here + QLatin1Char(' ') + QString::number(node->role(), 16);
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collectNameless(node->child(i), here, nameless);
    }
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    QWidget& window() { return ui_.window(); }
    model::EditorState& state() { return ui_.state(); }
    QString readName(QAnyStringView control) {
        return accessibleText(ui_.control(control), QAccessible::Name);
    }
    // The other windows, made as the editor makes them.
    std::unique_ptr<QWidget> otherWindow(const QString& which) {
        if (which == QLatin1String("Form2")) {
            return std::make_unique<ui::Form2>(&window());
        }
        if (which == QLatin1String("Form3")) {
            return std::make_unique<ui::Form3>(&window());
        }
        if (which == QLatin1String("Form4")) {
            return std::make_unique<ui::Form4>([] {});
        }
        return nullptr;
    }
    QString focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // Where the focus goes on each of `presses` Tab presses.
    QStringList tabThrough(qsizetype presses) {
        QStringList reached;
        while (presses-- > 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << focusName();
        }
        return reached;
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
        std::unique_ptr<QWidget> other = otherWindow(which);
        QWidget* shown = other ? other.get() : &window();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(accessibleText(shown, QAccessible::Name), caption);
        QStringList nameless;
        collectNameless(accessible(shown), QString(), nameless);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));
    }

    // The ticks first, row by row, then "OK", which Enter presses from any of them.
    void enterConfirmsTheColoursToSave() {
        ui::Form3 dialog(&window());
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        dialog.activateWindow();
        QTRY_VERIFY(dialog.isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("Check1"));
        QCOMPARE(tabThrough(4), names("Check3 Check2 Command1 Check1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // "červená" off
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(accepted.size(), 1);
        QVERIFY(dialog.isHidden());
        QVERIFY(!dialog.colours().red);
        QVERIFY(dialog.colours().blue && dialog.colours().green);
    }

    void readersFollowTheDrawingState_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("canvas");
        QTest::addColumn<int>("swatch");  // the one marked chosen, Image1..Image5
        QTest::newRow("start") << names("") << "nástroj: pero, farba: čierna, hrúbka: 1" << 1;
        QTest::newRow("line in white")
            << names("Command27 Image2") << "nástroj: čiara, farba: biela, hrúbka: 1" << 2;
        QTest::newRow("rectangle, blue, thickest")
            << names("Command28 Image4 Command7 Command7 Command7")
            << "nástroj: obdĺžnik, farba: modrá, hrúbka: 3" << 4;
        // A new picture goes back to the black pen without any swatch being clicked.
        QTest::newRow("new picture") << names("Command29 Image3 Command7 Command3")
                                     << "nástroj: pero, farba: čierna, hrúbka: 2" << 1;
    }
    void readersFollowTheDrawingState() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, canvas);
        QFETCH(int, swatch);
        for (const QString& name : clicks) {
            ui_.click(name);
        }
        QCOMPARE(accessibleText(ui_.control("Picture1"), QAccessible::Description), canvas);
        QCOMPARE(readName("Label16"), u"vybraná hrúbka: "_s + canvas.right(1));
        const QString colour = canvas.section(QStringLiteral("farba: "), 1).section(u',', 0, 0);
        QCOMPARE(accessibleText(ui_.control("Shape1"), QAccessible::Description), colour);
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
        QCOMPARE(state().currentColor, model::kRed);
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
        QVERIFY(reached.contains(QStringLiteral("Command11")));
        ui_.control("Option1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(focusName(), QStringLiteral("Option2"));
        QVERIFY(ui_.control<QRadioButton>("Option2")->isChecked());
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
