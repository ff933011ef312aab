#pragma once

#include <QGroupBox>

#include "exchange/imagescan.h"
#include "ui/editorcontext.h"

class QCheckBox;

namespace tavrolin::ui {

class PictureBoxView;

// "Import obrázka:": which colours an imported image keeps, and the imported image.
class ImportFrame : public QGroupBox {
    Q_OBJECT

  public:
    ImportFrame(EditorContext& context, QWidget* parent);

    // The colours an import keeps, as ticked now.
    exchange::ImportColours importColours() const;

  private:
    QCheckBox* whiteBox_;  // "Check1" "biela"
    QCheckBox* blueBox_;   // "Check2" "modrá"
    QCheckBox* greenBox_;  // "Check3" "zelená"
    QCheckBox* redBox_;    // "Check4" "červená"
    QCheckBox* blackBox_;  // "Check5" "čierna"
};

}  // namespace tavrolin::ui
