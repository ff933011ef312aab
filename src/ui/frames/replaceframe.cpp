#include "ui/frames/replaceframe.h"

#include <QComboBox>

#include "ops/colourreplacement.h"
#include "ui/accessibility.h"
#include "ui/controls.h"

namespace tavrolin::ui {

namespace {

struct ListColour {
    const char* text;
    model::ColorCode code;
};

// The entries of both lists, each with the colour it names, so the choice is the same
// in every language.
constexpr ListColour kListColours[] = {
    {QT_TRANSLATE_NOOP("tavrolin::ui::ReplaceFrame", "čiernu"), model::kBlack},
    {QT_TRANSLATE_NOOP("tavrolin::ui::ReplaceFrame", "bielu"), model::kWhite},
    {QT_TRANSLATE_NOOP("tavrolin::ui::ReplaceFrame", "červenú"), model::kRed},
    {QT_TRANSLATE_NOOP("tavrolin::ui::ReplaceFrame", "zelenú"), model::kGreen},
    {QT_TRANSLATE_NOOP("tavrolin::ui::ReplaceFrame", "modrú"), model::kBlue},
};

QComboBox* makeColourList(QWidget* parent, const char* name, const QRect& geometry) {
    QComboBox* list = makeList(parent, name, geometry, {});
    for (const ListColour& entry : kListColours) {
        list->addItem(ReplaceFrame::tr(entry.text), entry.code);
    }
    list->setCurrentIndex(0);
    return list;
}

// The colour of the entry the list's text is, exactly; none for a typed text that is
// no entry.
std::optional<model::ColorCode> chosenColour(const QComboBox& list) {
    const int entry = list.findText(list.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return entry < 0 ? std::nullopt
                     : std::optional<model::ColorCode>(list.itemData(entry).value<int>());
}

}  // namespace

ReplaceFrame::ReplaceFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Invertuj farby:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame5"));
    QLabel* hint = makeLabel(this, "Label9", tr("Vyberte si, ktorá farba sa má zmeniť na inú."),
                             QRect(8, 16, 113, 30));
    clearLinkUnderlinesOver({this, hint});
    fromList_ = makeColourList(this, "Combo3", QRect(8, 48, 113, 22));
    makeLabel(this, "Label20", tr("na"), QRect(8, 75, 22, 16));
    toList_ = makeColourList(this, "Combo4", QRect(32, 72, 89, 22));
    setSpokenName(*fromList_, tr("Farba, ktorá sa zmení"));
    setSpokenName(*toList_, tr("Nová farba"));
    bothWaysBox_ = makeCheckBox(this, "Check6", tr("a aj opačne"), QRect(8, 93, 113, 18));
    auto* replaceButton =
        makeButton(this, "Command16", tr("Invertuj farby"), QRect(16, 120, 97, 25));
    connect(replaceButton, &QPushButton::clicked, this, &ReplaceFrame::replaceColours);
}

void ReplaceFrame::replaceColours() {
    ops::replaceColours(context_.state, chosenColour(*fromList_), chosenColour(*toList_),
                        bothWaysBox_->isChecked());
    context_.changed();
}

}  // namespace tavrolin::ui
