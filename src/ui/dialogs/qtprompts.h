#pragma once

#include <QStringList>

#include "ui/dialogs/prompts.h"

class QWidget;

namespace tavrolin::ui {

// The real dialogs: Qt's file dialog starting in the current folder with an empty
// name, and message boxes captioned with the application's title.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    void message(const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace tavrolin::ui
