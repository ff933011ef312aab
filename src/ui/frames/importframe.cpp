#include "ui/frames/importframe.h"

#include "ui/controls.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

ImportFrame::ImportFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Import obrázka:"), parent) {
    setObjectName(QStringLiteral("Frame4"));
    makeLabel(this, "Label5", tr("Tieto farby nahradiť čiernou:"), QRect(8, 16, 113, 30),
              kValueColour);
    Check5 = makeCheckBox(this, "Check5", tr("čierna"), QRect(8, 48, 56, 16));
    Check3 = makeCheckBox(this, "Check3", tr("zelená"), QRect(64, 48, 60, 16));
    Check1 = makeCheckBox(this, "Check1", tr("biela"), QRect(8, 64, 56, 16));
    Check2 = makeCheckBox(this, "Check2", tr("modrá"), QRect(64, 64, 60, 16));
    Check4 = makeCheckBox(this, "Check4", tr("červená"), QRect(8, 80, 70, 16));
    auto* pomocnaobr = new PictureBoxView(context.state.importBox, 0, this);
    pomocnaobr->setObjectName(QStringLiteral("pomocnaobr"));
    pomocnaobr->move(0, 104);
    clearLinkUnderlinesOver({pomocnaobr});
}

exchange::ImportColours ImportFrame::importColours() const {
    return {.white = Check1->isChecked(),
            .blue = Check2->isChecked(),
            .green = Check3->isChecked(),
            .red = Check4->isChecked(),
            .black = Check5->isChecked()};
}

}  // namespace tavrolin::ui
