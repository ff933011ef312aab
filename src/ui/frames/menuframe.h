#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class ImportSession;
class PictureFileSession;

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    // pictureFiles opens and saves, imports imports.
    MenuFrame(EditorContext& context, PictureFileSession& pictureFiles, ImportSession& imports,
              QWidget* parent);

  private:
    void openPicture();
    void savePicture();
    void newPicture();
    void exportPicture();
    void importPicture();

    EditorContext& context_;
    PictureFileSession& pictureFiles_;
    ImportSession& imports_;
};

}  // namespace tavrolin::ui
