#include "ui/dialogs/qtprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/apptitle.h"
#include "ui/dialogs/filenameiconprovider.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/picturechoicedialog.h"
#include "ui/dialogs/picturenumberdialog.h"

namespace tavrolin::ui {

namespace {

// The texts of the questions asked here, in the user's language.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::ui::QtPrompts)
};

QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
    // Outlives the dialog, whose folder model asks it for every file listed.
    FileNameIconProvider iconProvider;
    QFileDialog dialog(parent, request.title, QDir::currentPath());
    dialog.setIconProvider(&iconProvider);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = QtPrompts::nameFilters(request.filter);
    dialog.setNameFilters(filters);
    dialog.selectFile(QString());
    // Overwrite confirmation is on by default; a suffix is added to a typed name only
    // where the request says so.
    const QStringList patterns = QtPrompts::patterns(request.filter);
    const auto suffixFor = [&](const QString& chosen) {
        const QString pattern = patterns.value(filters.indexOf(chosen));
        const bool extends = request.everyPatternExtends ||
                             (!pattern.isEmpty() && pattern == request.extendingPattern);
        return extends ? pattern.section(u' ', 0, 0).mid(2) : QString();
    };
    dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& chosen) { dialog.setDefaultSuffix(suffixFor(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QStringList QtPrompts::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    }
    return filters;
}

QStringList QtPrompts::patterns(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList patterns;
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        patterns << parts[i];
    }
    return patterns;
}

QString QtPrompts::openFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

QString QtPrompts::saveFileName(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

void QtPrompts::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent_);
    box.exec();
}

FitAnswer QtPrompts::askFit(const QImage& image, const exchange::FitOptions& initial) {
    FitDialog dialog(image, initial, parent_);
    dialog.exec();
    return dialog.answer();
}

int QtPrompts::choosePicture(const QStringList& names) {
    return PictureChoiceDialog::choose(names, parent_);
}

int QtPrompts::choosePictureNumber(int proposed) {
    return PictureNumberDialog::choose(proposed, parent_);
}

CloseAnswer QtPrompts::askSaveBeforeClosing() {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(),
                    Texts::tr("Obrázok sa zmenil. Uložiť ho pred zatvorením?"),
                    QMessageBox::NoButton, parent_);
    QPushButton* save = box.addButton(Texts::tr("Uložiť"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(Texts::tr("Zahodiť"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(Texts::tr("Zrušiť"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == save      ? CloseAnswer::Save
           : box.clickedButton() == discard ? CloseAnswer::Discard
                                            : CloseAnswer::Cancel;
}

int QtPrompts::ask(const QString& text, const QStringList& buttons, int defaultButton,
                   int escapeButton) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::NoButton, parent_);
    QList<QPushButton*> pressable;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        pressable << box.addButton(
            buttons[i], i == escapeButton ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    box.setDefaultButton(pressable.value(defaultButton));
    box.setEscapeButton(pressable.value(escapeButton));
    box.exec();
    const auto pressed = pressable.indexOf(box.clickedButton());
    return pressed < 0 ? escapeButton : int(pressed);
}

}  // namespace tavrolin::ui
