#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QCheckBox;

namespace tavrolin::ui {

class PictureBoxView;

// "Import obrázka:": which colours an imported image keeps, and the imported image.
class ImportFrame : public QGroupBox {
    Q_OBJECT

  public:
    ImportFrame(EditorContext& context, QWidget* parent);

  private:
    EditorContext& context_;
    QCheckBox* Check1;  // "biela"
    QCheckBox* Check2;  // "modrá"
    QCheckBox* Check3;  // "zelená"
    QCheckBox* Check4;  // "červená"
    QCheckBox* Check5;  // "čierna"
    PictureBoxView* pomocnaobr;
};

}  // namespace tavrolin::ui
