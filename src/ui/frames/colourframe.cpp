#include "ui/frames/colourframe.h"

#include "model/canvas.h"
#include "ui/accessibility.h"
#include "ui/shortcuts.h"
#include "ui/views/colourswatch.h"

namespace tavrolin::ui {

namespace {

struct SwatchPlace {
    const char* name;
    model::ColorCode code;
    QPoint position;
    Qt::Key key;
};

constexpr SwatchPlace kSwatches[] = {
    {"Image1", model::kBlack, {7, 16}, Qt::Key_1},  {"Image2", model::kWhite, {7, 30}, Qt::Key_2},
    {"Image3", model::kRed, {7, 44}, Qt::Key_3},    {"Image4", model::kBlue, {38, 30}, Qt::Key_4},
    {"Image5", model::kGreen, {38, 16}, Qt::Key_5},
};

}  // namespace

ColourFrame::ColourFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Farba:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame7"));
    for (const SwatchPlace& place : kSwatches) {
        auto* swatch = new ColourSwatch(place.code, this);
        swatch->setObjectName(QString::fromLatin1(place.name));
        swatch->setGeometry(QRect(place.position, QSize(32, 15)));
        swatch->setCursor(Qt::PointingHandCursor);
        // One of five choices to a reader, called by its colour: "červená (3)".
        namePictureButton(*swatch, ColourSwatch::colourName(place.code));
        makeOption(*swatch);
        const model::ColorCode code = place.code;
        connect(swatch, &ColourSwatch::clicked, this, [this, code] { chooseColour(code); });
        clickOnKeys(*swatch, {place.key});
        swatches_ << swatch;
    }
    indicator_ = new ColourSwatch(model::kBlack, this);
    indicator_->setObjectName(QStringLiteral("Shape1"));
    indicator_->setGeometry(16, 72, 49, 9);
    indicator_->setFocusPolicy(Qt::NoFocus);
    namePicture(*indicator_, tr("Aktuálna farba"));
    connect(&context_, &EditorContext::stateChanged, this, &ColourFrame::reflect);
}

void ColourFrame::chooseColour(model::ColorCode code) {
    model::setCurrentColor(context_.state, code);
    context_.changed();
}

void ColourFrame::reflect() {
    const model::ColorCode current = context_.state.currentColor;
    indicator_->setCode(current);
    setSpokenDescription(*indicator_, ColourSwatch::colourName(current));
    for (ColourSwatch* swatch : swatches_) {
        swatch->setChecked(swatch->code() == current);
    }
}

}  // namespace tavrolin::ui
