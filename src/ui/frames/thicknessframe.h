#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QLabel;
class QPushButton;

namespace tavrolin::ui {

// "Hrúbka:": the pen's thickness, 1 to 3 cells, with the marker at its sample line.
class ThicknessFrame : public QGroupBox {
    Q_OBJECT

  public:
    ThicknessFrame(EditorContext& context, QWidget* parent);

  private:
    void thinner();
    void thicker();
    void reflect();

    EditorContext& context_;
    QLabel* marker_;  // "Label16", ">" beside the current thickness
};

}  // namespace tavrolin::ui
