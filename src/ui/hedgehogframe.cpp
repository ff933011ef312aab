#include "ui/hedgehogframe.h"

#include "ui/controls.h"
#include "ui/pictureboxview.h"

namespace tavrolin::ui {

HedgehogFrame::HedgehogFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Ježko:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame11"));
    Picture6 = new PictureBoxView(context_.state.hedgehogBox, 1, this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->move(7, 16);
    Picture6->setCursor(Qt::CrossCursor);
    makeLabel(this, "Label17", QStringLiteral("(klikni a ťahaj)"), QRect(8, 84, 129, 16));
    Command25 = makeButton(this, "Command25", QStringLiteral("Ukáž"), QRect(8, 104, 41, 25));
    Command14 = makeButton(this, "Command14", QStringLiteral("Vymaž"), QRect(52, 104, 41, 25));
    Command12 = makeButton(this, "Command12", QStringLiteral("Vlož"), QRect(96, 104, 41, 25));
}

}  // namespace tavrolin::ui
