#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

// "Manipulácia s obrázkom:": the two flips, "Naspäť" and "Znova".
class ManipulationFrame : public QGroupBox {
    Q_OBJECT

  public:
    ManipulationFrame(EditorContext& context, QWidget* parent);

  private:
    void flipHorizontally();
    void flipVertically();
    void undo();
    void redo();
    void reflect();

    EditorContext& context_;
    QPushButton* undoButton_;  // "Command11" "Naspäť"
    QPushButton* redoButton_;  // "Command33" "Znova"
};

}  // namespace tavrolin::ui
