#include "ui/dialogs/picturefiledialog.h"

#include <QDir>
#include <QFileInfo>

namespace tavrolin::ui {

PictureFileDialog::PictureFileDialog(QWidget* parent, QStringList mergingPatterns)
    : QFileDialog(parent), mergingPatterns_(std::move(mergingPatterns)) {}

void PictureFileDialog::accept() {
    // The name as the dialog will give it, its default extension added.
    const QString chosen = QFileInfo(selectedFiles().value(0)).fileName();
    setOption(QFileDialog::DontConfirmOverwrite,
              !chosen.isEmpty() && QDir::match(mergingPatterns_, chosen));
    QFileDialog::accept();
}

}  // namespace tavrolin::ui
