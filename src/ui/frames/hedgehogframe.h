#pragma once

#include <QGroupBox>
#include <QPointF>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class PictureBoxView;

// "Ježko:": a fan of lines from one point, drawn in its box and stamped into the picture.
class HedgehogFrame : public QGroupBox {
    Q_OBJECT

  public:
    HedgehogFrame(EditorContext& context, QWidget* parent);

  private:
    void Picture6_Click();
    void Picture6_MouseMove(int buttons, QPointF position);
    void Command25_Click();
    void Command14_Click();
    void Command12_Click();

    EditorContext& context_;
};

}  // namespace tavrolin::ui
