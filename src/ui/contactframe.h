#pragma once

#include <QGroupBox>
#include <QUrl>

class QLabel;

namespace tavrolin::ui {

// "Kontakt na autora:": the program's details and two web pages for its users. A link
// is underlined while the pointer is over it, until the pointer reaches the other link
// or one of the areas that clear the underline.
class ContactFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit ContactFrame(QWidget* parent);

    // Pointer moves over this widget remove both underlines.
    void clearUnderlinesOnHover(QWidget* area);
    void resetLinkUnderlines();

    static QUrl firstLink();
    static QUrl secondLink();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Label11_MouseMove();
    void Label14_MouseMove();

    QLabel* Label11;  // first web page
    QLabel* Label14;  // second web page
};

}  // namespace tavrolin::ui
