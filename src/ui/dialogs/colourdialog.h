#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrolin::ui {

// What the two colour dialogs of picture files share: a question, colour ticks that
// all start ticked, and "OK", the default button. Shown without being modal; OK hides
// the dialog rather than destroying it, so the ticks stay for the rest of the run.
// Closing it by its frame or with Esc rejects it.
class ColourDialog : public QDialog {
    Q_OBJECT

  protected:
    ColourDialog(QWidget* parent, const char* name, const QString& caption,
                 const QString& question);

    // The next tick, in two columns down the dialog.
    QCheckBox* addTick(const char* name, const QString& caption);

  private:
    int ticks_ = 0;
};

}  // namespace tavrolin::ui
