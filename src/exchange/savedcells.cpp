#include "exchange/savedcells.h"

namespace tavrolin::exchange {

namespace {

bool isSaved(model::ColorCode code, SaveVariant variant, catfile::SaveColours colours) {
    if (variant == SaveVariant::Monochrome) {
        return code == model::kBlack;
    }
    return (code == model::kRed && colours.red) || (code == model::kBlue && colours.blue) ||
           (code == model::kGreen && colours.green);
}

}  // namespace

bool hasCellsToSave(const model::PictureGrid& picture, SaveVariant variant,
                    catfile::SaveColours colours) {
    bool found = false;
    model::PictureGrid::forEachUsedCell(
        [&](int x, int y) { found = found || isSaved(picture.at(x, y), variant, colours); });
    return found;
}

}  // namespace tavrolin::exchange
