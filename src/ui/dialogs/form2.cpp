#include "ui/dialogs/form2.h"

#include <QCheckBox>

#include "ui/accessibility.h"

namespace tavrolin::ui {

Form2::Form2(QWidget* parent)
    : ColourDialog(parent, "Form2", tr("Ktoré farby načítať?"),
                   tr("Pri otváraní súboru som zistil, že sa jedná o farebný "
                      "obrázok. Zvolte farby, ktoré sa majú otvoriť. Ostatné farby "
                      "sa zobrazia ako biela farba.")) {
    Check1 = addTick("Check1", tr("červená"));
    Check2 = addTick("Check2", tr("modrá"));
    Check3 = addTick("Check3", tr("zelená"));
    Check4 = addTick("Check4", tr("biela"));
    makeAccessible(*this);
}

catfile::LoadColours Form2::colours() const {
    return {.red = Check1->isChecked(),
            .blue = Check2->isChecked(),
            .green = Check3->isChecked(),
            .white = Check4->isChecked()};
}

}  // namespace tavrolin::ui
