#pragma once

#include <QGroupBox>

#include "model/editorstate.h"
#include "ui/editorcontext.h"

class QLabel;
class QPushButton;

namespace tavrolin::ui {

// "Nástroje:": pen, line, rectangle and circle, and which one is active.
class ToolsFrame : public QGroupBox {
    Q_OBJECT

  public:
    ToolsFrame(EditorContext& context, QWidget* parent);

    static QString activeToolCaption(int tool);

  private:
    void chooseTool(model::Tool tool);
    void reflect();

    EditorContext& context_;
    QPushButton* Command26;  // pen
    QPushButton* Command27;  // line
    QPushButton* Command28;  // rectangle
    QPushButton* Command29;  // circle
    QLabel* Label18;         // "aktívne: …"
};

}  // namespace tavrolin::ui
