#pragma once

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <map>
#include <memory>

#include "model/canvas.h"
#include "pictureart.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "ui/mainwindow.h"
#include "ui/views/colourswatch.h"

// Drives the editor's main window as a user does, by rows of steps, and checks what it
// shows: controls found by object name, clicks, typing, pointer moves with buttons held.
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

inline QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

inline QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// The main window, shown and with the pointer off the canvas. Canvas pointer actions
// go through the top-level window, so a press on the canvas grabs the pointer and
// later moves outside the canvas still reach it.
class MainWindow {
  public:
    QString folder;  // where the files named in steps are

    bool open(ScriptedPrompts& prompts) {
        prompts_ = &prompts;
        window_ = std::make_unique<tavrolin::ui::MainWindow>(prompts);
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) {
            return false;
        }
        park();
        return true;
    }
    // Every handler leaves the canvas showing the picture.
    void close() {
        QCOMPARE(state().canvas.image(), pictureart::repainted(state()));
        window_.reset();
    }

    tavrolin::ui::MainWindow& window() { return *window_; }
    tavrolin::model::EditorState& state() { return window_->context().state; }
    template <typename Control = QWidget>
    Control* control(QAnyStringView name) {
        return windowdriver::control<Control>(*window_, name);
    }

    // Runs steps separated by '|', each a word and its arguments; cells are "x,y", rows of
    // cells are split by '/', files are in `folder`. A user's steps:
    //   click [WHERE.]NAME (WHERE a dialog or frame), hover NAME, focus NAME, act NAME (a
    //   reader's press), type NAME TEXT, choose NAME ENTRY, key KEYS, tick WHERE BITS
    //   (Check1 the lowest bit), close DIALOG (by its frame), stop TIMER
    //   cell|move|press|release X,Y, drag X,Y X,Y ..., dab X,Y (one pen cell) on the
    //   canvas; hmove|hdrag|hclick|hrelease X,Y on the hedgehog box (hdrag: held)
    //   answer FILE ("-" cancels), pick N, number N, reply save|discard|cancel: the next
    //   file dialog, picture list, picture-number dialog, question before closing; open FILE, drop
    //   FILE|URL ...: from outside; draw X,Y ROWS: cells put into the picture as if drawn; settled:
    //   files done with
    // What the window shows: art X,Y ROWS; is NAME=VALUE ... (see value()); label|tip|
    // spoken NAME TEXT (a reader's description, or the name without one); focused NAME;
    // shown DIALOG 0|1; ticked WHERE BITS; said TEXT (in the latest message, "@" the
    // folder; "-": no message); asked N [TITLE] (file dialogs so far, the latest's title);
    // offered A/B (the latest picture list); same FILE FILE
    void run(const QString& steps) {
        for (const QString& step : steps.split(u'|', Qt::SkipEmptyParts)) {
            const QString trimmed = step.trimmed();
            const QString word = trimmed.section(u' ', 0, 0);
            const QString rest = trimmed.section(u' ', 1);
            const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
            const QString text = rest.section(u' ', 1);  // after a control's name
            if (word == u"click") {
                QWidget* button = rest.contains(u'.')
                                      ? windowdriver::control(scope(rest.section(u'.', 0, 0)),
                                                              rest.section(u'.', 1))
                                      : control(rest);
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (word == u"cell" || word == u"move" || word == u"press" ||
                       word == u"release") {
                const QPoint to = cell(cellOf(rest));
                move(to);
                if (word != u"move") {
                    QTest::mouseEvent(word == u"cell"    ? QTest::MouseClick
                                      : word == u"press" ? QTest::MousePress
                                                         : QTest::MouseRelease,
                                      window_->windowHandle(), Qt::LeftButton, {}, to);
                }
            } else if (word == u"drag" || word == u"dab") {
                // A dab is a press and a short drag inside one cell.
                QList<QPoint> path;
                for (const QString& arg : args) {
                    path << cell(cellOf(arg));
                }
                if (word == u"dab") {
                    path << path.first() + QPoint(1, 1);
                }
                move(path.first());
                QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, path.first());
                for (QPoint to : path) {
                    move(to);
                }
                QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, path.last());
                park();
            } else if (word == u"hmove" || word == u"hdrag" || word == u"hclick" ||
                       word == u"hrelease") {
                // The hedgehog box shows its pixels inside a one-pixel border.
                QWidget* box = control(u"Picture6");
                const QPoint pixel = cellOf(rest) + QPoint(1, 1);
                if (word == u"hclick" || word == u"hrelease") {
                    QTest::mouseEvent(word == u"hclick" ? QTest::MouseClick : QTest::MouseRelease,
                                      box, Qt::LeftButton, {}, pixel);
                } else {
                    moveOver(box, pixel, word == u"hdrag" ? Qt::LeftButton : Qt::NoButton);
                }
            } else if (word == u"hover") {
                QWidget* area = control(rest);
                moveOver(area, qobject_cast<QGroupBox*>(area) ? QPoint(2, area->height() - 3)
                                                              : area->rect().center());
            } else if (word == u"type") {
                // Any letter, as an input method gives it.
                auto* list = qobject_cast<QComboBox*>(control(args[0]));
                QLineEdit* edit = list ? list->lineEdit() : control<QLineEdit>(args[0]);
                edit->selectAll();
                for (const QChar letter : text) {
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), {});
                }
            } else if (word == u"choose") {
                auto* list = control<QComboBox>(args[0]);
                QVERIFY2(list->findText(text) >= 0, qPrintable(text));
                list->setCurrentIndex(list->findText(text));
            } else if (word == u"key") {
                const QKeyCombination keys = QKeySequence(rest)[0];
                QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
            } else if (word == u"focus") {
                control(rest)->setFocus();
            } else if (word == u"tick" || word == u"ticked") {
                QWidget& boxes = scope(args[0]);
                int ticks = 0;
                for (int i = 0; auto* box = boxes.findChild<QCheckBox*>(u"Check%1"_s.arg(i + 1));
                     ++i) {
                    if (word == u"tick") {
                        box->setChecked((args[1].toInt() >> i & 1) != 0);
                    }
                    ticks |= box->isChecked() ? 1 << i : 0;
                }
                QCOMPARE(ticks, args[1].toInt());
            } else if (word == u"close") {
                scope(rest).close();
            } else if (word == u"act") {
                QAccessibleActionInterface* actions = accessible(control(rest))->actionInterface();
                QCOMPARE(actions->actionNames().value(0),
                         QAccessibleActionInterface::pressAction());
                actions->doAction(QAccessibleActionInterface::pressAction());
            } else if (word == u"answer") {
                prompts_->fileNames << (rest == u"-" ? QString() : folder + u'/' + rest);
            } else if (word == u"reply") {
                using tavrolin::ui::CloseAnswer;
                prompts_->closeAnswers << (rest == u"save"      ? CloseAnswer::Save
                                           : rest == u"discard" ? CloseAnswer::Discard
                                                                : CloseAnswer::Cancel);
            } else if (word == u"pick" || word == u"number") {
                (word == u"pick" ? prompts_->pictureChoices : prompts_->pictureNumbers)
                    << rest.toInt();
            } else if (word == u"open") {
                window_->openPath(folder + u'/' + rest);
            } else if (word == u"drop") {
                QList<QUrl> urls;
                for (const QString& arg : args) {
                    urls << (arg.contains(u':') ? QUrl(arg)
                                                : QUrl::fromLocalFile(folder + u'/' + arg));
                }
                QMimeData data;
                data.setUrls(urls);
                QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
                QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(window_.get(), &enter);
                QApplication::sendEvent(window_.get(), &drop);
                dropTaken_ = enter.isAccepted() && drop.isAccepted();
                // The file is taken once the drop has ended.
                QCoreApplication::processEvents();
            } else if (word == u"draw") {
                pictureart::draw(state().picture, cellOf(args[0]).x(), cellOf(args[0]).y(),
                                 args[1].split(u'/'));
                tavrolin::model::repaintCanvas(state());
            } else if (word == u"stop") {
                control<QTimer>(rest)->stop();
            } else if (word == u"settled") {
                // Loading and saving a picture file complete on timers.
                QVERIFY(QTest::qWaitFor([this] {
                    return !control<QTimer>(u"Timer2")->isActive() &&
                           !control<QTimer>(u"Timer3")->isActive();
                }));
            } else if (word == u"art") {
                const QPoint from = cellOf(args[0]);
                const QStringList rows = args[1].split(u'/');
                QCOMPARE(pictureart::art(state().picture, from.x(), from.y(),
                                         from.x() + int(rows[0].size()) - 1,
                                         from.y() + int(rows.size()) - 1),
                         rows.join(u'\n'));
            } else if (word == u"is") {
                for (const QString& arg : args) {
                    const QString name = arg.section(u'=', 0, 0);
                    QCOMPARE(u"%1=%2"_s.arg(name).arg(value(name)), arg);
                }
            } else if (word == u"label") {
                QCOMPARE(control<QLabel>(args[0])->text(), text);
            } else if (word == u"tip") {
                QCOMPARE(control(args[0])->toolTip(), text);
            } else if (word == u"spoken") {
                QAccessibleInterface* reader = accessible(control(args[0]));
                const QString description = reader->text(QAccessible::Description);
                QCOMPARE(description.isEmpty() ? reader->text(QAccessible::Name) : description,
                         text);
            } else if (word == u"focused") {
                QTRY_COMPARE(focusName(), rest);
            } else if (word == u"shown") {
                // A window may close from the event loop.
                QTRY_COMPARE(scope(args[0]).isVisible(), args[1] == u"1");
            } else if (word == u"said") {
                const QString latest = prompts_->messages.value(prompts_->messages.size() - 1);
                QVERIFY2(rest == u"-" ? prompts_->messages.isEmpty()
                                      : latest.contains(QString(rest).replace(u'@', folder + u'/')),
                         qPrintable(prompts_->messages.join(u'\n')));
            } else if (word == u"asked") {
                QCOMPARE(int(prompts_->dialogs.size()), args[0].toInt());
                if (args.size() > 1) {
                    QCOMPARE(prompts_->dialogs.back().title, text);
                }
            } else if (word == u"offered") {
                QCOMPARE(prompts_->pictureLists.value(prompts_->pictureLists.size() - 1).join(u'/'),
                         rest);
            } else if (word == u"same") {
                QCOMPARE(fileBytes(folder + u'/' + args[0]), fileBytes(folder + u'/' + args[1]));
            } else {
                QFAIL(qPrintable(u"unknown step: "_s + trimmed));
            }
            if (QTest::currentTestFailed()) {
                qWarning("in step: %s", qPrintable(trimmed));
                return;
            }
        }
    }

  private:
    static QPoint cellOf(const QString& text) {
        return {text.section(u',', 0, 0).toInt(), text.section(u',', 1).toInt()};
    }
    // A pointer move delivered to the widget itself at `spot`, with `held` buttons down.
    static void moveOver(QWidget* widget, QPoint spot, Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, spot, widget->mapToGlobal(spot), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // A dialog by its object name, or else a control of the main window.
    QWidget& scope(const QString& name) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name) {
                return *window;
            }
        }
        return *control(name);
    }
    // A pixel inside canvas cell (cx, cy) off its grid lines, in the window's coordinates.
    QPoint cell(QPoint at) {
        return control(u"Picture1")->mapTo(window_.get(), QPoint(5 * at.x() - 3, 5 * at.y() - 3));
    }
    void move(QPoint to) { QTest::mouseMove(window_->windowHandle(), to); }
    // Off the canvas: the platform drops a move to where the pointer already is, so an
    // action must not start where the last one ended.
    void park() { move(QPoint(2, 570)); }

    // tool, colour, width, textx, texty: the state; undo, redo: "Naspäť", "Znova" enabled;
    // modified: the title marks unsaved changes; questions: asked before closing; shape: the
    // colour shown; marked: the swatch a reader hears chosen (0 none); marker: the
    // thickness mark's top; links: the underlined links (1 the first, 2 the second);
    // dropped: whether the window took the latest drop.
    int value(const QString& name) {
        const tavrolin::model::EditorState& s = state();
        const QColor shown = control<tavrolin::ui::ColourSwatch>(u"Shape1")->colour();
        int marked = 0;
        for (int i = 5; i >= 1; --i) {
            marked = accessible(control(u"Image%1"_s.arg(i)))->state().checked ? i : marked;
        }
        const auto underlined = [this](const char* link) {
            return control<QLabel>(link)->font().underline() ? 1 : 0;
        };
        const std::map<QString, int> values{
            {u"tool"_s, int(s.currentTool)},
            {u"colour"_s, int(s.currentColor)},
            {u"width"_s, int(s.penWidth)},
            {u"textx"_s, int(s.textX)},
            {u"texty"_s, int(s.textY)},
            {u"undo"_s, int(control(u"Command11")->isEnabled())},
            {u"redo"_s, int(control(u"Command33")->isEnabled())},
            {u"modified"_s, int(window_->isWindowModified())},
            {u"questions"_s, prompts_->closeQuestions},
            {u"shape"_s,
             int(tavrolin::model::colorCodeFromRgb(tavrolin::model::fromQRgb(shown.rgb()))
                     .value_or(-1))},
            {u"marked"_s, marked},
            {u"marker"_s, control(u"Label16")->y()},
            {u"links"_s, underlined("Label11") + 2 * underlined("Label14")},
            {u"dropped"_s, int(dropTaken_)},
        };
        const auto found = values.find(name);
        return found == values.end() ? -999 : found->second;
    }

    ScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<tavrolin::ui::MainWindow> window_;
    bool dropTaken_ = false;
};

}  // namespace windowdriver
