#include "exchange/imageimport.h"

#include "model/newpicture.h"
#include "model/readback.h"

namespace tavrolin::exchange {

model::Outcome importImage(model::EditorState& state, const QString& path,
                           const ImportColours& colours) {
    // Read the file before touching anything, so that a file that is no image costs
    // the user neither the picture nor the undo copy.
    if (model::Outcome loaded = loadAsImported(state.importBox, path); !loaded) {
        return loaded;
    }
    model::adoptPicture(state, model::pictureInBox(state.importBox, colours.kept()));
    return model::Done{};
}

}  // namespace tavrolin::exchange
