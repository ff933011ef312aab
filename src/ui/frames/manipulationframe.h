#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QPushButton;

namespace tavrolin::ui {

// "Manipulácia s obrázkom:": the two flips and "Naspäť".
class ManipulationFrame : public QGroupBox {
    Q_OBJECT

  public:
    ManipulationFrame(EditorContext& context, QWidget* parent);

  private:
    void Command13_Click();
    void Command24_Click();
    void Command11_Click();
    void reflect();

    EditorContext& context_;
    QPushButton* Command11;  // "Naspäť"
};

}  // namespace tavrolin::ui
