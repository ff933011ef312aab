#pragma once

#include <QFileDialog>
#include <QStringList>

namespace tavrolin::ui {

// Qt's file dialog as the editor asks for files. Saving, it asks before replacing a
// file, except for a file whose name matches `mergingPatterns`: the picture goes into
// such a file (a calculator's archive) rather than over it, and the editor asks about
// what the file holds itself, once the name is chosen.
class PictureFileDialog : public QFileDialog {
    Q_OBJECT

  public:
    PictureFileDialog(QWidget* parent, QStringList mergingPatterns);

    void accept() override;

  private:
    QStringList mergingPatterns_;
};

}  // namespace tavrolin::ui
