#include "ui/manipulationframe.h"

#include "ui/controls.h"
#include "ui/icons.h"

namespace tavrolin::ui {

ManipulationFrame::ManipulationFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Manipulácia s obrázkom:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame9"));
    Command13 =
        makeButton(this, "Command13", QStringLiteral("Preklop vodorovne"), QRect(8, 16, 81, 33));
    Command24 =
        makeButton(this, "Command24", QStringLiteral("Preklop zvislo"), QRect(88, 16, 81, 33));
    Command11 = makeButton(this, "Command11", QStringLiteral("Naspäť"), QRect(168, 16, 81, 33));
    Command11->setIcon(QIcon(icons::undoArrow()));
    Command11->setIconSize(QSize(24, 23));
    Command11->setEnabled(false);
    connect(&context_, &EditorContext::stateChanged, this, &ManipulationFrame::reflect);
}

void ManipulationFrame::reflect() {
    Command11->setEnabled(context_.state.undoAvailable);
}

}  // namespace tavrolin::ui
