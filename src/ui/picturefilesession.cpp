#include "ui/picturefilesession.h"

#include <QTimer>
#include <QWindow>

#include "exchange/failuretext.h"
#include "exchange/pictureformats.h"
#include "ui/dialogs/loadcoloursdialog.h"
#include "ui/dialogs/savecoloursdialog.h"
#include "ui/frames/toolboxframe.h"
#include "ui/g1mpicturefiles.h"
#include "ui/picturefilemessages.h"
#include "ui/savequestions.h"

namespace tavrolin::ui {

namespace {

// A completion runs this long after its command or dialog, from the event loop.
constexpr int kCompletionDelayMs = 100;

QString colourWarning() {
    return PictureFileSession::tr(
        "Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné kalkulačky. V prípade, "
        "že ste použili čiernu farbu, tak táto sa neuloží, keďže farebné kalkulačky čiernu "
        "farbu nepodporujú. Uloží sa len modrá, zelená, biela a červená farba!");
}

}  // namespace

PictureFileSession::PictureFileSession(EditorContext& context, QTimer& loadTimer, QTimer& saveTimer,
                                       const ToolboxFrame& toolbox, QWidget* window)
    : QObject(window),
      context_(context),
      loadTimer_(loadTimer),
      saveTimer_(saveTimer),
      toolbox_(toolbox),
      window_(*window),
      loadColours_(std::make_unique<LoadColoursDialog>(nullptr)),
      saveColours_(std::make_unique<SaveColoursDialog>(nullptr)) {
    loadColours_->setFont(window->font());
    saveColours_->setFont(window->font());
    connect(&loadTimer_, &QTimer::timeout, this, &PictureFileSession::finishLoad);
    connect(&saveTimer_, &QTimer::timeout, this, &PictureFileSession::finishSave);
    connect(loadColours_.get(), &QDialog::accepted, this,
            [this] { loadTimer_.start(kCompletionDelayMs); });
    connect(loadColours_.get(), &QDialog::rejected, this, &PictureFileSession::loadColoursRefused);
    connect(saveColours_.get(), &QDialog::accepted, this,
            [this] { saveTimer_.start(kCompletionDelayMs); });
    connect(saveColours_.get(), &QDialog::rejected, this, &PictureFileSession::saveColoursRefused);
}

PictureFileSession::~PictureFileSession() = default;

void PictureFileSession::bringToFront(QWidget& dialog) {
    if (!dialog.windowHandle()) {
        // Its first showing: above the main window, in its middle.
        dialog.winId();
        dialog.windowHandle()->setTransientParent(window_.windowHandle());
        dialog.move(window_.geometry().center() - dialog.rect().center());
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

bool PictureFileSession::fileWaiting() {
    if (!load_.pending() && !save_.pending()) {
        return false;
    }
    for (QDialog* dialog :
         {static_cast<QDialog*>(loadColours_.get()), static_cast<QDialog*>(saveColours_.get())}) {
        if (dialog->isVisible()) {
            bringToFront(*dialog);
        }
    }
    return true;
}

// Asks for the file in the dialog; false when a file still waits or the user cancelled.
bool PictureFileSession::chooseFile(const QString& title, bool forSaving) {
    if (fileWaiting()) {
        return false;
    }
    QString& fileName = context_.state.fileName;
    fileName.clear();
    const FileDialogRequest request =
        forSaving
            ? FileDialogRequest{title, exchange::saveFilter(), QStringLiteral("save"),
                                exchange::extendingSavePatterns(), exchange::mergingSavePatterns()}
            : FileDialogRequest{title, exchange::openFilter(), QStringLiteral("open")};
    fileName =
        forSaving ? context_.prompts.saveFileName(request) : context_.prompts.openFileName(request);
    return !fileName.isEmpty();
}

void PictureFileSession::open() {
    if (chooseFile(PictureFileSession::tr("Otvoriť obrázok"), false)) {
        startLoad();
    }
}

void PictureFileSession::openFile(const QString& path) {
    if (fileWaiting()) {
        return;
    }
    context_.state.fileName = path;
    startLoad();
}

void PictureFileSession::startLoad() {
    model::EditorState& state = context_.state;
    if (exchange::formatToOpen(state.fileName).reading == exchange::Reading::Entries) {
        openG1mFile(context_, state.fileName);
        return;
    }
    load_.start(state, state.fileName);
    context_.changed();
    if (load_.waitsForColours()) {
        bringToFront(*loadColours_);
        return;
    }
    if (!load_.loadValid()) {
        context_.prompts.message(loadErrorMessage(load_.failure()));
    }
    // Whatever the file held, the completion releases it and shows the picture.
    loadTimer_.start(kCompletionDelayMs);
}

void PictureFileSession::finishLoad() {
    loadTimer_.stop();
    load_.finish(context_.state, loadColours_->colours());
    context_.changed();
    if (const catfile::FileEnd end = load_.fileEnd()) {
        context_.prompts.message(cutShortMessage(context_.state.fileName, *end));
    }
}

void PictureFileSession::loadColoursRefused() {
    load_.cancel(context_.state);
    context_.changed();
}

void PictureFileSession::save() {
    if (!chooseFile(PictureFileSession::tr("Uložiť obrázok"), true)) {
        endSave(false);
        return;
    }
    model::EditorState& state = context_.state;
    if (exchange::formatForSaving(state.fileName).writing == exchange::Writing::Entries) {
        endSave(saveG1mFile(context_, state.fileName));
        return;
    }
    const exchange::SaveVariant variant = toolbox_.calculatorVariant();
    if (variant == exchange::SaveVariant::Monochrome &&
        !savedEvenIfEmpty(context_.prompts, state.picture, variant)) {
        endSave(false);
        return;
    }
    if (const model::Outcome started = save_.start(state.fileName, variant, state.picture);
        !started) {
        showSaveFailure(started.failure());
        endSave(false);
        return;
    }
    if (variant == exchange::SaveVariant::Colour) {
        bringToFront(*saveColours_);
        return;
    }
    context_.prompts.message(monochromeWarning());
    if (const model::Outcome written = save_.writeMonochromeTrailer(); !written) {
        showSaveFailure(written.failure());
        endSave(false);
        return;
    }
    saveTimer_.start(kCompletionDelayMs);
}

void PictureFileSession::finishSave() {
    saveTimer_.stop();
    const bool colour = save_.variant() == exchange::SaveVariant::Colour;
    if (colour && !savedEvenIfEmpty(context_.prompts, context_.state.picture, save_.variant(),
                                    saveColours_->colours())) {
        save_.abandon();
        endSave(false);
        return;
    }
    if (const model::Outcome finished =
            save_.finish(context_.state.picture, saveColours_->colours());
        !finished) {
        showSaveFailure(finished.failure());
        endSave(false);
        return;
    }
    if (colour) {
        context_.prompts.message(colourWarning());
    }
    endSave(true);
}

void PictureFileSession::saveColoursRefused() {
    save_.abandon();
    endSave(false);
}

void PictureFileSession::endSave(bool saved) {
    if (saved) {
        context_.state.markSaved();
        context_.changed();
    }
    emit saveEnded(saved);
}

void PictureFileSession::showSaveFailure(const model::Failure& failure) {
    QString step;
    switch (save_.failedStep()) {
        case exchange::SaveStep::Create:
            step = PictureFileSession::tr("súbor sa nedá vytvoriť");
            break;
        case exchange::SaveStep::Write:
            step = PictureFileSession::tr("do súboru sa nedá zapisovať");
            break;
        case exchange::SaveStep::Replace:
            step = PictureFileSession::tr(
                "zapísaný súbor sa nedá dať na miesto toho so zvoleným menom");
            break;
    }
    context_.prompts.message(
        saveFailureMessage(context_.state.fileName,
                           QStringLiteral("%1 (%2)").arg(step, exchange::failureText(failure))));
}

}  // namespace tavrolin::ui
