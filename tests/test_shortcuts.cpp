// The main window's keys: each does what its button does, and none fires while a
// text field has the focus.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "scriptedprompts.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestShortcuts : public QObject {
    Q_OBJECT

    model::EditorState& state() { return ui_.state(); }
    QString tool() { return ui_.text("Label18"); }
    void key(int key, int modifiers = 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
    }

  private slots:
    void init() {
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
        QVERIFY(QTest::qWaitForWindowActive(&ui_.window()));
    }
    void cleanup() { ui_.close(); }

    void keysChooseAsTheirButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("before");  // a button clicked first
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("width");
        const QString pen = u"aktívne: pero"_s;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("P") << int(Qt::Key_P) << 0 << "Command27" << pen << 1 << 1;
        QTest::newRow("L") << int(Qt::Key_L) << 0 << "Command26" << u"aktívne: čiara"_s << 1 << 1;
        QTest::newRow("R") << int(Qt::Key_R) << 0 << "Command26" << u"aktívne: obdĺžnik"_s << 1
                           << 1;
        QTest::newRow("C") << int(Qt::Key_C) << 0 << "Command26" << u"aktívne: kruh"_s << 1 << 1;
        QTest::newRow("1") << int(Qt::Key_1) << 0 << "Image4" << pen << 1 << 1;
        QTest::newRow("2") << int(Qt::Key_2) << 0 << "Image1" << pen << 0 << 1;
        QTest::newRow("3") << int(Qt::Key_3) << 0 << "Image1" << pen << 2 << 1;
        QTest::newRow("4") << int(Qt::Key_4) << 0 << "Image1" << pen << 3 << 1;
        QTest::newRow("5") << int(Qt::Key_5) << 0 << "Image1" << pen << 4 << 1;
        QTest::newRow("keypad 3") << int(Qt::Key_3) << keypad << "Image1" << pen << 2 << 1;
        QTest::newRow("+") << int(Qt::Key_Plus) << 0 << "Command6" << pen << 1 << 2;
        QTest::newRow("=") << int(Qt::Key_Equal) << 0 << "Command6" << pen << 1 << 2;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << "Command6" << pen << 1 << 2;
        QTest::newRow("-") << int(Qt::Key_Minus) << 0 << "Command7" << pen << 1 << 1;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << "Command7" << pen << 1 << 1;
    }
    void keysChooseAsTheirButtons() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, before);
        QFETCH(QString, tool);
        QFETCH(int, colour);
        QFETCH(int, width);
        ui_.click(before);
        this->key(key, modifiers);
        QCOMPARE(this->tool(), tool);
        QCOMPARE(int(state().currentColor), colour);
        QCOMPARE(state().penWidth, width);
    }

    void fileKeysAskAsTheirButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("title");
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << u"Otvoriť obrázok"_s;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << u"Uložiť obrázok"_s;
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << u"Exportuj obrázok"_s;
        QTest::newRow("Ctrl+I") << int(Qt::Key_I) << u"Importovať obrázok"_s;
    }
    void fileKeysAskAsTheirButtons() {
        QFETCH(int, key);
        QFETCH(QString, title);
        this->key(key, Qt::ControlModifier);
        QCOMPARE(prompts_.dialogs.size(), std::size_t{1});
        QCOMPARE(prompts_.dialogs[0].title, title);
    }

    // Ctrl+Z does nothing while "Naspäť" is disabled: the pen takes no undo copy.
    void newAndUndoKeys() {
        ui_.click("Image3");
        ui_.dab(9, 9);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state().picture.at(9, 9), model::kRed);
        key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(state().picture.at(9, 9), model::kWhite);
        QVERIFY(ui_.undoEnabled());
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state().picture.at(9, 9), model::kRed);
    }

    // Keys typed into a text field are text, and the window's keys wait.
    void noKeysWhileTyping_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Text1, P") << "Text1" << int(Qt::Key_P) << 0 << "p";
        QTest::newRow("Text1, +") << "Text1" << int(Qt::Key_Plus) << 0 << "+";
        QTest::newRow("Text1, Ctrl+O")
            << "Text1" << int(Qt::Key_O) << int(Qt::ControlModifier) << "";
        QTest::newRow("size list, 3") << "Combo2" << int(Qt::Key_3) << 0 << "3";
        QTest::newRow("size list, -") << "Combo2" << int(Qt::Key_Minus) << 0 << "-";
        QTest::newRow("colour list, L") << "Combo3" << int(Qt::Key_L) << 0 << "l";
        QTest::newRow("colour list, Ctrl+I")
            << "Combo3" << int(Qt::Key_I) << int(Qt::ControlModifier) << "";
    }
    void noKeysWhileTyping() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        ui_.click("Image3");
        ui_.dab(9, 9);
        ui_.click("Command7");
        QWidget* control = ui_.control(field);
        auto* list = qobject_cast<QComboBox*>(control);
        auto* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
        edit->clear();
        control->setFocus();
        this->key(key, modifiers);
        // The size list may complete a typed digit to a size it holds.
        QVERIFY2(typed.isEmpty() ? edit->text().isEmpty() : edit->text().startsWith(typed),
                 qPrintable(edit->text()));
        QCOMPARE(tool(), u"aktívne: pero"_s);
        QCOMPARE(state().currentColor, model::kRed);
        QCOMPARE(state().penWidth, 2);
        QCOMPARE(state().picture.at(9, 9), model::kRed);
        QVERIFY(prompts_.dialogs.empty());
    }

    void tooltipsShowTheKeys_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Nový") << "Command3" << u"Nový (Ctrl+N)"_s;
        QTest::newRow("Naspäť") << "Command11" << u"Naspäť (Ctrl+Z)"_s;
        QTest::newRow("pen") << "Command26" << u"Pero (P)"_s;
        QTest::newRow("green") << "Image5" << u"zelená (5)"_s;
        QTest::newRow("thicker") << "Command7" << u"Hrubšie (+)"_s;
    }
    void tooltipsShowTheKeys() {
        QFETCH(QString, button);
        QFETCH(QString, tooltip);
        QCOMPARE(ui_.control(button)->toolTip(), tooltip);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
