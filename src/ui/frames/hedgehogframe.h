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
    void hedgehogBoxClicked();
    void hedgehogBoxPointerMoved(int buttons, QPointF position);
    void showHedgehog();
    void eraseHedgehog();
    void insertHedgehog();

    EditorContext& context_;
};

}  // namespace tavrolin::ui
