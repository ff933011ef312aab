#pragma once

#include <QFileDialog>
#include <QStringList>

#include "ui/dialogs/prompts.h"

class QWidget;

namespace tavrolin::ui {

// The real dialogs: Qt's file dialog starting in its last folder (the current one at
// first) with its last filter and an empty name, message boxes captioned with the application's
// title, and the fit dialog.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    void message(const QString& text) override;
    FitAnswer askFit(const QImage& image, const exchange::FitOptions& initial) override;
    int choosePicture(const QStringList& names) override;
    int choosePictureNumber(int proposed) override;
    CloseAnswer askSaveBeforeClosing() override;
    int ask(const QString& text, const QStringList& buttons, int defaultButton,
            int escapeButton) override;

    // The file dialog as asked: its title, filters, and the folder and filter it
    // remembers from the last time it was accepted.
    static void setUpFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                QFileDialog::AcceptMode mode);
    // "Súbory .cat|*.cat|Všetky súbory|*" as Qt's name filters.
    static QStringList nameFilters(const QString& filter);
    // Its patterns alone: "*.cat", "*".
    static QStringList patterns(const QString& filter);

  private:
    QWidget* parent_;
};

}  // namespace tavrolin::ui
