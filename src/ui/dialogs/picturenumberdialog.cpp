#include "ui/dialogs/picturenumberdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "g1mfile/g1mwriter.h"

namespace tavrolin::ui {

PictureNumberDialog::PictureNumberDialog(int proposed, QWidget* parent)
    : QDialog(parent), numberBox_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("PictureNumberDialog"));
    setWindowTitle(tr("Číslo obrázka"));
    auto* label =
        new QLabel(tr("Kalkulačka uchováva obrázky Pict 1 až Pict 20. Pod ktorým číslom mám "
                      "obrázok uložiť?"),
                   this);
    label->setWordWrap(true);
    numberBox_->setObjectName(QStringLiteral("pictureNumber"));
    numberBox_->setRange(g1mfile::kFirstPictureNumber, g1mfile::kLastPictureNumber);
    numberBox_->setPrefix(QStringLiteral("Pict "));
    numberBox_->setValue(proposed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(numberBox_);
    layout->addWidget(buttons);
}

int PictureNumberDialog::choose(int proposed, QWidget* parent) {
    PictureNumberDialog dialog(proposed, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.numberBox_->value() : 0;
}

}  // namespace tavrolin::ui
