#include "ui/frames/importframe.h"

#include "ui/controls.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

ImportFrame::ImportFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Import obrázka:"), parent) {
    setObjectName(QStringLiteral("Frame4"));
    makeLabel(this, "Label5", QStringLiteral("Tieto farby nahradiť čiernou:"),
              QRect(8, 16, 113, 30), kValueColour);
    Check5 = makeCheckBox(this, "Check5", QStringLiteral("čierna"), QRect(8, 48, 56, 16));
    Check3 = makeCheckBox(this, "Check3", QStringLiteral("zelená"), QRect(64, 48, 60, 16));
    Check1 = makeCheckBox(this, "Check1", QStringLiteral("biela"), QRect(8, 64, 56, 16));
    Check2 = makeCheckBox(this, "Check2", QStringLiteral("modrá"), QRect(64, 64, 60, 16));
    Check4 = makeCheckBox(this, "Check4", QStringLiteral("červená"), QRect(8, 80, 70, 16));
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
