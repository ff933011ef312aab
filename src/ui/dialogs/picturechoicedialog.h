#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tavrolin::ui {

// "Ktorý obrázok otvoriť?": one of the pictures a file holds, from a short list
// ("Pict 3", "Capture 1"); the first is chosen to begin with.
class PictureChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    PictureChoiceDialog(const QStringList& names, QWidget* parent);

    // The row chosen, or -1 when the dialog was cancelled.
    static int choose(const QStringList& names, QWidget* parent);

  private:
    QListWidget* pictureList_;
};

}  // namespace tavrolin::ui
