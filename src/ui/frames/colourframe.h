#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

namespace tavrolin::ui {

class ColourSwatch;

// "Farba:": the five colour swatches and the indicator of the current colour.
class ColourFrame : public QGroupBox {
    Q_OBJECT

  public:
    ColourFrame(EditorContext& context, QWidget* parent);

  private:
    void chooseColour(model::ColorCode code);
    void reflect();

    EditorContext& context_;
    QList<ColourSwatch*> swatches_;  // "Image1" to "Image5"
    ColourSwatch* indicator_;        // "Shape1", the current colour
};

}  // namespace tavrolin::ui
