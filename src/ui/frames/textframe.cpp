#include "ui/frames/textframe.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>

#include "stamps/textstamp.h"
#include "ui/controls.h"
#include "ui/icons.h"
#include "ui/views/pictureboxview.h"

namespace tavrolin::ui {

namespace {

QStringList fontSizes() {
    QStringList sizes{QStringLiteral("6"), QStringLiteral("8")};
    for (int size = 10; size <= 72; size += 2) {
        sizes << QString::number(size);
    }
    return sizes;
}

}  // namespace

TextFrame::TextFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Text:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame10"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(8, 16, 129, 21);
    Combo1 = makeList(this, "Combo1", QRect(8, 40, 129, 22), QFontDatabase::families());
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
    }
    Combo2 = makeList(this, "Combo2", QRect(8, 64, 57, 22), fontSizes());
    Combo2->setCurrentText(QStringLiteral("8"));
    // The arrows move the text in its work box: left, up, down, right.
    auto* Command15 =
        makePictureButton(this, "Command15", icons::arrow(Qt::LeftArrow), QRect(72, 64, 16, 22));
    auto* Command30 =
        makePictureButton(this, "Command30", icons::arrow(Qt::UpArrow), QRect(88, 64, 16, 11));
    auto* Command31 =
        makePictureButton(this, "Command31", icons::arrow(Qt::DownArrow), QRect(88, 75, 16, 11));
    auto* Command32 =
        makePictureButton(this, "Command32", icons::arrow(Qt::RightArrow), QRect(104, 64, 16, 22));
    auto* Picture5 = new PictureBoxView(context_.state.textBox, 1, this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->move(7, 92);
    auto* Command9 = makeButton(this, "Command9", tr("Ukáž"), QRect(8, 164, 41, 25));
    auto* Command10 = makeButton(this, "Command10", tr("Vlož"), QRect(52, 164, 41, 25));
    auto* Command8 = makeButton(this, "Command8", tr("Zmaž"), QRect(96, 164, 41, 25));
    // Until another size is chosen, the one the list starts with stands in for any
    // size text that is no number.
    stamps::applyTextFont(context_.state, input());

    connect(Command9, &QPushButton::clicked, this, &TextFrame::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &TextFrame::Command10_Click);
    connect(Command8, &QPushButton::clicked, this, &TextFrame::Command8_Click);
    connect(Command15, &QPushButton::clicked, this, &TextFrame::Command15_Click);
    connect(Command32, &QPushButton::clicked, this, &TextFrame::Command32_Click);
    connect(Command30, &QPushButton::clicked, this, &TextFrame::Command30_Click);
    connect(Command31, &QPushButton::clicked, this, &TextFrame::Command31_Click);
    connect(Combo1, &QComboBox::editTextChanged, this, &TextFrame::Combo1_Change);
}

stamps::TextInput TextFrame::input() const {
    return {Text1->text(), Combo1->currentText(), Combo2->currentText()};
}

void TextFrame::Command9_Click() {
    stamps::showText(context_.state, input());
    context_.changed();
}

void TextFrame::Command10_Click() {
    stamps::insertText(context_.state, input());
    context_.changed();
}

void TextFrame::Command8_Click() {
    Text1->clear();
    stamps::clearText(context_.state, input());
    context_.changed();
}

void TextFrame::Command15_Click() {
    stamps::moveText(context_.state, stamps::TextDirection::kLeft, input());
    context_.changed();
}

void TextFrame::Command32_Click() {
    stamps::moveText(context_.state, stamps::TextDirection::kRight, input());
    context_.changed();
}

void TextFrame::Command30_Click() {
    stamps::moveText(context_.state, stamps::TextDirection::kUp, input());
    context_.changed();
}

void TextFrame::Command31_Click() {
    stamps::moveText(context_.state, stamps::TextDirection::kDown, input());
    context_.changed();
}

void TextFrame::Combo1_Change() {
    stamps::applyTextFont(context_.state, input());
    context_.changed();
}

}  // namespace tavrolin::ui
