#include "exchange/imagescan.h"

#include "model/picturebox.h"

namespace tavrolin::exchange {

model::KeptColours ImportColours::kept() const {
    // In the order of the colour codes: white, black, red, blue, green.
    return {white, black, red, blue, green};
}

model::Result<model::PictureGrid> scanImageFile(const QString& path, const ImportColours& colours) {
    model::PictureBox box(model::kColumns, model::kRows);
    if (const model::Outcome loaded = box.load(path); !loaded) {
        return loaded.failure();
    }
    return model::pictureInBox(box, colours.kept());
}

}  // namespace tavrolin::exchange
