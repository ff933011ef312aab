#include "ui/frames/importframe.h"

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

ImportFrame::ImportFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Import obrázka:"), parent) {
    setObjectName(QStringLiteral("Frame4"));
    makeLabel(this, "Label5", tr("Tieto farby nahradiť čiernou:"), QRect(8, 16, 113, 30),
              kValueColour);
    blackBox_ = makeCheckBox(this, "Check5", tr("čierna"), QRect(8, 48, 56, 16));
    greenBox_ = makeCheckBox(this, "Check3", tr("zelená"), QRect(64, 48, 60, 16));
    whiteBox_ = makeCheckBox(this, "Check1", tr("biela"), QRect(8, 64, 56, 16));
    blueBox_ = makeCheckBox(this, "Check2", tr("modrá"), QRect(64, 64, 60, 16));
    redBox_ = makeCheckBox(this, "Check4", tr("červená"), QRect(8, 80, 70, 16));
    auto* importBoxView = new PictureBoxView(context.state.importBox, 0, this);
    importBoxView->setObjectName(QStringLiteral("pomocnaobr"));
    importBoxView->move(0, 104);
    namePicture(*importBoxView, tr("Importovaný obrázok"));
    clearLinkUnderlinesOver({importBoxView});
}

exchange::ImportColours ImportFrame::importColours() const {
    return {.white = whiteBox_->isChecked(),
            .blue = blueBox_->isChecked(),
            .green = greenBox_->isChecked(),
            .red = redBox_->isChecked(),
            .black = blackBox_->isChecked()};
}

}  // namespace tavrolin::ui
