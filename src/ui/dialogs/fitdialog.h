#pragma once

#include <QDialog>
#include <QImage>

#include "ui/dialogs/prompts.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace tavrolin::ui {

// "Prispôsobiť obrázok": how an image that is more than a calculator picture becomes
// one, with the picture it gives shown at twice its size as the choices change.
class FitDialog : public QDialog {
    Q_OBJECT

  public:
    FitDialog(QImage image, const exchange::FitOptions& initial, QWidget* parent);

    // What the user chose once the dialog is closed.
    FitAnswer answer() const;

  private:
    // The result code of "Ponechať tak, ako je", beside Accepted and Rejected.
    static constexpr int kAsIs = 2;

    exchange::FitOptions options() const;
    void showPreview();

    QImage image_;
    exchange::FitColours colours_;
    QLabel* preview_;
    QRadioButton* contain_;    // "Celý obrázok"
    QRadioButton* cover_;      // "Vyplniť a orezať"
    QRadioButton* diffuse_;    // "Rozptýlené"
    QRadioButton* ordered_;    // "Pravidelné"
    QRadioButton* threshold_;  // "Prah"
    QSlider* thresholdSlider_;
    QLabel* thresholdValue_;
    QCheckBox* invert_;  // "Invertovať"
};

}  // namespace tavrolin::ui
