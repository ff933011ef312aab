#pragma once

#include <QPointF>
#include <QWidget>

#include "model/picturebox.h"

namespace tavrolin::ui {

// Shows a picture box 1:1 inside an optional one-pixel border and reports the pointer
// in the box's own pixels. Scaled screens show the pixels as sharp squares.
class PictureBoxView : public QWidget {
    Q_OBJECT

  public:
    PictureBoxView(model::PictureBox& box, int border, QWidget* parent);

    model::PictureBox& box() { return box_; }

  signals:
    // Buttons held as a mask of tools::MouseButton.
    void mouseMoved(int buttons, QPointF position);
    // A left-button press and release on the box.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QRect drawingArea() const;
    // Draws `area` of the box (in its own pixels), the painter at the box's top left.
    virtual void paintImage(QPainter& painter, const QRect& area);
    virtual void paintOverlay(QPainter&) {}

  private:
    model::PictureBox& box_;
    int border_;
    bool leftPressedHere_ = false;
};

}  // namespace tavrolin::ui
