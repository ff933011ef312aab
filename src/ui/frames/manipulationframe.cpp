#include "ui/frames/manipulationframe.h"

#include "ops/flips.h"
#include "ops/undo.h"
#include "ui/controls.h"
#include "ui/icons.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

ManipulationFrame::ManipulationFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Manipulácia s obrázkom:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame9"));
    auto* Command13 = makeButton(this, "Command13", tr("Preklop vodorovne"), QRect(8, 16, 81, 33));
    auto* Command24 = makeButton(this, "Command24", tr("Preklop zvislo"), QRect(88, 16, 81, 33));
    Command11 = makeButton(this, "Command11", tr("Naspäť"), QRect(168, 16, 81, 33));
    Command11->setIcon(QIcon(icons::undoArrow()));
    Command11->setIconSize(QSize(24, 23));
    Command11->setEnabled(false);
    clickOnKeys(*Command11, {Qt::CTRL | Qt::Key_Z});
    clearLinkUnderlinesOver({this, Command11});
    connect(Command13, &QPushButton::clicked, this, &ManipulationFrame::Command13_Click);
    connect(Command24, &QPushButton::clicked, this, &ManipulationFrame::Command24_Click);
    connect(Command11, &QPushButton::clicked, this, &ManipulationFrame::Command11_Click);
    connect(&context_, &EditorContext::stateChanged, this, &ManipulationFrame::reflect);
}

void ManipulationFrame::Command13_Click() {
    ops::flipHorizontally(context_.state);
    context_.changed();
}

void ManipulationFrame::Command24_Click() {
    ops::flipVertically(context_.state);
    context_.changed();
}

void ManipulationFrame::Command11_Click() {
    ops::undoLastOperation(context_.state);
    context_.changed();
}

void ManipulationFrame::reflect() {
    Command11->setEnabled(context_.state.undoAvailable);
}

}  // namespace tavrolin::ui
