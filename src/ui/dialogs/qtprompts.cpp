#include "ui/dialogs/qtprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "ui/apptitle.h"
#include "ui/dialogs/filenameiconprovider.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/picturechoicedialog.h"
#include "ui/dialogs/picturefiledialog.h"
#include "ui/dialogs/picturenumberdialog.h"

namespace tavrolin::ui {

namespace {

// The texts of the questions asked here, in the user's language.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::ui::QtPrompts)
};

// Where a dialog keeps its last folder and the pattern of its last filter.
QString settingsKey(const FileDialogRequest& request, const char* what) {
    return QStringLiteral("fileDialogs/") + request.memory + u'/' + QLatin1String(what);
}

// A typed name without extension gets the chosen filter's first one, when it extends.
void extendBareNames(QFileDialog& dialog, const FileDialogRequest& request,
                     const QString& nameFilter) {
    const QString chosen =
        QtPrompts::patterns(request.filter).value(dialog.nameFilters().indexOf(nameFilter));
    dialog.setDefaultSuffix(
        request.extendingPatterns.contains(chosen) ? chosen.section(u' ', 0, 0).mid(2) : QString());
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
    // Outlives the dialog, whose folder model asks it for every file listed.
    FileNameIconProvider iconProvider;
    PictureFileDialog dialog(parent, request.mergingPatterns);
    dialog.setIconProvider(&iconProvider);
    QtPrompts::setUpFileDialog(dialog, request, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    QSettings settings;
    settings.setValue(settingsKey(request, "folder"), dialog.directory().absolutePath());
    settings.setValue(settingsKey(request, "filter"),
                      QtPrompts::patterns(request.filter)
                          .value(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtPrompts::setUpFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                QFileDialog::AcceptMode mode) {
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QSettings settings;
    const QString folder = settings.value(settingsKey(request, "folder")).toString();
    dialog.setDirectory(!folder.isEmpty() && QDir(folder).exists() ? folder : QDir::currentPath());
    const QStringList filters = nameFilters(request.filter);
    dialog.setNameFilters(filters);
    const qsizetype remembered =
        patterns(request.filter).indexOf(settings.value(settingsKey(request, "filter")).toString());
    if (remembered >= 0) {
        dialog.selectNameFilter(filters[remembered]);
    }
    dialog.selectFile(QString());
    extendBareNames(dialog, request, dialog.selectedNameFilter());
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, request](const QString& chosen) { extendBareNames(dialog, request, chosen); });
}

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
