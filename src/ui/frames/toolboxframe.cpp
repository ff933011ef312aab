#include "ui/frames/toolboxframe.h"

#include <QRadioButton>

#include "ui/controls.h"
#include "ui/frames/colourframe.h"
#include "ui/frames/hedgehogframe.h"
#include "ui/frames/manipulationframe.h"
#include "ui/frames/textframe.h"
#include "ui/frames/thicknessframe.h"
#include "ui/frames/toolsframe.h"

namespace tavrolin::ui {

namespace {

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setGeometry(240, top, 110, 16);
    return option;
}

}  // namespace

ToolboxFrame::ToolboxFrame(EditorContext& context, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame6"));
    // It has no caption to be called by.
    setAccessibleName(tr("Kreslenie"));
    (new ColourFrame(context, this))->setGeometry(8, 8, 77, 89);
    (new ThicknessFrame(context, this))->setGeometry(8, 104, 77, 121);
    (new TextFrame(context, this))->setGeometry(88, 8, 145, 217);
    (new ToolsFrame(context, this))->setGeometry(240, 8, 105, 105);
    (new HedgehogFrame(context, this))->setGeometry(352, 8, 145, 153);
    (new ManipulationFrame(context, this))->setGeometry(240, 168, 257, 57);
    makeLabel(this, "Label19", tr("kalkulačka:"), QRect(240, 117, 100, 16));
    auto* monochromeOption = makeOption(this, "Option1", QStringLiteral("Algebra FX 2.0"), 133);
    colourOption_ = makeOption(this, "Option2", QStringLiteral("CFX 9850"), 147);
    monochromeOption->setChecked(true);
    clearLinkUnderlinesOver({this});
}

exchange::SaveVariant ToolboxFrame::calculatorVariant() const {
    return colourOption_->isChecked() ? exchange::SaveVariant::Colour
                                      : exchange::SaveVariant::Monochrome;
}

}  // namespace tavrolin::ui
