#pragma once

#include <QGroupBox>

#include "ui/editorcontext.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tavrolin::ui {

// "Invertuj farby:": turns one colour into another, or swaps the two.
class ReplaceFrame : public QGroupBox {
    Q_OBJECT

  public:
    ReplaceFrame(EditorContext& context, QWidget* parent);

  private:
    void replaceColours();

    EditorContext& context_;
    QComboBox* fromList_;     // "Combo3", the colour to change
    QComboBox* toList_;       // "Combo4", the colour it becomes
    QCheckBox* bothWaysBox_;  // "Check6" "a aj opačne"
};

}  // namespace tavrolin::ui
