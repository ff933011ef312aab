#pragma once

#include <QPushButton>

namespace tavrolin::ui {

// A push button whose caption wraps onto more lines when the button is narrow,
// as "Exportuj obrázok" does; an icon, if any, stands left of the caption. A caption
// that still does not fit, as a translation may be longer, is drawn in narrower letters.
class CaptionButton : public QPushButton {
    Q_OBJECT

  public:
    CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The room the caption has, beside the icon if there is one.
    QRect captionArea() const;
    void narrowCaptionToFit();
};

}  // namespace tavrolin::ui
