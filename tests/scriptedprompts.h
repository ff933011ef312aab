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
    QList<int> pictureChoices;  // answers of the picture lists in order; none left cancels
    QList<QStringList> pictureLists;
    QList<int> pictureNumbers;  // answers of the picture-number dialogs; none left cancels

    QString openFileName(const tavrolin::ui::FileDialogRequest& request) override {
        return answer(request);
    }
    QString saveFileName(const tavrolin::ui::FileDialogRequest& request) override {
        return answer(request);
    }
    void message(const QString& text) override { messages << text; }
    int choosePicture(const QStringList& names) override {
        pictureLists << names;
        return pictureChoices.isEmpty() ? -1 : pictureChoices.takeFirst();
    }
    int choosePictureNumber(int) override {
        return pictureNumbers.isEmpty() ? 0 : pictureNumbers.takeFirst();
    }

  private:
    QString answer(const tavrolin::ui::FileDialogRequest& request) {
        dialogs.push_back(request);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
