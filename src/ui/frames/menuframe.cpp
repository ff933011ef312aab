#include "ui/frames/menuframe.h"

#include <utility>

#include "exchange/bmpexport.h"
#include "exchange/failuretext.h"
#include "exchange/fitsource.h"
#include "exchange/fittedimport.h"
#include "exchange/imageimport.h"
#include "model/newpicture.h"
#include "ui/controls.h"
#include "ui/frames/importframe.h"
#include "ui/frames/toolboxframe.h"
#include "ui/picturefilesession.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

MenuFrame::MenuFrame(EditorContext& context, const ImportFrame& importFrame,
                     PictureFileSession& pictureFiles, const ToolboxFrame& toolbox, QWidget* parent)
    : QGroupBox(tr("Menu:"), parent),
      context_(context),
      importFrame_(importFrame),
      pictureFiles_(pictureFiles),
      toolbox_(toolbox) {
    setObjectName(QStringLiteral("Frame2"));
    auto* saveButton = makeButton(this, "Command2", tr("Ulož"), QRect(8, 16, 57, 25));
    auto* openButton = makeButton(this, "Command1", tr("Otvor"), QRect(64, 16, 57, 25));
    auto* newButton = makeButton(this, "Command3", tr("Nový"), QRect(8, 40, 113, 25));
    auto* exportButton = makeButton(this, "Command4", tr("Exportuj obrázok"), QRect(8, 64, 57, 33));
    auto* importButton =
        makeButton(this, "Command5", tr("Importuj obrázok"), QRect(64, 64, 57, 33));
    clickOnKeys(*newButton, {Qt::CTRL | Qt::Key_N});
    clickOnKeys(*openButton, {Qt::CTRL | Qt::Key_O});
    clickOnKeys(*saveButton, {Qt::CTRL | Qt::Key_S});
    clickOnKeys(*exportButton, {Qt::CTRL | Qt::Key_E});
    clickOnKeys(*importButton, {Qt::CTRL | Qt::Key_I});
    connect(openButton, &QPushButton::clicked, this, &MenuFrame::openPicture);
    connect(saveButton, &QPushButton::clicked, this, &MenuFrame::savePicture);
    connect(newButton, &QPushButton::clicked, this, &MenuFrame::newPicture);
    connect(exportButton, &QPushButton::clicked, this, &MenuFrame::exportPicture);
    connect(importButton, &QPushButton::clicked, this, &MenuFrame::importPicture);
}

void MenuFrame::openPicture() {
    pictureFiles_.open();
}

void MenuFrame::savePicture() {
    pictureFiles_.save();
}

void MenuFrame::newPicture() {
    model::newPicture(context_.state);
    context_.changed();
}

void MenuFrame::exportPicture() {
    model::EditorState& state = context_.state;
    state.fileName =
        context_.prompts.saveFileName({tr("Exportuj obrázok"), tr("(obrázky *.bmp)|*.bmp")});
    if (state.fileName.isEmpty()) {
        return;
    }
    if (const model::Outcome written = exchange::exportBmp(state, state.fileName); !written) {
        context_.prompts.message(
            tr("Obrázok nemôžem zapísať do súboru „%1“! Skontrolujte prosím, či "
               "priečinok existuje a či doň možno zapisovať.")
                .arg(state.fileName) +
            QStringLiteral("\n\n") + exchange::failureText(written.failure()));
    }
    context_.changed();
}

void MenuFrame::importPicture() {
    model::EditorState& state = context_.state;
    state.fileName = context_.prompts.openFileName(
        {tr("Importovať obrázok"),
         tr("(súbory *.bmp)|*.bmp|(súbory *.jpg)|*.jpg|(súbory *.gif)|*.gif|"
            "(súbory *.png)|*.png")});
    if (state.fileName.isEmpty()) {
        return;
    }
    importFile(state.fileName);
}

void MenuFrame::importFile(const QString& path) {
    model::EditorState& state = context_.state;
    state.fileName = path;
    if (offerFit(path) == FitAnswer::Choice::AsIs) {
        const model::Outcome imported =
            exchange::importImage(state, state.fileName, importFrame_.importColours());
        if (!imported) {
            tellUnreadableImage(imported.failure());
        }
    }
    context_.changed();
}

void MenuFrame::tellUnreadableImage(const model::Failure& failure) {
    // The advice on formats fits a file that no format knows; other reasons are told.
    QString message = tr("Súbor „%1“ nemôžem načítať ako obrázok!").arg(context_.state.fileName);
    message += failure.reason == model::FailureReason::NotAnImage
                   ? tr(" Skontrolujte prosím, či je to obrázok bmp, jpg, "
                        "gif alebo png.")
                   : QStringLiteral("\n\n") + exchange::failureText(failure);
    context_.prompts.message(message);
}

FitAnswer::Choice MenuFrame::offerFit(const QString& path) {
    if (!exchange::imageNeedsFitting(path)) {
        return FitAnswer::Choice::AsIs;
    }
    const model::Result<QImage> image = exchange::readImageToFit(path);
    if (!image) {
        // Too large to decode: its top-left corner would be no answer either.
        tellUnreadableImage(image.failure());
        return FitAnswer::Choice::Cancel;
    }
    lastFit_.colours = toolbox_.calculatorVariant() == exchange::SaveVariant::Colour
                           ? exchange::FitColours::RedBlueGreen
                           : exchange::FitColours::BlackWhite;
    const FitAnswer answer = context_.prompts.askFit(image.value(), lastFit_);
    if (answer.choice == FitAnswer::Choice::Fit) {
        lastFit_ = answer.options;
        exchange::importFittedImage(context_.state, image.value(), answer.options);
    }
    return answer.choice;
}

}  // namespace tavrolin::ui
