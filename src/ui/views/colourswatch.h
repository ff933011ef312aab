#pragma once

#include <QAbstractButton>

#include "model/picturegrid.h"

namespace tavrolin::ui {

// A flat bar of one palette colour: a swatch to click, or the indicator of the current
// colour.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT

  public:
    ColourSwatch(model::ColorCode code, QWidget* parent);

    model::ColorCode code() const { return code_; }
    void setCode(model::ColorCode code);

    // The colour's name, as a reader says it: "čierna".
    static QString colourName(model::ColorCode code);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    model::ColorCode code_;
};

}  // namespace tavrolin::ui
