#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tavrolin::ui {

// A flat bar of one colour: a swatch to click, or the indicator of the current colour.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT

  public:
    ColourSwatch(const QColor& colour, QWidget* parent);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

}  // namespace tavrolin::ui
