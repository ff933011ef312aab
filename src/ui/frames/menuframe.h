#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class ImportSession;
class PictureFileSession;
class ToolboxFrame;

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    // pictureFiles opens and saves, imports imports; the toolbox tells which calculator
    // an export in C source writes for.
    MenuFrame(EditorContext& context, PictureFileSession& pictureFiles, ImportSession& imports,
              const ToolboxFrame& toolbox, QWidget* parent);

  private:
    void openPicture();
    void savePicture();
    void newPicture();
    void exportPicture();
    void importPicture();

    EditorContext& context_;
    PictureFileSession& pictureFiles_;
    ImportSession& imports_;
    const ToolboxFrame& toolbox_;
};

}  // namespace tavrolin::ui
