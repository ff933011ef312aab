#pragma once

#include "catfile/loadcolours.h"
#include "ui/dialogs/colourdialog.h"

namespace tavrolin::ui {

// "Ktoré farby načítať?": which planes of a colour picture file to load.
class LoadColoursDialog : public ColourDialog {
    Q_OBJECT

  public:
    explicit LoadColoursDialog(QWidget* parent = nullptr);

    catfile::LoadColours colours() const;

  private:
    QCheckBox* redBox_;    // "Check1" "červená", the "Color:1" plane
    QCheckBox* blueBox_;   // "Check2" "modrá", "Color:2"
    QCheckBox* greenBox_;  // "Check3" "zelená", "Color:3"
    QCheckBox* whiteBox_;  // "Check4" "biela", "Color:4"
};

}  // namespace tavrolin::ui
