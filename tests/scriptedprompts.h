#pragma once

#include <QStringList>
#include <vector>

#include "ui/dialogs/prompts.h"

// Answers the editor's file and fit dialogs with prepared answers and records every dialog and
// message, as a user at the keyboard would see them.
class ScriptedPrompts : public tavrolin::ui::Prompts {
  public:
    using Request = tavrolin::ui::FileDialogRequest;
    QStringList fileNames;  // answers in order; "" cancels
    std::vector<Request> dialogs;
    QStringList messages;
    tavrolin::ui::FitAnswer fitAnswer;  // to every fit question; "as is" unless told
    std::vector<tavrolin::exchange::FitOptions> fitQuestions;
    QList<int> pictureChoices;  // answers of the picture lists in order; none left cancels
    QList<QStringList> pictureLists;
    QList<int> pictureNumbers;  // answers of the picture-number dialogs; none left cancels
    int proposedNumber = 0;     // by the latest of them
    // Answers of the question before closing; none left cancels.
    QList<tavrolin::ui::CloseAnswer> closeAnswers;
    int closeQuestions = 0;
    // Other questions, as "text [button/button]", and the captions that answer them in
    // order; none left presses the escape button.
    QStringList questions;
    QStringList replies;

    QString openFileName(const Request& request) override { return answer(request); }
    QString saveFileName(const Request& request) override { return answer(request); }
    void message(const QString& text) override { messages << text; }
    tavrolin::ui::FitAnswer askFit(const QImage&,
                                   const tavrolin::exchange::FitOptions& initial) override {
        fitQuestions.push_back(initial);
        return fitAnswer;
    }
    int choosePicture(const QStringList& names) override {
        pictureLists << names;
        return pictureChoices.isEmpty() ? -1 : pictureChoices.takeFirst();
    }
    int choosePictureNumber(int proposed) override {
        proposedNumber = proposed;
        return pictureNumbers.isEmpty() ? 0 : pictureNumbers.takeFirst();
    }
    tavrolin::ui::CloseAnswer askSaveBeforeClosing() override {
        ++closeQuestions;
        return closeAnswers.isEmpty() ? tavrolin::ui::CloseAnswer::Cancel
                                      : closeAnswers.takeFirst();
    }

    int ask(const QString& text, const QStringList& buttons, int, int escapeButton) override {
        questions << QStringLiteral("%1 [%2]").arg(text, buttons.join(u'/'));
        if (replies.isEmpty()) {
            return escapeButton;
        }
        const auto pressed = buttons.indexOf(replies.takeFirst());
        if (pressed < 0) {
            qFatal("no such button in: %s", qPrintable(questions.back()));
        }
        return int(pressed);
    }

  private:
    QString answer(const Request& request) {
        dialogs.push_back(request);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
