#pragma once

#include "catfile/loadcolours.h"
#include "ui/dialogs/colourdialog.h"

namespace tavrolin::ui {

// "Ktoré farby načítať?": which planes of a colour picture file to load.
class Form2 : public ColourDialog {
    Q_OBJECT

  public:
    explicit Form2(QWidget* parent = nullptr);

    catfile::LoadColours colours() const;

  private:
    QCheckBox* Check1;  // "červená", the "Color:1" plane
    QCheckBox* Check2;  // "modrá", "Color:2"
    QCheckBox* Check3;  // "zelená", "Color:3"
    QCheckBox* Check4;  // "biela", "Color:4"
};

}  // namespace tavrolin::ui
