#include "ui/dialogs/loadcoloursdialog.h"

#include <QCheckBox>

#include "ui/taborder.h"

namespace tavrolin::ui {

LoadColoursDialog::LoadColoursDialog(QWidget* parent)
    : ColourDialog(parent, "Form2", tr("Ktoré farby načítať?"),
                   tr("Pri otváraní súboru som zistil, že sa jedná o farebný "
                      "obrázok. Zvolte farby, ktoré sa majú otvoriť. Ostatné farby "
                      "sa zobrazia ako biela farba.")) {
    redBox_ = addTick("Check1", tr("červená"));
    blueBox_ = addTick("Check2", tr("modrá"));
    greenBox_ = addTick("Check3", tr("zelená"));
    whiteBox_ = addTick("Check4", tr("biela"));
    orderTabStops(*this);
}

catfile::LoadColours LoadColoursDialog::colours() const {
    return {.red = redBox_->isChecked(),
            .blue = blueBox_->isChecked(),
            .green = greenBox_->isChecked(),
            .white = whiteBox_->isChecked()};
}

}  // namespace tavrolin::ui
