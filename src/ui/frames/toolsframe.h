#pragma once

#include <QGroupBox>

#include "model/editorstate.h"
#include "ui/editorcontext.h"

class QLabel;

namespace tavrolin::ui {

// "Nástroje:": a button for each tool of the tool table, and which tool is active.
class ToolsFrame : public QGroupBox {
    Q_OBJECT

  public:
    ToolsFrame(EditorContext& context, QWidget* parent);

  private:
    void chooseTool(model::Tool tool);
    void reflect();

    EditorContext& context_;
    QLabel* activeToolLabel_;  // "Label18" "aktívne: …"
};

}  // namespace tavrolin::ui
