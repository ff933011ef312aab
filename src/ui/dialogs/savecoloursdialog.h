#pragma once

#include "catfile/savecolours.h"
#include "ui/dialogs/colourdialog.h"

namespace tavrolin::ui {

// "V akej farbe uložiť obrázok?": which colours a colour picture file carries.
class SaveColoursDialog : public ColourDialog {
    Q_OBJECT

  public:
    explicit SaveColoursDialog(QWidget* parent = nullptr);

    catfile::SaveColours colours() const;

  private:
    QCheckBox* redBox_;    // "Check1" "červená", sheet "Color:1"
    QCheckBox* blueBox_;   // "Check2" "modrá", "Color:2"
    QCheckBox* greenBox_;  // "Check3" "zelená", "Color:3"
};

}  // namespace tavrolin::ui
