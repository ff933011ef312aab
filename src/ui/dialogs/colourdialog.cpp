#include "ui/dialogs/colourdialog.h"

#include "ui/controls.h"

namespace tavrolin::ui {

ColourDialog::ColourDialog(QWidget* parent, const char* name, const QString& caption,
                           const QString& question)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(305, 129);
    makeLabel(this, "Label1", question, QRect(8, 8, 289, 57));
    auto* okButton = makeButton(this, "Command1", tr("OK"), QRect(208, 80, 89, 25));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QCheckBox* ColourDialog::addTick(const char* name, const QString& caption) {
    const int column = ticks_ / 2;
    const int row = ticks_ % 2;
    ++ticks_;
    return makeCheckBox(this, name, caption, QRect(16 + 88 * column, 72 + 24 * row, 81, 17));
}

}  // namespace tavrolin::ui
