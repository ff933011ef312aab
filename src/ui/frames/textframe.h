#pragma once

#include <QGroupBox>

#include "stamps/textstamp.h"
#include "ui/editorcontext.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavrolin::ui {

class PictureBoxView;

// "Text:": a line of text in any screen font and size, placed pixel by pixel in the
// work box and then stamped into the picture.
class TextFrame : public QGroupBox {
    Q_OBJECT

  public:
    TextFrame(EditorContext& context, QWidget* parent);

  private:
    void Command9_Click();
    void Command10_Click();
    void Command8_Click();
    void Command15_Click();
    void Command32_Click();
    void Command30_Click();
    void Command31_Click();
    void Combo1_Change();
    // The text, font and size as the controls hold them now.
    stamps::TextInput input() const;

    EditorContext& context_;
    QLineEdit* Text1;
    QComboBox* Combo1;  // font
    QComboBox* Combo2;  // size in points
};

}  // namespace tavrolin::ui
