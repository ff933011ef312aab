#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

class ImportFrame;
class PictureFileSession;

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    // The import keeps the colours ticked in importFrame; pictureFiles opens and saves.
    MenuFrame(EditorContext& context, const ImportFrame& importFrame,
              PictureFileSession& pictureFiles, QWidget* parent);

    // "Importuj obrázok" with the file already chosen.
    void importFile(const QString& path);

  private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    EditorContext& context_;
    const ImportFrame& importFrame_;
    PictureFileSession& pictureFiles_;
};

}  // namespace tavrolin::ui
