#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "exchange/imagefit.h"

namespace tavrolin::ui {

// What a file dialog is asked: a title, a filter of label and patterns pairs separated
// by vertical bars, "Súbory .cat|*.cat|Všetky súbory|*", and the name under which the
// dialog remembers its last folder and filter ("open", "save", "import", "export").
struct FileDialogRequest {
    QString title;
    QString filter;
    QString memory = {};
    // The filter's patterns, "*.g1m *.g1r", whose choice in a save dialog adds the first
    // one's extension to a name typed without one.
    QStringList extendingPatterns = {};
    // The names of files a picture is saved into rather than over ("*.g1m", "*.g1r"):
    // the editor, not the dialog, asks about such a file that exists.
    QStringList mergingPatterns = {};
};

// How the user wants an image that is more than a calculator picture imported: fitted
// to the screen with the options, as it is (its top-left corner in exact colours), or
// not at all.
struct FitAnswer {
    enum class Choice { Fit, AsIs, Cancel };
    Choice choice = Choice::AsIs;
    exchange::FitOptions options;
};

// What to do with a picture that changed when the window is closed.
enum class CloseAnswer { Save, Discard, Cancel };

// The editor's file dialogs and message boxes. The window asks through this seam so
// that tests can answer with prepared file names and see the messages shown.
class Prompts {
  public:
    virtual ~Prompts() = default;

    // The chosen path of an existing file, or "" when the user cancelled.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    // The chosen path, replacing a file only after the user confirmed; "" when cancelled.
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // A message box with an OK button only and no icon; returns when it is closed.
    virtual void message(const QString& text) = 0;
    // The fit dialog for a decoded image, its choices set as in `initial`.
    virtual FitAnswer askFit(const QImage& image, const exchange::FitOptions& initial) = 0;
    // Which of the pictures a file holds to open, by their names ("Pict 3", "Capture 1");
    // -1 when the user cancelled.
    virtual int choosePicture(const QStringList& names) = 0;
    // The n of "Pict n", 1..20, a picture is saved as, `proposed` to begin with; 0 when
    // the user cancelled.
    virtual int choosePictureNumber(int proposed) = 0;
    // Whether to save the changed picture before the window closes: "Uložiť",
    // "Zahodiť" or "Zrušiť".
    virtual CloseAnswer askSaveBeforeClosing() = 0;
    // A question answered by one of `buttons`, captioned in order; the index of the one
    // pressed. Enter presses `defaultButton`, Escape and the window's frame `escapeButton`.
    virtual int ask(const QString& text, const QStringList& buttons, int defaultButton,
                    int escapeButton) = 0;
};

}  // namespace tavrolin::ui
