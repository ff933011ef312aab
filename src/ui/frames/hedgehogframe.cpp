#include "ui/frames/hedgehogframe.h"

#include "stamps/hedgehogstamp.h"
#include "ui/controls.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

HedgehogFrame::HedgehogFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Ježko:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame11"));
    auto* Picture6 = new PictureBoxView(context_.state.hedgehogBox, 1, this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->move(7, 16);
    Picture6->setCursor(Qt::CrossCursor);
    QLabel* hint = makeLabel(this, "Label17", tr("(klikni a ťahaj)"), QRect(8, 84, 129, 16));
    auto* Command25 = makeButton(this, "Command25", tr("Ukáž"), QRect(8, 104, 41, 25));
    auto* Command14 = makeButton(this, "Command14", tr("Vymaž"), QRect(52, 104, 41, 25));
    auto* Command12 = makeButton(this, "Command12", tr("Vlož"), QRect(96, 104, 41, 25));
    clearLinkUnderlinesOver({this, Picture6, hint, Command25, Command14, Command12});

    connect(Picture6, &PictureBoxView::clicked, this, &HedgehogFrame::Picture6_Click);
    connect(Picture6, &PictureBoxView::mouseMoved, this, &HedgehogFrame::Picture6_MouseMove);
    connect(Command25, &QPushButton::clicked, this, &HedgehogFrame::Command25_Click);
    connect(Command14, &QPushButton::clicked, this, &HedgehogFrame::Command14_Click);
    connect(Command12, &QPushButton::clicked, this, &HedgehogFrame::Command12_Click);
}

void HedgehogFrame::Picture6_Click() {
    stamps::toggleHedgehog(context_.state);
    context_.changed();
}

// The buttons held make no difference: the anchor follows the pointer, or a spine is
// drawn, either way. The link underlines are cleared by the window for this box.
void HedgehogFrame::Picture6_MouseMove(int, QPointF position) {
    stamps::trackHedgehog(context_.state, float(position.x()), float(position.y()));
    context_.changed();
}

void HedgehogFrame::Command25_Click() {
    stamps::showHedgehogPicture(context_.state);
    context_.changed();
}

void HedgehogFrame::Command14_Click() {
    stamps::eraseHedgehog(context_.state);
    context_.changed();
}

void HedgehogFrame::Command12_Click() {
    stamps::insertHedgehog(context_.state);
    context_.changed();
}

}  // namespace tavrolin::ui
