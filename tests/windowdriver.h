#pragma once

#include <QAnyStringView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "model/canvas.h"
#include "scriptedprompts.h"
#include "ui/form1.h"

// Drives the editor's windows as a user does: controls found by object name, clicks,
// typing, pointer moves with buttons held, and what the canvas shows.
namespace windowdriver {

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
    bool isOpen() const { return window_ != nullptr; }

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
    QString text(QAnyStringView label) { return control<QLabel>(label)->text(); }
    bool undoEnabled() { return control(u"Command11")->isEnabled(); }

    // A canvas pixel in the window's coordinates, and a pixel inside cell (cx, cy) off
    // its grid lines.
    QPoint at(int px, int py) { return control(u"Picture1")->mapTo(window_.get(), QPoint(px, py)); }
    QPoint cell(int cx, int cy) { return at(5 * cx - 3, 5 * cy - 3); }
    QRgb canvasPixel(int px, int py) { return state().canvas.image().pixel(px, py); }

    void move(QPoint to) { QTest::mouseMove(window_->windowHandle(), to); }
    void press(QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window_->windowHandle(), button, {}, to);
    }
    void release(QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window_->windowHandle(), button, {}, to);
    }
    void clickAt(QPoint to) { QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, to); }
    void clickCell(int cx, int cy) {
        move(cell(cx, cy));
        clickAt(cell(cx, cy));
    }
    // Press, drag through `path` and release at its end.
    void drag(QPoint from, std::initializer_list<QPoint> path) {
        move(from);
        press(from);
        QPoint last = from;
        for (QPoint to : path) {
            move(last = to);
        }
        release(last);
    }
    // One pen cell: a press and a short drag, then the pointer off the canvas.
    void dab(int cx, int cy) {
        drag(cell(cx, cy), {cell(cx, cy) + QPoint(1, 1)});
        park();
    }
    // Off the canvas: the platform drops a move to where the pointer already is, so an
    // action must not start where the last one ended.
    void park() { move(QPoint(2, 570)); }

    // Loading and saving a picture file complete on timers.
    bool filesSettled() {
        return QTest::qWaitFor([this] {
            return !control<QTimer>(u"Timer2")->isActive() &&
                   !control<QTimer>(u"Timer3")->isActive();
        });
    }
    // What the canvas would show if it were painted afresh from the picture.
    QImage repaintedCanvas() {
        tavrolin::model::EditorState copy = state();
        tavrolin::model::repaintCanvas(copy);
        return copy.canvas.image();
    }

  private:
    std::unique_ptr<tavrolin::ui::Form1> window_;
};

}  // namespace windowdriver
