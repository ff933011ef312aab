#pragma once

#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>

#include "model/canvas.h"
#include "pictureart.h"
#include "scriptedprompts.h"
#include "spokennames.h"
#include "testfiles.h"
#include "ui/mainwindow.h"
#include "ui/views/colourswatch.h"

// Drives the editor's main window as a user does, by rows of steps, and checks what it
// shows: controls found by the names a screen reader gives them, clicks, typing, pointer
// moves with buttons held.
namespace windowdriver {

using namespace Qt::StringLiterals;

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

    // Runs steps separated by '|', each a word and its arguments (the words: README).
    void run(const QString& steps) {
        for (const QString& step : steps.split(u'|', Qt::SkipEmptyParts)) {
            const QString trimmed = step.trimmed();
            const auto handler = stepTable().find(trimmed.section(u' ', 0, 0));
            if (handler == stepTable().end()) {
                QFAIL(qPrintable(u"unknown step: "_s + trimmed));
            }
            handler->second(*this, trimmed.section(u' ', 1));
            if (QTest::currentTestFailed()) {
                qWarning("in step: %s", qPrintable(trimmed));
                return;
            }
        }
    }

  private:
    using Step = std::function<void(MainWindow&, const QString&)>;
    using D = MainWindow;

    // The control the words begin with, and the words after its name.
    Named named(const QString& words) { return windowdriver::named(words, window_.get()); }

