#pragma once

#include <QGroupBox>
#include <functional>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class ImportFrame;
class PictureFileSession;

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    // The import keeps the colours ticked in importFrame, and fits an image to the
    // colour screen while colourCalculator says so; pictureFiles opens and saves.
    MenuFrame(EditorContext& context, const ImportFrame& importFrame,
              PictureFileSession& pictureFiles, std::function<bool()> colourCalculator,
              QWidget* parent);

    // "Importuj obrázok" with the file already chosen.
    void importFile(const QString& path);

  private:
    // Offers to fit an image that is more than a calculator picture, and fits it when
    // the user asks; "as is" for any other file.
    FitAnswer::Choice offerFit(const QString& path);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    EditorContext& context_;
    const ImportFrame& importFrame_;
    PictureFileSession& pictureFiles_;
    std::function<bool()> colourCalculator_;
    // The fit chosen last, offered again for the next image.
    exchange::FitOptions lastFit_;
    QPushButton* Command1;  // "Otvor"
    QPushButton* Command2;  // "Ulož"
    QPushButton* Command3;  // "Nový"
    QPushButton* Command4;  // "Exportuj obrázok"
    QPushButton* Command5;  // "Importuj obrázok"
};

}  // namespace tavrolin::ui
