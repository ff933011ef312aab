#include "ui/dialogs/picturechoicedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tavrolin::ui {

PictureChoiceDialog::PictureChoiceDialog(const QStringList& names, QWidget* parent)
    : QDialog(parent), pictureList_(new QListWidget(this)) {
    setObjectName(QStringLiteral("PictureChoiceDialog"));
    setWindowTitle(tr("Ktorý obrázok otvoriť?"));
    auto* label =
        new QLabel(tr("Súbor obsahuje viac obrázkov. Zvoľte, ktorý sa má otvoriť:"), this);
    pictureList_->setObjectName(QStringLiteral("pictureList"));
    pictureList_->addItems(names);
    pictureList_->setCurrentRow(0);
    // A short list stays short; a long one scrolls.
    pictureList_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pictureList_, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(pictureList_);
    layout->addWidget(buttons);
}

int PictureChoiceDialog::choose(const QStringList& names, QWidget* parent) {
    PictureChoiceDialog dialog(names, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.pictureList_->currentRow() : -1;
}

}  // namespace tavrolin::ui
