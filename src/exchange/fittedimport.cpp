#include "exchange/fittedimport.h"

#include "model/newpicture.h"

namespace tavrolin::exchange {

void importFittedImage(model::EditorState& state, const QImage& source, const FitOptions& options) {
    const QImage screen = fitToScreen(source, options.mode, options.invert);
    state.importBox.editImage([&](QImage& image) { image = screen; });
    model::adoptPicture(state, toCalculatorColours(screen, options));
}

}  // namespace tavrolin::exchange
