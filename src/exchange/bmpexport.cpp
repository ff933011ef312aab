#include "exchange/bmpexport.h"

#include <QSaveFile>

#include "model/canvas.h"

namespace tavrolin::exchange {

bool exportBmp(model::EditorState& state, const QString& path) {
    // The preview may lag the picture by the latest pen strokes.
    model::refreshPreview(state);
    // Written beside the target and moved over it only when complete, so a failed
    // write never leaves a broken file or destroys the one it was to replace.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !state.preview.saveBmp(file) || !file.commit()) {
        return false;
    }
    model::setCurrentColor(state, model::kBlack);
    return true;
}

}  // namespace tavrolin::exchange
