#pragma once

#include <QAnyStringView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>

#include "model/canvas.h"
#include "pictureart.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "ui/form1.h"
#include "ui/views/colourswatch.h"

// Drives the editor's windows as a user does: controls found by object name, clicks,
// typing, pointer moves with buttons held, and what the canvas shows.
namespace windowdriver {

using namespace Qt::StringLiterals;

// The control called `name` below `parent`; a missing one stops the test naming it.
template <typename Control = QWidget>
Control* control(const QObject& parent, QAnyStringView name) {
    auto* found = parent.findChild<Control*>(name.toString());
    if (!found) {
        qFatal("no control %s", qPrintable(name.toString()));
    }
    return found;
}

// A top-level window such as a colour dialog, by object name.
template <typename Window = QDialog>
Window& topLevel(QAnyStringView name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name.toString()) {
            if (auto* found = qobject_cast<Window*>(window)) {
                return *found;
            }
        }
    }
    qFatal("no window %s", qPrintable(name.toString()));
}

inline void click(const QObject& parent, QAnyStringView name) {
    QTest::mouseClick(control(parent, name), Qt::LeftButton);
}

// Replaces the text of a line edit or of an editable list by typing.
inline void type(const QObject& parent, QAnyStringView name, const QString& text) {
    QWidget* field = control(parent, name);
    if (auto* list = qobject_cast<QComboBox*>(field)) {
        field = list->lineEdit();
    }
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit) {
        qFatal("%s takes no text", qPrintable(name.toString()));
    }
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A pointer move delivered to the widget itself at `spot`, with `held` buttons down.
inline void moveOver(QWidget* widget, QPoint spot, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, spot, widget->mapToGlobal(spot), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A move over the area's own surface: its centre, or for a frame a spot on its border.
inline void hover(QWidget* area) {
    moveOver(area, qobject_cast<QGroupBox*>(area) ? QPoint(2, area->height() - 3)
                                                  : area->rect().center());
}

// The main window, shown and with the pointer off the canvas. Canvas pointer actions
// go through the top-level window, so a press on the canvas grabs the pointer and
// later moves outside the canvas still reach it.
class MainWindow {
  public:
    bool open(ScriptedPrompts& prompts) {
        prompts_ = &prompts;
        window_ = std::make_unique<tavrolin::ui::Form1>(prompts);
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowExposed(window_.get())) {
            return false;
        }
        park();
        return true;
    }
    void close() { window_.reset(); }

    tavrolin::ui::Form1& window() { return *window_; }
    tavrolin::model::EditorState& state() { return window_->context().state; }

    template <typename Control = QWidget>
    Control* control(QAnyStringView name) {
        return windowdriver::control<Control>(*window_, name);
    }
    void click(QAnyStringView name) { windowdriver::click(*window_, name); }
    void type(QAnyStringView name, const QString& text) {
        windowdriver::type(*window_, name, text);
    }
    void hover(QAnyStringView name) { windowdriver::hover(control(name)); }
    bool undoEnabled() { return control(u"Command11")->isEnabled(); }

    // A pixel inside canvas cell (cx, cy) off its grid lines, in the window's coordinates.
    QPoint cell(QPoint at) {
        return control(u"Picture1")->mapTo(window_.get(), QPoint(5 * at.x() - 3, 5 * at.y() - 3));
    }
    void move(QPoint to) { QTest::mouseMove(window_->windowHandle(), to); }
    void press(QPoint to) { QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, to); }
    void release(QPoint to) {
        QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, to);
    }
    // Press, drag through the cells and release at the last, then the pointer off the canvas.
    void drag(const QList<QPoint>& cells) {
        move(cell(cells.first()));
        press(cell(cells.first()));
        for (QPoint to : cells) {
            move(cell(to));
        }
        release(cell(cells.last()));
        park();
    }
    // Off the canvas: the platform drops a move to where the pointer already is, so an
    // action must not start where the last one ended.
    void park() { move(QPoint(2, 570)); }

    // Runs a scenario: steps separated by '|', each a word and its arguments; cells are
    // "x,y", picture art rows are split by '/'.
    //   click NAME            a control, or DIALOG.NAME in a top-level dialog
    //   cell X,Y              a click on a canvas cell; move, press, release likewise
    //   drag X,Y X,Y ...      press, move through the cells, release
    //   dab X,Y               one pen cell
    //   type NAME TEXT        replaces a field's text by typing
    //   choose NAME TEXT      sets a list's text (typing takes ASCII only)
    //   key KEYS              a key sequence to the focused control ("Ctrl+O", "+")
    //   focus NAME            gives a control the keyboard focus
    //   answer NAME           answers the next file dialog with a file of `folder`
    //   pick N, number N      answers the next picture list, picture-number dialog
    //   offered A/B           expects the latest picture list
    //   same NAME OTHER       expects two files of `folder` to hold the same bytes
    //   tick DIALOG BITS      ticks a dialog's boxes; ticked expects them
    //   close DIALOG          closes a dialog by its frame; shown DIALOG 0|1 expects it
    //   settled               waits until loading and saving are done
    //   said TEXT             expects the latest message to begin so ("-" none)
    //   reason TEXT           expects it to end in "Dôvod: TEXT."
    //   asked N [TITLE]       expects N file dialogs so far, the latest so called
    //   draw X,Y ROWS         puts cells into the picture as if drawn
    //   hmove X,Y             the pointer over a hedgehog pixel; hdrag with the button
    //                         held, hclick a click
    //   art X,Y ROWS          expects the cells from (X, Y)
    //   is NAME=VALUE ...     expects values: tool, colour, width, undo, textx, texty,
    //                         shape (the colour shown), marker (the thickness mark's top)
    //   label NAME TEXT       expects a label's text
    void run(const QString& steps) {
        for (const QString& step : steps.split(u'|', Qt::SkipEmptyParts)) {
            const QString trimmed = step.trimmed();
            if (trimmed.isEmpty()) {
                continue;
            }
            const QString word = trimmed.section(u' ', 0, 0);
            const QString rest = trimmed.section(u' ', 1);
            const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
            if (word == u"click" && rest.contains(u'.')) {
                windowdriver::click(topLevel(rest.section(u'.', 0, 0)), rest.section(u'.', 1));
            } else if (word == u"click") {
                click(rest);
            } else if (word == u"cell") {
                move(cell(cellOf(rest)));
                QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, cell(cellOf(rest)));
            } else if (word == u"move" || word == u"press" || word == u"release") {
                const QPoint to = cell(cellOf(rest));
                word == u"move" ? move(to) : word == u"press" ? press(to) : release(to);
            } else if (word == u"drag") {
                QList<QPoint> path;
                for (const QString& arg : args) {
                    path << cellOf(arg);
                }
                drag(path);
            } else if (word == u"dab") {
                // One pen cell: a press and a short drag.
                const QPoint at = cell(cellOf(rest));
                move(at);
                press(at);
                move(at + QPoint(1, 1));
                release(at + QPoint(1, 1));
                park();
            } else if (word == u"type") {
                type(args.first(), rest.section(u' ', 1));
            } else if (word == u"choose") {
                control<QComboBox>(args.first())->setCurrentText(rest.section(u' ', 1));
            } else if (word == u"key") {
                const QKeyCombination keys = QKeySequence(rest)[0];
                QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
            } else if (word == u"draw") {
                pictureart::draw(state().picture, cellOf(args[0]).x(), cellOf(args[0]).y(),
                                 args[1].split(u'/'));
                tavrolin::model::repaintCanvas(state());
            } else if (word == u"hmove" || word == u"hdrag" || word == u"hclick") {
                // The hedgehog box shows its pixels inside a one-pixel border.
                QWidget* box = control(u"Picture6");
                const QPoint pixel = cellOf(rest) + QPoint(1, 1);
                word == u"hclick"
                    ? QTest::mouseClick(box, Qt::LeftButton, {}, pixel)
                    : moveOver(box, pixel, word == u"hdrag" ? Qt::LeftButton : Qt::NoButton);
            } else if (word == u"answer") {
                // A file of `folder` for the next file dialog; "-" cancels it.
                prompts_->fileNames << (rest == u"-" ? QString() : folder + u'/' + rest);
            } else if (word == u"pick" || word == u"number") {
                (word == u"pick" ? prompts_->pictureChoices : prompts_->pictureNumbers)
                    << rest.toInt();
            } else if (word == u"offered") {
                QCOMPARE(prompts_->pictureLists.value(prompts_->pictureLists.size() - 1).join(u'/'),
                         rest);
            } else if (word == u"same") {
                QCOMPARE(fileBytes(folder + u'/' + args[0]), fileBytes(folder + u'/' + args[1]));
            } else if (word == u"reason") {
                QVERIFY2(prompts_->messages.value(prompts_->messages.size() - 1)
                             .endsWith(u"Dôvod: "_s + rest + u'.'),
                         qPrintable(prompts_->messages.join(u'\n')));
            } else if (word == u"tick" || word == u"ticked") {
                // Check1, Check2, ... of a dialog as the bits of a number from the lowest.
                QDialog& dialog = topLevel(args[0]);
                int ticks = 0;
                for (int i = 0; auto* box = dialog.findChild<QCheckBox*>(u"Check%1"_s.arg(i + 1));
                     ++i) {
                    if (word == u"tick") {
                        box->setChecked((args[1].toInt() >> i & 1) != 0);
                    }
                    ticks |= box->isChecked() ? 1 << i : 0;
                }
                QCOMPARE(ticks, args[1].toInt());
            } else if (word == u"close") {
                topLevel(rest).close();
            } else if (word == u"shown") {
                QCOMPARE(topLevel(args[0]).isVisible(), args[1] == u"1");
            } else if (word == u"settled") {
                // Loading and saving a picture file complete on timers.
                QVERIFY(QTest::qWaitFor([this] {
                    return !control<QTimer>(u"Timer2")->isActive() &&
                           !control<QTimer>(u"Timer3")->isActive();
                }));
            } else if (word == u"said") {
                // The latest message begins so; "-" for none.
                QVERIFY2(
                    rest == u"-"
                        ? prompts_->messages.isEmpty()
                        : prompts_->messages.value(prompts_->messages.size() - 1).startsWith(rest),
                    qPrintable(prompts_->messages.join(u'\n')));
            } else if (word == u"asked") {
                QCOMPARE(int(prompts_->dialogs.size()), args[0].toInt());
                if (args.size() > 1) {
                    QCOMPARE(prompts_->dialogs.back().title, rest.section(u' ', 1));
                }
            } else if (word == u"focus") {
                control(rest)->setFocus();
            } else if (word == u"art") {
                const QPoint from = cellOf(args[0]);
                const QStringList rows = args[1].split(u'/');
                QCOMPARE(pictureart::art(state().picture, from.x(), from.y(),
                                         from.x() + int(rows[0].size()) - 1,
                                         from.y() + int(rows.size()) - 1),
                         rows.join(u'\n'));
            } else if (word == u"is") {
                for (const QString& arg : args) {
                    QCOMPARE(u"%1=%2"_s.arg(arg.section(u'=', 0, 0))
                                 .arg(stateValue(arg.section(u'=', 0, 0))),
                             arg);
                }
            } else if (word == u"label") {
                QCOMPARE(control<QLabel>(args.first())->text(), rest.section(u' ', 1));
            } else {
                QFAIL(qPrintable(u"unknown step: "_s + trimmed));
            }
            if (QTest::currentTestFailed()) {
                qWarning("in step: %s", qPrintable(trimmed));
                return;
            }
        }
    }

    QString folder;  // where `answer` finds its files

  private:
    static QPoint cellOf(const QString& text) {
        return {text.section(u',', 0, 0).toInt(), text.section(u',', 1).toInt()};
    }
    int stateValue(const QString& name) {
        const std::map<QString, std::function<int()>> values{
            {u"tool"_s, [&] { return int(state().currentTool); }},
            {u"colour"_s, [&] { return int(state().currentColor); }},
            {u"width"_s, [&] { return int(state().penWidth); }},
            {u"undo"_s, [&] { return int(undoEnabled()); }},
            {u"textx"_s, [&] { return int(state().textX); }},
            {u"texty"_s, [&] { return int(state().textY); }},
            {u"shape"_s,
             [&] {
                 const QColor shown = control<tavrolin::ui::ColourSwatch>(u"Shape1")->colour();
                 return int(
                     tavrolin::model::colorCodeFromRgb(tavrolin::model::fromQRgb(shown.rgb()))
                         .value_or(-1));
             }},
            {u"marker"_s, [&] { return control(u"Label16")->y(); }},
        };
        const auto found = values.find(name);
        return found == values.end() ? -999 : found->second();
    }

    ScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<tavrolin::ui::Form1> window_;
};

}  // namespace windowdriver
