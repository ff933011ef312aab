#include "ui/dialogs/form3.h"

#include <QCheckBox>

#include "ui/accessibility.h"

namespace tavrolin::ui {

Form3::Form3(QWidget* parent)
    : ColourDialog(parent, "Form3", tr("V akej farbe uložiť obrázok?"),
                   tr("Obrázok ukladáte vo formáte pre kalkulačky s farebným "
                      "displejom. V akej farbe (farbách) mám obrázok uložiť?")) {
    Check1 = addTick("Check1", tr("červená"));
    Check2 = addTick("Check2", tr("modrá"));
    Check3 = addTick("Check3", tr("zelená"));
    makeAccessible(*this);
}

catfile::SaveColours Form3::colours() const {
    return {.red = Check1->isChecked(), .blue = Check2->isChecked(), .green = Check3->isChecked()};
}

}  // namespace tavrolin::ui
