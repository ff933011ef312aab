#include "ui/dialogs/form2.h"

#include <QCheckBox>

#include "ui/accessibility.h"

namespace tavrolin::ui {

Form2::Form2(QWidget* parent)
    : ColourDialog(parent, "Form2", QStringLiteral("Ktoré farby načítať?"),
                   QStringLiteral("Pri otváraní súboru som zistil, že sa jedná o farebný "
                                  "obrázok. Zvolte farby, ktoré sa majú otvoriť. Ostatné farby "
                                  "sa zobrazia ako biela farba.")) {
    Check1 = addTick("Check1", QStringLiteral("červená"));
    Check2 = addTick("Check2", QStringLiteral("modrá"));
    Check3 = addTick("Check3", QStringLiteral("zelená"));
    Check4 = addTick("Check4", QStringLiteral("biela"));
    makeAccessible(*this);
}

catfile::LoadColours Form2::colours() const {
    return {.red = Check1->isChecked(),
            .blue = Check2->isChecked(),
            .green = Check3->isChecked(),
            .white = Check4->isChecked()};
}

}  // namespace tavrolin::ui
