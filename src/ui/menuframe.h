#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

// "Menu:": opening, saving, a new picture, bitmap export and image import.
class MenuFrame : public QGroupBox {
    Q_OBJECT

  public:
    MenuFrame(EditorContext& context, QWidget* parent);

  private:
    void Command3_Click();

    EditorContext& context_;
    QPushButton* Command1;  // "Otvor"
    QPushButton* Command2;  // "Ulož"
    QPushButton* Command3;  // "Nový"
    QPushButton* Command4;  // "Exportuj obrázok"
    QPushButton* Command5;  // "Importuj obrázok"
};

}  // namespace tavrolin::ui
