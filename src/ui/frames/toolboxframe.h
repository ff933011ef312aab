#pragma once

#include <QGroupBox>

#include "exchange/catfilesave.h"
#include "ui/editorcontext.h"

class QRadioButton;

namespace tavrolin::ui {

// The frame below the canvas: colour, thickness, text, tools, hedgehog and picture
// frames, and the choice of calculator that saving writes for.
class ToolboxFrame : public QGroupBox {
    Q_OBJECT

  public:
    ToolboxFrame(EditorContext& context, QWidget* parent);

    // The file layout of the calculator chosen: "Ulož" writes for it.
    exchange::SaveVariant calculatorVariant() const;

  private:
    QRadioButton* colourOption_;  // "Option2" "CFX 9850"
};

}  // namespace tavrolin::ui
