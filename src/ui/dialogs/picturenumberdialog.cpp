#include "ui/dialogs/picturenumberdialog.h"

#include <QLabel>
#include <QSpinBox>

#include "g1mfile/g1mwriter.h"
#include "ui/controls.h"

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
    layOutQuestion(*this, label, numberBox_);
}

int PictureNumberDialog::choose(int proposed, QWidget* parent) {
    PictureNumberDialog dialog(proposed, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.numberBox_->value() : 0;
}

}  // namespace tavrolin::ui
