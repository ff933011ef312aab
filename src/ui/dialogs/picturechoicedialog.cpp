#include "ui/dialogs/picturechoicedialog.h"

#include <QLabel>
#include <QListWidget>

#include "ui/controls.h"

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
    connect(pictureList_, &QListWidget::itemActivated, this, &QDialog::accept);
    layOutQuestion(*this, label, pictureList_);
}

int PictureChoiceDialog::choose(const QStringList& names, QWidget* parent) {
    PictureChoiceDialog dialog(names, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.pictureList_->currentRow() : -1;
}

}  // namespace tavrolin::ui
