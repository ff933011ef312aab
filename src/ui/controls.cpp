#include "ui/controls.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "ui/views/captionbutton.h"

namespace tavrolin::ui {

namespace {

template <typename Control>
Control* place(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

constexpr char kClearsLinkUnderlines[] = "clearsLinkUnderlines";

void setTextColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control->setPalette(palette);
}

}  // namespace

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry) {
    return place(new QGroupBox(caption, parent), name, geometry);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QColor& colour) {
    QLabel* label = place(new QLabel(text, parent), name, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    return place(new CaptionButton(caption, parent), name, geometry);
}

QPushButton* makePictureButton(QWidget* parent, const char* name, const QPixmap& picture,
                               const QRect& geometry) {
    QPushButton* button = place(new QPushButton(parent), name, geometry);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    return button;
}

QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry,
                    const QStringList& items) {
    QComboBox* list = place(new QComboBox(parent), name, geometry);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    return list;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    QCheckBox* box = place(new QCheckBox(caption, parent), name, geometry);
    box->setChecked(true);
    setTextColour(box, kCaptionColour);
    return box;
}

void layOutQuestion(QDialog& dialog, QLabel* question, QWidget* answer) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(question);
    layout->addWidget(answer);
    layout->addWidget(buttons);
}

void clearLinkUnderlinesOver(std::initializer_list<QWidget*> areas) {
    for (QWidget* area : areas) {
        area->setProperty(kClearsLinkUnderlines, true);
    }
}

bool clearsLinkUnderlines(const QWidget& area) {
    return area.property(kClearsLinkUnderlines).toBool();
}

}  // namespace tavrolin::ui