    static QPoint cellOf(const QString& text) {
        return {text.section(u',', 0, 0).toInt(), text.section(u',', 1).toInt()};
    }
    // A pointer move delivered to the widget itself at `spot`, with `held` buttons down.
    static void moveOver(QWidget* widget, QPoint spot, Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, spot, widget->mapToGlobal(spot), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // A pixel inside canvas cell (cx, cy) off its grid lines, in the window's coordinates.
    QPoint cell(QPoint at) {
        return control(u"Picture1")
            ->mapTo(window_.get(), QPoint(tavrolin::model::kCellSize * at.x() - 3,
                                          tavrolin::model::kCellSize * at.y() - 3));
    }
    void move(QPoint to) { QTest::mouseMove(window_->windowHandle(), to); }
    // Off the canvas: the platform drops a move to where the pointer already is, so an
    // action must not start where the last one ended.
    void park() { move(QPoint(2, 570)); }

    // A move to a cell of the canvas, then a click, press or release there, if any.
    void pointerAt(const QString& where, std::optional<QTest::MouseAction> action) {
        const QPoint to = cell(cellOf(where));
        move(to);
        if (action) {
            QTest::mouseEvent(*action, window_->windowHandle(), Qt::LeftButton, {}, to);
        }
    }
    // A drag along cells of the canvas; a dab is a press and a short drag inside one cell.
    void drag(const QString& cells, bool dab) {
        QList<QPoint> path;
        for (const QString& at : cells.split(u' ', Qt::SkipEmptyParts)) {
            path << cell(cellOf(at));
        }
        if (dab) {
            path << path.first() + QPoint(1, 1);
        }
        move(path.first());
        QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, path.first());
        for (QPoint to : path) {
            move(to);
        }
        QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, path.last());
        park();
    }
    // The hedgehog box shows its pixels inside a one-pixel border.
    void hedgehog(const QString& pixel, std::optional<QTest::MouseAction> action, bool held) {
        QWidget* box = control(u"Picture6");
        const QPoint at = cellOf(pixel) + QPoint(1, 1);
        if (action) {
            QTest::mouseEvent(*action, box, Qt::LeftButton, {}, at);
        } else {
            moveOver(box, at, held ? Qt::LeftButton : Qt::NoButton);
        }
    }
    // The ticks of a dialog or frame as bits, its first tick the lowest; ticked first if
    // `bits` are to be set.
    void ticks(const QString& where, bool set) {
        const Named boxes = named(where);
        int ticks = 0;
        for (int i = 0; auto* box = boxes.control->findChild<QCheckBox*>(u"Check%1"_s.arg(i + 1));
             ++i) {
            if (set) {
                box->setChecked((boxes.rest.toInt() >> i & 1) != 0);
            }
            ticks |= box->isChecked() ? 1 << i : 0;
        }
        QCOMPARE(ticks, boxes.rest.toInt());
    }
    void type(const QString& words) {
        // Any letter, as an input method gives it.
        const Named field = named(words);
        auto* list = qobject_cast<QComboBox*>(field.control);
        QLineEdit* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(field.control);
        edit->selectAll();
        for (const QChar letter : field.rest) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), {});
        }
    }
    void drop(const QString& files) {
        QList<QUrl> urls;
        for (const QString& file : files.split(u' ', Qt::SkipEmptyParts)) {
            urls << (file.contains(u':') ? QUrl(file) : QUrl::fromLocalFile(folder + u'/' + file));
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
    }
    void art(const QString& words) {
        const QPoint from = cellOf(words.section(u' ', 0, 0));
        const QStringList rows = words.section(u' ', 1).split(u'/');
        QCOMPARE(
            pictureart::art(state().picture, from.x(), from.y(), from.x() + int(rows[0].size()) - 1,
                            from.y() + int(rows.size()) - 1),
            rows.join(u'\n'));
    }
    // The latest message or question holds the text ("@" the folder); "-": there is none.
    void latest(const QStringList& told, const QString& text) const {
        QVERIFY2(
            text == u"-"
                ? told.isEmpty()
                : told.value(told.size() - 1).contains(QString(text).replace(u'@', folder + u'/')),
            qPrintable(told.join(u'\n')));
    }
    void asked(const QString& words) {
        QCOMPARE(int(prompts_->dialogs.size()), words.section(u' ', 0, 0).toInt());
        if (words.contains(u' ')) {
            QCOMPARE(prompts_->dialogs.back().title, words.section(u' ', 1));
        }
    }
    // What `read` gives of the named control against the words after its name.
    template <typename Control, typename Read>
    void reads(const QString& words, Read read) {
        const Named heard = named(words);
        QCOMPARE(std::invoke(read, qobject_cast<Control*>(heard.control)), heard.rest);
    }

    // The steps, by their first word.
    static const std::map<QString, Step>& stepTable();

    // The value an `is` step names (README), -999 for a name it does not know.
    int value(const QString& name) {
        const tavrolin::model::EditorState& s = state();
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
            {u"proposed"_s, prompts_->proposedNumber},
            {u"shape"_s, int(control<tavrolin::ui::ColourSwatch>(u"Shape1")->code())},
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

inline const std::map<QString, MainWindow::Step>& MainWindow::stepTable() {
    static const std::map<QString, Step> table{
        {u"click"_s, [](D& d, auto& w) { QTest::mouseClick(d.named(w).control, Qt::LeftButton); }},
        {u"cell"_s, [](D& d, auto& w) { d.pointerAt(w, QTest::MouseClick); }},
        {u"move"_s, [](D& d, auto& w) { d.pointerAt(w, std::nullopt); }},
        {u"press"_s, [](D& d, auto& w) { d.pointerAt(w, QTest::MousePress); }},
        {u"release"_s, [](D& d, auto& w) { d.pointerAt(w, QTest::MouseRelease); }},
        {u"drag"_s, [](D& d, auto& w) { d.drag(w, false); }},
        {u"dab"_s, [](D& d, auto& w) { d.drag(w, true); }},
        {u"hmove"_s, [](D& d, auto& w) { d.hedgehog(w, std::nullopt, false); }},
        {u"hdrag"_s, [](D& d, auto& w) { d.hedgehog(w, std::nullopt, true); }},
        {u"hclick"_s, [](D& d, auto& w) { d.hedgehog(w, QTest::MouseClick, false); }},
        {u"hrelease"_s, [](D& d, auto& w) { d.hedgehog(w, QTest::MouseRelease, false); }},
        {u"hover"_s,
         [](D& d, auto& w) {
             QWidget* area = d.named(w).control;
             moveOver(area, qobject_cast<QGroupBox*>(area) ? QPoint(2, area->height() - 3)
                                                           : area->rect().center());
         }},
        {u"type"_s, [](D& d, auto& w) { d.type(w); }},
        {u"choose"_s,
         [](D& d, auto& w) {
             const Named list = d.named(w);
             auto* box = qobject_cast<QComboBox*>(list.control);
             QVERIFY2(box->findText(list.rest) >= 0, qPrintable(list.rest));
             box->setCurrentIndex(box->findText(list.rest));
         }},
        {u"key"_s,
         [](D&, auto& w) {
             const QKeyCombination keys = QKeySequence(w)[0];
             QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
         }},
        {u"focus"_s, [](D& d, auto& w) { d.named(w).control->setFocus(); }},
        {u"tick"_s, [](D& d, auto& w) { d.ticks(w, true); }},
        {u"ticked"_s, [](D& d, auto& w) { d.ticks(w, false); }},
        {u"close"_s, [](D& d, auto& w) { d.named(w).control->close(); }},
        {u"act"_s,
         [](D& d, auto& w) {
             QAccessibleActionInterface* actions =
                 accessible(d.named(w).control)->actionInterface();
             QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
             actions->doAction(QAccessibleActionInterface::pressAction());
         }},
        {u"answer"_s,
         [](D& d, auto& w) {
             d.prompts_->fileNames << (w == u"-" ? QString() : d.folder + u'/' + w);
         }},
        {u"pick"_s, [](D& d, auto& w) { d.prompts_->pictureChoices << w.toInt(); }},
        {u"number"_s, [](D& d, auto& w) { d.prompts_->pictureNumbers << w.toInt(); }},
        {u"reply"_s,
         [](D& d, auto& w) {
             using tavrolin::ui::CloseAnswer;
             d.prompts_->closeAnswers << (w == u"save"      ? CloseAnswer::Save
                                          : w == u"discard" ? CloseAnswer::Discard
                                                            : CloseAnswer::Cancel);
         }},
        {u"button"_s, [](D& d, auto& w) { d.prompts_->replies << w; }},
        {u"open"_s, [](D& d, auto& w) { d.window_->openPath(d.folder + u'/' + w); }},
        {u"drop"_s, [](D& d, auto& w) { d.drop(w); }},
        {u"draw"_s,
         [](D& d, auto& w) {
             const QPoint at = cellOf(w.section(u' ', 0, 0));
             pictureart::draw(d.state().picture, at.x(), at.y(), w.section(u' ', 1).split(u'/'));
             tavrolin::model::repaintCanvas(d.state());
         }},
        {u"stop"_s, [](D& d, auto& w) { d.control<QTimer>(w)->stop(); }},
        {u"settled"_s,
         [](D& d, auto&) {
             // Loading and saving a picture file complete on timers.
             QVERIFY(QTest::qWaitFor([&d] {
                 return !d.control<QTimer>(u"Timer2")->isActive() &&
                        !d.control<QTimer>(u"Timer3")->isActive();
             }));
         }},
        {u"art"_s, [](D& d, auto& w) { d.art(w); }},
        {u"is"_s,
         [](D& d, auto& w) {
             for (const QString& pair : w.split(u' ', Qt::SkipEmptyParts)) {
                 const QString name = pair.section(u'=', 0, 0);
                 QCOMPARE(u"%1=%2"_s.arg(name).arg(d.value(name)), pair);
             }
         }},
        {u"label"_s, [](D& d, auto& w) { d.reads<QLabel>(w, &QLabel::text); }},
        {u"tip"_s, [](D& d, auto& w) { d.reads<QWidget>(w, &QWidget::toolTip); }},
        {u"spoken"_s, [](D& d, auto& w) { d.reads<QWidget>(w, spokenText); }},
        {u"focused"_s,
         [](D& d, auto& w) {
             QWidget* expected = d.named(w).control;
             QTRY_COMPARE(QApplication::focusWidget(), expected);
         }},
        {u"shown"_s,
         [](D& d, auto& w) {
             const Named shown = d.named(w);
             // A window may close from the event loop.
             QTRY_COMPARE(shown.control->isVisible(), shown.rest == u"1");
         }},
        {u"said"_s, [](D& d, auto& w) { d.latest(d.prompts_->messages, w); }},
        {u"asked"_s, [](D& d, auto& w) { d.asked(w); }},
        {u"asks"_s, [](D& d, auto& w) { d.latest(d.prompts_->questions, w); }},
        {u"offered"_s,
         [](D& d, auto& w) {
             QCOMPARE(
                 d.prompts_->pictureLists.value(d.prompts_->pictureLists.size() - 1).join(u'/'), w);
         }},
        {u"same"_s,
         [](D& d, auto& w) {
             QCOMPARE(fileBytes(d.folder + u'/' + w.section(u' ', 0, 0)),
                      fileBytes(d.folder + u'/' + w.section(u' ', 1)));
         }},
    };
    return table;
}

}  // namespace windowdriver
