#pragma once

#include <QPushButton>

namespace tavrolin::ui {

// A push button whose caption wraps onto more lines when the button is narrow,
// as "Exportuj obrázok" does; an icon, if any, stands left of the caption.
class CaptionButton : public QPushButton {
    Q_OBJECT

  public:
    CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavrolin::ui
