#pragma once

#include "model/editorstate.h"
#include "ui/views/canvasscaler.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

// The enlarged canvas, with the blue rubber band of the shape in progress drawn over
// the picture (it never becomes part of it).
class CanvasView : public PictureBoxView {
    Q_OBJECT

  public:
    CanvasView(model::EditorState& state, QWidget* parent);

  protected:
    void paintImage(QPainter& painter, const QRect& area) override;
    void paintOverlay(QPainter& painter) override;

  private:
    model::EditorState& state_;
    CanvasScaler scaler_;
};

}  // namespace tavrolin::ui
