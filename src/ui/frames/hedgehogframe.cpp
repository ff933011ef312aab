#include "ui/frames/hedgehogframe.h"

#include "stamps/hedgehogstamp.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

HedgehogFrame::HedgehogFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Ježko:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame11"));
    auto* hedgehogBox = new PictureBoxView(context_.state.hedgehogBox, 1, this);
    hedgehogBox->setObjectName(QStringLiteral("Picture6"));
    hedgehogBox->move(7, 16);
    hedgehogBox->setCursor(Qt::CrossCursor);
    namePicture(*hedgehogBox, tr("Ježko"));
    QLabel* hint = makeLabel(this, "Label17", tr("(klikni a ťahaj)"), QRect(8, 84, 129, 16));
    auto* showButton = makeButton(this, "Command25", tr("Ukáž"), QRect(8, 104, 41, 25));
    auto* eraseButton = makeButton(this, "Command14", tr("Vymaž"), QRect(52, 104, 41, 25));
    auto* insertButton = makeButton(this, "Command12", tr("Vlož"), QRect(96, 104, 41, 25));
    clearLinkUnderlinesOver({this, hedgehogBox, hint, showButton, eraseButton, insertButton});

    connect(hedgehogBox, &PictureBoxView::clicked, this, &HedgehogFrame::hedgehogBoxClicked);
    connect(hedgehogBox, &PictureBoxView::mouseMoved, this,
            &HedgehogFrame::hedgehogBoxPointerMoved);
    connect(showButton, &QPushButton::clicked, this, &HedgehogFrame::showHedgehog);
    connect(eraseButton, &QPushButton::clicked, this, &HedgehogFrame::eraseHedgehog);
    connect(insertButton, &QPushButton::clicked, this, &HedgehogFrame::insertHedgehog);
}

void HedgehogFrame::hedgehogBoxClicked() {
    stamps::toggleHedgehog(context_.state);
    context_.changed();
}

// The buttons held make no difference: the anchor follows the pointer, or a spine is
// drawn, either way. The link underlines are cleared by the window for this box.
void HedgehogFrame::hedgehogBoxPointerMoved(int, QPointF position) {
    stamps::trackHedgehog(context_.state, float(position.x()), float(position.y()));
    context_.changed();
}

void HedgehogFrame::showHedgehog() {
    stamps::showHedgehogPicture(context_.state);
    context_.changed();
}

void HedgehogFrame::eraseHedgehog() {
    stamps::eraseHedgehog(context_.state);
    context_.changed();
}

void HedgehogFrame::insertHedgehog() {
    stamps::insertHedgehog(context_.state);
    context_.changed();
}

}  // namespace tavrolin::ui
