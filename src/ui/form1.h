#pragma once

#include <QPointF>
#include <QWidget>

#include "ui/editorcontext.h"

class QTimer;

namespace tavrolin::ui {

class CanvasView;
class ContactFrame;
class PictureBoxView;

// The main window: the enlarged canvas, the 1:1 preview and the frames of commands
// around them. It owns the editor's state; each frame handles its own controls.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(Prompts& prompts, QWidget* parent = nullptr);

    EditorContext& context() { return context_; }

  private:
    void Form_Load();
    void Picture1_MouseMove(int buttons, QPointF position);
    void Picture1_Click();
    void Timer1_Timer();
    void clearLinkUnderlinesOverTheirAreas();

    EditorContext context_;
    PictureBoxView* Picture2;  // the 1:1 preview
    CanvasView* Picture1;      // the enlarged canvas
    ContactFrame* Frame3;
    QTimer* Timer1;  // refreshes the preview twice a second
    QTimer* Timer2;  // completes loading a picture file
    QTimer* Timer3;  // completes saving a picture file
};

}  // namespace tavrolin::ui
