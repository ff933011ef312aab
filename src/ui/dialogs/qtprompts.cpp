#include "ui/dialogs/qtprompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/apptitle.h"

namespace tavrolin::ui {

namespace {

// "(súbory *.cat)|*.cat|(všetky súbory)|*.*" as Qt's name filters.
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    }
    return filters;
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title, QDir::currentPath());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.selectFile(QString());
    // Overwrite confirmation is on by default; no suffix is added to a typed name.
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

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

}  // namespace tavrolin::ui
