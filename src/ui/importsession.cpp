#include "ui/importsession.h"

#include "exchange/fitsource.h"
#include "exchange/fittedimport.h"
#include "exchange/imageimport.h"
#include "exchange/pictureformats.h"
#include "ui/frames/importframe.h"
#include "ui/frames/toolboxframe.h"
#include "ui/picturefilemessages.h"

namespace tavrolin::ui {

ImportSession::ImportSession(EditorContext& context, const ImportFrame& importFrame,
                             const ToolboxFrame& toolbox, QObject* parent)
    : QObject(parent), context_(context), importFrame_(importFrame), toolbox_(toolbox) {}

void ImportSession::import() {
    model::EditorState& state = context_.state;
    state.fileName = context_.prompts.openFileName(
        {tr("Importovať obrázok"), exchange::importFilter(), QStringLiteral("import")});
    if (!state.fileName.isEmpty()) {
        importFile(state.fileName);
    }
}

void ImportSession::importFile(const QString& path) {
    context_.state.fileName = path;
    if (offerFit(path) == FitAnswer::Choice::AsIs) {
        importAsIs();
    }
    context_.changed();
}

void ImportSession::importAsIs() {
    model::EditorState& state = context_.state;
    const model::Outcome imported =
        exchange::importImage(state, state.fileName, importFrame_.importColours());
    if (!imported) {
        tellUnreadableImage(imported.failure());
    }
}

void ImportSession::tellUnreadableImage(const model::Failure& failure) {
    // The advice on formats fits a file that no format knows; other reasons are told.
    QString message = tr("Súbor „%1“ nemôžem načítať ako obrázok!").arg(context_.state.fileName);
    message += failure.reason == model::FailureReason::NotAnImage
                   ? tr(" Skontrolujte prosím, či je to obrázok bmp, jpg, gif alebo png.")
                   : reasonParagraph(failure);
    context_.prompts.message(message);
}

FitAnswer::Choice ImportSession::offerFit(const QString& path) {
    if (!exchange::imageNeedsFitting(path)) {
        return FitAnswer::Choice::AsIs;
    }
    const model::Result<QImage> image = exchange::readImageToFit(path);
    if (!image) {
        // An image that cannot be decoded whole: its top-left corner is no answer either.
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
