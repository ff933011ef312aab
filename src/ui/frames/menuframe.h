#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class ImportFrame;
class PictureFileSession;
class ToolboxFrame;

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    // The import keeps the colours ticked in importFrame, and fits an image to the
    // colours of the calculator the toolbox has chosen; pictureFiles opens and saves.
    MenuFrame(EditorContext& context, const ImportFrame& importFrame,
              PictureFileSession& pictureFiles, const ToolboxFrame& toolbox, QWidget* parent);

    // "Importuj obrázok" with the file already chosen.
    void importFile(const QString& path);

  private:
    // Offers to fit an image that is more than a calculator picture, and fits it when
    // the user asks; "as is" for any other file.
    FitAnswer::Choice offerFit(const QString& path);
    // "Súbor „…“ nemôžem načítať ako obrázok!" and why.
    void tellUnreadableImage(const model::Failure& failure);

    void openPicture();
    void savePicture();
    void newPicture();
    void exportPicture();
    void importPicture();

    EditorContext& context_;
    const ImportFrame& importFrame_;
    PictureFileSession& pictureFiles_;
    const ToolboxFrame& toolbox_;
    // The fit chosen last, offered again for the next image.
    exchange::FitOptions lastFit_;
};

}  // namespace tavrolin::ui
