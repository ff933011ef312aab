#pragma once

#include "catfile/savecolours.h"
#include "ui/dialogs/colourdialog.h"

namespace tavrolin::ui {

// "V akej farbe uložiť obrázok?": which colours a colour picture file carries.
class Form3 : public ColourDialog {
    Q_OBJECT

  public:
    explicit Form3(QWidget* parent = nullptr);

    catfile::SaveColours colours() const;

  private:
    QCheckBox* Check1;  // "červená", sheet "Color:1"
    QCheckBox* Check2;  // "modrá", "Color:2"
    QCheckBox* Check3;  // "zelená", "Color:3"
};

}  // namespace tavrolin::ui
