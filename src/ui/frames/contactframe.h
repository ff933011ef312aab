#pragma once

#include <QGroupBox>
#include <QSet>

class QLabel;
class QMouseEvent;

namespace tavrolin::ui {

class Prompts;

// "Kontakt na autora:": the program's name, version and licence, and links to its own
// documents on this computer: the guide, in the window's language, and the licence text. A link is
// underlined while the pointer is over it, until the pointer reaches the other link or
// one of the areas that clear the underline.
class ContactFrame : public QGroupBox {
    Q_OBJECT

  public:
    // A document that no program opens is reported through prompts.
    ContactFrame(Prompts& prompts, QWidget* parent);

    // Pointer moves over this widget remove both underlines.
    void clearUnderlinesOnHover(QWidget* area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resetLinkUnderlines();
    bool pointerIsOnAreaItself(QObject* watched, const QMouseEvent* event) const;
    void guideHovered();
    void licenceHovered();

    QLabel* guideLink_;    // "Label11"
    QLabel* licenceLink_;  // "Label14"
    QSet<const QObject*> areas_;
};

}  // namespace tavrolin::ui
