#include "exchange/fittedimport.h"

#include "exchange/imageimport.h"

namespace tavrolin::exchange {

void importFittedImage(model::EditorState& state, const QImage& source, const FitOptions& options) {
    const QImage screen = fitToScreen(source, options.mode, options.invert);
    state.importBox.editImage([&](QImage& image) { image = screen; });
    takeImportedPicture(state, toCalculatorColours(screen, options));
}

}  // namespace tavrolin::exchange
