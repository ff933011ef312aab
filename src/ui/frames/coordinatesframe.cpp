#include "ui/frames/coordinatesframe.h"

#include "ui/controls.h"

namespace tavrolin::ui {

CoordinatesFrame::CoordinatesFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Súradnice:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame1"));
    makeLabel(this, "Label1", QStringLiteral("X:"), QRect(8, 18, 16, 16));
    columnValue_ =
        makeLabel(this, "Label3", QStringLiteral("0"), QRect(24, 18, 36, 16), kValueColour);
    makeLabel(this, "Label2", QStringLiteral("Y:"), QRect(64, 18, 16, 16));
    rowValue_ = makeLabel(this, "Label4", QStringLiteral("0"), QRect(80, 18, 36, 16), kValueColour);
    // Each value is its label's name, so a reader reads it; the description says what it is.
    columnValue_->setAccessibleDescription(tr("stĺpec"));
    rowValue_->setAccessibleDescription(tr("riadok"));
    connect(&context_, &EditorContext::stateChanged, this, &CoordinatesFrame::reflect);
}

void CoordinatesFrame::reflect() {
    columnValue_->setText(QString::number(context_.state.pointerCellX));
    rowValue_->setText(QString::number(context_.state.pointerCellY));
}

}  // namespace tavrolin::ui
