#pragma once

#include <QDialog>

class QSpinBox;

namespace tavrolin::ui {

// "Číslo obrázka": the n of "Pict n", 1 to 20, that a picture is saved as for the
// fx-9860G calculators.
class PictureNumberDialog : public QDialog {
    Q_OBJECT

  public:
    PictureNumberDialog(int proposed, QWidget* parent);

    // The number chosen, or 0 when the dialog was cancelled.
    static int choose(int proposed, QWidget* parent);

  private:
    QSpinBox* numberBox_;
};

}  // namespace tavrolin::ui
