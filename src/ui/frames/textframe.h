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
    void showText();
    void insertText();
    void clearText();
    void moveText(stamps::TextDirection direction);
    void fontChanged();
    // The text, font and size as the controls hold them now.
    stamps::TextInput input() const;

    EditorContext& context_;
    QLineEdit* textField_;  // "Text1"
    QComboBox* fontList_;   // "Combo1"
    QComboBox* sizeList_;   // "Combo2", in points
};

}  // namespace tavrolin::ui
