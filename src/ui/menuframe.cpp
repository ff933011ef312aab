#include "ui/menuframe.h"

#include "model/newpicture.h"
#include "ui/controls.h"

namespace tavrolin::ui {

MenuFrame::MenuFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Menu:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame2"));
    Command2 = makeButton(this, "Command2", QStringLiteral("Ulož"), QRect(8, 16, 57, 25));
    Command1 = makeButton(this, "Command1", QStringLiteral("Otvor"), QRect(64, 16, 57, 25));
    Command3 = makeButton(this, "Command3", QStringLiteral("Nový"), QRect(8, 40, 113, 25));
    Command4 =
        makeButton(this, "Command4", QStringLiteral("Exportuj obrázok"), QRect(8, 64, 57, 33));
    Command5 =
        makeButton(this, "Command5", QStringLiteral("Importuj obrázok"), QRect(64, 64, 57, 33));
    connect(Command3, &QPushButton::clicked, this, &MenuFrame::Command3_Click);
}

void MenuFrame::Command3_Click() {
    model::newPicture(context_.state);
    context_.changed();
}

}  // namespace tavrolin::ui
