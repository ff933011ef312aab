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
    auto* flipHorizontallyButton =
        makeButton(this, "Command13", tr("Preklop vodorovne"), QRect(8, 16, 81, 33));
    auto* flipVerticallyButton =
        makeButton(this, "Command24", tr("Preklop zvislo"), QRect(88, 16, 81, 33));
    undoButton_ = makeButton(this, "Command11", tr("Naspäť"), QRect(168, 16, 81, 33));
    undoButton_->setIcon(QIcon(icons::undoArrow()));
    undoButton_->setIconSize(QSize(24, 23));
    undoButton_->setEnabled(false);
    clickOnKeys(*undoButton_, {Qt::CTRL | Qt::Key_Z});
    // Above "Naspäť", in the frame's caption line, where the window has room left.
    redoButton_ = makeButton(this, "Command33", tr("Znova"), QRect(168, 0, 81, 16));
    redoButton_->setIcon(QIcon(icons::redoArrow()));
    redoButton_->setIconSize(QSize(14, 13));
    redoButton_->setEnabled(false);
    clickOnKeys(*redoButton_, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
    clearLinkUnderlinesOver({this, undoButton_, redoButton_});
    connect(flipHorizontallyButton, &QPushButton::clicked, this,
            &ManipulationFrame::flipHorizontally);
    connect(flipVerticallyButton, &QPushButton::clicked, this, &ManipulationFrame::flipVertically);
    connect(undoButton_, &QPushButton::clicked, this, &ManipulationFrame::undo);
    connect(redoButton_, &QPushButton::clicked, this, &ManipulationFrame::redo);
    connect(&context_, &EditorContext::stateChanged, this, &ManipulationFrame::reflect);
}

void ManipulationFrame::flipHorizontally() {
    ops::flipHorizontally(context_.state);
    context_.changed();
}

void ManipulationFrame::flipVertically() {
    ops::flipVertically(context_.state);
    context_.changed();
}

void ManipulationFrame::undo() {
    ops::undoLastOperation(context_.state);
    context_.changed();
}

void ManipulationFrame::redo() {
    ops::redoUndoneOperation(context_.state);
    context_.changed();
}

void ManipulationFrame::reflect() {
    const model::EditorState& state = context_.state;
    undoButton_->setEnabled(state.undoHistory.canUndo());
    redoButton_->setEnabled(state.undoHistory.canRedo(state.picture));
}

}  // namespace tavrolin::ui
