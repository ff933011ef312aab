#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QLabel;

namespace tavrolin::ui {

// "Súradnice:": the column and row of the cell under the pointer.
class CoordinatesFrame : public QGroupBox {
    Q_OBJECT

  public:
    CoordinatesFrame(EditorContext& context, QWidget* parent);

  private:
    void reflect();

    EditorContext& context_;
    QLabel* columnValue_;  // "Label3"
    QLabel* rowValue_;     // "Label4"
};

}  // namespace tavrolin::ui
