#include "ui/frames/textframe.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>

#include "stamps/textstamp.h"
#include "ui/accessibility.h"
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

// The arrows that move the text in its work box.
struct TextArrow {
    const char* button;
    const char* name;  // as a reader says it
    Qt::ArrowType picture;
    QRect geometry;
    stamps::TextDirection direction;
};

const TextArrow kTextArrows[] = {
    {"Command15", QT_TRANSLATE_NOOP("tavrolin::ui::TextFrame", "Doľava"), Qt::LeftArrow,
     QRect(72, 64, 16, 22), stamps::TextDirection::kLeft},
    {"Command30", QT_TRANSLATE_NOOP("tavrolin::ui::TextFrame", "Hore"), Qt::UpArrow,
     QRect(88, 64, 16, 11), stamps::TextDirection::kUp},
    {"Command31", QT_TRANSLATE_NOOP("tavrolin::ui::TextFrame", "Dole"), Qt::DownArrow,
     QRect(88, 75, 16, 11), stamps::TextDirection::kDown},
    {"Command32", QT_TRANSLATE_NOOP("tavrolin::ui::TextFrame", "Doprava"), Qt::RightArrow,
     QRect(104, 64, 16, 22), stamps::TextDirection::kRight},
};

}  // namespace

TextFrame::TextFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Text:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame10"));
    textField_ = new QLineEdit(this);
    textField_->setObjectName(QStringLiteral("Text1"));
    textField_->setGeometry(8, 16, 129, 21);
    setSpokenName(*textField_, tr("Text"));
    fontList_ = makeList(this, "Combo1", QRect(8, 40, 129, 22), QFontDatabase::families());
    // The desktop's own text font to begin with, its name shown from the start.
    fontList_->setCurrentText(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    fontList_->lineEdit()->setCursorPosition(0);
    sizeList_ = makeList(this, "Combo2", QRect(8, 64, 57, 22), fontSizes());
    sizeList_->setCurrentText(QStringLiteral("8"));
    setSpokenName(*fontList_, tr("Písmo"));
    setSpokenName(*sizeList_, tr("Veľkosť písma"));
    for (const TextArrow& arrow : kTextArrows) {
        auto* button =
            makePictureButton(this, arrow.button, icons::arrow(arrow.picture), arrow.geometry);
        namePictureButton(*button, tr(arrow.name));
        connect(button, &QPushButton::clicked, this, [this, &arrow] { moveText(arrow.direction); });
    }
    auto* workBox = new PictureBoxView(context_.state.textBox, 1, this);
    workBox->setObjectName(QStringLiteral("Picture5"));
    workBox->move(7, 92);
    namePicture(*workBox, tr("Text – náhľad"));
    auto* showButton = makeButton(this, "Command9", tr("Ukáž"), QRect(8, 164, 41, 25));
    auto* insertButton = makeButton(this, "Command10", tr("Vlož"), QRect(52, 164, 41, 25));
    auto* clearButton = makeButton(this, "Command8", tr("Zmaž"), QRect(96, 164, 41, 25));
    // Until another size is chosen, the one the list starts with stands in for any
    // size text that is no number.
    stamps::applyTextFont(context_.state, input());

    connect(showButton, &QPushButton::clicked, this, &TextFrame::showText);
    connect(insertButton, &QPushButton::clicked, this, &TextFrame::insertText);
    connect(clearButton, &QPushButton::clicked, this, &TextFrame::clearText);
    connect(fontList_, &QComboBox::editTextChanged, this, &TextFrame::fontChanged);
}

stamps::TextInput TextFrame::input() const {
    return {textField_->text(), fontList_->currentText(), sizeList_->currentText()};
}

void TextFrame::showText() {
    stamps::showText(context_.state, input());
    context_.changed();
}

void TextFrame::insertText() {
    stamps::insertText(context_.state, input());
    context_.changed();
}

void TextFrame::clearText() {
    textField_->clear();
    stamps::clearText(context_.state, input());
    context_.changed();
}

void TextFrame::moveText(stamps::TextDirection direction) {
    stamps::moveText(context_.state, direction, input());
    context_.changed();
}

void TextFrame::fontChanged() {
    stamps::applyTextFont(context_.state, input());
    context_.changed();
}

}  // namespace tavrolin::ui
