#pragma once

#include <QStringList>
#include <vector>

#include "ui/dialogs/prompts.h"

// Answers the editor's file dialogs with prepared names and records every dialog and
// message, as a user at the keyboard would see them.
class ScriptedPrompts : public tavrolin::ui::Prompts {
  public:
    QStringList fileNames;  // answers in order; "" cancels
    std::vector<tavrolin::ui::FileDialogRequest> dialogs;
    QStringList messages;

    QString openFileName(const tavrolin::ui::FileDialogRequest& request) override {
        return answer(request);
    }
    QString saveFileName(const tavrolin::ui::FileDialogRequest& request) override {
        return answer(request);
    }
    void message(const QString& text) override { messages << text; }

  private:
    QString answer(const tavrolin::ui::FileDialogRequest& request) {
        dialogs.push_back(request);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
