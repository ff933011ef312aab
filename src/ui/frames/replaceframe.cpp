#include "ui/frames/replaceframe.h"

#include <QComboBox>

#include "ops/colourreplacement.h"
#include "ui/controls.h"

namespace tavrolin::ui {

namespace {

QComboBox* makeColourList(QWidget* parent, const char* name, const QRect& geometry) {
    QComboBox* list =
        makeList(parent, name, geometry,
                 {QStringLiteral("čiernu"), QStringLiteral("bielu"), QStringLiteral("červenú"),
                  QStringLiteral("zelenú"), QStringLiteral("modrú")});
    list->setCurrentText(QStringLiteral("čiernu"));
    return list;
}

}  // namespace

ReplaceFrame::ReplaceFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Invertuj farby:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame5"));
    QLabel* hint =
        makeLabel(this, "Label9", QStringLiteral("Vyberte si, ktorá farba sa má zmeniť na inú."),
                  QRect(8, 16, 113, 30));
    clearLinkUnderlinesOver({this, hint});
    Combo3 = makeColourList(this, "Combo3", QRect(8, 48, 113, 22));
    makeLabel(this, "Label20", QStringLiteral("na"), QRect(8, 75, 22, 16));
    Combo4 = makeColourList(this, "Combo4", QRect(32, 72, 89, 22));
    Check6 = makeCheckBox(this, "Check6", QStringLiteral("a aj opačne"), QRect(8, 93, 113, 18));
    auto* Command16 =
        makeButton(this, "Command16", QStringLiteral("Invertuj farby"), QRect(16, 120, 97, 25));
    connect(Command16, &QPushButton::clicked, this, &ReplaceFrame::Command16_Click);
}

void ReplaceFrame::Command16_Click() {
    ops::replaceColours(context_.state, Combo3->currentText(), Combo4->currentText(),
                        Check6->isChecked());
    context_.changed();
}

}  // namespace tavrolin::ui
