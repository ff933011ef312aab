#include "ui/dialogs/savecoloursdialog.h"

#include <QCheckBox>

#include "ui/taborder.h"

namespace tavrolin::ui {

SaveColoursDialog::SaveColoursDialog(QWidget* parent)
    : ColourDialog(parent, "Form3", tr("V akej farbe uložiť obrázok?"),
                   tr("Obrázok ukladáte vo formáte pre kalkulačky s farebným "
                      "displejom. V akej farbe (farbách) mám obrázok uložiť?")) {
    redBox_ = addTick("Check1", tr("červená"));
    blueBox_ = addTick("Check2", tr("modrá"));
    greenBox_ = addTick("Check3", tr("zelená"));
    orderTabStops(*this);
}

catfile::SaveColours SaveColoursDialog::colours() const {
    return {.red = redBox_->isChecked(),
            .blue = blueBox_->isChecked(),
            .green = greenBox_->isChecked()};
}

}  // namespace tavrolin::ui
